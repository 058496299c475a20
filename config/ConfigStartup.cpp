// Opening the main dialog: paths, the manager directory, the two published
// settings, the lists, the bitmap buttons, the placements and the runner check.
#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "config/ConfigDlg.h"
#include "config/ConfigPaths.h"
#include "config/ConfigResources.h"
#include "common/StartupFolder.h"
#include "config/ordering/RocRecord.h"

using namespace config;

bool CConfigDlg::OnInitDialog() {
    BindControls();
    IDialogWindow& window = Window();
    window.SetIcon(m_iconId);
    // Size, then Maximize: the window keeps its two fixed placements.
    window.RemoveSystemMenuEntry(2);
    window.RemoveSystemMenuEntry(3);

    m_bSyncingSelection = false;

    IFileSystem& files = m_platform.files;
    const std::string startupFolder = UserStartupFolder(m_platform.registry, files);

    const ConfigPaths paths = ConfigPathsOf(files);
    m_strConfigDir = paths.dir;
    m_strManagerDir = paths.managerDir;
    m_strIniPath = paths.iniPath;
    const std::string managerDir = m_strManagerDir.substr(0, m_strManagerDir.size() - 1);

    FileEntry existing;
    if (!files.Lookup(managerDir, existing) && !files.MakeDirectory(managerDir)) {
        m_platform.messages.Show("Could not create the directory " + managerDir + "\n\n This program cannot continue.",
                                 win::MbIconExclamation);
        EndDialog(win::IdCancel);
        return false;
    }

    // Without both paths the runner refuses to run: the user must know.
    // Each is written even when the other cannot be.
    const bool configPublished = m_profile.WriteProfileString(settings::kSection, settings::kConfigPath, m_strConfigDir);
    const bool iniPublished = m_profile.WriteProfileString(settings::kSection, settings::kIniPath, m_strIniPath);
    if (!configPublished || !iniPublished)
        m_platform.messages.Show(std::string("Could not record the location of this program for Orvane.\n") +
                                     "Error accessing HKEY_CURRENT_USER\\" + m_profile.SectionKey(settings::kSection),
                                 win::MbIconExclamation);

    // Before the lists are filled, so that they show every file back in place.
    RecoverInterruptedReorder(files, m_platform.messages, *this, paths.rocRecord, paths.rocDir);
    m_lists.SetUp(paths, startupFolder);
    for (ItemList* list : m_lists.Lists()) SetUpColumns(*list);
    m_lists.FillAll();

    m_btnAdd->LoadBitmaps("ADDBUTTON");
    m_btnRemove->LoadBitmaps("REMOVEBUTTON");
    for (const ItemList* list : {&m_lists.manager, &m_lists.startup}) {
        list->up->LoadBitmaps("UPARROW");
        list->down->LoadBitmaps("DOWNARROW");
    }

    ComputePlacements();
    ShowAdvanced(false);

    UpdateArrows(m_lists.manager);
    UpdateArrows(m_lists.startup);
    WarnWhenRunnerMissing();
    m_lists.OfferToTakeInAgain();
    return true;
}

// The template puts the dialog at the screen's top-left corner, so its right
// and bottom edges are its size.
void CConfigDlg::ComputePlacements() {
    const Rect screen = m_platform.screen.Desktop();
    const Rect dialog = Window().WindowRect();
    const int sr = screen.right, sb = screen.bottom, dr = dialog.right, db = dialog.bottom;
    m_basicPlacement = WindowPlacement{sr / 2 - (dr / 2) / 2, sb / 2 - db / 2, dr / 2 - Window().Scaled(30), db};
    m_advancedPlacement = WindowPlacement{sr / 2 - dr / 2, sb / 2 - db / 2, dr, db};
}

void CConfigDlg::WarnWhenRunnerMissing() {
    FileEntry runner;
    if (m_platform.files.Lookup(m_strConfigDir + settings::kRunnerFile, runner)) return;
    m_platform.messages.Show(std::string(settings::kRunnerFile) + " not found.\n\n" +
                                 "This file is required to launch managed items at Windows startup.\n" +
                                 "It must be located in the same directory as this program:\n" + m_strConfigDir,
                             win::MbIconExclamation);
}
