#pragma once
// What a dialog's behaviour sees of its own window.
#include <string>
#include <vector>

#include "geometry/Rect.h"
#include "ui/Controls.h"
#include "ui/DialogTemplate.h"

struct MenuState {
    int commandId;
    bool enabled;
};

class IDialogWindow {
public:
    virtual ~IDialogWindow() = default;
    virtual IButton& Button(int id) = 0;
    virtual IStaticControl& Static(int id) = 0;
    virtual IEdit& Edit(int id) = 0;
    virtual IListBox& ListBox(int id) = 0;
    virtual IListView& ListView(int id) = 0;

    // EndDialog: the modal loop returns this result.
    virtual void EndDialog(int result) = 0;

    // WM_SETICON, big then small.
    virtual void SetIcon(int iconId) = 0;
    // The dialog's window rectangle in screen pixels.
    virtual Rect WindowRect() const = 0;
    // A length in pixels at 96 dots an inch, at the scale the window is
    // drawn at.
    virtual int Scaled(int pixels) const = 0;
    // SetWindowPos at the top of the Z order with SWP_SHOWWINDOW; a size
    // measured before the window moved to a monitor of another scale is
    // taken at the new one.
    virtual void MoveTo(int x, int y, int width, int height) = 0;
    // SetWindowPos with HWND_TOPMOST, keeping position and size.
    virtual void MakeTopmost() = 0;
    virtual void Minimize() = 0;
    // ShowWindow with SW_RESTORE.
    virtual void Restore() = 0;
    // The title bar's text, in place of the template's caption.
    virtual void SetCaption(const std::string& caption) = 0;
    // SetForegroundWindow.
    virtual void BringToForeground() = 0;
    // RemoveMenu(MF_BYPOSITION) on the window's system menu.
    virtual void RemoveSystemMenuEntry(int position) = 0;

    // SetTimer on the dialog window: the id the platform returns (0: failed).
    virtual unsigned SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void KillTimer(unsigned id) = 0;

    // Shows the first popup of a menu at a screen point (TPM_RIGHTBUTTON);
    // the command chosen reaches the dialog as a command. False when the menu
    // could not be loaded.
    virtual bool TrackPopupMenu(const MenuTemplate& menu, const std::vector<MenuState>& states, int x, int y) = 0;

    // Runs another dialog modally, owned by this one; its result.
    virtual int RunChild(class CDialog& child) = 0;
};
