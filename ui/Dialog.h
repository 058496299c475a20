#pragma once
// The behaviour of one dialog, written once and run unchanged by both faces.
// A derived dialog states its template and fills its handler table; a host
// (ui/win32 or ui/headless) creates the window and routes events here.
#include <functional>
#include <vector>

#include "platform/WinValues.h"
#include "ui/Canvas.h"
#include "ui/DialogTemplate.h"
#include "ui/DialogWindow.h"

enum class Notify {
    Command,      // BN_CLICKED of a button, or a menu or accelerator command
    SelChange,    // LBN_SELCHANGE of a list box
    DblClk,       // LBN_DBLCLK of a list box, NM_DBLCLK of a list view
    ItemChanged,  // LVN_ITEMCHANGED of a list view
    KeyDown,      // LVN_KEYDOWN of a list view
    EditChange,   // EN_CHANGE of an edit
    Checked,      // LVN_ITEMCHANGED of a list view row's check box
};

struct UiEvent {
    Notify code = Notify::Command;
    int id = 0;
    int key = 0;  // virtual key of a KeyDown
    bool alt = false;  // held with the key
    int row = -1;  // the row of a Checked
};

class CDialog {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    const DialogTemplate& Template() const { return m_template; }
    // The host binds its window before WM_INITDIALOG and unbinds it after the end.
    void Attach(IDialogWindow* window) { m_window = window; }

    virtual bool OnInitDialog() { return true; }
    // IDOK: control 1 and Enter.
    virtual void OnOK() { EndDialog(win::IdOk); }
    // IDCANCEL: Escape.
    virtual void OnCancel() { EndDialog(win::IdCancel); }
    // WM_CLOSE: by default the dialog cancels.
    virtual void OnClose() { OnCancel(); }
    virtual void OnTimer(unsigned /*timerId*/) {}
    // WM_CONTEXTMENU over a control (its id) at a screen point.
    virtual void OnContextMenu(int /*controlId*/, int /*x*/, int /*y*/) {}
    // WM_KEYDOWN on its way to the dialog, whichever control has the focus;
    // only for a dialog that listens to keys. Watching every message costs a
    // dialog on a fast timer, so the others do without it.
    virtual bool ListensToKeys() const { return false; }
    virtual void PreTranslateKeyDown(int /*virtualKey*/) {}
    // An owner-drawn static (SS_OWNERDRAW) is to be painted.
    virtual void OnDraw(int /*controlId*/, ICanvas& /*canvas*/) {}
    // While minimised: the icon to draw centred in the client area (0: none).
    virtual int MinimizedIcon() const { return 0; }

    // Routes an event through the handler table; IDOK and IDCANCEL commands
    // without a handler go to OnOK and OnCancel. True when something handled it.
    bool Dispatch(const UiEvent& event);

protected:
    IDialogWindow& Window() { return *m_window; }
    const IDialogWindow& Window() const { return *m_window; }
    void EndDialog(int result) { m_window->EndDialog(result); }
    // Handler table entries: each names a member function of the dialog,
    // which takes nothing or the event (its control id, its key).
    template <class D>
    void On(Notify code, int id, void (D::*handler)()) {
        D* self = static_cast<D*>(this);
        AddEntry(code, id, [self, handler](const UiEvent&) { (self->*handler)(); });
    }
    template <class D>
    void On(Notify code, int id, void (D::*handler)(const UiEvent&)) {
        D* self = static_cast<D*>(this);
        AddEntry(code, id, [self, handler](const UiEvent& event) { (self->*handler)(event); });
    }

public:
    struct Entry {
        Notify code;
        int id;
        std::function<void(const UiEvent&)> handler;
    };
    // What the table answers to, so that a host can refuse entries that can
    // never be reached or that shadow one another.
    const std::vector<Entry>& Handlers() const { return m_handlers; }

private:
    void AddEntry(Notify code, int id, std::function<void(const UiEvent&)> handler);

    const DialogTemplate& m_template;
    IDialogWindow* m_window = nullptr;
    std::vector<Entry> m_handlers;
};
