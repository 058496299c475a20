#include <gtest/gtest.h>

#include "common/ComScope.h"
#include "common/PlaceEntries.h"
#include "common/Shortcuts.h"
#include "platform/memory/MemoryWorld.h"

namespace {

const char kDir[] = "C:\\ORVANE\\Startup\\";
const char kComFailed[] = "Error initializing the COM library.";

struct ShortcutsTest : ::testing::Test {
    ShortcutsTest() { world.files.AddDirectory("C:\\ORVANE\\Startup"); }

    ShortcutFields Saved(const std::string& path) {
        ShortcutFields fields;
        const ComScope com(world.links);
        EXPECT_TRUE(world.links.Load(path, fields)) << path;
        return fields;
    }
    bool Create(std::string& name, const std::string& commandLine) {
        return CreateShortcutFromCommandLine(world.files, world.links, world.messages, name, commandLine, kDir);
    }

    MemoryWorld world;
};

}  // namespace

TEST_F(ShortcutsTest, WrittenFieldsReadBackUnderTheirOwnCom) {
    {
        const ComScope com(world.links);
        ASSERT_TRUE(WriteShortcut(world.links, "C:\\A.EXE", "/x", "C:\\", "C:\\ORVANE\\Startup\\A.lnk", "An app"));
    }
    std::string target, arguments, directory, description;
    ASSERT_TRUE(ReadShortcut(world.links, world.messages, "C:\\ORVANE\\Startup\\A.lnk", target, arguments, directory,
                             description));
    EXPECT_EQ("C:\\A.EXE|/x|C:\\|An app", target + "|" + arguments + "|" + directory + "|" + description);
    EXPECT_EQ(0, world.links.ComDepth());
}

TEST_F(ShortcutsTest, ReadFailuresLeaveTheOutputsUntouched) {
    std::string t = "t", a = "a", w = "w", d = "d";
    EXPECT_FALSE(ReadShortcut(world.links, world.messages, "C:\\ORVANE\\Startup\\None.lnk", t, a, w, d));
    EXPECT_TRUE(world.messages.shown.empty());
    world.faults.Add(Fault::ComInitialize);
    EXPECT_FALSE(ReadShortcut(world.links, world.messages, "C:\\ORVANE\\Startup\\None.lnk", t, a, w, d));
    ASSERT_EQ(1u, world.messages.shown.size());
    EXPECT_EQ(kComFailed, world.messages.shown[0].text);
    EXPECT_EQ(win::MbIconExclamation, world.messages.shown[0].style);
    EXPECT_EQ("tawd", t + a + w + d);
    EXPECT_EQ(0, world.links.ComDepth());
}

TEST_F(ShortcutsTest, TargetArgumentsAndWorkingDirectoryFromTheSplitProgram) {
    struct Case {
        const char *line, *target, *arguments, *directory;
    } const cases[] = {
        {"C:\\WINDOWS\\SYSTRAY.EXE", "C:\\WINDOWS\\SYSTRAY.EXE", "", "C:\\WINDOWS"},
        // A program without its folder is named in full when the search path
        // finds it (the memory Windows folder holds rundll32.exe), and kept
        // as it is when not.
        {"SCANREGW.EXE /autorun", "SCANREGW.EXE", "/autorun", ""},
        {"RUNDLL32.EXE C:\\WINDOWS\\X.DLL,Entry", "C:\\WINDOWS\\RUNDLL32.EXE", "C:\\WINDOWS\\X.DLL,Entry", "C:\\WINDOWS"},
        {"\"C:\\Program Files\\A\\a.exe\"", "C:\\Program Files\\A\\a.exe", "", "C:\\Program Files\\A"},
        {"C:\\WINDOWS\\TASKMON", "C:\\WINDOWS\\TASKMON", "", "C:\\WINDOWS"},
    };
    for (const Case& c : cases) {
        std::string name = "Item";
        ASSERT_TRUE(Create(name, c.line)) << c.line;
        const ShortcutFields fields = Saved(std::string(kDir) + name + ".lnk");
        EXPECT_EQ(c.target, fields.target) << c.line;
        EXPECT_EQ(c.arguments, fields.arguments) << c.line;
        EXPECT_EQ(c.directory, fields.workingDirectory) << c.line;
        EXPECT_EQ("", fields.description);
    }
    EXPECT_EQ(0, world.links.ComDepth());
}

TEST_F(ShortcutsTest, NameMadeUniqueWithACounter) {
    world.files.AddFile("C:\\ORVANE\\Startup\\Mail.lnk");
    world.files.AddFile("C:\\ORVANE\\Startup\\MAIL (2).lnk");
    std::string name = "Mail";
    ASSERT_TRUE(Create(name, "C:\\MAIL.EXE"));
    EXPECT_EQ("Mail (3)", name);  // names differing only in case are one file
    EXPECT_EQ(world.files.Names("C:\\ORVANE\\Startup").back(), "Mail (3).lnk");
}

TEST_F(ShortcutsTest, CreateFailures) {
    world.faults.Add(Fault::ComInitialize, "", 1);
    std::string name = "Mail";
    EXPECT_FALSE(Create(name, "C:\\MAIL.EXE"));
    ASSERT_EQ(1u, world.messages.shown.size());
    EXPECT_EQ(kComFailed, world.messages.shown[0].text);
    EXPECT_EQ(win::MbOk, world.messages.shown[0].style);

    world.files.AddFile("C:\\ORVANE\\Startup\\Mail.lnk");
    world.faults.Add(Fault::LinkSave);
    EXPECT_FALSE(Create(name, "C:\\MAIL.EXE"));
    EXPECT_EQ("Mail (2)", name);
    EXPECT_EQ(1u, world.messages.shown.size());
    EXPECT_EQ(std::vector<std::string>{"Mail.lnk"}, world.files.Names("C:\\ORVANE\\Startup"));
    EXPECT_EQ(0, world.links.ComDepth());
}

// What a shortcut starts, as the places compare it: only a .lnk, in any case,
// with a target.
TEST_F(ShortcutsTest, CommandKeyIsTheTargetAndArgumentsOfAShortcutThatHasATarget) {
    world.links.InitializeCom();
    const std::string dir = kDir;
    for (const char* name : {"A.LNK", "A.txt"}) ASSERT_TRUE(WriteShortcut(world.links, "C:\\a.exe", "/x", "", dir + name, ""));
    ASSERT_TRUE(WriteShortcut(world.links, "", "/x", "", dir + "None.lnk", ""));
    EXPECT_EQ("C:\\A.EXE /X", ShortcutCommandKey(world.links, dir + "A.LNK"));
    for (const char* name : {"A.txt", "None.lnk", "Gone.lnk"}) EXPECT_EQ("", ShortcutCommandKey(world.links, dir + name)) << name;
    world.links.UninitializeCom();
}
