// The configuration's model on its own: its lists shown in bare views, its
// questions answered by code, no dialog of its own.
#include <gtest/gtest.h>

#include "common/StartupFolder.h"
#include "config/ConfigDialogTemplate.h"
#include "config/ConfigPaths.h"
#include "config/ConfigResources.h"
#include "config/ItemLists.h"
#include "tests/native/ConfigWorld.h"

using namespace config;

namespace {

// The answers a caller without a window gives, and what was asked.
struct CodedAnswers : ItemQuestions {
    bool takeIn = false;
    bool confirm = true;
    RegistryChoice list = RegistryChoice::Cancel;
    std::vector<std::string> asked;

    bool AskTakeInAgain(const std::string& title, const ItemPlace&) override { return Note("take in " + title), takeIn; }
    bool ConfirmDeleteFiles(int count) override { return Note("delete files " + std::to_string(count)), confirm; }
    bool ConfirmDeleteValues(int count) override { return Note("delete values " + std::to_string(count)), confirm; }
    bool ConfirmRestoreAll() override { return Note("restore"), confirm; }
    RegistryChoice AskRegistryList(const std::string& name) override { return Note("where " + name), list; }
    bool AskReplaceFile(const std::string& path) override { return Note("replace " + path), confirm; }
    bool AskReplaceValue(const std::string& name, const std::string&) override { return Note("replace " + name), confirm; }
    bool AskLoseRegistryOrigin() override { return Note("lose origin"), confirm; }
    bool AskMoveSystray() override { return Note("systray"), confirm; }
    void TellMachineEntryStays() override { Note("machine entry stays"); }
    void Note(const std::string& question) { asked.push_back(question); }
};

// Views only: the main dialog's controls with no handler behind them.
struct BareViews : CDialog {
    BareViews() : CDialog(ConfigDialogTemplate()) {}
};

struct ModelWorld {
    MemoryWorld world;
    Platform platform = world.platform();
    CodedAnswers answers;
    BareViews bare;
    HeadlessDialogHost host{bare};
    ItemLists lists{platform, answers};

    ModelWorld() {
        world.files.AddDirectory("C:\\WINDOWS\\Start Menu\\Programs\\Startup");
        world.files.AddDirectory("C:\\ORVANE\\Startup");
    }
    void Open() {
        ASSERT_TRUE(host.Open());
        lists.manager.id = IdcManagerList;
        lists.startup.id = IdcStartupList;
        lists.run.id = IdcRunList;
        lists.runServices.id = IdcRunServicesList;
        for (ItemList* list : lists.Lists()) list->view = &host.ListView(list->id);
        lists.SetUp(ConfigPathsOf(world.files), UserStartupFolder(world.registry, world.files));
        for (ItemList* list : lists.Lists()) SetUpColumns(*list);
        lists.FillAll();
    }
    std::string Ini() { return world.files.Contents(ConfigWorld::Ini); }
    void Select(ItemList& list, int row) { list.view->SetSelected(row, true); }
};

TEST(ItemLists, ASaveWritesTheRecordsWhateverTheViewsShow) {
    ModelWorld m;
    for (const char* name : {"Mail.lnk", "Mail.pif", "Word.lnk"}) m.world.files.AddFile(std::string(ConfigWorld::Manager) + name, "x");
    const std::string ini = "\"Word\", \"Run\", \"idle\", \"x-later\", \"7\"\r\n"
                            "\"Mail\", \"Startup\", \"file:Mail.pif\", \"3\"\r\n"
                            "\"Mail\", \"\", \"file:Mail.lnk\", \"\"\r\n";
    m.world.files.AddFile(ConfigWorld::Ini, ini);
    m.Open();
    IListView& view = *m.lists.manager.view;
    EXPECT_EQ(view.ItemText(0, 2) + "|" + view.ItemText(1, 0) + "|" + view.ItemText(1, 1), "7 + idle|Mail.pif|Startup");
    for (int row = 0; row < view.Count(); ++row)
        for (int column = 0; column < 3; ++column) view.SetItemText(row, column, "shown only");
    m.lists.Save();
    EXPECT_EQ(m.Ini(), ini);

    m.lists.SetWait(0, 12, false, false);
    m.lists.SetWait(2, 0, true, false);
    EXPECT_EQ(view.ItemText(0, 2) + "|" + view.ItemText(2, 2), "12|idle");
    m.lists.Save();
    EXPECT_EQ(m.Ini(), "\"Word\", \"Run\", \"x-later\", \"12\"\r\n"
                       "\"Mail\", \"Startup\", \"file:Mail.pif\", \"3\"\r\n"
                       "\"Mail\", \"\", \"file:Mail.lnk\", \"idle\", \"\"\r\n");
    EXPECT_TRUE(m.world.messages.shown.empty());
}

// An item without a recorded origin goes where the answer says, and its row
// with it; no answer leaves both where they were.
TEST(ItemLists, AnItemWithoutOriginGoesToTheRegistryListTheAnswerNames) {
    struct Case {
        RegistryChoice choice;
        RegistryRoot root;
        const char* key;
        int listId;
    };
    for (const Case& c : {Case{RegistryChoice::Cancel, RegistryRoot::LocalMachine, "", IdcManagerList},
                          Case{RegistryChoice::Run, RegistryRoot::LocalMachine, ConfigWorld::RunKey, IdcRunList},
                          Case{RegistryChoice::UserRun, RegistryRoot::CurrentUser, ConfigWorld::RunKey, IdcRunList},
                          Case{RegistryChoice::RunServices, RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey,
                               IdcRunServicesList}}) {
        ModelWorld m;
        m.world.links.InitializeCom();
        m.world.links.Save(std::string(ConfigWorld::Manager) + "Pager.lnk", ShortcutFields{"C:\\PAGER.EXE", "-q", "", ""});
        m.world.links.UninitializeCom();
        m.answers.list = c.choice;
        m.Open();
        m.Select(m.lists.manager, 0);
        m.lists.PutBackInRegistry();
        EXPECT_EQ(m.answers.asked, (std::vector<std::string>{"where Pager"}));
        const ItemList& list = *m.lists.ListOf(c.listId);
        ASSERT_EQ(list.Count(), 1) << c.key;
        EXPECT_EQ(list.rows[0].name + "|" + list.rows[0].command, c.choice == RegistryChoice::Cancel ? "Pager|" : "Pager|C:\\PAGER.EXE -q");
        if (c.choice != RegistryChoice::Cancel) {
            EXPECT_EQ(m.world.registry.Value(c.root, c.key, "Pager").Text(), "C:\\PAGER.EXE -q");
        }
        EXPECT_EQ(m.lists.Modified(), c.choice != RegistryChoice::Cancel);
    }
}

// A managed program back in the Run key: Yes takes it in again and the
// item's Source follows it; No passes it over. The add goes on, and what it
// brought in is the manager's selection.
TEST(ItemLists, TakingInAgainFollowsTheAnswer) {
    for (bool answer : {true, false}) {
        ModelWorld m;
        m.world.links.InitializeCom();
        m.world.links.Save(std::string(ConfigWorld::Manager) + "Pager.lnk", ShortcutFields{"C:\\PAGER.EXE", "", "", ""});
        m.world.links.UninitializeCom();
        m.world.files.AddFile(ConfigWorld::Ini, "\"Pager\", \"Startup\", \"\"\r\n");
        m.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Pager", "c:\\pager.exe");
        m.world.registry.SetString(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Zip", "C:\\ZIP.EXE");
        m.answers.takeIn = answer;
        m.Open();
        ASSERT_EQ(m.lists.run.rows[0].note, RowNote::AlsoManaged);
        m.answers.asked.clear();
        m.Select(m.lists.run, 0);
        m.Select(m.lists.run, 1);
        m.lists.TakeRegistryValues();
        EXPECT_EQ(m.answers.asked, (std::vector<std::string>{"take in Pager"}));
        EXPECT_EQ(m.world.registry.HasValue(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Pager"), !answer);
        EXPECT_FALSE(m.world.registry.HasValue(RegistryRoot::CurrentUser, ConfigWorld::RunKey, "Zip"));
        ASSERT_EQ(m.lists.manager.Count(), 2);
        EXPECT_EQ(m.lists.manager.rows[0].name + " " + m.lists.manager.rows[1].source, answer ? "Zip UserRun" : "Zip Startup");
        EXPECT_EQ(m.lists.manager.view->SelectedCount(), 1);
        EXPECT_TRUE(m.lists.manager.view->IsSelected(0));
    }
}

}  // namespace
