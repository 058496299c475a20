// What the places Windows starts programs from hold, looked at once a run:
// entries that appeared since Orvane last looked are named, and a managed
// program that put itself back there is left to Windows, which starts it
// already: a second start would run it twice.
#include "common/ComScope.h"
#include "common/BoxOpen.h"
#include "common/PathHelpers.h"
#include "common/RunnerSettings.h"
#include "common/HeldPlaces.h"
#include "common/StartPlaces.h"
#include "common/StartupFolder.h"
#include "common/TextHelpers.h"
#include "runner/RunnerDlg.h"
#include "runner/RunnerIds.h"

using namespace runner;

namespace {

constexpr std::size_t kNamedAtMost = 12;

}  // namespace

const char* const CRunnerDlg::NewEntriesTitle = "Since Orvane last looked, programs were added where Windows starts them:";
const char* const CRunnerDlg::NewEntriesQuestion =
    "Windows starts them at once, beside Orvane's order. Nothing was taken in.\n"
    "Open Orvane's configuration to look at them?";

const char* const CRunnerDlg::PutBackNote = "put back by its own program: Windows starts it, Orvane does not";

// Only the managed item of the entry's title is compared: a program puts
// itself back under its old name, and each comparison loads a shortcut.
bool CRunnerDlg::StartsAManagedItem(const ItemPlace& place, const PlaceEntry& entry) {
    const std::string title = UpperCopy(place.IsRegistry() ? entry.name : TitleOf(entry.name));
    const std::string& command = entry.command;
    bool same = false;
    if (command.empty()) return false;
    const ComScope com(m_platform.links);
    if (!com.Started()) return false;
    for (const RunItem& item : m_sequencer.Items()) {
        same = UpperCopy(item.name) == title && ShortcutCommandKey(m_platform.links, item.path) == command;
        if (same) break;
    }
    return same;
}

void CRunnerDlg::LookAtPlaces() {
    IRegistry& registry = m_platform.registry;
    IFileSystem& files = m_platform.files;
    const StartPlaces start = WindowsStartPlaces(registry, files, UserStartupFolder(registry, files));
    m_sequencer.SetHeld(ReadPlaces(registry, files, m_platform.links, start));
    const std::string path = SeenRecordPath(m_strIniPath);
    std::vector<SeenEntry> before, appeared;
    const SeenFile record = ReadSeenRecord(files, path, before);
    // A record that cannot be read is not replaced by one that would call
    // nothing new: the entries that appeared meanwhile would never be named.
    if (record == SeenFile::Unreadable) {
        m_strNewEntries = "What Orvane saw where Windows starts programs could not be read:\n" + path;
        return;
    }
    const std::vector<SeenEntry> after = UpdateSeen(before, record == SeenFile::Read, m_sequencer.Held(), appeared);
    // Most starts find what the last one did: the file is not written again.
    const bool written = (record == SeenFile::Read && after == before) || WriteSeenRecord(files, path, after);
    if (appeared.empty() && written) return;
    std::string text;
    if (!appeared.empty()) {
        // The entries come in the places' order: each place is named once, above its own.
        text = NewEntriesTitle;
        for (std::size_t shown = 0; shown < appeared.size() && shown < kNamedAtMost; ++shown) {
            const SeenEntry& entry = appeared[shown];
            const ItemPlace* place = start.ForSource(entry.source);
            if (shown == 0 || entry.source != appeared[shown - 1].source)
                text += "\n\n" + (place != nullptr ? PlaceText(*place) : entry.source);
            text += "\n    " + entry.name;
            const PlaceEntry* found = nullptr;
            for (const HeldPlace& held : m_sequencer.Held())
                for (const PlaceEntry& each : held.entries)
                    if (held.place.sourceTag == entry.source && each.name == entry.name) found = &each;
            // Windows does not start an entry turned off: it is said so.
            if (found != nullptr && found->off) text += "  (off)";
            else if (place != nullptr && found != nullptr && StartsAManagedItem(*place, *found))
                text += "  (" + std::string(PutBackNote) + ")";
        }
        if (appeared.size() > kNamedAtMost) text += "\n    and " + IntToString(static_cast<int>(appeared.size() - kNamedAtMost)) + " more";
        text += "\n\n";
    }
    if (!written) text += "Orvane could not note what it saw there, and will name these entries again:\n" + path + "\n\n";
    m_strNewEntries = text + NewEntriesQuestion;
}

// Shown as a failure's box is: the run goes on in its loop.
void CRunnerDlg::ShowNewEntries() {
    if (m_strNewEntries.empty() || m_nBoxesBesideRun > 0) return;
    const std::string text = std::move(m_strNewEntries);
    m_strNewEntries.clear();
    int answer = win::IdNo;
    {
        const BoxOpen open(m_nBoxesBesideRun);
        answer = m_platform.messages.Show(text, win::MbYesNo | win::MbIconInformation | win::MbSetForeground);
    }
    if (answer != win::IdYes) return;
    const std::string config = m_strConfigPath + settings::kConfigFile;
    if (m_platform.shell.Execute("", config, "", m_strConfigPath, win::SwShowNormal) <= win::ShellExecuteFailureLimit)
        m_platform.messages.Show(config + "\n" + RunError, win::MbIconExclamation | win::MbSetForeground);
}
