// Opening the main dialog: paths, the manager directory, the two published
// settings, the lists, the bitmap buttons, the placements and the runner check.
#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "config/ConfigDlg.h"
#include "config/ConfigResources.h"

using namespace config;

bool CConfigDlg::OnInitDialog() {
    DoDataExchange();
    IDialogWindow& window = Window();
    window.SetIcon(m_hIcon);
    // Size, then Maximize: the window keeps its two fixed placements.
    window.RemoveSystemMenuEntry(2);
    window.RemoveSystemMenuEntry(3);

    m_strSourceStartup = "Startup";
    m_strSourceRun = "Run";
    m_strSourceServices = "Services";
    m_strRunKey = settings::kRunKey;
    m_strRunServicesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
    m_strInUseAdvice = std::string("Make sure the file is not in use and is not read-only.\n") +
                       "If the file is in use, close it from the system tray or find it in the task list\n" +
                       "by pressing CTRL-ALT-DELETE.";
    m_strMoveFailed = "\nThis file could not be moved.\n\n" + m_strInUseAdvice;
    m_bSyncingSelection = m_bModified = m_bManagerOrderChanged = m_bStartupOrderChanged = false;

    IFileSystem& files = m_platform.files;
    m_strWindowsDir = files.WindowsDirectory();
    if (m_strWindowsDir.empty() || m_strWindowsDir.back() != '\\') m_strWindowsDir += '\\';
    m_strStartupSubPath = "Start Menu\\Programs\\Startup\\";
    m_strStartupFolder = m_strWindowsDir + m_strStartupSubPath;

    const std::string modulePath = files.ModulePath();
    m_strConfigDir = modulePath.substr(0, modulePath.rfind('\\') + 1);
    const std::string managerDir = m_strConfigDir + "Startup";
    m_strManagerDir = managerDir + "\\";

    FileEntry existing;
    if (!files.Lookup(managerDir, existing) && !files.MakeDirectory(managerDir)) {
        m_platform.messages.Show("Could not create the directory " + managerDir + "\n\n This program cannot continue.",
                                 win::MbIconExclamation);
        EndDialog(win::IdCancel);
        return false;
    }

    m_strRocDir = m_strConfigDir + "Roc\\";
    m_strIniPath = m_strConfigDir + "Orvane.ini";
    // Without both paths the runner refuses to run: the user must know.
    if (!m_profile.WriteProfileString(settings::kSection, settings::kConfigPath, m_strConfigDir) ||
        !m_profile.WriteProfileString(settings::kSection, settings::kIniPath, m_strIniPath))
        m_platform.messages.Show(std::string("Could not record the location of this program for Orvane.\n") +
                                     "Error accessing HKEY_CURRENT_USER\\" + m_profile.SectionKey(settings::kSection),
                                 win::MbIconExclamation);

    SetUpColumns();

    for (IButton* button : {m_btnAdd, m_btnRemove, m_btnManagerUp, m_btnManagerDown, m_btnStartupUp, m_btnStartupDown})
        button->LoadBitmaps(button->Text());

    ComputePlacements();
    ShowAdvanced(false);

    UpdateArrowButtons(*m_listManager, *m_btnManagerUp, *m_btnManagerDown);
    UpdateArrowButtons(*m_listStartup, *m_btnStartupUp, *m_btnStartupDown);
    WarnWhenRunnerMissing();
    return true;
}

void CConfigDlg::SetUpColumns() {
    const int listWidth = m_listManager->WindowRect().Width();
    const int w = m_listManager->ColumnSpace();
    m_listManager->InsertColumn(0, "Name", static_cast<int>(w * 0.6));
    m_listManager->InsertColumn(1, "Source", static_cast<int>(w * 0.22));
    m_listManager->InsertColumn(2, "Wait", static_cast<int>(w * 0.18));
    FillManagerList();
    m_listStartup->InsertColumn(0, "Name", listWidth - 21);
    FillStartupList();
    m_listRun->InsertColumn(0, "Name", listWidth - 21);
    FillRunList();
    m_listRunServices->InsertColumn(0, "Name", listWidth - 21);
    FillRunServicesList();
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
