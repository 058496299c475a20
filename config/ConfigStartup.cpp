// Opening the main dialog: paths, the manager directory, the two published
// settings, the lists, the bitmap buttons, the placements and the runner check.
#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "config/ConfigDlg.h"
#include "config/ConfigPaths.h"
#include "config/ConfigResources.h"
#include "common/StartPlaces.h"
#include "common/StartupFolder.h"
#include "config/ordering/RocRecord.h"

using namespace config;

bool CConfigDlg::OnInitDialog() {
    DoDataExchange();
    IDialogWindow& window = Window();
    window.SetIcon(m_hIcon);
    // Size, then Maximize: the window keeps its two fixed placements.
    window.RemoveSystemMenuEntry(2);
    window.RemoveSystemMenuEntry(3);

    m_bSyncingSelection = m_bModified = false;

    IFileSystem& files = m_platform.files;
    m_strStartupFolder = UserStartupFolder(m_platform.registry, files);

    const ConfigPaths paths = ConfigPathsOf(files);
    m_strConfigDir = paths.dir;
    m_strManagerDir = paths.managerDir;
    m_strIniPath = paths.iniPath;
    m_strRocDir = paths.rocDir;
    m_strRocRecord = paths.rocRecord;
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
    RecoverInterruptedReorder(files, m_platform.messages, m_strRocRecord, m_strRocDir);
    SetUpLists();
    LoadSeenRecord();
    SetUpColumns();

    for (IButton* button : {m_btnAdd, m_btnRemove, m_listManager.up, m_listManager.down, m_listStartup.up, m_listStartup.down})
        button->LoadBitmaps(button->Text());

    ComputePlacements();
    ShowAdvanced(false);

    UpdateArrowButtons(m_listManager);
    UpdateArrowButtons(m_listStartup);
    WarnWhenRunnerMissing();
    OfferToTakeInAgain();
    return true;
}

void CConfigDlg::SetUpLists() {
    m_listManager.kind = ListKind::Manager;
    m_listManager.places = {ItemPlace{PlaceKind::Folder, m_strManagerDir, RegistryRoot::LocalMachine, "", "", false, ""}};
    const StartPlaces start = WindowsStartPlaces(m_platform.registry, m_platform.files, m_strStartupFolder);
    m_listStartup.kind = ListKind::Folder;
    m_listStartup.places = {start.startup};
    m_listStartup.places.insert(m_listStartup.places.end(), start.moreStartup.begin(), start.moreStartup.end());
    m_listStartup.failure = "The Windows Startup folder could not be read:\n";
    m_listStartup.reportsNameOrder = true;
    m_listStartup.arrowsAlwaysReorder = true;
    m_listRun.kind = ListKind::RegistryKey;
    m_listRun.places = {start.run};
    m_listRun.places.insert(m_listRun.places.end(), start.moreRun.begin(), start.moreRun.end());
    m_listRun.failure = "Error reading \"Registry Run\" Values.";
    m_listRunServices.kind = ListKind::RegistryKey;
    m_listRunServices.places = {start.runServices};
    m_listRunServices.failure = "Error reading \"Registry RunServices\" Values.";
}

void CConfigDlg::SetUpColumns() {
    IListView& manager = *m_listManager.view;
    const int w = manager.ColumnSpace();
    manager.InsertColumn(0, "Name", static_cast<int>(w * 0.6));
    manager.InsertColumn(1, "Source", static_cast<int>(w * 0.22));
    manager.InsertColumn(2, "Wait", static_cast<int>(w * 0.18));
    FillManagerList();
    for (ItemList* list : {&m_listStartup, &m_listRun, &m_listRunServices}) {
        // Each row says where it lives, and what is new about it; the fill
        // gives the columns their widths.
        list->view->InsertColumn(0, "Name", 0);
        list->view->InsertColumn(1, "Where", 0);
        Fill(*list);
    }
}

// The template puts the dialog at the screen's top-left corner, so its right
// and bottom edges are its size.
void CConfigDlg::ComputePlacements() {
    const Rect screen = m_platform.screen.Desktop();
    const Rect dialog = Window().WindowRect();
    const int sr = screen.right, sb = screen.bottom, dr = dialog.right, db = dialog.bottom;
    m_basicPlacement = WindowPlacement{sr / 2 - (dr / 2) / 2, sb / 2 - db / 2, dr / 2 - 30, db};
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
