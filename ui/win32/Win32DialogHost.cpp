#include "ui/win32/Win32DialogHost.h"

#include <commctrl.h>

#include <cstdlib>

#include "ui/ListKeys.h"
#include "ui/win32/DialogTemplateBuilder.h"
#include "ui/win32/Menus.h"
#include "ui/win32/Resources.h"
#include "ui/win32/Win32Canvas.h"
#include "ui/win32/Win32Controls.h"

namespace {
// A kind's tag: the address of its own variable.
template <class Control>
char kKindOf = 0;
}  // namespace

namespace {
// A key of the dialog's, told to it once the control has had it.
constexpr UINT WmKeyDownSeen = WM_APP + 1;
// Windows 8.1 on: the window went to a monitor of another scale.
constexpr UINT WmDpiChanged = 0x02E0;
}  // namespace

Win32DialogHost::Win32DialogHost(CDialog& dialog, HWND owner) : m_dialog(dialog), m_owner(owner) {}

Win32DialogHost::~Win32DialogHost() = default;

int Win32DialogHost::Run() {
    const std::vector<WORD> words = ui32::BuildDialogTemplate(m_dialog.Template());
    // Modal as DialogBox makes it: the owner takes no input until the end.
    const bool ownerWasEnabled = m_owner && !EnableWindow(m_owner, FALSE);
    HWND hwnd = CreateDialogIndirectParamA(ui32::ProgramInstance(), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                           m_owner, &Win32DialogHost::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd) {
        if (!m_ended && !IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    // The owner is enabled again before the dialog goes, so that it is the
    // window that becomes active.
    if (ownerWasEnabled) EnableWindow(m_owner, TRUE);
    // Hiding the window cost the end 2 s under Wine without a window
    // manager, where the hide waits for one.
    if (hwnd && !m_leftToExit) DestroyWindow(hwnd);
    if (hwnd && m_leftToExit) {
        LetGoOfWindow();
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);  // no handler of this host runs again
    }
    m_dialog.Attach(nullptr);
    return hwnd ? m_result : -1;
}

// DialogBox's own loop looks at the queue twice and yields whenever it runs
// empty, and shows the dialog again at its first idle moment: under Wine a
// 1 ms timer cost 40% more in it than in a bare window's GetMessage loop.
void Win32DialogHost::RunModalLoop() {
    MSG message;
    while (!m_ended) {
        // As the system's dialog loop does: an owner hears when its child
        // waits for the user (it paints its lists then).
        if (m_owner && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            SendMessageA(m_owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hwnd));
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop beneath
            return;
        }
        if (got < 0) return;
        // The dialog hears of each key of its own before IsDialogMessage can
        // turn it into a command (Enter, Escape, Tab), just after the control
        // has had it, and through the queue, so that its handler may open
        // boxes. Nothing is swallowed.
        if (message.message == WM_KEYDOWN && m_dialog.ListensToKeys() &&
            (message.hwnd == m_hwnd || IsChild(m_hwnd, message.hwnd)))
            PostMessageA(m_hwnd, WmKeyDownSeen, message.wParam, 0);
        // The dialog's own timer goes straight to its handler: neither the
        // dialog manager nor the dispatcher has anything to do with it, and
        // a runner ticks a hundred times a second.
        if (message.message == WM_TIMER && message.hwnd == m_hwnd && message.lParam == 0) {
            Handle(WM_TIMER, message.wParam, 0);
            continue;
        }
        // Some keys on a list are the dialog's before the list or the dialog
        // manager sees them: Enter would press the default button.
        if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && ListKey(message)) continue;
        if (!IsDialogMessageA(m_hwnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

bool Win32DialogHost::ListKey(const MSG& message) {
    if (GetParent(message.hwnd) != m_hwnd) return false;
    char className[32] = "";
    GetClassNameA(message.hwnd, className, sizeof className);
    if (lstrcmpiA(className, WC_LISTVIEWA) != 0) return false;
    const int id = GetDlgCtrlID(message.hwnd);
    const int key = static_cast<int>(message.wParam);
    bool taken = false;
    HoldingListPaint([&] {
        if (message.message == WM_SYSKEYDOWN) {
            // Alt with an arrow: the dialog's, as the arrow buttons are.
            taken = key == VK_UP || key == VK_DOWN;
            if (taken) m_dialog.Dispatch(UiEvent{Notify::KeyDown, id, key, true});
            return;
        }
        taken = TakeListKey(ListView(id), key);
        // Space turns over the boxes of every selected row, not only the
        // focused one the list would: the dialog's.
        if (!taken && key == VK_SPACE && GetKeyState(VK_CONTROL) >= 0 &&
            (SendMessageA(message.hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES)) {
            m_dialog.Dispatch(UiEvent{Notify::KeyDown, id, VK_SPACE});
            taken = true;
        }
        // Enter on a list with a selected row is the list's, as in the shell.
        if (!taken && key == VK_RETURN) {
            m_dialog.Dispatch(UiEvent{Notify::KeyDown, id, VK_RETURN});
            taken = true;
        }
    });
    return taken;
}

INT_PTR CALLBACK Win32DialogHost::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Win32DialogHost*>(lParam)->m_hwnd = hwnd;
    }
    auto* host = reinterpret_cast<Win32DialogHost*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    return host ? host->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR Win32DialogHost::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return InitDialog();
    case WM_COMMAND:
        HoldingListPaint([&] { OnCommand(wParam, lParam); });
        return TRUE;
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, 0);
        return TRUE;
    case WM_TIMER:
        HoldingListPaint([&] { m_dialog.OnTimer(static_cast<unsigned>(wParam)); });
        return TRUE;
    case WM_ENTERIDLE:
        // A box or a child dialog waits for the user: the lists behind it
        // must show where things stand now.
        PaintLists();
        return FALSE;
    case WM_ACTIVATE:
        m_active = LOWORD(wParam) != WA_INACTIVE;
        return FALSE;
    case WM_CLOSE:
        m_dialog.OnClose();
        return TRUE;
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
        return TRUE;
    case WmKeyDownSeen:
        HoldingListPaint([&] { m_dialog.PreTranslateKeyDown(static_cast<int>(wParam)); });
        return TRUE;
    case WM_PAINT:
        return PaintMinimized();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(Icon(m_dialog.MinimizedIcon()));
    case WM_DRAWITEM:
        return DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WmDpiChanged:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        LetGoOfWindow();
        if (m_menuBar) {
            SetMenu(m_hwnd, nullptr);
            DestroyMenu(m_menuBar);
            m_menuBar = nullptr;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void Win32DialogHost::LetGoOfWindow() {
    if (m_windowListener) m_windowListener(nullptr);
}

BOOL Win32DialogHost::InitDialog() {
    m_firstDpi = m_dpi = ui32::DpiOf(m_hwnd);
    const DialogTemplate& layout = m_dialog.Template();
    for (const ControlTemplate& control : layout.controls) {
        if (!control.Is(ui::ListViewClass)) continue;
        SendDlgItemMessageA(m_hwnd, control.id, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        m_listViewIds.push_back(control.id);
    }
    if (layout.menuBar) {
        // The template's size is the client area: the bar is added above it.
        RECT client{};
        GetClientRect(m_hwnd, &client);
        m_menuBar = ui32::CreateMenuBar(*layout.menuBar);
        SetMenu(m_hwnd, m_menuBar);
        AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE)), TRUE,
                           static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_EXSTYLE)));
        SetWindowPos(m_hwnd, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (m_windowListener) m_windowListener(m_hwnd);
    m_dialog.Attach(this);
    return m_dialog.OnInitDialog() ? TRUE : FALSE;
}

// A list view repaints after every row inserted or deleted: a command that
// moves 200 rows took 4.9 s, 0.75 s with the lists painted once at its end.
template <class Work>
void Win32DialogHost::HoldingListPaint(Work&& work) {
    const bool outermost = !m_listPaintHeld;
    if (outermost) {
        m_listPaintHeld = true;
        for (int id : m_listViewIds) ListView(id).HoldRedraw();
    }
    work();
    if (outermost) PaintLists();
}

void Win32DialogHost::PaintLists() {
    if (!m_listPaintHeld) return;
    m_listPaintHeld = false;
    for (int id : m_listViewIds) ListView(id).ReleaseRedraw();
}

void Win32DialogHost::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0 || code == BN_CLICKED) {  // a menu, an accelerator, a button, Enter or Escape
        m_dialog.Dispatch(UiEvent{Notify::Command, id, 0});
        return;
    }
    const ControlTemplate* control = m_dialog.Template().Find(id);
    if (!control) return;
    // The second of two quick clicks on an owner-drawn button (or a radio
    // button) comes as a double-click instead of a click: each click counts.
    if (control->Is(ui::ButtonClass) && code == BN_DOUBLECLICKED) {
        m_dialog.Dispatch(UiEvent{Notify::Command, id, 0});
        return;
    }
    if (control->Is(ui::EditClass) && code == EN_CHANGE) {
        m_dialog.Dispatch(UiEvent{Notify::EditChange, id, 0});
        return;
    }
    if (!control->Is(ui::ListBoxClass)) return;
    if (code == LBN_SELCHANGE) m_dialog.Dispatch(UiEvent{Notify::SelChange, id, 0});
    if (code == LBN_DBLCLK) m_dialog.Dispatch(UiEvent{Notify::DblClk, id, 0});
}

void Win32DialogHost::OnNotify(const NMHDR& header) {
    const int id = static_cast<int>(header.idFrom);
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        // Only changes of the selected state and of the check box, as the
        // headless face raises them.
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const UINT changed = (change.uChanged & LVIF_STATE) ? change.uNewState ^ change.uOldState : 0;
        if (changed & LVIS_SELECTED) m_dialog.Dispatch(UiEvent{Notify::ItemChanged, id, 0});
        if ((changed & LVIS_STATEIMAGEMASK) && change.iItem >= 0)
            m_dialog.Dispatch(UiEvent{Notify::Checked, id, 0, false, change.iItem});
        break;
    }
    case LVN_KEYDOWN:
        // Not around every notification: the lists' own custom-draw ones
        // come while they paint.
        HoldingListPaint(
            [&] { m_dialog.Dispatch(UiEvent{Notify::KeyDown, id, reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey}); });
        break;
    case NM_DBLCLK:
        m_dialog.Dispatch(UiEvent{Notify::DblClk, id, 0});
        break;
    default:
        break;
    }
}

void Win32DialogHost::OnContextMenu(HWND clicked, LPARAM point) {
    int x = static_cast<short>(LOWORD(point));
    int y = static_cast<short>(HIWORD(point));
    const bool fromKeyboard = x == -1 && y == -1;  // Shift+F10 or the menu key: no point
    HWND control = clicked != m_hwnd && IsChild(m_hwnd, clicked) ? clicked : nullptr;
    if (!control && !fromKeyboard) {
        POINT at{x, y};
        ScreenToClient(m_hwnd, &at);
        HWND found = ChildWindowFromPointEx(m_hwnd, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (found && found != m_hwnd) control = found;
    }
    if (fromKeyboard && control) {
        // The menu opens below the selected row, where the eye is; with no
        // row selected, at the list's top-left corner.
        POINT at{0, 0};
        const int row = static_cast<int>(SendMessageA(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        RECT item{};
        item.left = LVIR_LABEL;
        if (row >= 0 && SendMessageA(control, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item))) at = {item.left, item.bottom};
        ClientToScreen(control, &at);
        x = at.x;
        y = at.y;
    }
    m_dialog.OnContextMenu(control ? GetDlgCtrlID(control) : 0, x, y);
}

bool Win32DialogHost::PaintMinimized() {
    HICON icon = IsIconic(m_hwnd) ? Icon(m_dialog.MinimizedIcon()) : nullptr;
    if (!icon) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hwnd, &paint);
    SendMessageA(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(m_hwnd, &paint);
    return true;
}

bool Win32DialogHost::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_STATIC) {
        ui32::Win32Canvas canvas(item.hDC, item.hwndItem, item.rcItem);
        m_dialog.OnDraw(static_cast<int>(item.CtlID), canvas);
        return true;
    }
    if (item.CtlType != ODT_BUTTON) return false;
    const KnownControl* known = Known(static_cast<int>(item.CtlID));
    return known && known->kind == &kKindOf<ui32::Win32Button> &&
           static_cast<const ui32::Win32Button&>(*known->control).Draw(item);
}

// The system scales a dialog's controls and font itself; what was sized in
// pixels here follows: the window, the pictures and the lists' columns.
void Win32DialogHost::OnDpiChanged(int dpi, const RECT& suggested) {
    for (int id : m_listViewIds) {
        HWND list = GetDlgItem(m_hwnd, id);
        const int columns = static_cast<int>(
            SendMessageA(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
        for (int column = 0; column < columns; ++column)
            SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                         MAKELPARAM(MulDiv(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)), dpi, m_dpi), 0));
    }
    m_dpi = dpi;
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& known : m_controls) {
        if (known.kind == &kKindOf<ui32::Win32Button>) static_cast<ui32::Win32Button&>(*known.control).FollowDpi();
        if (known.kind == &kKindOf<ui32::Win32Static>) static_cast<ui32::Win32Static&>(*known.control).FollowDpi();
    }
}

const Win32DialogHost::KnownControl* Win32DialogHost::Known(int id) const {
    for (const auto& known : m_controls)
        if (known.id == id) return &known;
    return nullptr;
}

HICON Win32DialogHost::Icon(int iconId) {
    if (iconId == 0) return nullptr;
    for (const auto& known : m_icons)
        if (known.first == iconId) return known.second;
    HICON icon = ui32::LoadIconResource(iconId);
    m_icons.emplace_back(iconId, icon);
    return icon;
}

template <class Control>
Control& Win32DialogHost::Find(int id) {
    const KnownControl* known = Known(id);
    if (known == nullptr) {
        m_controls.push_back({id, &kKindOf<Control>, std::make_unique<Control>(GetDlgItem(m_hwnd, id))});
        known = &m_controls.back();
    }
    if (known->kind != &kKindOf<Control>) abort();  // one id asked for as two kinds: a fault in the dialog
    return static_cast<Control&>(*known->control);
}

IButton& Win32DialogHost::Button(int id) {
    return Find<ui32::Win32Button>(id);
}

IStaticControl& Win32DialogHost::Static(int id) {
    return Find<ui32::Win32Static>(id);
}

IEdit& Win32DialogHost::Edit(int id) {
    return Find<ui32::Win32Edit>(id);
}

IListBox& Win32DialogHost::ListBox(int id) {
    return Find<ui32::Win32ListBox>(id);
}

IListView& Win32DialogHost::ListView(int id) {
    return Find<ui32::Win32ListView>(id);
}

void Win32DialogHost::EndDialog(int result) {
    m_ended = true;
    m_result = result;
    // Wakes the loop when the end comes from inside another loop (a message box's).
    PostMessageA(m_hwnd, WM_NULL, 0, 0);
}

void Win32DialogHost::SetIcon(int iconId) {
    HICON icon = Icon(iconId);
    SendMessageA(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

Rect Win32DialogHost::WindowRect() const {
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32DialogHost::MoveTo(int x, int y, int width, int height) {
    SetWindowPos(m_hwnd, HWND_TOP, x, y, MulDiv(width, m_dpi, m_firstDpi), MulDiv(height, m_dpi, m_firstDpi), SWP_SHOWWINDOW);
}

void Win32DialogHost::BringToForeground() {
    // Asked for several times a second by a runner: a window already in front
    // is left alone, known from its activation without asking the system.
    if (!m_active) SetForegroundWindow(m_hwnd);
}

void Win32DialogHost::RemoveSystemMenuEntry(int position) {
    RemoveMenu(GetSystemMenu(m_hwnd, FALSE), static_cast<UINT>(position), MF_BYPOSITION);
}

unsigned Win32DialogHost::SetTimer(unsigned id, unsigned milliseconds) {
    return static_cast<unsigned>(::SetTimer(m_hwnd, id, milliseconds, nullptr));
}

bool Win32DialogHost::TrackPopupMenu(const MenuTemplate& menu, const std::vector<MenuState>& states, int x, int y) {
    HMENU popup = ui32::CreatePopup(menu);
    if (!popup) return false;
    for (const MenuState& state : states)
        EnableMenuItem(popup, static_cast<UINT>(state.commandId),
                       MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, m_hwnd, nullptr);
    DestroyMenu(popup);
    return true;
}

int Win32DialogHost::RunChild(CDialog& child) {
    Win32DialogHost host(child, m_hwnd);
    return host.Run();
}

int RunMainDialog(CDialog& dialog, const std::function<void(HWND)>& onWindow, bool programEnds) {
    Win32DialogHost host(dialog);
    host.OnWindow(onWindow);
    if (programEnds) host.LeaveWindowToExit();
    return host.Run();
}
