#include "ui/headless/HeadlessControls.h"

#include "platform/WinValues.h"
#include "ui/headless/HeadlessDialogHost.h"

template <class Interface>
HeadlessWindow<Interface>::HeadlessWindow(HeadlessDialogHost& host, const ControlTemplate& control, Rect rect)
    : HeadlessControl(host, control, rect),
      m_text(control.text),
      m_enabled((control.style & win::WsDisabled) == 0) {}

template <class Interface>
void HeadlessWindow<Interface>::Enable(bool enabled) {
    m_enabled = enabled;
    if (!enabled) m_host.DropFocus(*this);
}

template <class Interface>
void HeadlessWindow<Interface>::Show(bool visible) {
    m_visible = visible;
    if (!visible) m_host.DropFocus(*this);
}

template <class Interface>
void HeadlessWindow<Interface>::Focus() {
    if (m_enabled && m_visible) m_host.SetFocusTo(*this);
}

template <class Interface>
bool HeadlessWindow<Interface>::Focused() const {
    return m_host.HasFocus(*this);
}

template class HeadlessWindow<IButton>;
template class HeadlessWindow<IStaticControl>;
template class HeadlessWindow<IEdit>;
template class HeadlessWindow<IListBox>;
template class HeadlessWindow<IListView>;

int HeadlessListBox::AddString(const std::string& text) {
    m_lines.push_back(text);
    return Count() - 1;
}

void HeadlessListBox::SetCurSel(int index) {
    m_selection = (index >= 0 && index < Count()) ? index : -1;
}

std::string HeadlessListBox::Line(int index) const {
    return (index >= 0 && index < Count()) ? m_lines[index] : std::string();
}

void HeadlessListBox::SetLine(int index, const std::string& text) {
    if (index >= 0 && index < Count()) m_lines[index] = text;
}

int HeadlessListView::InsertColumn(int column, const std::string& heading, int width) {
    if (column < 0) return -1;
    if (column > ColumnCount()) column = ColumnCount();
    m_columns.insert(m_columns.begin() + column, Column{heading, width});
    return column;
}

int HeadlessListView::ColumnWidth(int column) const {
    return (column >= 0 && column < ColumnCount()) ? m_columns[column].width : 0;
}

void HeadlessListView::SetColumnWidth(int column, int width) {
    if (column >= 0 && column < ColumnCount()) m_columns[column].width = width;
}

int HeadlessListView::ColumnSpace() const {
    const int border = ((m_template.style & win::WsBorder) ? 1 : 0) + ((m_template.exStyle & win::WsExClientEdge) ? 2 : 0);
    constexpr int ScrollBarWidth = 16;
    return WindowRect().Width() - 2 * border - ScrollBarWidth;
}

std::string HeadlessListView::ColumnHeading(int column) const {
    return (column >= 0 && column < ColumnCount()) ? m_columns[column].heading : std::string();
}

int HeadlessListView::InsertItem(int row, const std::string& text) {
    if (failInsert || row < 0) return -1;
    if (row > Count()) row = Count();
    Row inserted;
    inserted.texts.push_back(text);
    m_rows.insert(m_rows.begin() + row, inserted);
    Changed();
    return row;
}

bool HeadlessListView::SetItemText(int row, int column, const std::string& text) {
    if (!Valid(row) || column < 0) return false;
    std::vector<std::string>& texts = m_rows[row].texts;
    if (static_cast<int>(texts.size()) <= column) texts.resize(column + 1);
    texts[column] = text;
    Changed();
    return true;
}

std::string HeadlessListView::ItemText(int row, int column) const {
    if (!Valid(row) || column < 0) return std::string();
    const std::vector<std::string>& texts = m_rows[row].texts;
    return column < static_cast<int>(texts.size()) ? texts[column] : std::string();
}

bool HeadlessListView::DeleteItem(int row) {
    if (!Valid(row)) return false;
    const bool wasSelected = m_rows[row].selected;
    m_rows.erase(m_rows.begin() + row);
    Changed();
    if (wasSelected) m_host.SendNotify(Notify::ItemChanged, m_template.id);
    return true;
}

void HeadlessListView::DeleteAllItems() {
    m_rows.clear();
    Changed();
}

int HeadlessListView::SelectedCount() const {
    int count = 0;
    for (const Row& row : m_rows) count += row.selected ? 1 : 0;
    return count;
}

int HeadlessListView::NextSelected(int after) const {
    for (int row = after + 1; row < Count(); ++row)
        if (row >= 0 && m_rows[row].selected) return row;
    return -1;
}

bool HeadlessListView::IsSelected(int row) const {
    return Valid(row) && m_rows[row].selected;
}

void HeadlessListView::SetSelected(int row, bool selected) {
    if (!Valid(row) || m_rows[row].selected == selected) return;
    m_rows[row].selected = selected;
    Changed();
    m_host.SendNotify(Notify::ItemChanged, m_template.id);
}

void HeadlessListView::SetFocused(int row) {
    if (!Valid(row)) return;
    for (Row& each : m_rows) each.focused = false;
    m_rows[row].focused = true;
}

// As LVM_SETITEMSTATE: a change is told, a state set again is not.
void HeadlessListView::SetChecked(int row, bool checked) {
    if (!m_checkBoxes || !Valid(row) || m_rows[row].checked == checked) return;
    m_rows[row].checked = checked;
    Changed();
    m_host.SendNotify(Notify::Checked, m_template.id, 0, false, row);
}

int HeadlessListView::FocusedRow() const {
    for (int row = 0; row < Count(); ++row)
        if (m_rows[row].focused) return row;
    return -1;
}

void HeadlessListView::ReleaseRedraw() {
    if (m_redrawHolds == 0 || --m_redrawHolds > 0) return;
    ++m_paints;
}

std::vector<std::string> HeadlessListView::Names() const {
    std::vector<std::string> names;
    for (int row = 0; row < Count(); ++row) names.push_back(ItemText(row, 0));
    return names;
}
