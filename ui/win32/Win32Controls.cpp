#include "ui/win32/Win32Controls.h"

#include <commctrl.h>

#include "ui/win32/Resources.h"

namespace ui32 {

std::string WindowTextOf(HWND hwnd) {
    std::string text(GetWindowTextLengthA(hwnd) + 1, '\0');
    text.resize(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size())));
    return text;
}

void Win32Button::LoadBitmaps(const std::string& base) {
    if (!m_images.Load(base, PictureDpi(m_hwnd))) return;
    m_base = base;
    const SIZE size = m_images.Size();
    SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Static::~Win32Static() {
    if (m_bitmap) DeleteObject(m_bitmap);
}

void Win32Static::SetBitmap(int bitmapId) {
    HBITMAP bitmap = LoadBitmapResource(bitmapId, PictureDpi(m_hwnd));
    if (!bitmap) return;
    Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = bitmap;
    m_bitmapId = bitmapId;
}

int Win32ListBox::AddString(const std::string& text) {
    const int index = static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    Fit(text);
    return index;
}

void Win32ListBox::SetLine(int index, const std::string& text) {
    if (index < 0 || index >= Count()) return;
    const int selected = CurSel();
    Send(LB_DELETESTRING, static_cast<WPARAM>(index));
    Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    SetCurSel(selected);
    Fit(text);
}

// Whatever the style says now: a list hides its scroll bar, and clears the
// style's bit, while nothing is wider than the list.
void Win32ListBox::Fit(const std::string& text) {
    HDC dc = GetDC(m_hwnd);
    if (!dc) return;
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, font);
    ReleaseDC(m_hwnd, dc);
    // The line's text starts a few pixels in from the list's edge.
    const LRESULT wanted = size.cx + ui32::Scaled(m_hwnd, 8);
    if (wanted > Send(LB_GETHORIZONTALEXTENT)) Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(wanted));
}

int Win32ListView::InsertColumn(int column, const std::string& heading, int width) {
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = const_cast<char*>(heading.c_str());
    col.cx = width;
    col.iSubItem = column;
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col)));
}

int Win32ListView::ColumnSpace() const {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const bool scrollBarShown = (GetWindowLongA(m_hwnd, GWL_STYLE) & WS_VSCROLL) != 0;
    return client.right - (scrollBarShown ? 0 : GetSystemMetrics(SM_CXVSCROLL));
}

void Win32ListView::SetColumnWidth(int column, int width) {
    Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

int Win32ListView::TextWidth(const std::string& text) const {
    return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int Win32ListView::InsertItem(int row, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool Win32ListView::SetItemText(int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::string Win32ListView::ItemText(int row, int column) const {
    // The control gives no length: grow the buffer until the text fits.
    for (size_t size = 256;; size *= 2) {
        std::string text(size, '\0');
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = &text[0];
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(size) - 1) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
    }
}

int Win32ListView::Count() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

bool Win32ListView::DeleteItem(int row) {
    return Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != FALSE;
}

void Win32ListView::DeleteAllItems() {
    Send(LVM_DELETEALLITEMS);
}

int Win32ListView::SelectedCount() const {
    return static_cast<int>(Send(LVM_GETSELECTEDCOUNT));
}

int Win32ListView::NextSelected(int after) const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(after), MAKELPARAM(LVNI_SELECTED, 0)));
}

bool Win32ListView::IsSelected(int row) const {
    return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void Win32ListView::SetSelected(int row, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Win32ListView::SetFocused(int row) {
    LVITEMA item{};
    item.stateMask = LVIS_FOCUSED;
    item.state = LVIS_FOCUSED;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int Win32ListView::FocusedRow() const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void Win32ListView::ShowCheckBoxes() {
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
}

// The state image: 1 is the empty box, 2 the ticked one.
void Win32ListView::SetChecked(int row, bool checked) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool Win32ListView::IsChecked(int row) const {
    return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) ==
           INDEXTOSTATEIMAGEMASK(2);
}

void Win32ListView::EnsureVisible(int row) {
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void Win32ListView::HoldRedraw() {
    if (m_redrawHolds++ == 0) Send(WM_SETREDRAW, FALSE);
}

void Win32ListView::ReleaseRedraw() {
    if (m_redrawHolds == 0 || --m_redrawHolds > 0) return;
    Send(WM_SETREDRAW, TRUE);
    // Not every list view repaints by itself when redrawing resumes.
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

}  // namespace ui32
