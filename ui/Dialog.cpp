#include "ui/Dialog.h"

#include "platform/WinValues.h"

void CDialog::On(Notify code, int id, std::function<void()> handler) {
    m_handlers.push_back({code, id, [handler](const UiEvent&) { handler(); }});
}

void CDialog::OnKey(int id, std::function<void(int)> handler) {
    m_handlers.push_back({Notify::KeyDown, id, [handler](const UiEvent& e) { handler(e.key); }});
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
