// What a save writes: the runner's start-up entry, Orvane.ini from the
// manager's records, the order of the folders whose order changed, and the
// record of what the places hold.
#include <memory>

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/RegistryValues.h"
#include "common/RunnerSettings.h"
#include "config/ItemLists.h"
#include "config/ordering/Reorder.h"

void ItemLists::Save() {
    RegisterRunner();
    WriteManagerInfo();
    ReorderFiles();
    NoteSeenPlaces();
}

// The entry is the user's: the manager runs at its owner's log-on only, and
// a user without administrator rights cannot write the machine's key. An
// entry an older version left in the machine's key goes when it can.
void ItemLists::RegisterRunner() {
    IRegistry& registry = m_platform.registry;
    if (manager.rows.empty()) {
        // An empty list that only failed to read the directory says nothing
        // of what the manager holds.
        if (m_managerUnread) return;
        // A value or key that is not there is no error; a machine's value
        // that stays finds an empty manager and ends at once.
        DeleteRegistryValue(registry, RegistryRoot::CurrentUser, settings::kRunKey, settings::kRunValue);
        DeleteRegistryValue(registry, RegistryRoot::LocalMachine, settings::kRunKey, settings::kRunValue);
        return;
    }
    std::string runner = m_paths.dir + settings::kRunnerFile;
    // Unquoted, a path with blanks lets Windows start another program first
    // (C:\Program.exe for C:\Program Files\...).
    if (runner.find(' ') != std::string::npos) runner = "\"" + runner + "\"";
    // A user's Run key is not there until something starts at that user's log-on.
    registry.Create(RegistryRoot::CurrentUser, settings::kRunKey);
    if (!SetRegistryString(registry, RegistryRoot::CurrentUser, settings::kRunKey, settings::kRunValue, runner)) {
        m_platform.messages.Show(std::string("Could not enable Orvane program.\nError accessing HKEY_CURRENT_USER\\") + settings::kRunKey,
                                 win::MbIconExclamation);
        return;
    }
    const std::unique_ptr<IRegistryKey> machine = registry.Open(RegistryRoot::LocalMachine, settings::kRunKey, RegistryAccess::Read);
    RegistryValue older;
    if (machine && machine->Query(settings::kRunValue, older) &&
        !DeleteRegistryValue(registry, RegistryRoot::LocalMachine, settings::kRunKey, settings::kRunValue))
        m_questions.TellMachineEntryStays();
}

void ItemLists::WriteManagerInfo() {
    // Rewritten from a list that does not hold what the file described, it
    // would lose every source and wait.
    if (m_managerUnread) return;
    if (m_managerInfoUnread) {
        m_platform.messages.Show(m_paths.iniPath + "\nManager information could not be read, so it was not saved.  " +
                                     "The file is left as it was.",
                                 win::MbIconExclamation);
        return;
    }
    std::vector<ManagerLine> lines;
    for (const ItemRow& row : manager.rows) {
        lines.push_back({row.name, row.source, row.wait, row.extras});
        // A title alone would pair the line with any item of that title.
        SetFileField(lines.back(), row.byFileName ? FileNameOf(row.path) : std::string());
    }
    ::WriteManagerInfo(m_platform.files, m_platform.messages, m_paths.iniPath, lines);
}

void ItemLists::ReorderFiles() {
    // The manager's order is its lines' order; Windows reads the Startup
    // folder in the file system's own order, so only there can the user's
    // order be lost.
    std::vector<ReorderJob> jobs;
    for (ItemList* list : Lists()) {
        if (!list->orderChanged) continue;
        ReorderJob job{{}, list->Home().path, list->reportsNameOrder};
        for (const ItemRow& row : list->rows)
            if (row.place == 0) job.paths.push_back(row.path);
        jobs.push_back(job);
    }
    ReorderDirectories(m_platform.files, m_platform.messages, m_questions, RocPaths{m_paths.rocDir, m_paths.rocRecord}, jobs);
}
