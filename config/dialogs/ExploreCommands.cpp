// Explore: a folder list's place in the file explorer; for a registry list,
// the registry editor and a note of the key to open in it.
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/dialogs/RegeditInfoDlg.h"

namespace {

std::string ShellError(intptr_t result) {
    return "Error " + IntToString(static_cast<int>(result)) + "\n\n";
}

}  // namespace

void CConfigDlg::OnViewExplore() {
    m_pContextList = &m_listManager;
    OnExplore();
}

void CConfigDlg::OnExplore() {
    if (!m_pContextList) return;
    const ItemList& list = *m_pContextList;
    const ItemPlace& place = list.Home();
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
    info.m_strKeyPath = std::string(RootName(place.root)) + "\\" + place.path;
    // The main window stays as it is: minimised, it would hide the note it
    // owns and could not be restored while the note is open.
    RunChild(info);
}
