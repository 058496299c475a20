// The ways out of the dialog: the save sequence, the save prompt, Escape,
// and the runner's start-up entry that each of them brings in line.
#include "common/RegistryValues.h"
#include "common/RunnerSettings.h"
#include "config/ConfigDlg.h"

namespace {
constexpr char SaveQuestion[] = "Do you want to save changes before exiting?";
}  // namespace

void CConfigDlg::OnOK() {
    RegisterRunner();
    WriteManagerInfo();
    ReorderFiles();
    NoteSeenPlaces();
    EndDialog(win::IdOk);
}

// Moves made in the dialog have already happened, so even Escape brings the
// Run value in line: items taken out of the Windows Startup folder would
// otherwise never start again. Escape is easily pressed by mistake: with
// changes not saved yet it asks, and Cancel stays in the dialog.
void CConfigDlg::OnCancel() {
    if (m_bModified) {
        const int answer = m_platform.messages.Show(SaveQuestion, win::MbYesNoCancel | win::MbIconStop);
        if (answer == win::IdCancel) return;
        if (answer == win::IdYes) return OnOK();
    }
    RegisterRunner();
    EndDialog(win::IdCancel);
}

void CConfigDlg::OnClose() {
    if (m_bModified && m_platform.messages.Show(SaveQuestion, win::MbYesNo | win::MbIconStop) == win::IdYes) {
        OnOK();
        return;
    }
    RegisterRunner();
    // The default WM_CLOSE ends the dialog as IDCANCEL, without going through
    // OnCancel a second time.
    EndDialog(win::IdCancel);
}

void CConfigDlg::RegisterRunner() {
    IRegistry& registry = m_platform.registry;
    if (m_listManager.view->Count() == 0) {
        // An empty list that only failed to read the directory says nothing
        // of what the manager holds.
        if (m_bManagerUnread) return;
        // A value or key that is not there is no error.
        DeleteRegistryValue(registry, RegistryRoot::LocalMachine, settings::kRunKey, settings::kRunValue);
        return;
    }
    std::string runner = m_strConfigDir + settings::kRunnerFile;
    // Unquoted, a path with blanks lets Windows start another program first
    // (C:\Program.exe for C:\Program Files\...).
    if (runner.find(' ') != std::string::npos) runner = "\"" + runner + "\"";
    if (!SetRegistryString(registry, RegistryRoot::LocalMachine, settings::kRunKey, settings::kRunValue, runner)) {
        m_platform.messages.Show(std::string("Could not enable Orvane program.\nError accessing HKEY_LOCAL_MACHINE\\") + settings::kRunKey,
                                 win::MbIconExclamation);
    }
}
