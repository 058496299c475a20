#pragma once
// The controls over real child windows, found by id in their dialog.
#include <windows.h>

#include <string>

#include "ui/Controls.h"
#include "ui/win32/BitmapButton.h"
#include "ui/win32/Resources.h"

namespace ui32 {

// A window's text, whole.
std::string WindowTextOf(HWND hwnd);

// The IControl part, shared by every kind through the template below.
template <class Interface>
class Win32Control : public Interface {
public:
    explicit Win32Control(HWND hwnd) : m_hwnd(hwnd) {}
    // A focused control that goes grey or hides would leave the keyboard
    // nowhere: the focus goes on to the next tab stop first. Only one that
    // greys now asks where the focus is, a call to the server under Wine:
    // a list's arrows are set at each change of its selection.
    void Enable(bool enabled) override {
        if (!enabled && IsEnabled()) PassFocusOn();
        EnableWindow(m_hwnd, enabled);
    }
    bool IsEnabled() const override { return IsWindowEnabled(m_hwnd) != FALSE; }
    void Show(bool visible) override {
        if (!visible) PassFocusOn();
        ShowWindow(m_hwnd, visible ? SW_SHOW : SW_HIDE);
    }
    bool IsVisible() const override { return (GetWindowLongA(m_hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetText(const std::string& text) override { SetWindowTextA(m_hwnd, text.c_str()); }
    std::string Text() const override { return WindowTextOf(m_hwnd); }
    void Repaint() override { UpdateWindow(m_hwnd); }
    // Through the dialog, which then also moves its default button's frame.
    void Focus() override { SendMessageA(GetParent(m_hwnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hwnd), TRUE); }
    Rect WindowRect() const override {
        RECT r{};
        GetWindowRect(m_hwnd, &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    HWND Handle() const { return m_hwnd; }

protected:
    void PassFocusOn() const {
        if (GetFocus() == m_hwnd) SendMessageA(GetParent(m_hwnd), WM_NEXTDLGCTL, 0, FALSE);
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(m_hwnd, message, wParam, lParam);
    }

    HWND m_hwnd;
};

class Win32Button : public Win32Control<IButton> {
public:
    using Win32Control::Win32Control;
    int Check() const override { return Send(BM_GETCHECK) == BST_CHECKED ? 1 : 0; }
    void SetCheck(int state) override { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    void LoadBitmaps(const std::string& base) override;
    // WM_DRAWITEM of an owner-drawn bitmap button; false when it has no images.
    bool Draw(const DRAWITEMSTRUCT& item) const { return m_images.Draw(item); }
    // The window's scale changed: the images are made again at the new one.
    void FollowDpi() {
        if (!m_base.empty()) LoadBitmaps(m_base);
    }

private:
    BitmapButtonImages m_images;
    std::string m_base;
};

class Win32Static : public Win32Control<IStaticControl> {
public:
    using Win32Control::Win32Control;
    ~Win32Static() override;
    void SetBitmap(int bitmapId) override;
    int Bitmap() const override { return m_bitmapId; }
    void FollowDpi() {
        if (m_bitmapId) SetBitmap(m_bitmapId);
    }

private:
    int m_bitmapId = 0;
    HBITMAP m_bitmap = nullptr;
};

class Win32Edit : public Win32Control<IEdit> {
public:
    using Win32Control::Win32Control;
};

class Win32ListBox : public Win32Control<IListBox> {
public:
    using Win32Control::Win32Control;
    int AddString(const std::string& text) override;
    int Count() const override { return static_cast<int>(Send(LB_GETCOUNT)); }
    int CurSel() const override { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurSel(int index) override { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }
    void SetLine(int index, const std::string& text) override;

private:
    // The list scrolls sideways as far as its longest line, where its
    // template lets it scroll so.
    void Fit(const std::string& text);
};

class Win32ListView : public Win32Control<IListView> {
public:
    using Win32Control::Win32Control;
    int InsertColumn(int column, const std::string& heading, int width) override;
    int ColumnSpace() const override;
    void SetColumnWidth(int column, int width) override;
    int TextWidth(const std::string& text) const override;
    int Scaled(int pixels) const override { return ui32::Scaled(m_hwnd, pixels); }
    int InsertItem(int row, const std::string& text) override;
    bool SetItemText(int row, int column, const std::string& text) override;
    std::string ItemText(int row, int column) const override;
    int Count() const override;
    bool DeleteItem(int row) override;
    void DeleteAllItems() override;
    int SelectedCount() const override;
    int NextSelected(int after) const override;
    bool IsSelected(int row) const override;
    void SetSelected(int row, bool selected) override;
    void SetFocused(int row) override;
    int FocusedRow() const override;
    void ShowCheckBoxes() override;
    void SetChecked(int row, bool checked) override;
    bool IsChecked(int row) const override;
    void EnsureVisible(int row) override;
    void HoldRedraw() override;
    void ReleaseRedraw() override;

private:
    int m_redrawHolds = 0;
};

}  // namespace ui32
