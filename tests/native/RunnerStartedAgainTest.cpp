// A managed program that put itself back into a Run key is not started a
// second time by the runner.
#include <gtest/gtest.h>

#include "tests/native/RunnerWorld.h"
#include "ui/headless/HeadlessControls.h"

namespace {

void AddShortcutItem(RunnerWorld& r, const std::string& name, const std::string& target, const std::string& arguments) {
    r.world.links.InitializeCom();
    r.world.links.Save(r.Item(name), ShortcutFields{target, arguments, "", ""});
    r.world.links.UninitializeCom();
    r.AddLine(name, "");
}

std::string Line(RunnerWorld& r, int index) {
    return dynamic_cast<HeadlessListBox&>(r.host.ListBox(runner::IdcRunList)).Line(index);
}

}  // namespace

TEST(RunnerStartedAgain, AProgramBackInARunKeyIsLeftToWindowsAndItsLineSaysSo) {
    RunnerWorld r;
    r.world.registry.SetSeparate32BitView(true);
    AddShortcutItem(r, "Own", "C:\\Program Files\\Own\\own.exe", "-tray");
    AddShortcutItem(r, "Old", "C:\\OLD.EXE", "");
    AddShortcutItem(r, "Kept", "C:\\KEPT.EXE", "-k");
    AddShortcutItem(r, "Other", "C:\\OTHER.EXE", "-a");
    // Quotes and case aside, the same command; another's arguments are another command.
    // A value passed over (the runner's own, one not a string) does not end the key.
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, settings::kRunValue, "C:\\ORVANE\\Orvane.exe");
    r.world.registry.SetValue(RegistryRoot::CurrentUser, settings::kRunKey, "Number", win::RegDword, std::string(4, '\0'));
    r.world.registry.SetString(RegistryRoot::CurrentUser, settings::kRunKey, "Own", "\"c:\\program files\\own\\OWN.EXE\" -tray");
    r.world.registry.SetString(RegistryRoot::LocalMachine32, settings::kRunKey, "Old", "C:\\OLD.EXE");
    r.world.registry.SetString(RegistryRoot::LocalMachine, settings::kRunKey, "Other", "C:\\OTHER.EXE -b");
    ASSERT_TRUE(r.Open());
    for (int tick = 0; tick < 6; ++tick) r.host.Tick();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Kept"), r.Item("Other")}));
    EXPECT_EQ(Line(r, 0), "Own - started by Windows itself");
    EXPECT_EQ(Line(r, 1), "Old - started by Windows itself");
    EXPECT_EQ(Line(r, 2), "Kept");
}

TEST(RunnerStartedAgain, WithoutASeparateViewThe32BitKeyIsNotAskedAndAnUnreadableShortcutStillRuns) {
    RunnerWorld r;
    AddShortcutItem(r, "Old", "C:\\OLD.EXE", "");
    r.AddItem("Plain", "");  // no shortcut that loads
    // What a 64-bit program alone would see apart from the machine's key.
    r.world.registry.SetString(RegistryRoot::LocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
                               "Old", "C:\\OLD.EXE");
    ASSERT_TRUE(r.Open());
    for (int tick = 0; tick < 4; ++tick) r.host.Tick();
    EXPECT_EQ(r.Launched(), (std::vector<std::string>{r.Item("Old"), r.Item("Plain")}));
}
