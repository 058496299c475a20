#pragma once
// The controls a dialog's behaviour works with. Both faces implement them:
// ui/win32 over the real window classes, ui/headless in memory.
#include <string>

#include "geometry/Rect.h"

class IControl {
public:
    virtual ~IControl() = default;
    virtual void Enable(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Show(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    // UpdateWindow: paint now rather than at the next idle moment.
    virtual void Repaint() = 0;
    // The keyboard's input goes to this control from now on.
    virtual void Focus() = 0;
    // Window rectangle in screen pixels.
    virtual Rect WindowRect() const = 0;
};

// Push buttons, check boxes, radio buttons and bitmap buttons.
class IButton : public IControl {
public:
    virtual int Check() const = 0;  // BM_GETCHECK: 0 or 1
    virtual void SetCheck(int state) = 0;  // BM_SETCHECK
    // Binds the U/D/F/X images named base + letter (bitmap buttons only).
    virtual void LoadBitmaps(const std::string& base) = 0;
};

class IStaticControl : public IControl {
public:
    // STM_SETIMAGE with the bitmap resource of this id.
    virtual void SetBitmap(int bitmapId) = 0;
    virtual int Bitmap() const = 0;  // 0 when none was set
};

class IEdit : public IControl {};

class IListBox : public IControl {
public:
    virtual int AddString(const std::string& text) = 0;  // LB_ADDSTRING: index
    virtual int Count() const = 0;                        // LB_GETCOUNT
    virtual int CurSel() const = 0;                       // LB_GETCURSEL: -1 for none
    // LB_SETCURSEL: -1 clears; raises no LBN_SELCHANGE.
    virtual void SetCurSel(int index) = 0;
    // Replaces a line's text, keeping its place and the selection.
    virtual void SetLine(int index, const std::string& text) = 0;
};

class IListView : public IControl {
public:
    virtual int InsertColumn(int column, const std::string& heading, int width) = 0;
    // The width columns can take without a horizontal scroll bar: the client
    // width beside a vertical scroll bar, whether one is shown yet or not.
    virtual int ColumnSpace() const = 0;
    virtual void SetColumnWidth(int column, int width) = 0;
    // The width the text takes in the list's font (LVM_GETSTRINGWIDTH).
    virtual int TextWidth(const std::string& text) const = 0;
    // A length in pixels at 96 dots an inch, at the scale the list is drawn at.
    virtual int Scaled(int pixels) const = 0;
    // Inserts a row (an index past the end appends); the new row's index, or
    // a negative value when it failed.
    virtual int InsertItem(int row, const std::string& text) = 0;
    virtual bool SetItemText(int row, int column, const std::string& text) = 0;
    virtual std::string ItemText(int row, int column) const = 0;
    virtual int Count() const = 0;
    virtual bool DeleteItem(int row) = 0;
    virtual void DeleteAllItems() = 0;
    virtual int SelectedCount() const = 0;
    // LVM_GETNEXTITEM with LVNI_SELECTED after the given row (-1: from the top).
    virtual int NextSelected(int after) const = 0;
    virtual bool IsSelected(int row) const = 0;
    // Sets or clears a row's selected state; raises LVN_ITEMCHANGED when it changes.
    virtual void SetSelected(int row, bool selected) = 0;
    // Gives the row the focus state (one row at a time), where the keyboard
    // goes on from.
    virtual void SetFocused(int row) = 0;
    virtual int FocusedRow() const = 0;  // -1: none
    // A check box before each row (LVS_EX_CHECKBOXES); a change of a row's
    // box is told to the dialog as Notify::Checked, by the user or not.
    virtual void ShowCheckBoxes() = 0;
    virtual void SetChecked(int row, bool checked) = 0;
    virtual bool IsChecked(int row) const = 0;
    virtual void EnsureVisible(int row) = 0;
    // WM_SETREDRAW: while held, rows change without the list painting or
    // resizing its scroll bars for each; it is painted once on release. Holds
    // nest: the outermost release paints.
    virtual void HoldRedraw() = 0;
    virtual void ReleaseRedraw() = 0;
};

// Holds a list's painting while it is filled: on a shown list, painting row
// by row costs many times the fill itself.
class ListFill {
public:
    explicit ListFill(IListView& list) : m_list(list) { m_list.HoldRedraw(); }
    ~ListFill() { m_list.ReleaseRedraw(); }
    ListFill(const ListFill&) = delete;
    ListFill& operator=(const ListFill&) = delete;

private:
    IListView& m_list;
};
