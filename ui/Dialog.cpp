#include "ui/Dialog.h"

#include "platform/WinValues.h"

void CDialog::AddEntry(Notify code, int id, std::function<void(const UiEvent&)> handler) {
    m_handlers.push_back({code, id, std::move(handler)});
}

bool CDialog::Dispatch(const UiEvent& event) {
    for (const Entry& entry : m_handlers) {
        if (entry.code == event.code && entry.id == event.id) {
            entry.handler(event);
            return true;
        }
    }
    if (event.code == Notify::Command && event.id == win::IdOk) {
        OnOK();
        return true;
    }
    if (event.code == Notify::Command && event.id == win::IdCancel) {
        OnCancel();
        return true;
    }
    return false;
}
