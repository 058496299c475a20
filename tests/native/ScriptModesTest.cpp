// OrvaneConfig for scripts: /list as CSV, /export and /import of the whole
// configuration, and the switches that choose them.
#include <gtest/gtest.h>

#include "common/ComScope.h"
#include "common/Csv.h"
#include "common/ExportFile.h"
#include "common/TextHelpers.h"
#include "config/transfer/CommandModes.h"
#include "config/transfer/RestoreMode.h"
#include "tests/native/Conservation.h"

namespace {

using Shown = std::vector<ShownMessage>;
using Names = std::vector<std::string>;
const std::string Manager = ConfigWorld::Manager;
const std::string Startup = ConfigWorld::StartupFolder;
const std::string Approved = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
const std::string Out = "C:\\OUT\\config.txt";
const std::string ImportReport = std::string(ConfigWorld::Dir) + ImportReportName;
const std::string Header = "Orvane configuration,1\n";
const std::string DefaultSettings =
    "setting,Placement,1\nsetting,Minimized,0\nsetting,CloseWhenFinished,1\n"
    "setting,IdleBusyPercent,20\nsetting,IdleSeconds,5\nsetting,IdleLongest,120\nsetting,NetworkLongest,60\n";

void SaveShortcut(ConfigWorld& w, const std::string& path, const ShortcutFields& fields) {
    w.world.files.AddDirectory(DirectoryOf(path));
    const ComScope com(w.world.links);
    w.world.links.Save(path, fields);
}

std::string Exported(ConfigWorld& w) {
    w.world.files.AddDirectory("C:\\OUT");
    EXPECT_EQ(ExportWithoutWindow(w.platform, w.world.console, Out), ScriptDone) << w.world.console.error;
    return w.world.files.Contents(Out);
}

int Import(ConfigWorld& w, const std::string& text, bool replace) {
    w.world.files.AddDirectory("C:\\OUT");
    w.world.files.AddFile(Out, text);
    return ImportWithoutWindow(w.platform, Out, replace, true);
}

}  // namespace

TEST(ScriptModes, SwitchesChooseOneModeAndItsFile) {
    const auto read = [](const char* line) {
        const ConfigSwitches s = ReadConfigSwitches(line);
        return IntToString(static_cast<int>(s.mode)) + (s.quiet ? " quiet" : "") + (s.replace ? " replace" : "") + " [" + s.file + "]";
    };
    EXPECT_EQ(read("/restore /quiet"), "1 quiet []");
    EXPECT_EQ(read("-RESTORE\t-Quiet"), "1 quiet []");
    EXPECT_EQ(read("/list"), "2 []");
    EXPECT_EQ(read("/List \"C:\\My Files\\all.csv\""), "2 [C:\\My Files\\all.csv]");
    EXPECT_EQ(read("/export out.txt"), "3 [out.txt]");
    EXPECT_EQ(read("/export \"/out.txt\""), "3 [/out.txt]");  // quoted: a file, not a switch
    EXPECT_EQ(read("/import \"\\\\server\\share\\orvane.txt\" /replace /quiet"), "4 quiet replace [\\\\server\\share\\orvane.txt]");
    // Without a mode the window opens, whatever else is there.
    EXPECT_EQ(read(""), "0 []");
    EXPECT_EQ(read("/restored /quiet"), "0 []");
    // A mode with what it cannot take is refused.
    for (const char* line : {"/export", "/import", "/restore x.txt", "/list a b", "/list /export a", "/list /replace", "/import a /force"})
        EXPECT_EQ(ReadConfigSwitches(line).mode, ConfigMode::Unusable) << line;
}

TEST(ScriptModes, CsvQuotesOnlyWhatNeedsItAndReadsItBack) {
    const Names fields{"plain", "a,b", "say \"hi\"", " padded", "", "caf\xC3\xA9", "\""};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\" padded\",,caf\xC3\xA9,\"\"\"\"");
    Names read;
    ASSERT_TRUE(ReadCsvLine(line, read));
    EXPECT_EQ(read, fields);
    for (const char* bad : {"\"open", "\"a\"b", "a\"b", "\"\"\""}) EXPECT_FALSE(ReadCsvLine(bad, read)) << bad;
}

TEST(ScriptModes, ListGivesEveryEntryOfEveryPlaceWithItsState) {
    ConfigWorld w;
    w.UseEveryPlace();
    SaveShortcut(w, Manager + "Mail.lnk", {"C:\\Program Files\\Mail\\mail.exe", "-min", "", ""});
    w.world.files.AddFile(Manager + "Tool.exe", "MZ");
    w.WriteIni("\"Mail\", \"Run\", \"idle\", \"off\", \"5\"\r\n");
    w.world.files.AddFile("C:\\ORVANE\\Orvane.log", "Start-up 2026-12-07 08:00:00 UTC\r\n"
                                                   "\"Mail\", 0, wait, ok, -1, -1, -1, none, 1500, -1, high, threads, none\r\n");
    AddShortcut(w, Startup + "Clock.lnk", "C:\\CLOCK.EXE", "");
    w.AddCommonStartup({"Shared"});
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Say", "C:\\SAY.EXE \"a, b\"");
    w.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, settings::kRunValue, "C:\\ORVANE\\Orvane.exe");
    w.world.registry.SetValue(RegistryRoot::CurrentUser, Approved + "Run", "Say", win::RegBinary, std::string("\x03\0\0\0\0\0\0\0\0\0\0\0", 12));
    w.world.registry.SetString(RegistryRoot::LocalMachine32, ConfigWorld::RunKey, "Old", "C:\\OLD.EXE");

    EXPECT_EQ(ListWithoutWindow(w.platform, w.world.console, ""), ScriptDone);
    EXPECT_EQ(w.world.console.out,
              "Place,Name,Command,File,Enabled,Source,Wait,Options,Impact\r\n"
              "Manager,Mail,\"\"\"C:\\Program Files\\Mail\\mail.exe\"\" -min\",Mail.lnk,off,Run,5,idle,high\r\n"
              "Manager,Tool,C:\\ORVANE\\Startup\\Tool.exe,Tool.exe,on,,,,\r\n"
              "Startup,Clock,C:\\CLOCK.EXE,Clock.lnk,on,,,,\r\n"
              "AllStartup,Shared," + std::string(ConfigWorld::CommonStartup) + "Shared.lnk,Shared.lnk,on,,,,\r\n"
              "UserRun,Say,\"C:\\SAY.EXE \"\"a, b\"\"\",Say,off,,,,\r\n"
              "Run32,Old,C:\\OLD.EXE,Old,on,,,,\r\n");
    EXPECT_EQ(w.world.console.error, "");

    // A place that cannot be read is said, and the others still listed.
    w.world.files.AddDirectory("C:\\OUT");
    w.world.faults.Add(Fault::RegistryEnumerate, "Old");
    EXPECT_EQ(ListWithoutWindow(w.platform, w.world.console, Out), ScriptFailed);
    const std::string file = w.world.files.Contents(Out);
    EXPECT_NE(file.find("Startup,Clock,C:\\CLOCK.EXE,Clock.lnk,on,,,,\r\n"), std::string::npos);
    EXPECT_EQ(file.substr(file.rfind("\r\n", file.size() - 3) + 2),
              "Error,HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run could not be read.\r\n");
}

TEST(ScriptModes, AnExportTakenIntoAnEmptyManagerExportsTheSameBytes) {
    ConfigWorld from;
    SaveShortcut(from, Manager + "Mail.lnk", {"C:\\MAIL.EXE", "-q \"x\"", "C:\\", "Post, \"fast\"", false, 7});
    SaveShortcut(from, Manager + "Mail.pif.lnk", {"C:\\PIF.EXE", "", "", ""});
    AddShortcut(from, Manager + "Clock.lnk", "C:\\CLOCK.EXE", "");
    from.WriteIni("\"Mail\", \"Run\", \"file:Mail.lnk\", \"idle\", \"days:31\", \"5\"\r\n\"Clock\", \"Startup\", \"\"\r\n");
    from.world.registry.SetDword(RegistryRoot::CurrentUser, settings::kKey, settings::kIdleSeconds, 9);
    from.world.registry.SetDword(RegistryRoot::CurrentUser, settings::kKey, settings::kNetworkLongest, 30);
    const std::string text = Exported(from);
    EXPECT_EQ(text.substr(0, 24), "Orvane configuration,1\r\n");
    EXPECT_NE(text.find("setting,IdleSeconds,9\r\n"), std::string::npos);
    EXPECT_NE(text.find("setting,NetworkLongest,30\r\n"), std::string::npos);
    EXPECT_NE(text.find("item,Mail.lnk,Run,5,\"file:Mail.lnk,idle,days:31\",shortcut,C:\\MAIL.EXE,\"-q \"\"x\"\"\",C:\\,7,\"Post, \"\"fast\"\"\"\r\n"),
              std::string::npos);

    ConfigWorld to;
    EXPECT_EQ(Import(to, text, true), RestoreDone) << to.world.files.Contents(ImportReport);
    EXPECT_EQ(Exported(to), text);
    EXPECT_TRUE(to.RunValueSet());
    EXPECT_FALSE(to.world.files.Exists(ImportReport));
    // Taken in again, nothing is doubled.
    EXPECT_EQ(Import(to, text, false), RestoreDone);
    EXPECT_EQ(to.Entries(Manager), (Names{"Mail.lnk", "Clock.lnk", "Mail.pif.lnk"}));
}

TEST(ScriptModes, ImportAddsWithUniqueNamesAndReplaceRestoresTheRest) {
    // As a text editor may save it, with a byte-order mark.
    const std::string text = "\xEF\xBB\xBF" + Header + DefaultSettings.substr(0, DefaultSettings.find('\n') + 1) +
                             "item,Mail.lnk,Run,3,file:Mail.lnk,shortcut,C:\\NEWMAIL.EXE,,,1,\n"
                             "item,Clock.lnk,Startup,7,,shortcut,C:\\CLOCK.EXE,,,1,\n"
                             "item,Tool.exe,Run,,,file (not carried),,,,,\nend,3\n";
    ConfigWorld w;
    AddShortcut(w, Manager + "Clock.lnk", "C:\\CLOCK.EXE", "");
    AddShortcut(w, Manager + "Mail.lnk", "C:\\MAIL.EXE", "");
    AddShortcut(w, Manager + "Gone.lnk", "C:\\GONE.EXE", "");
    w.WriteIni("\"Clock\", \"Startup\", \"1\"\r\n\"Mail\", \"Startup\", \"2\"\r\n\"Gone\", \"Startup\", \"4\"\r\n");
    w.world.registry.SetDword(RegistryRoot::CurrentUser, settings::kKey, settings::kPlacement, 0);

    // Added at the end; the other Mail keeps its file; the file not carried is said.
    EXPECT_EQ(Import(w, text, false), RestoreItemsLeft);
    EXPECT_EQ(w.Entries(Manager), (Names{"Clock.lnk", "Mail.lnk", "Gone.lnk", "Mail (2).lnk"}));
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Clock\", \"Startup\", \"1\"\r\n\"Mail\", \"Startup\", \"2\"\r\n\"Gone\", \"Startup\", \"4\"\r\n"
              "\"Mail (2)\", \"Run\", \"file:Mail (2).lnk\", \"3\"\r\n");
    EXPECT_EQ(w.world.files.Contents(ImportReport),
              "Not all of " + Out + " could be taken in.\r\n"
              "Tool.exe: it is not a shortcut, so the export names it but does not carry it.\r\n");
    EXPECT_EQ(w.world.registry.Value(RegistryRoot::CurrentUser, settings::kKey, settings::kPlacement).data, std::string("\0\0\0\0", 4));

    // With /replace the manager ends as the file says: what it does not hold
    // (the same name with the same command) goes home.
    EXPECT_EQ(Import(w, text, true), RestoreItemsLeft);
    EXPECT_EQ(w.Entries(Manager), (Names{"Clock.lnk", "Mail.lnk"}));
    EXPECT_EQ(w.Entries(Startup), (Names{"Mail.lnk", "Gone.lnk"}));
    EXPECT_EQ(w.world.registry.Value(RegistryRoot::LocalMachine, ConfigWorld::RunKey, "Mail (2)").Text(), "C:\\NEWMAIL.EXE ");
    EXPECT_EQ(w.world.files.Contents(ConfigWorld::Ini),
              "\"Mail\", \"Run\", \"file:Mail.lnk\", \"3\"\r\n\"Clock\", \"Startup\", \"7\"\r\n");
    EXPECT_EQ(w.world.registry.Value(RegistryRoot::CurrentUser, settings::kKey, settings::kPlacement).data, std::string("\1\0\0\0", 4));
}

TEST(ScriptModes, AFileThatIsNotAWholeExportIsRefusedAndNothingWritten) {
    const std::string item = "item,Mail.lnk,Run,3,,shortcut,C:\\MAIL.EXE,,,1,\n";
    const struct {
        std::string text, error;
    } cases[] = {
        {"", "This is not an Orvane configuration export."},
        {"\"Mail\", \"Run\", \"5\"\n", "This is not an Orvane configuration export."},
        {"Orvane configuration,2\n", "This export is of format 2, which this version of Orvane does not read."},
        {Header + item, "The file ends too early: it was cut short."},
        {Header + item + "end,2\n", "Line 3 does not end the export where it should."},
        {Header + "end,0\n" + item, "Line 2 does not end the export where it should."},
        {Header + "item,Mail.lnk,Run,3,,shortcut,C:\\MAIL.EXE,,,1\nend,1\n", "Line 2 has too few fields."},
        {Header + "item,Mail.lnk,Run,3,,shortcut,C:\\MAIL.EXE,,,1,,x\nend,1\n", "Line 2 has too many fields."},
        {Header + "item,Mail.lnk,Run,3,,shortcut,\"C:\\MAIL.EXE,,,1,\nend,1\n", "Line 2 has a quote that is not closed."},
        {Header + "item,..\\..\\Windows\\evil.lnk,Run,3,,shortcut,C:\\E.EXE,,,1,\nend,1\n",
         "Line 2 holds a file name the manager cannot hold."},
        {Header + "item,NUL.lnk,Run,3,,shortcut,C:\\E.EXE,,,1,\nend,1\n", "Line 2 holds a file name the manager cannot hold."},
        {Header + "item,Mail.lnk,\"R\"\"un\",3,,shortcut,C:\\E.EXE,,,1,\nend,1\n", "Line 2 holds a field Orvane.ini cannot keep."},
        {Header + "item,Mail.lnk,Run,soon,,shortcut,C:\\E.EXE,,,1,\nend,1\n", "Line 2 holds a wait that is not a number of seconds."},
        {Header + "item,Mail.exe,Run,3,,shortcut,C:\\E.EXE,,,1,\nend,1\n", "Line 2 holds a shortcut that is not whole."},
        {Header + "item,Mail.lnk,Run,3,,shortcut," + std::string(260, 'x') + ",,,1,\nend,1\n", "Line 2 holds a text no shortcut can hold."},
        {Header + "item,Mail.lnk,Run,3,,shortcut," + std::string(5000, 'x') + ",,,1,\nend,1\n", "Line 2 is too long."},
        {Header + "setting,IdleSeconds,0\nend,0\n", "Line 2 gives a setting a value it cannot have."},
        {Header + "setting,CloseWhenFinished,2\nend,0\n", "Line 2 gives a setting a value it cannot have."},
        {Header + "setting,Path,1\nend,0\n", "Line 2 names no setting of Orvane."},
        {Header + "setting,IdleSeconds\nend,0\n", "Line 2 has too few fields."},
    };
    for (const auto& c : cases) {
        ConfigWorld w;
        w.world.messages.shown.clear();
        EXPECT_EQ(Import(w, c.text, true), RestoreUnread) << c.text;
        EXPECT_TRUE(w.Entries(Manager).empty());
        EXPECT_FALSE(w.world.files.Exists(ConfigWorld::Ini));
        EXPECT_EQ(w.world.files.Contents(ImportReport), "Nothing was imported from " + Out + ":\r\n" + c.error + "\r\n");
    }
    // Not quiet: one box.
    ConfigWorld w;
    w.world.files.AddDirectory("C:\\OUT");
    EXPECT_EQ(ImportWithoutWindow(w.platform, Out, false, false), RestoreUnread);
    EXPECT_EQ(w.Shown(), (Shown{{"Nothing was imported from " + Out + ":\nThe file could not be read.\n\nSee " + ImportReport,
                                 win::MbIconExclamation}}));
}
