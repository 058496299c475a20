// The memory world stands in for Windows in every native test, so the
// behaviours those tests lean on are pinned down here.
#include <gtest/gtest.h>

#include "platform/memory/MemoryWorld.h"

namespace {

using Names = std::vector<std::string>;

Names EntryNames(const std::vector<FileEntry>& entries) {
    Names names;
    for (const FileEntry& entry : entries) names.push_back(entry.name);
    return names;
}

std::string ReadAll(ITextFile& file) {
    std::string all, line;
    while (file.ReadLine(line)) all += "[" + line + "]";
    return all;
}

TEST(MemoryFileSystem, EnumeratesInCreationOrderAndReCreatedEntriesGoLast) {
    MemoryWorld world;
    world.files.AddFile("C:\\S\\b.lnk");
    world.files.AddFile("C:\\S\\a.lnk");
    world.files.AddDirectory("C:\\S\\Sub");
    world.files.AddFile("C:\\S\\c.lnk");
    EXPECT_EQ(EntryNames(world.files.Find("C:\\S\\*.*")), (Names{"b.lnk", "a.lnk", "Sub", "c.lnk"}));

    ASSERT_TRUE(world.files.Remove("C:\\S\\b.lnk"));
    world.files.AddFile("C:\\S\\b.lnk");
    EXPECT_EQ(world.files.Names("C:\\S"), (Names{"a.lnk", "Sub", "c.lnk", "b.lnk"}));

    world.files.SetSortedByName(true);
    EXPECT_EQ(EntryNames(world.files.Find("C:\\S\\*.*")), (Names{"a.lnk", "b.lnk", "c.lnk", "Sub"}));
}

TEST(MemoryFileSystem, FindMatchesWildcardsAndExactPathsWithoutCase) {
    MemoryWorld world;
    world.files.AddFile("C:\\S\\Mail.LNK", "", win::FileAttributeHidden);
    world.files.AddFile("C:\\S\\README");
    world.files.AddFile("C:\\S\\notes.txt");

    const std::vector<FileEntry> all = world.files.Find("c:\\s\\*.*");
    ASSERT_EQ(all.size(), 3u);  // no "." or ".." entries
    EXPECT_EQ(all[0].path, "c:\\s\\Mail.LNK");
    EXPECT_EQ(all[0].Title(), "Mail");
    EXPECT_EQ(all[0].attributes, win::FileAttributeHidden);
    EXPECT_EQ(EntryNames(world.files.Find("C:\\S\\*.lnk")), (Names{"Mail.LNK"}));
    EXPECT_EQ(EntryNames(world.files.Find("C:\\S\\n?tes.*")), (Names{"notes.txt"}));
    EXPECT_EQ(EntryNames(world.files.Find("C:\\S\\readme.*")), (Names{"README"}));

    FileEntry entry;
    ASSERT_TRUE(world.files.Lookup("C:\\s\\MAIL.lnk", entry));
    EXPECT_EQ(entry.name, "MAIL.lnk");  // as asked; a search spells it as kept
    EXPECT_EQ(EntryNames(world.files.Find("C:\\s\\MAIL.lnk")), (Names{"Mail.LNK"}));
    EXPECT_TRUE(world.files.Find("C:\\Missing\\*.*").empty());
    EXPECT_TRUE(world.files.Find("C:\\S\\").empty());
    EXPECT_FALSE(world.files.Lookup("C:\\S\\Mail", entry));
}

TEST(MemoryFileSystem, CopyOverwritesInPlaceAndRefusesAsCopyFileDoes) {
    MemoryWorld world;
    world.files.AddFile("C:\\A\\x.lnk", "new");
    world.files.AddFile("C:\\B\\x.LNK", "old");
    world.files.AddFile("C:\\B\\y.lnk", "y");

    EXPECT_FALSE(world.files.Copy("C:\\A\\x.lnk", "C:\\B\\x.lnk", true));
    EXPECT_EQ(world.files.Contents("C:\\B\\x.lnk"), "old");
    ASSERT_TRUE(world.files.Copy("C:\\A\\x.lnk", "C:\\B\\x.lnk", false));
    EXPECT_EQ(world.files.Contents("C:\\B\\x.lnk"), "new");
    ASSERT_TRUE(world.files.Copy("C:\\A\\x.lnk", "C:\\B\\z.lnk", false));
    EXPECT_EQ(world.files.Names("C:\\B"), (Names{"x.LNK", "y.lnk", "z.lnk"}));

    EXPECT_FALSE(world.files.Copy("C:\\A\\missing.lnk", "C:\\B\\m.lnk", false));
    EXPECT_FALSE(world.files.Copy("C:\\A\\x.lnk", "C:\\Nowhere\\x.lnk", false));
    world.files.SetAttributes("C:\\B\\y.lnk", win::FileAttributeReadOnly);
    EXPECT_FALSE(world.files.Copy("C:\\A\\x.lnk", "C:\\B\\y.lnk", false));
    EXPECT_EQ(world.files.Contents("C:\\B\\y.lnk"), "y");
    EXPECT_FALSE(world.files.Remove("C:\\B\\y.lnk"));
    EXPECT_FALSE(world.files.Remove("C:\\B"));
    EXPECT_FALSE(world.files.Remove("C:\\B\\missing"));
}

TEST(MemoryFileSystem, DirectoriesAndReplacement) {
    MemoryWorld world;
    EXPECT_EQ(world.files.Names("C:\\"), (Names{"ORVANE", "WINDOWS"}));
    EXPECT_FALSE(world.files.MakeDirectory("C:\\ORVANE"));
    EXPECT_FALSE(world.files.MakeDirectory("C:\\No\\Deeper"));
    ASSERT_TRUE(world.files.MakeDirectory("C:\\ORVANE\\Roc"));
    world.files.AddFile("C:\\ORVANE\\Roc\\a");
    EXPECT_FALSE(world.files.RemoveEmptyDirectory("C:\\ORVANE\\Roc"));
    ASSERT_TRUE(world.files.Remove("C:\\ORVANE\\Roc\\a"));
    EXPECT_TRUE(world.files.RemoveEmptyDirectory("C:\\ORVANE\\Roc"));

    world.files.AddFile("C:\\ORVANE\\Orvane.ini", "old");
    world.files.AddFile("C:\\ORVANE\\Orvane.new", "new");
    ASSERT_TRUE(world.files.ReplaceWith("C:\\ORVANE\\Orvane.new", "C:\\ORVANE\\Orvane.ini"));
    EXPECT_EQ(world.files.Names("C:\\ORVANE"), (Names{"Orvane.ini"}));
    EXPECT_EQ(world.files.Contents("C:\\ORVANE\\Orvane.ini"), "new");
    EXPECT_FALSE(world.files.ReplaceWith("C:\\ORVANE\\Orvane.new", "C:\\ORVANE\\Orvane.ini"));
}

TEST(MemoryFileSystem, TextFilesBehaveLikeTheCLibraryInTextMode) {
    MemoryWorld world;
    const std::string path = "C:\\ORVANE\\t.ini";
    EXPECT_EQ(world.files.OpenText(path, "r"), nullptr);

    auto out = world.files.OpenText(path, "w");
    ASSERT_NE(out, nullptr);
    ASSERT_TRUE(out->Write("one\ntwo"));
    EXPECT_EQ(world.files.Contents(path), "");  // until flushed
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(world.files.Contents(path), "one\r\ntwo");

    auto append = world.files.OpenText(path, "a+");
    ASSERT_NE(append, nullptr);
    EXPECT_EQ(ReadAll(*append), "[one\n][two]");
    ASSERT_TRUE(append->Write("\nthree\n"));
    ASSERT_TRUE(append->Close());
    EXPECT_EQ(world.files.Contents(path), "one\r\ntwo\r\nthree\r\n");

    world.files.AddFile(path, "a\rb\r\n" + std::string(300, 'x') + "\r\n\x1Ahidden");
    auto in = world.files.OpenText(path, "r");
    EXPECT_EQ(ReadAll(*in), "[a\rb\n][" + std::string(300, 'x') + "\n]");
    EXPECT_FALSE(in->Write("no"));

    auto fresh = world.files.OpenText("C:\\ORVANE\\new.ini", "a+");
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(world.files.Exists("C:\\ORVANE\\new.ini"));
    EXPECT_EQ(world.files.OpenText("C:\\Missing\\x.ini", "w"), nullptr);
    world.files.SetAttributes(path, win::FileAttributeReadOnly);
    EXPECT_EQ(world.files.OpenText(path, "w"), nullptr);
    EXPECT_NE(world.files.OpenText(path, "r"), nullptr);
}

TEST(MemoryFileSystem, DeviceNamesNameTheDeviceInEveryFolder) {
    MemoryWorld world;
    world.files.AddFile("C:\\S\\a.lnk", "a");
    for (const char* name : {"NUL", "con.lnk", "Prn.txt", "AUX", "COM1.lnk", "com9", "LPT1", "lpt9.a.b", "NUL .lnk"}) {
        const std::string path = std::string("C:\\S\\") + name;
        EXPECT_TRUE(NamesDevice(name)) << name;
        EXPECT_TRUE(world.files.WriteBytes(path, "lost")) << name;
        EXPECT_TRUE(world.files.Copy("C:\\S\\a.lnk", path, true)) << name;
        EXPECT_FALSE(world.files.Exists(path)) << name;
        EXPECT_EQ(world.files.Contents(path), "") << name;
        EXPECT_FALSE(world.files.Remove(path)) << name;
        EXPECT_FALSE(world.files.ReplaceWith("C:\\S\\a.lnk", path)) << name;
    }
    EXPECT_EQ(world.files.Names("C:\\S"), (std::vector<std::string>{"a.lnk"}));
    for (const char* name : {"NULL", "COM0", "COM10", "LPT", "_NUL", "NUL (2).lnk", "CONSOLE.lnk", "xNUL"}) {
        EXPECT_FALSE(NamesDevice(name)) << name;
        EXPECT_TRUE(world.files.WriteBytes(std::string("C:\\S\\") + name, "kept")) << name;
        EXPECT_TRUE(world.files.Exists(std::string("C:\\S\\") + name)) << name;
    }
}

TEST(MemoryFileSystem, AProgramWithoutItsFolderIsFoundAsSearchPathFindsIt) {
    MemoryWorld world("C:\\ORVANE\\OrvaneConfig.exe", "C:\\WINDOWS");
    world.files.AddFile("C:\\WINDOWS\\TOOL.EXE");
    EXPECT_EQ(world.files.FindProgram("tool"), "C:\\WINDOWS\\tool.exe");
    world.files.AddFile("C:\\WINDOWS\\SYSTEM\\TOOL.EXE");
    EXPECT_EQ(world.files.FindProgram("Tool"), "C:\\WINDOWS\\SYSTEM\\Tool.exe");
    world.files.AddFile("C:\\WINDOWS\\SYSTEM32\\TOOL.EXE");
    EXPECT_EQ(world.files.FindProgram("TOOL"), "C:\\WINDOWS\\SYSTEM32\\TOOL.exe");
    world.files.AddFile("C:\\ORVANE\\TOOL.EXE");
    EXPECT_EQ(world.files.FindProgram("TOOL.EXE"), "C:\\ORVANE\\TOOL.EXE");
    world.files.AddDirectory("C:\\WINDOWS\\DIR.EXE");
    for (const char* name : {"", "tool.com", "DIR", "C:\\WINDOWS\\TOOL", "SYSTEM\\TOOL"})
        EXPECT_EQ(world.files.FindProgram(name), "") << name;
}

TEST(MemoryFaults, EachOperationFailsOnItsPathForTheGivenTimes) {
    MemoryWorld world;
    world.files.AddFile("C:\\S\\a.lnk", "a");
    world.faults.Add(Fault::Copy, "c:\\s\\B.LNK", 1);
    EXPECT_FALSE(world.files.Copy("C:\\S\\a.lnk", "C:\\S\\b.lnk", false));
    EXPECT_TRUE(world.files.Copy("C:\\S\\a.lnk", "C:\\S\\b.lnk", false));

    world.faults.Add(Fault::Remove, "C:\\S\\a.lnk");
    EXPECT_FALSE(world.files.Remove("C:\\S\\a.lnk"));
    EXPECT_FALSE(world.files.Remove("C:\\S\\a.lnk"));
    EXPECT_TRUE(world.files.Remove("C:\\S\\b.lnk"));

    world.faults.Add(Fault::Find, "C:\\S");
    EXPECT_TRUE(world.files.Find("C:\\S\\*.*").empty());
    world.faults.Clear();
    EXPECT_EQ(world.files.Find("C:\\S\\*.*").size(), 1u);

    world.faults.Add(Fault::Open, "C:\\S\\a.lnk", 1);
    EXPECT_EQ(world.files.OpenText("C:\\S\\a.lnk", "r"), nullptr);

    // A failed write loses its own text; the rest is flushed, and Close reports the failure.
    world.faults.Add(Fault::Write, "C:\\S\\w.ini", 1);
    auto out = world.files.OpenText("C:\\S\\w.ini", "w");
    EXPECT_FALSE(out->Write("lost\n"));
    EXPECT_TRUE(out->Write("kept\n"));
    EXPECT_FALSE(out->Close());
    EXPECT_EQ(world.files.Contents("C:\\S\\w.ini"), "kept\r\n");
    // A flush that fails at close leaves the file as the stream found it.
    world.faults.Add(Fault::Close, "C:\\S\\w.ini", 1);
    out = world.files.OpenText("C:\\S\\w.ini", "a");
    EXPECT_TRUE(out->Write("more\n"));
    EXPECT_FALSE(out->Close());
    EXPECT_EQ(world.files.Contents("C:\\S\\w.ini"), "kept\r\n");

    world.faults.Add(Fault::Execute);
    EXPECT_EQ(world.shell.Execute("open", "C:\\S\\a.lnk", "", "", win::SwShowNormal), 2);
    world.faults.Clear();
    EXPECT_EQ(world.shell.Execute("open", "C:\\S\\a.lnk", "", "", win::SwShowNormal), 33);
    EXPECT_EQ(world.shell.Execute("open", "C:\\S\\gone.lnk", "", "", win::SwShowNormal), 2);
    EXPECT_FALSE(world.shell.ExecuteEx("open", "C:\\S\\gone.lnk", "", "", win::SwShowNormal));
    ASSERT_EQ(world.shell.launches.size(), 4u);
    EXPECT_TRUE(world.shell.launches[3].ex);
}

TEST(MemoryRegistry, KeepsOrderTypesAndAccess) {
    MemoryWorld world;
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    world.registry.SetString(RegistryRoot::LocalMachine, run, "Zeta", "z.exe");
    world.registry.SetDword(RegistryRoot::LocalMachine, run, "Alpha", 7);
    world.registry.SetString(RegistryRoot::LocalMachine, run, "Mid", "m.exe");

    auto key = world.registry.Open(RegistryRoot::LocalMachine, "SOFTWARE\\microsoft\\Windows\\CurrentVersion\\RUN",
                                   RegistryAccess::All);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->SetString("zeta", "z2.exe"));  // keeps its place and spelling
    ASSERT_TRUE(key->DeleteValue("Mid"));
    ASSERT_TRUE(key->SetString("Mid", "again"));
    Names order;
    RegistryValue value;
    for (uint32_t i = 0; key->Enumerate(i, value) == RegistryEnum::Value; ++i) order.push_back(value.name);
    EXPECT_EQ(order, (Names{"Zeta", "Alpha", "Mid"}));
    EXPECT_EQ(key->Enumerate(3, value), RegistryEnum::NoMoreItems);
    ASSERT_TRUE(key->Query("ZETA", value));
    EXPECT_EQ(value.type, win::RegSz);
    EXPECT_EQ(value.data, std::string("z2.exe", 7));
    EXPECT_EQ(value.Text(), "z2.exe");
    EXPECT_EQ(world.registry.Value(RegistryRoot::LocalMachine, run, "Alpha").data, std::string("\x07\0\0\0", 4));
    EXPECT_FALSE(world.registry.HasValue(RegistryRoot::CurrentUser, run, "Alpha"));

    world.registry.DenyWrite(RegistryRoot::LocalMachine, run);
    EXPECT_EQ(world.registry.Open(RegistryRoot::LocalMachine, run, RegistryAccess::All), nullptr);
    EXPECT_EQ(world.registry.Create(RegistryRoot::LocalMachine, run), nullptr);
    auto readOnly = world.registry.Open(RegistryRoot::LocalMachine, run, RegistryAccess::Read);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_FALSE(readOnly->SetString("New", "x"));
    EXPECT_FALSE(readOnly->DeleteValue("Zeta"));

    EXPECT_EQ(world.registry.Open(RegistryRoot::CurrentUser, "Software\\Gone", RegistryAccess::Read), nullptr);
    EXPECT_FALSE(world.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Gone"));
    EXPECT_NE(world.registry.Create(RegistryRoot::CurrentUser, "Software\\Q\\Settings"), nullptr);
    EXPECT_TRUE(world.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Q"));
}

TEST(MemoryRegistry, Faults) {
    MemoryWorld world;
    world.registry.CreateKey(RegistryRoot::CurrentUser, "Software\\K");
    world.faults.Add(Fault::RegistryOpen, "software\\k", 1);
    EXPECT_EQ(world.registry.Open(RegistryRoot::CurrentUser, "Software\\K", RegistryAccess::Read), nullptr);
    world.faults.Add(Fault::RegistryCreate, "Software\\K");
    EXPECT_EQ(world.registry.Create(RegistryRoot::CurrentUser, "Software\\K"), nullptr);
    auto key = world.registry.Open(RegistryRoot::CurrentUser, "Software\\K", RegistryAccess::All);
    ASSERT_NE(key, nullptr);
    world.faults.Add(Fault::RegistrySet, "A");
    world.faults.Add(Fault::RegistryDelete, "B");
    EXPECT_FALSE(key->SetString("A", "a"));
    EXPECT_TRUE(key->SetString("B", "b"));
    EXPECT_FALSE(key->DeleteValue("B"));
    EXPECT_TRUE(world.registry.HasValue(RegistryRoot::CurrentUser, "Software\\K", "B"));
}

TEST(MemoryShellLinks, ShortcutsAreFilesOfTheFileSystem) {
    MemoryWorld world;
    const std::string lnk = "C:\\ORVANE\\Mail.lnk";
    const ShortcutFields fields{"C:\\MAIL\\MAIL.EXE", "/check " + std::string(300, 'a'), "C:\\MAIL", "Mail"};
    EXPECT_FALSE(world.links.Save(lnk, fields));  // COM not initialised
    ASSERT_TRUE(world.links.InitializeCom());
    ASSERT_TRUE(world.links.InitializeCom());
    EXPECT_EQ(world.links.ComDepth(), 2);
    ASSERT_TRUE(world.links.Save(lnk, fields));
    EXPECT_EQ(world.files.Names("C:\\ORVANE"), (Names{"Mail.lnk"}));

    ShortcutFields read;
    ASSERT_TRUE(world.links.Load("c:\\orvane\\MAIL.LNK", read));
    EXPECT_EQ(read.target, fields.target);
    EXPECT_EQ(read.arguments, fields.arguments.substr(0, 259));
    EXPECT_EQ(read.workingDirectory, fields.workingDirectory);
    EXPECT_EQ(read.description, fields.description);

    world.files.AddFile("C:\\ORVANE\\plain.lnk", "not a shortcut");
    EXPECT_FALSE(world.links.Load("C:\\ORVANE\\plain.lnk", read));
    EXPECT_FALSE(world.links.Load("C:\\ORVANE\\gone.lnk", read));
    world.faults.Add(Fault::LinkLoad, lnk, 1);
    EXPECT_FALSE(world.links.Load(lnk, read));
    world.faults.Add(Fault::LinkSave, lnk, 1);
    EXPECT_FALSE(world.links.Save(lnk, fields));
    world.links.UninitializeCom();
    world.links.UninitializeCom();
    EXPECT_EQ(world.links.ComDepth(), 0);
    world.faults.Add(Fault::ComInitialize, "", 1);
    EXPECT_FALSE(world.links.InitializeCom());
    EXPECT_EQ(world.links.ComDepth(), 0);
}

TEST(MemoryDevices, ClockCarriesAndBoxesFollowTheirScript) {
    MemoryWorld world;
    world.clock.time = {2026, 12, 4, 31, 23, 59, 59, 900};
    world.clock.Advance(200);
    EXPECT_EQ(world.clock.time.year, 2027);
    EXPECT_EQ(world.clock.time.month, 1);
    EXPECT_EQ(world.clock.time.day, 1);
    EXPECT_EQ(world.clock.time.dayOfWeek, 5);
    EXPECT_EQ(world.clock.time.hour, 0);
    EXPECT_EQ(world.clock.time.second, 0);
    EXPECT_EQ(world.clock.time.milliseconds, 100);

    Rect area{1, 2, 3, 4};
    world.screen.workAreaFails = true;
    EXPECT_FALSE(world.screen.WorkArea(area));
    EXPECT_EQ(area, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(world.keyboard.KeyState(win::VkCapital), 0);

    int nested = 0;
    world.messages.Answer(win::IdYes, [&] { nested = world.messages.Show("inner", win::MbOk); });
    world.messages.Answer(win::IdOk);
    EXPECT_EQ(world.messages.Show("outer", win::MbYesNoCancel | win::MbIconQuestion), win::IdYes);
    EXPECT_EQ(nested, win::IdOk);
    EXPECT_EQ(world.messages.Show("q", win::MbYesNo), win::IdNo);
    EXPECT_EQ(world.messages.Show("q", win::MbYesNoCancel), win::IdCancel);
    ASSERT_EQ(world.messages.shown.size(), 4u);
    EXPECT_EQ(world.messages.shown[1].text, "inner");
}

}  // namespace
