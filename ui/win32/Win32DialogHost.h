#pragma once
// Runs a CDialog modally on real controls: an in-memory template given to
// CreateDialogIndirectParamA, a modal loop of our own, and a dialog procedure
// that routes the window's messages to the dialog's handlers.
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>
#include <memory>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogWindow.h"
#include "ui/win32/Resources.h"

namespace ui32 {
class Win32Button;
}

class Win32DialogHost : public IDialogWindow {
public:
    // owner: the window that owns the dialog (null for a program's main dialog).
    explicit Win32DialogHost(CDialog& dialog, HWND owner = nullptr);
    ~Win32DialogHost() override;
    Win32DialogHost(const Win32DialogHost&) = delete;
    Win32DialogHost& operator=(const Win32DialogHost&) = delete;

    // The dialog's result; -1 when the window could not be created.
    int Run();
    // Told the dialog's window before its WM_INITDIALOG handler runs, and null
    // when the window is destroyed.
    void OnWindow(std::function<void(HWND)> listener) { m_windowListener = std::move(listener); }
    HWND Handle() const { return m_hwnd; }
    // The program ends with the dialog: its window is left for the system
    // to take then, not hidden and destroyed first.
    void LeaveWindowToExit() { m_leftToExit = true; }

    // IDialogWindow
    IButton& Button(int id) override;
    IStaticControl& Static(int id) override;
    IEdit& Edit(int id) override;
    IListBox& ListBox(int id) override;
    IListView& ListView(int id) override;
    void EndDialog(int result) override;
    void SetIcon(int iconId) override;
    Rect WindowRect() const override;
    int Scaled(int pixels) const override { return MulDiv(pixels, m_dpi, ui32::BaseDpi); }
    void MoveTo(int x, int y, int width, int height) override;
    void MakeTopmost() override { SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
    void Minimize() override { ShowWindow(m_hwnd, SW_MINIMIZE); }
    void Restore() override { ShowWindow(m_hwnd, SW_RESTORE); }
    void SetCaption(const std::string& caption) override { SetWindowTextA(m_hwnd, caption.c_str()); }
    void BringToForeground() override;
    void RemoveSystemMenuEntry(int position) override;
    unsigned SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override { ::KillTimer(m_hwnd, id); }
    bool TrackPopupMenu(const MenuTemplate& menu, const std::vector<MenuState>& states, int x, int y) override;
    int RunChild(CDialog& child) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();
    // A list view of this dialog with a selected row: Enter goes to it as its
    // key. False for anything else.
    // A key on one of the dialog's lists that the dialog takes first.
    bool ListKey(const MSG& message);
    BOOL InitDialog();
    // The window goes, or is left to the program's end: the listener lets go
    // of it.
    void LetGoOfWindow();
    // Runs a handler with the list views' painting held, then paints them
    // once; a box or child dialog opened meanwhile paints them at once.
    template <class Work>
    void HoldingListPaint(Work&& work);
    void PaintLists();
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnNotify(const NMHDR& header);
    void OnContextMenu(HWND clicked, LPARAM point);
    bool PaintMinimized();
    bool DrawItem(const DRAWITEMSTRUCT& item);
    void OnDpiChanged(int dpi, const RECT& suggested);
    HICON Icon(int iconId);
    template <class Control>
    Control& Find(int id);

    CDialog& m_dialog;
    HWND m_owner;
    HWND m_hwnd = nullptr;
    HMENU m_menuBar = nullptr;
    bool m_ended = false;
    bool m_leftToExit = false;
    bool m_listPaintHeld = false;
    std::vector<int> m_listViewIds;
    // The scale the window was made at, and the one it is drawn at now.
    int m_firstDpi = ui32::BaseDpi, m_dpi = ui32::BaseDpi;
    int m_result = 0;
    bool m_active = false;  // the active window, in front of the others
    // A dialog has a few dozen controls and icons: a list looked through
    // costs the program far less than a tree, and no more time.
    // Each control is kept with its kind, so that one id asked for as
    // another kind is caught without the type information the programs
    // are built without.
    struct KnownControl {
        int id;
        const void* kind;
        std::unique_ptr<IControl> control;
    };
    std::vector<KnownControl> m_controls;
    std::vector<std::pair<int, HICON>> m_icons;
    const KnownControl* Known(int id) const;
    std::function<void(HWND)> m_windowListener;
};

// Runs a program's main dialog; onWindow is told its window as soon as it
// exists, so that the program's message boxes are owned by it, also while
// another program is in front. programEnds: nothing follows the dialog but
// the program's end (see LeaveWindowToExit).
int RunMainDialog(CDialog& dialog, const std::function<void(HWND)>& onWindow, bool programEnds = false);
