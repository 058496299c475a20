// The main dialog's child dialogs and boxes: item properties, Options, Last
// Start-up, Explore, New Shortcut, Help and About, and the answers to the
// model's questions.
#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "common/PlaceEntries.h"
#include "common/Shortcuts.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/ConfigResources.h"
#include "config/dialogs/AboutDlg.h"
#include "config/dialogs/HelpChoiceDlg.h"
#include "config/dialogs/LastStartupDlg.h"
#include "config/dialogs/MgrPropDlg.h"
#include "config/dialogs/OptionsDlg.h"
#include "config/dialogs/RegLocationDlg.h"
#include "config/dialogs/RegPropDlg.h"
#include "config/dialogs/RegeditInfoDlg.h"
#include "config/dialogs/StartupPropDlg.h"

namespace {

std::string ShellError(intptr_t result) {
    return "Error " + IntToString(static_cast<int>(result)) + "\n\n";
}

std::string DeleteQuestion(int selected, const char* one, const char* many) {
    const std::string what = selected == 1 ? std::string(one) : "these " + IntToString(selected) + " " + many;
    return "Are you sure you want to delete " + what;
}

}  // namespace

int CConfigDlg::RunChild(CDialog& child) {
    const BoxOpen open(m_nModalOpen);
    return Window().RunChild(child);
}

void CConfigDlg::ShowPropertiesOfOne(ItemList& list) {
    if (list.view->SelectedCount() == 1) ShowProperties(list);
}

void CConfigDlg::ShowProperties(ItemList& list) {
    if (list.view->NextSelected(-1) < 0) return;
    switch (list.kind) {
    case ListKind::Manager: return ShowManagerProperties();
    case ListKind::RegistryKey: return ShowRegistryProperties(list);
    case ListKind::Folder: return ShowStartupProperties(list);
    }
}

void CConfigDlg::ShowManagerProperties() {
    const int row = m_lists.manager.view->NextSelected(-1);
    const ItemRow& item = m_lists.manager.rows[row];
    CMgrPropDlg dialog(m_platform.messages);
    dialog.m_strName = item.name;
    dialog.m_strPath = item.path;
    dialog.m_strSource = item.source;
    dialog.m_bIdle = item.Idle();
    dialog.m_launch = LaunchOptionsOf(item.extras);
    dialog.m_bLow = HasExtraField(item.extras, LowField);
    dialog.m_strWait = item.wait;
    // A shortcut starts its target; any other file is itself what starts.
    std::string workingDirectory, description;
    if (UpperCopy(ExtensionOf(dialog.m_strPath)) != "LNK")
        dialog.m_strProgram = "This item itself";
    else if (!ReadShortcut(m_platform.links, m_platform.messages, dialog.m_strPath, dialog.m_strProgram,
                           dialog.m_strArguments, workingDirectory, description))
        dialog.m_strProgram = "(The shortcut could not be read.)";
    if (RunChild(dialog) != win::IdOk) return;
    m_lists.SetWait(row, dialog.m_nWait, dialog.m_bIdle, dialog.m_bLow);
    m_lists.SetOptions(row, dialog.m_launch);
}

void CConfigDlg::ShowStartupProperties(ItemList& list) {
    const ItemRow& item = list.rows[list.view->NextSelected(-1)];
    CStartupPropDlg dialog;
    dialog.m_strName = item.name;
    dialog.m_strPath = item.path;
    RunChild(dialog);
}

void CConfigDlg::ShowRegistryProperties(ItemList& list) {
    const int row = list.view->NextSelected(-1);
    const ItemRow& item = list.rows[row];
    CRegPropDlg dialog;
    dialog.m_strName = item.name;
    dialog.m_strLocation = RegistryItemsText(list.PlaceOf(row));
    dialog.m_strCommandLine = item.command;
    RunChild(dialog);
}

// View > Options...: the runner's options, stored for its next start.
void CConfigDlg::OnOptions() {
    COptionsDlg dialog(m_profile, m_platform.messages);
    RunChild(dialog);
}

// View > Last Start-up...: what the runner did at its last start.
void CConfigDlg::OnLastStartup() {
    CLastStartupDlg dialog(m_platform.files, m_strIniPath);
    RunChild(dialog);
}

// Explore: a folder list's place in the file explorer; for a registry list,
// the registry editor and a note of the key to open in it.
void CConfigDlg::OnExplore() {
    if (!m_pContextList) return;
    const ItemPlace& place = m_pContextList->Home();
    if (!place.IsRegistry()) {
        // The folder ends in a backslash, just before the closing quote.
        const intptr_t result = m_platform.shell.Execute("", "explorer", "/e,\"" + place.path + "\"", "", win::SwShowNormal);
        if (result <= win::ShellExecuteFailureLimit)
            m_platform.messages.Show(ShellError(result) + "There was an error exploring this folder:\n" + place.path,
                                     win::MbOk | win::MbIconExclamation);
        return;
    }
    const intptr_t result = m_platform.shell.Execute("", "regedit", "", "", win::SwShowNormal);
    if (result <= win::ShellExecuteFailureLimit)
        m_platform.messages.Show(ShellError(result) + "There was an error starting Regedit",
                                 win::MbOk | win::MbIconExclamation);
    CRegeditInfoDlg info;
    info.m_strKeyPath = ShownKeyPath(place);
    // The main window stays as it is: minimised, it would hide the note it
    // owns and could not be restored while the note is open.
    RunChild(info);
}

// New Shortcut: the system's wizard makes the shortcut in the manager
// directory, and the polling timer picks it up once it is there.
void CConfigDlg::OnNewShortcut() {
    if (!m_platform.shell.ExecuteEx("", "rundll32.exe", "AppWiz.Cpl,NewLinkHere " + m_strManagerDir, m_strManagerDir,
                                    win::SwShowNormal))
        m_platform.messages.Show("Could not start New Shortcut Wizard.", win::MbOk);
    m_nRefreshTimer = Window().SetTimer(config::RefreshTimerId, config::RefreshTimerPeriod);
}

void CConfigDlg::ShowHelp() {
    const std::string path = LocalHelpPath(m_platform.files);
    FileEntry entry;
    if (!m_platform.files.Lookup(path, entry)) {
        m_platform.messages.Show(path + "\n\nThe help file could not be found.", win::MbOk);
        return;
    }
    CHelpChoiceDlg dialog(m_platform);
    RunChild(dialog);
}

void CConfigDlg::OnAbout() {
    CAboutDlg dialog(m_platform);
    RunChild(dialog);
}

bool CConfigDlg::AskTakeInAgain(const std::string& title, const ItemPlace& place) {
    return m_platform.messages.Show(
               title + "\n\nOrvane starts this program already, and it has put itself back where Windows starts it too:\n" +
                   PlaceText(place) + "\n\nTake it in again?  Its entry there is then removed, and only Orvane starts it.",
               win::MbYesNo | win::MbIconQuestion) == win::IdYes;
}

bool CConfigDlg::ConfirmDeleteFiles(int count) {
    return m_platform.messages.Show(DeleteQuestion(count, "this file?", "files?"),
                                    win::MbYesNoCancel | win::MbIconQuestion) == win::IdYes;
}

bool CConfigDlg::ConfirmDeleteValues(int count) {
    IMessageBoxes& messages = m_platform.messages;
    return messages.Show(DeleteQuestion(count, "this registry link?", "registry links?"),
                         win::MbYesNoCancel | win::MbIconExclamation) == win::IdYes &&
           messages.Show("Are you sure you know what you are doing?", win::MbYesNoCancel | win::MbIconQuestion) ==
               win::IdYes;
}

bool CConfigDlg::ConfirmRestoreAll() {
    return m_platform.messages.Show("Are you sure you want to restore all items\nto their original locations?",
                                    win::MbYesNoCancel | win::MbIconQuestion) == win::IdYes;
}

// Said once: the user cannot change it, and the runner launches nothing twice.
void CConfigDlg::TellMachineEntryStays() {
    if (m_profile.GetProfileInt(settings::kSection, settings::kMachineEntryTold, 0) != 0) return;
    m_platform.messages.Show("Orvane's start-up entry is now in "
                             "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run.\n\nAn older one in "
                             "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run could not be removed: "
                             "only an administrator can.  Windows may start Orvane twice; it launches each item once.",
                             win::MbIconInformation);
    m_profile.WriteProfileInt(settings::kSection, settings::kMachineEntryTold, 1);
}

RegistryChoice CConfigDlg::AskRegistryList(const std::string& name) {
    CRegLocationDlg location;
    location.m_strItemName = name;
    if (RunChild(location) != win::IdOk) return RegistryChoice::Cancel;
    if (location.m_bUserRunChecked) return RegistryChoice::UserRun;
    return location.m_bRunServicesChecked ? RegistryChoice::RunServices : RegistryChoice::Run;
}
