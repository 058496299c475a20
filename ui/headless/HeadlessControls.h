#pragma once
// Controls kept in memory. Each remembers what a person would see (text,
// state, rows, selection) and reports changes to its host as the real
// control would notify its dialog.
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/DialogTemplate.h"

class HeadlessDialogHost;

class HeadlessControl {
public:
    virtual ~HeadlessControl() = default;
    const ControlTemplate& Template() const { return m_template; }
    // Enabled and shown: it may take the focus.
    virtual bool Usable() const = 0;

protected:
    HeadlessControl(HeadlessDialogHost& host, const ControlTemplate& control, Rect rect)
        : m_host(host), m_template(control), m_rect(rect) {}
    HeadlessDialogHost& m_host;
    const ControlTemplate& m_template;
    Rect m_rect;
};

// The window state every control shares.
template <class Interface>
class HeadlessWindow : public HeadlessControl, public Interface {
public:
    HeadlessWindow(HeadlessDialogHost& host, const ControlTemplate& control, Rect rect);
    // A control disabled or hidden while it has the focus passes it on to
    // the next tab stop, so that the keyboard is never left with nothing.
    void Enable(bool enabled) override;
    bool Usable() const override { return m_enabled && m_visible; }
    bool IsEnabled() const override { return m_enabled; }
    void Show(bool visible) override;
    bool IsVisible() const override { return m_visible; }
    void SetText(const std::string& text) override { m_text = text; }
    std::string Text() const override { return m_text; }
    void Repaint() override { ++m_repaints; }
    // Only an enabled, shown control takes the focus.
    void Focus() override;
    bool Focused() const;
    Rect WindowRect() const override { return m_rect; }
    int Repaints() const { return m_repaints; }

private:
    std::string m_text;
    bool m_enabled;
    bool m_visible = true;
    int m_repaints = 0;
};

class HeadlessButton : public HeadlessWindow<IButton> {
public:
    using HeadlessWindow::HeadlessWindow;
    int Check() const override { return m_check; }
    void SetCheck(int state) override { m_check = state; }
    void LoadBitmaps(const std::string& base) override { m_bitmaps = base; }
    std::string Bitmaps() const { return m_bitmaps; }

private:
    int m_check = 0;
    std::string m_bitmaps;
};

class HeadlessStatic : public HeadlessWindow<IStaticControl> {
public:
    using HeadlessWindow::HeadlessWindow;
    void SetBitmap(int bitmapId) override { m_bitmap = bitmapId; }
    int Bitmap() const override { return m_bitmap; }

private:
    int m_bitmap = 0;
};

class HeadlessEdit : public HeadlessWindow<IEdit> {
public:
    using HeadlessWindow::HeadlessWindow;
};

class HeadlessListBox : public HeadlessWindow<IListBox> {
public:
    using HeadlessWindow::HeadlessWindow;
    int AddString(const std::string& text) override;
    int Count() const override { return static_cast<int>(m_lines.size()); }
    int CurSel() const override { return m_selection; }
    void SetCurSel(int index) override;
    std::string Line(int index) const;
    void SetLine(int index, const std::string& text) override;

private:
    std::vector<std::string> m_lines;
    int m_selection = -1;
};

class HeadlessListView : public HeadlessWindow<IListView> {
public:
    using HeadlessWindow::HeadlessWindow;
    int InsertColumn(int column, const std::string& heading, int width) override;
    int ColumnWidth(int column) const;
    // Inside the border, beside a classic 16-pixel scroll bar.
    int ColumnSpace() const override;
    void SetColumnWidth(int column, int width) override;
    // Six pixels a character: about MS Sans Serif's average.
    int TextWidth(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
    int Scaled(int pixels) const override { return pixels; }
    std::string ColumnHeading(int column) const;
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    int InsertItem(int row, const std::string& text) override;
    bool SetItemText(int row, int column, const std::string& text) override;
    std::string ItemText(int row, int column) const override;
    int Count() const override { return static_cast<int>(m_rows.size()); }
    bool DeleteItem(int row) override;
    void DeleteAllItems() override;
    int SelectedCount() const override;
    int NextSelected(int after) const override;
    bool IsSelected(int row) const override;
    void SetSelected(int row, bool selected) override;
    void SetFocused(int row) override;
    int FocusedRow() const override;
    void ShowCheckBoxes() override { m_checkBoxes = true; }
    bool HasCheckBoxes() const { return m_checkBoxes; }
    void SetChecked(int row, bool checked) override;
    bool IsChecked(int row) const override { return Valid(row) && m_rows[row].checked; }
    void EnsureVisible(int row) override { m_visibleRow = row; }
    int VisibleRow() const { return m_visibleRow; }  // the last row scrolled into view; -1: none
    void HoldRedraw() override { ++m_redrawHolds; }
    void ReleaseRedraw() override;
    bool IsRedrawing() const { return m_redrawHolds == 0; }
    // Times the list was painted again: once for each change of its rows
    // while redrawing, once for each release of a hold.
    int Paints() const { return m_paints; }
    // Column 0 of every row, top to bottom.
    std::vector<std::string> Names() const;

    // A test makes the next insertions fail, as a list out of memory would.
    bool failInsert = false;

private:
    struct Column {
        std::string heading;
        int width;
    };
    struct Row {
        std::vector<std::string> texts;
        bool selected = false;
        bool focused = false;
        bool checked = false;
    };
    bool Valid(int row) const { return row >= 0 && row < Count(); }
    void Changed() { m_paints += IsRedrawing() ? 1 : 0; }
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    int m_visibleRow = -1;
    bool m_checkBoxes = false;
    int m_redrawHolds = 0;
    int m_paints = 0;
};
