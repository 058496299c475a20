#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "common/CommandLine.h"
#include "common/FileMove.h"
#include "common/MoveQuestions.h"
#include "common/PathHelpers.h"
#include "common/RegistryValues.h"
#include "common/Shortcuts.h"
#include "common/TextHelpers.h"
#include "platform/TextCodes.h"
#include "platform/memory/MemoryWorld.h"

namespace {

const char kCopied[] = "C:\\ORVANE\\Startup\\Mail.lnk";
const char kOriginal[] = "C:\\WINDOWS\\Start Menu\\Programs\\Startup\\Mail.lnk";

}  // namespace

TEST(TextHelpers, NumbersAndCounters) {
    EXPECT_EQ(-3, IntDivide(-7, 2));
    EXPECT_EQ(0, IntDivide(5, 0));
    EXPECT_EQ(INT_MAX, IntDivide(INT_MIN, -1));
    EXPECT_EQ(-12, AtoiLike(" \t-12x"));
    EXPECT_EQ(0, AtoiLike("x1"));
    EXPECT_EQ(INT_MAX, AtoiLike("99999999999"));
    EXPECT_EQ(INT_MIN, AtoiLike("-99999999999"));
    EXPECT_FALSE(IsAllDigits(""));
    EXPECT_FALSE(IsAllDigits("-1"));
    EXPECT_TRUE(IsAllDigits("007"));
}

TEST(TextHelpers, IntToStringAsPrintfDecimal) {
    EXPECT_EQ("0", IntToString(0));
    EXPECT_EQ("7", IntToString(7));
    EXPECT_EQ("-1", IntToString(-1));
    EXPECT_EQ("-30", IntToString(-30));
    EXPECT_EQ("2147483647", IntToString(INT_MAX));
    EXPECT_EQ("-2147483648", IntToString(INT_MIN));
}

TEST(TextHelpers, NextUniqueName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Mail", "Mail (2)"},         {"Mail (2)", "Mail (3)"},     {"Mail(9)", "Mail(10)"},
        {"Mail (x)", "Mail (x) (2)"}, {"Mail ()", "Mail () (2)"},   {"A (3) B", "A (4)"},
        {"A (007)", "A (8)"},         {") (", ") ( (2)"},
        // A counter beyond the int range goes on counting instead of overflowing.
        {"A (2147483647)", "A (2147483648)"}, {"A (99999999999999999999)", "A (100000000000000000000)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.second, NextUniqueName(c.first)) << c.first;
}

TEST(TextCodes, Utf8IsTakenOnlyWhenWellFormedAndNamesMatchAsWindowsMatchesThem) {
    for (const char* good : {"", "Mail", "Caf\xC3\xA9", "\xE6\x9D\xB1\xE4\xBA\xAC Sync", "\xF0\x9F\x98\x80"})
        EXPECT_TRUE(IsUtf8(good)) << good;
    // Latin-1 bytes, a cut sequence, an overlong '/', the first and last surrogates, past U+10FFFF.
    for (const char* bad : {"Caf\xE9", "\xE6\x9D", "\xC0\xAF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(IsUtf8(bad)) << bad;
    const std::pair<const char*, const char*> upper[] = {
        {"mail.lnk", "MAIL.LNK"},
        {"caf\xC3\xA9 \xC3\xBF", "CAF\xC3\x89 \xC5\xB8"},                         // é ÿ
        {"\xC5\x82\xC4\xBA\xC5\xBE\xC4\xB1\xC5\xB9", "\xC5\x81\xC4\xB9\xC5\xBD\xC4\xB1\xC5\xB9"},  // ł ĺ ž, dotless i and Ź kept
        {"\xF0\x90\x80\x80x", "\xF0\x90\x80\x80X"},                                     // U+10000 whole
        {"\xCE\xB1\xCF\x82\xCE\xAC\xCF\x8E", "\xCE\x91\xCE\xA3\xCE\x86\xCE\x8F"},  // α ς ά ώ
        {"\xD0\xBF\xD1\x80\xD1\x91\xD1\x9F", "\xD0\x9F\xD0\xA0\xD0\x81\xD0\x8F"},  // п р ё џ
        {"\xEF\xBD\x81 \xE6\x9D\xB1 \xC3\x9F", "\xEF\xBC\xA1 \xE6\x9D\xB1 \xC3\x9F"},  // ａ 東 ß
        {"caf\xE9 \xE0", "CAF\xE9 \xE0"},                                           // an ANSI name: ASCII only
    };
    for (const auto& pair : upper) EXPECT_EQ(UpperName(pair.first), pair.second) << pair.first;
}

TEST(PathHelpers, NamesDirectoriesExtensions) {
    EXPECT_EQ("NOTEPAD.EXE", FileNameOf("NOTEPAD.EXE"));
    EXPECT_EQ("X.EXE", FileNameOf("C:\\WINDOWS\\X.EXE"));
    EXPECT_EQ("", DirectoryOf("NOTEPAD.EXE"));
    EXPECT_EQ("C:\\", DirectoryOf("C:\\AUTOEXEC.BAT"));
    EXPECT_EQ("C:\\WINDOWS\\SYSTEM", DirectoryOf("C:\\WINDOWS\\SYSTEM\\X.EXE"));
    EXPECT_EQ("LNK", ExtensionOf("C:\\A\\B.LNK"));
    EXPECT_EQ("EXE", ExtensionOf("C:\\A\\B.EXE /S"));
    EXPECT_EQ("", ExtensionOf("C:\\A\\README"));
    EXPECT_EQ("HTML", ExtensionOf("C:\\A\\B.HTML"));
    EXPECT_EQ("TEXT", ExtensionOf("C:\\A\\B.TEXTFILE"));
    EXPECT_EQ("C:\\A\\B.LNK", PathIn("C:\\A", "B.LNK"));
    EXPECT_EQ("C:\\B.LNK", PathIn("C:\\", "B.LNK"));
    EXPECT_EQ("C:\\A\\", PathIn("C:\\A", ""));
    EXPECT_EQ("C:\\B.LNK", BesidePath("C:\\A.INI", "B.LNK"));
    EXPECT_EQ("B.LNK", BesidePath("A.INI", "B.LNK"));
    MemoryWorld world("C:\\ORVANE\\OrvaneConfig.exe");
    EXPECT_EQ("C:\\ORVANE", ProgramDirectory(world.files));
    MemoryWorld atRoot("C:\\Orvane.exe");
    EXPECT_EQ("C:\\", ProgramDirectory(atRoot.files));
}

TEST(SplitCommandLine, RulesInOrder) {
    struct Case {
        const char *line, *program, *arguments;
        bool split;
    } const cases[] = {
        {"C:\\APPS\\TOOL.EXE -q", "C:\\APPS\\TOOL.EXE", "-q", true},
        {"RUNDLL32.EXE shell32.dll,Control_RunDLL", "RUNDLL32.EXE", "shell32.dll,Control_RunDLL", true},
        {"C:\\PROGRA~1\\APP\\APP.EXE /min", "C:\\PROGRA~1\\APP\\APP.EXE", "/min", true},
        {"X.EXE   ", "X.EXE", "", false},
        {"C:\\WINDOWS\\SYSTRAY.EXE", "C:\\WINDOWS\\SYSTRAY.EXE", "", false},
        // Never cut inside the program's path.
        {"C:\\MY-APPS\\A.EXE", "C:\\MY-APPS\\A.EXE", "", false},
        {"c:\\a.b\\tool.Bat -x /y", "c:\\a.b\\tool.Bat", "-x /y", true},
        {"C:\\X.EXEC\\Y.pif", "C:\\X.EXEC\\Y.pif", "", false},
        {"  \"C:\\Program Files\\My-App\\a.exe\"  -s ", "C:\\Program Files\\My-App\\a.exe", "-s", true},
        {"\"C:\\Program Files\\a.exe\"", "C:\\Program Files\\a.exe", "", false},
        {"\"C:\\unclosed -x", "C:\\unclosed -x", "", false},
        // Without a program extension the older rules decide.
        {"C:\\BIN\\TOOL  /a /b", "C:\\BIN\\TOOL", "/a /b", true},
        {"C:\\MY-APPS\\TOOL", "C:\\MY", "-APPS\\TOOL", true},
        {"C:\\A.DLL x ", "C:\\A.DLL", "x", true},
        // Blanks before an unquoted program are no part of it (found by fuzzing).
        {"  C:\\APPS\\TOOL.EXE -q", "C:\\APPS\\TOOL.EXE", "-q", true},
        {"\tC:\\BIN\\TOOL /a", "C:\\BIN\\TOOL", "/a", true},
        {" X.EXE", "X.EXE", "", false},
        {" \t ", "?", "?", false},
    };
    for (const Case& c : cases) {
        std::string program = "?", arguments = "?";
        EXPECT_EQ(c.split, SplitCommandLine(c.line, program, arguments)) << c.line;
        EXPECT_EQ(c.program, program) << c.line;
        EXPECT_EQ(c.arguments, arguments) << c.line;
    }
    std::string program = "?", arguments = "?";
    EXPECT_FALSE(SplitCommandLine("C:\\A.DLL", program, arguments));
    EXPECT_EQ("?", program);
    EXPECT_EQ("DLL", arguments);
    arguments = "?";
    EXPECT_FALSE(SplitCommandLine("C:\\WINDOWS\\TASKMON", program, arguments));
    EXPECT_EQ("?", program);
    EXPECT_EQ("?", arguments);
}

TEST(MoveFileConfirmed, MovesByCopyAndDelete) {
    MemoryWorld world;
    BoxedMoveQuestions questions{world.messages};
    world.files.AddFile(kOriginal, "link");
    world.files.AddDirectory("C:\\ORVANE\\Startup");
    EXPECT_TRUE(MoveFileConfirmed(world.files, questions, kOriginal, kCopied));
    EXPECT_FALSE(world.files.Exists(kOriginal));
    EXPECT_EQ("link", world.files.Contents(kCopied));
    EXPECT_TRUE(world.messages.shown.empty());
}

TEST(MoveFileConfirmed, EveryFailureLeavesBothFilesAsTheyWere) {
    const std::string question = std::string(kCopied) + "\nThis file already exists.\n\nReplace existing file?";
    struct Case {
        const char* what;
        bool destinationExists;
        std::function<void(MemoryWorld&)> arrange;
        int answer;
        bool copyStays;
    } const cases[] = {
        {"source missing", false, [](MemoryWorld& w) { w.files.Remove(kOriginal); }, 0, false},
        {"source read-only", false, [](MemoryWorld& w) { w.files.SetAttributes(kOriginal, win::FileAttributeReadOnly); }, 0, false},
        {"destination read-only", true, [](MemoryWorld& w) { w.files.SetAttributes(kCopied, win::FileAttributeReadOnly); }, 0, false},
        {"replacement declined", true, [](MemoryWorld&) {}, win::IdNo, false},
        {"replacement cancelled", true, [](MemoryWorld&) {}, win::IdCancel, false},
        {"copy fails", false, [](MemoryWorld& w) { w.faults.Add(Fault::Copy, kCopied); }, 0, false},
        {"delete fails", false, [](MemoryWorld& w) { w.faults.Add(Fault::Remove, kOriginal, 1); }, 0, false},
        {"delete fails after a replacement", true, [](MemoryWorld& w) { w.faults.Add(Fault::Remove, kOriginal, 1); }, win::IdYes, true},
        {"replacement allowed, but the copy over it fails", true, [](MemoryWorld& w) { w.faults.Add(Fault::Copy, kCopied); },
         win::IdYes, false},
    };
    for (const Case& c : cases) {
        MemoryWorld world;
        BoxedMoveQuestions questions{world.messages};
        world.files.AddFile(kOriginal, "new");
        if (c.destinationExists) world.files.AddFile(kCopied, "old");
        world.files.AddDirectory("C:\\ORVANE\\Startup");
        c.arrange(world);
        if (c.answer) world.messages.Answer(c.answer);
        EXPECT_FALSE(MoveFileConfirmed(world.files, questions, kOriginal, kCopied)) << c.what;
        if (c.answer) {
            ASSERT_EQ(1u, world.messages.shown.size()) << c.what;
            EXPECT_EQ(question, world.messages.shown[0].text);
            EXPECT_EQ(win::MbYesNoCancel | win::MbIconExclamation, world.messages.shown[0].style);
        } else {
            EXPECT_TRUE(world.messages.shown.empty()) << c.what;
        }
        const std::string expected = c.copyStays ? "new" : c.destinationExists ? "old" : "";
        EXPECT_EQ(c.destinationExists || c.copyStays, world.files.Exists(kCopied)) << c.what;
        EXPECT_EQ(expected, world.files.Contents(kCopied)) << c.what;
        EXPECT_EQ(std::string(c.what) == "source missing" ? "" : "new", world.files.Contents(kOriginal)) << c.what;
    }
}

TEST(RegistryValues, StoreAndDeleteOnlyUnderExistingKeys) {
    MemoryWorld world;
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const RegistryRoot hklm = RegistryRoot::LocalMachine;
    world.registry.CreateKey(hklm, run);
    EXPECT_TRUE(SetRegistryString(world.registry, hklm, run, "Mail", "C:\\MAIL.EXE"));
    EXPECT_EQ(std::string("C:\\MAIL.EXE\0", 12), world.registry.Value(hklm, run, "Mail").data);
    EXPECT_EQ(win::RegSz, world.registry.Value(hklm, run, "Mail").type);
    EXPECT_TRUE(DeleteRegistryValue(world.registry, hklm, run, "Mail"));
    EXPECT_FALSE(world.registry.HasValue(hklm, run, "Mail"));
    EXPECT_FALSE(DeleteRegistryValue(world.registry, hklm, run, "Mail"));

    EXPECT_FALSE(SetRegistryString(world.registry, hklm, run + "Once", "Mail", "x"));
    EXPECT_FALSE(world.registry.KeyExists(hklm, run + "Once"));
    world.faults.Add(Fault::RegistrySet, "Mail", 1);
    EXPECT_FALSE(SetRegistryString(world.registry, hklm, run, "Mail", "x"));
    world.registry.SetString(hklm, run, "Mail", "kept");
    world.faults.Add(Fault::RegistryDelete, "Mail", 1);
    EXPECT_FALSE(DeleteRegistryValue(world.registry, hklm, run, "Mail"));
    world.registry.DenyWrite(hklm, run);
    EXPECT_FALSE(DeleteRegistryValue(world.registry, hklm, run, "Mail"));
    EXPECT_FALSE(SetRegistryString(world.registry, hklm, run, "Mail", "x"));
    EXPECT_EQ("kept", world.registry.Value(hklm, run, "Mail").Text());
}
