#include "tests/native/Conservation.h"

#include <gtest/gtest.h>

#include "common/TextHelpers.h"

using namespace config;

namespace {

const char* const Folders[] = {ConfigWorld::Manager, ConfigWorld::StartupFolder, ConfigWorld::Roc};
const char* const Keys[] = {ConfigWorld::RunKey, ConfigWorld::RunServicesKey};

std::string FileMark(ConfigWorld& w, const std::string& path) {
    ShortcutFields fields;
    w.world.links.InitializeCom();
    const bool loaded = w.world.links.Load(path, fields);
    w.world.links.UninitializeCom();
    return loaded ? Trim(fields.target + " " + fields.arguments) : w.world.files.Contents(path);
}

std::string Unquoted(std::string text) {
    text = RemoveChar(text, '"');
    return Trim(text);
}

bool NamedByAMessage(const ConfigWorld& w, const std::string& name) {
    for (const ShownMessage& m : w.Shown())
        if (m.text.find(name) != std::string::npos) return true;
    return false;
}

}  // namespace

void AddShortcut(ConfigWorld& w, const std::string& path, const std::string& target, const std::string& arguments) {
    w.world.files.AddDirectory(DirectoryOf(path));
    w.world.links.InitializeCom();
    w.world.links.Save(path, ShortcutFields{target, arguments, "", ""});
    w.world.links.UninitializeCom();
}

std::map<std::string, std::vector<ItemSpot>> TakeCensus(ConfigWorld& w) {
    std::map<std::string, std::vector<ItemSpot>> census;
    for (const char* folder : Folders) {
        const std::string dir(folder);
        for (const std::string& name : w.Entries(dir))
            census[Unquoted(FileMark(w, dir + name))].push_back({FileEntry{name, "", 0}.Title(), dir});
    }
    // The runner's own command is no item: Close writes and deletes it. Any
    // other command, under whatever name, is one.
    const std::string runner = std::string(ConfigWorld::Dir) + settings::kRunnerFile;
    for (const char* key : Keys)
        for (const RegistryValue& value : w.world.registry.Values(RegistryRoot::LocalMachine, key))
            if (Unquoted(value.Text()) != runner) census[Unquoted(value.Text())].push_back({value.name, key});
    return census;
}

std::string CheckConservation(ConfigWorld& w, const std::map<std::string, std::vector<ItemSpot>>& before,
                              const std::set<std::string>& deletable) {
    std::string wrong;
    const auto now = TakeCensus(w);
    for (const auto& item : before) {
        const std::string& name = item.second.front().name;
        const auto found = now.find(item.first);
        const std::size_t places = found == now.end() ? 0 : found->second.size();
        // An item may lie in two places before (the same program in two
        // lists); a command may leave it in fewer, never in more untold.
        const std::size_t had = item.second.size();
        if (places == 0 && deletable.count(name) == 0) wrong += "lost: " + name + "\n";
        if (places == had + 1 && !NamedByAMessage(w, name)) wrong += "in one more place untold: " + name + "\n";
        if (places > had + 1) wrong += "in " + std::to_string(places) + " places: " + name + "\n";
    }
    for (const auto& item : now)
        if (before.count(item.first) == 0) wrong += "made up: " + item.first + "\n";

    // Each row stands for an item where the row says, and each item there
    // has its row, while the dialog is there to show them.
    if (w.host.HasEnded()) return wrong;
    struct ListPlace {
        int id;
        const char* place;
        bool registry;
        const char* unread;  // what a message says when the whole list could not be read
    };
    for (const ListPlace list : {ListPlace{IdcManagerList, ConfigWorld::Manager, false, ConfigWorld::Manager},
                                 ListPlace{IdcStartupList, ConfigWorld::StartupFolder, false, ConfigWorld::StartupFolder},
                                 ListPlace{IdcRunList, ConfigWorld::RunKey, true, "\"Registry Run\""},
                                 ListPlace{IdcRunServicesList, ConfigWorld::RunServicesKey, true, "\"Registry RunServices\""}}) {
        HeadlessListView& view = w.List(list.id);
        std::map<std::string, int> rows;
        for (int row = 0; row < view.Count(); ++row) {
            const std::string name = view.ItemText(row, 0);
            const std::string path = w.dialog.GetItemPath(list.id, row);
            ++rows[UpperCopy(name)];
            const bool there =
                list.registry
                    ? w.world.registry.HasValue(RegistryRoot::LocalMachine, list.place, name) &&
                          w.world.registry.Value(RegistryRoot::LocalMachine, list.place, name).Text() == path
                    : w.world.files.Exists(path) && path == list.place + FileNameOf(path) &&
                          FileEntry{FileNameOf(path), "", 0}.Title() == name;
            if (!there) wrong += "row without its item: " + name + " at " + path + "\n";
        }
        if (!w.dialog.GetItemPath(list.id, view.Count()).empty()) wrong += "a path without its row\n";
        for (const auto& item : now)
            for (const ItemSpot& spot : item.second)
                if (spot.place == list.place && rows[UpperCopy(spot.name)]-- <= 0 && !NamedByAMessage(w, spot.name) &&
                    !NamedByAMessage(w, list.unread))
                    wrong += "item without its row: " + spot.name + "\n";
    }
    return wrong;
}

namespace {

std::string ShownTexts(const ConfigWorld& w) {
    std::string texts;
    for (const ShownMessage& m : w.Shown()) texts += "\n[" + m.text + "]";
    return texts;
}

bool ToldOfAFailure(const ConfigWorld& w) {
    for (const ShownMessage& m : w.Shown()) {
        const unsigned buttons = m.style & 0xF;
        if (buttons != win::MbYesNo && buttons != win::MbYesNoCancel) return true;
    }
    return false;
}

}  // namespace

int RunWithEveryFault(const std::function<void(ConfigWorld&)>& setUp, const std::function<void(ConfigWorld&)>& command,
                      bool deletes) {
    std::map<std::string, std::vector<ItemSpot>> cleanOutcome;
    std::string cleanIni;
    for (int k = 0;; ++k) {
        auto w = std::make_unique<ConfigWorld>();
        setUp(*w);
        const auto before = TakeCensus(*w);
        const std::string iniBefore = w->world.files.Contents(ConfigWorld::Ini);
        std::set<std::string> deletable;
        if (deletes)
            for (int id : {IdcManagerList, IdcStartupList, IdcRunList, IdcRunServicesList})
                for (int row = w->List(id).NextSelected(-1); row >= 0; row = w->List(id).NextSelected(row))
                    deletable.insert(w->List(id).ItemText(row, 0));
        w->world.messages.questionAnswer = win::IdYes;
        w->world.faults.FailNth(k);
        command(*w);
        const bool clean = w->world.faults.Operations() < k;
        w->world.faults.FailNth(0);
        EXPECT_EQ(CheckConservation(*w, before, deletable), "") << "with operation " << k << " failing";
        // A run that ends elsewhere than the clean run must have said why.
        const auto outcome = TakeCensus(*w);
        const std::string ini = w->world.files.Contents(ConfigWorld::Ini);
        if (k == 0) {
            cleanOutcome = outcome;
            cleanIni = ini;
        } else {
            EXPECT_TRUE(outcome == cleanOutcome || ToldOfAFailure(*w)) << "untold failure with operation " << k << " failing" << ShownTexts(*w);
            // Replaced whole or not at all.
            EXPECT_TRUE(ini == iniBefore || ini == cleanIni) << "Orvane.ini half-written with operation " << k << " failing";
            EXPECT_TRUE(ini == cleanIni || ToldOfAFailure(*w)) << "Orvane.ini not saved untold with operation " << k << " failing";
        }
        if (k > 0 && clean) return k - 1;
    }
}
