#include "tests/native/Conservation.h"

#include <gtest/gtest.h>

#include "common/ComScope.h"
#include "common/ManagerInfo.h"
#include "common/StartupApproved.h"
#include "common/TextHelpers.h"

using namespace config;

namespace {

const char* const Folders[] = {ConfigWorld::Manager, ConfigWorld::StartupFolder, ConfigWorld::CommonStartup, ConfigWorld::Roc};

struct KeyPlace {
    RegistryRoot root;
    const char* path;
    const char* spot;  // how the census names it
};
const KeyPlace Keys[] = {{RegistryRoot::LocalMachine, ConfigWorld::RunKey, "HKLM Run"},
                         {RegistryRoot::CurrentUser, ConfigWorld::RunKey, "HKCU Run"},
                         {RegistryRoot::LocalMachine32, ConfigWorld::RunKey, "HKLM32 Run"},
                         {RegistryRoot::LocalMachine, ConfigWorld::RunServicesKey, "HKLM RunServices"}};

// Where Windows keeps the states of each place's entries, by the census's
// name of the place; the manager, Roc and RunServices keep none.
struct ApprovedPlace {
    const char* spot;
    RegistryRoot root;
    const char* key;
};
const ApprovedPlace Approved[] = {{ConfigWorld::StartupFolder, RegistryRoot::CurrentUser, "StartupFolder"},
                                  {ConfigWorld::CommonStartup, RegistryRoot::LocalMachine, "StartupFolder"},
                                  {"HKLM Run", RegistryRoot::LocalMachine, "Run"},
                                  {"HKCU Run", RegistryRoot::CurrentUser, "Run"},
                                  {"HKLM32 Run", RegistryRoot::LocalMachine, "Run32"}};

std::string ApprovedKey(const ApprovedPlace& place) {
    return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\") + place.key;
}

const ApprovedPlace* ApprovedOf(const std::string& spot) {
    for (const ApprovedPlace& place : Approved)
        if (spot == place.spot) return &place;
    return nullptr;
}

// The manager's states: the boxes while the dialog shows them, else the lines.
bool ManagedOff(ConfigWorld& w, const std::string& fileName) {
    if (w.host.WasOpened() && !w.host.HasEnded()) {
        HeadlessListView& view = w.List(IdcManagerList);
        for (int row = 0; row < view.Count(); ++row)
            if (UpperCopy(FileNameOf(w.dialog.GetItemPath(IdcManagerList, row))) == UpperCopy(fileName)) return !view.IsChecked(row);
        return false;
    }
    const CManagerInfoParser parser;
    const std::string ini = w.world.files.Contents(ConfigWorld::Ini);
    const std::string title = FileEntry{fileName, "", 0}.Title();
    for (std::size_t at = 0; at < ini.size();) {
        const std::size_t end = std::min(ini.find('\n', at), ini.size());
        ManagerLine line;
        if (parser.ReadManagerLine(ini.substr(at, end - at), line) && line.name == title && HasExtraField(line, OffField))
            return true;
        at = end + 1;
    }
    return false;
}

bool SpotOff(ConfigWorld& w, const std::string& spot, const std::string& entryName) {
    if (spot == ConfigWorld::Manager) return ManagedOff(w, entryName);
    const ApprovedPlace* place = ApprovedOf(spot);
    return place != nullptr && ApprovedOff(w.world.registry.Value(place->root, ApprovedKey(*place), entryName));
}

// The 32-bit view is a place of its own only where the world has one.
bool Counted(const ConfigWorld& w, const KeyPlace& key) {
    return key.root != RegistryRoot::LocalMachine32 || w.world.registry.HasSeparate32BitView();
}

std::string FileMark(ConfigWorld& w, const std::string& path) {
    ShortcutFields fields;
    const ComScope com(w.world.links);
    const bool loaded = w.world.links.Load(path, fields);
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
    const ComScope com(w.world.links);
    w.world.links.Save(path, ShortcutFields{target, arguments, "", ""});
}

std::map<std::string, std::vector<ItemSpot>> TakeCensus(ConfigWorld& w) {
    std::map<std::string, std::vector<ItemSpot>> census;
    for (const char* folder : Folders) {
        const std::string dir(folder);
        for (const std::string& name : w.Entries(dir))
            census[Unquoted(FileMark(w, dir + name))].push_back({FileEntry{name, "", 0}.Title(), dir, SpotOff(w, dir, name)});
    }
    // The runner's own command is no item: Close writes and deletes it. Any
    // other command, under whatever name, is one.
    const std::string runner = std::string(ConfigWorld::Dir) + settings::kRunnerFile;
    for (const KeyPlace& key : Keys) {
        if (!Counted(w, key)) continue;
        for (const RegistryValue& value : w.world.registry.Values(key.root, key.path))
            if (Unquoted(value.Text()) != runner)
                census[Unquoted(value.Text())].push_back({value.name, key.spot, SpotOff(w, key.spot, value.name)});
    }
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
        const auto anyOff = [](const std::vector<ItemSpot>& spots) {
            return std::any_of(spots.begin(), spots.end(), [](const ItemSpot& spot) { return spot.off; });
        };
        // With the manager unread, its rows say nothing of its states.
        if (places > 0 && anyOff(item.second) != anyOff(found->second) && !NamedByAMessage(w, name) &&
            !NamedByAMessage(w, "Manager information could not be read") && !NamedByAMessage(w, "manager directory could not be read"))
            wrong += "turned " + std::string(anyOff(item.second) ? "on" : "off") + " untold: " + name + "\n";
    }
    for (const auto& item : now)
        if (before.count(item.first) == 0) wrong += "made up: " + item.first + "\n";
    // A state left behind would turn off whatever comes there under its name.
    for (const ApprovedPlace& place : Approved) {
        std::set<std::string> there;
        for (const auto& item : now)
            for (const ItemSpot& spot : item.second)
                if (spot.place == place.spot) there.insert(UpperCopy(spot.name));
        for (const RegistryValue& value : w.world.registry.Values(place.root, ApprovedKey(place))) {
            const std::string entry = place.key == std::string("StartupFolder") ? FileEntry{value.name, "", 0}.Title() : value.name;
            if (there.count(UpperCopy(entry)) == 0 && !NamedByAMessage(w, value.name))
                wrong += "a state without its entry: " + value.name + " in " + place.spot + "\n";
        }
    }

    // Each row stands for an item where the row says, and each item there
    // has its row, while the dialog is there to show them.
    if (w.host.HasEnded() || !w.host.WasOpened()) return wrong;
    struct Place {
        const char* spot;  // the folder, or the census's name of the key
        const char* mark;  // what the row's Where column says
        const KeyPlace* key = nullptr;
    };
    struct ListPlaces {
        int id;
        std::vector<Place> places;
        const char* unread;  // what a message says when the whole list could not be read
    };
    const std::vector<ListPlaces> lists = {
        {IdcManagerList, {{ConfigWorld::Manager, ""}}, ConfigWorld::Manager},
        {IdcStartupList, {{ConfigWorld::StartupFolder, "User"}, {ConfigWorld::CommonStartup, "All users"}}, ConfigWorld::StartupFolder},
        {IdcRunList, {{Keys[0].spot, "Machine", &Keys[0]}, {Keys[1].spot, "User", &Keys[1]}, {Keys[2].spot, "32-bit", &Keys[2]}}, "\"Registry Run\""},
        {IdcRunServicesList, {{Keys[3].spot, "Machine", &Keys[3]}}, "\"Registry RunServices\""}};
    for (const ListPlaces& list : lists) {
        HeadlessListView& view = w.List(list.id);
        std::map<std::string, int> rows;  // by place and name
        for (int row = 0; row < view.Count(); ++row) {
            const std::string name = view.ItemText(row, 0);
            const std::string path = w.dialog.GetItemPath(list.id, row);
            // The manager's second column is its Source: its rows are of its
            // one place. A note may follow a mark.
            const std::string where = list.id == IdcManagerList ? "" : view.ItemText(row, 1);
            const std::string mark = where.substr(0, where.find(','));
            const Place* place = mark.empty() ? &list.places[0] : nullptr;
            for (const Place& candidate : list.places)
                if (place == nullptr && candidate.mark == mark) place = &candidate;
            if (place == nullptr) {
                wrong += "row without its mark: " + name + " marked " + mark + "\n";
                continue;
            }
            ++rows[std::string(place->spot) + "|" + UpperCopy(name)];
            const bool there =
                place->key != nullptr
                    ? w.world.registry.HasValue(place->key->root, place->key->path, name) &&
                          w.world.registry.Value(place->key->root, place->key->path, name).Text() == path
                    : w.world.files.Exists(path) && path == place->spot + FileNameOf(path) &&
                          FileEntry{FileNameOf(path), "", 0}.Title() == name;
            if (!there) wrong += "row without its item: " + name + " at " + path + "\n";
        }
        if (!w.dialog.GetItemPath(list.id, view.Count()).empty()) wrong += "a path without its row\n";
        // A list may show its first place only (the shell named no other
        // folder, or could not be asked).
        const std::size_t shown = w.dialog.PlaceCount(list.id);
        for (const auto& item : now)
            for (const ItemSpot& spot : item.second)
                for (std::size_t index = 0; index < shown; ++index) {
                    const Place& place = list.places[index];
                    // A folder that could not be read is named by its message.
                    const char* unread = place.key == nullptr ? place.spot : list.unread;
                    if (spot.place == place.spot && rows[spot.place + "|" + UpperCopy(spot.name)]-- <= 0 &&
                        !NamedByAMessage(w, spot.name) && !NamedByAMessage(w, unread))
                        wrong += "item without its row: " + spot.name + "\n";
                }
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

// Every line of part is a line of whole, in whole's order.
bool LinesOf(const std::string& part, const std::string& whole) {
    std::size_t from = 0;
    for (std::size_t at = 0; at < part.size();) {
        const std::size_t end = part.find('\n', at);
        if (end == std::string::npos) return false;
        const std::size_t found = whole.find(part.substr(at, end + 1 - at), from);
        if (found == std::string::npos || (found > 0 && whole[found - 1] != '\n')) return false;
        from = found + end + 1 - at;
        at = end + 1;
    }
    return true;
}

}  // namespace

int RunWithEveryFault(const std::function<void(ConfigWorld&)>& setUp, const std::function<void(ConfigWorld&)>& command,
                      bool deletes, bool keepsLines) {
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
        EXPECT_EQ(CheckConservation(*w, before, deletable), "") << "with operation " << k << " failing" << ShownTexts(*w);
        // A run that ends elsewhere than the clean run must have said why.
        const auto outcome = TakeCensus(*w);
        const std::string ini = w->world.files.Contents(ConfigWorld::Ini);
        if (k == 0) {
            cleanOutcome = outcome;
            cleanIni = ini;
        } else {
            EXPECT_TRUE(outcome == cleanOutcome || ToldOfAFailure(*w)) << "untold failure with operation " << k << " failing" << ShownTexts(*w);
            // Replaced whole or not at all; or, written by a command that
            // keeps the lines of the items it could not move, whole lines of the old file.
            EXPECT_TRUE(ini == iniBefore || ini == cleanIni || (keepsLines && LinesOf(ini, iniBefore)))
                << "Orvane.ini half-written with operation " << k << " failing";
            EXPECT_TRUE(ini == cleanIni || ToldOfAFailure(*w)) << "Orvane.ini not saved untold with operation " << k << " failing";
        }
        if (k > 0 && clean) return k - 1;
    }
}
