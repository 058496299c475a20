// The Delete key and the context menu's Delete: files of the two folder
// lists, values of the two registry lists.
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/transfer/Confirmations.h"
#include "config/transfer/FileTransfer.h"
#include "config/transfer/RegistryTransfer.h"
#include "config/transfer/SelectedRows.h"

namespace {

std::string DeleteQuestion(int selected, const char* one, const char* many) {
    const std::string what = selected == 1 ? std::string(one) : "these " + IntToString(selected) + " " + many;
    return "Are you sure you want to delete " + what;
}

}  // namespace

void CConfigDlg::OnListKeyDown(const UiEvent& event) {
    if (event.key == win::VkDelete) DeleteSelectedItems(*ListOf(event.id));
    // Enter on a row opens its properties, as a double-click does.
    if (event.key == win::VkReturn) ShowPropertiesOfOne(*ListOf(event.id));
}

void CConfigDlg::OnPopupDelete() {
    if (m_pContextList != nullptr) DeleteSelectedItems(*m_pContextList);
}

void CConfigDlg::DeleteSelectedItems(ItemList& list) {
    if (list.IsRegistry()) return DeleteRegistryLinks(list);
    const int selected = list.view->SelectedCount();
    if (selected == 0) return;
    if (m_platform.messages.Show(DeleteQuestion(selected, "this file?", "files?"),
                                 win::MbYesNoCancel | win::MbIconQuestion) != win::IdYes)
        return;
    m_bModified = true;
    ForEachSelectedRow(*list.view, [&](int row) {
        if (list.CarriesSource() && HasRegistrySource(list.view->ItemText(row, 1)) &&
            !ConfirmSourceLoss(m_platform.messages))
            return false;
        if (!DeleteItemFile(m_platform.files, m_platform.messages, GetItemPath(list.id, row))) return false;
        DeleteRow(list, row);
        return true;
    });
}

void CConfigDlg::DeleteRegistryLinks(ItemList& list) {
    const int selected = list.view->SelectedCount();
    if (selected == 0) return;
    IMessageBoxes& messages = m_platform.messages;
    if (messages.Show(DeleteQuestion(selected, "this registry link?", "registry links?"),
                      win::MbYesNoCancel | win::MbIconExclamation) != win::IdYes)
        return;
    if (messages.Show("Are you sure you know what you are doing?", win::MbYesNoCancel | win::MbIconQuestion) != win::IdYes)
        return;
    m_bModified = true;
    ForEachSelectedRow(*list.view, [&](int row) {
        if (NamesSystray(list.rows[row].path) && !ConfirmSystrayMove(messages)) return false;
        if (!DeleteRegistryItem(m_platform, list.PlaceOf(row), list.view->ItemText(row, 0))) return false;
        DeleteRow(list, row);
        return true;
    });
}
