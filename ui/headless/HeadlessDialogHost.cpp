#include "ui/headless/HeadlessDialogHost.h"

#include "ui/ListKeys.h"

#include <stdexcept>

#include "platform/WinValues.h"
#include "ui/headless/HeadlessControls.h"

namespace {

// Dialog units of 8-point MS Sans Serif: 6 x 13 pixel base units.
int HorizontalPixels(int units) { return (units * 6 + 2) / 4; }
int VerticalPixels(int units) { return (units * 13 + 4) / 8; }

constexpr int FrameWidth = 3;
constexpr int CaptionHeight = 19;
constexpr int MenuBarHeight = 19;

template <class Concrete>
Concrete& As(HeadlessControl& control, const char* kind) {
    auto* typed = dynamic_cast<Concrete*>(&control);
    if (!typed) throw std::logic_error(std::string("control ") + std::to_string(control.Template().id) + " is not a " + kind);
    return *typed;
}

}  // namespace

HeadlessDialogHost::HeadlessDialogHost(CDialog& dialog) : m_dialog(dialog), m_caption(dialog.Template().caption) {
    const DialogTemplate& t = dialog.Template();
    const int menu = t.menuBar ? MenuBarHeight : 0;
    m_rect = Rect{HorizontalPixels(t.x), VerticalPixels(t.y), 0, 0};
    m_rect.right = m_rect.left + HorizontalPixels(t.cx) + 2 * FrameWidth;
    m_rect.bottom = m_rect.top + VerticalPixels(t.cy) + 2 * FrameWidth + CaptionHeight + menu;
}

HeadlessDialogHost::~HeadlessDialogHost() {
    m_dialog.Attach(nullptr);
}

// A handler no control or command can reach, or one shadowed by an earlier
// entry, would silently do nothing: a test must fail instead.
void HeadlessDialogHost::CheckHandlers() const {
    const DialogTemplate& t = m_dialog.Template();
    const std::vector<CDialog::Entry>& entries = m_dialog.Handlers();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CDialog::Entry& entry = entries[i];
        const bool reachable = t.Names(entry.id) || entry.id == win::IdOk || entry.id == win::IdCancel;
        if (!reachable) throw std::logic_error("handler for id " + std::to_string(entry.id) + " that nothing has");
        for (std::size_t j = 0; j < i; ++j)
            if (entries[j].code == entry.code && entries[j].id == entry.id)
                throw std::logic_error("second handler for id " + std::to_string(entry.id));
    }
}

bool HeadlessDialogHost::Open() {
    CheckHandlers();
    const DialogTemplate& t = m_dialog.Template();
    const int clientLeft = m_rect.left + FrameWidth;
    const int clientTop = m_rect.top + FrameWidth + CaptionHeight + (t.menuBar ? MenuBarHeight : 0);
    int anonymous = -1000000;
    for (const ControlTemplate& c : t.controls) {
        const Rect rect{clientLeft + HorizontalPixels(c.x), clientTop + VerticalPixels(c.y),
                        clientLeft + HorizontalPixels(c.x + c.cx), clientTop + VerticalPixels(c.y + c.cy)};
        std::unique_ptr<HeadlessControl> control;
        if (c.Is(ui::ButtonClass)) control = std::make_unique<HeadlessButton>(*this, c, rect);
        else if (c.Is(ui::StaticClass)) control = std::make_unique<HeadlessStatic>(*this, c, rect);
        else if (c.Is(ui::EditClass)) control = std::make_unique<HeadlessEdit>(*this, c, rect);
        else if (c.Is(ui::ListBoxClass)) control = std::make_unique<HeadlessListBox>(*this, c, rect);
        else if (c.Is(ui::ListViewClass)) control = std::make_unique<HeadlessListView>(*this, c, rect);
        else throw std::logic_error(std::string("unknown window class ") + c.windowClass);
        // Controls without an id of their own cannot be addressed, only shown.
        const int key = c.id == ui::IdStatic ? anonymous++ : c.id;
        m_controls[key] = std::move(control);
    }
    m_dialog.Attach(this);
    return m_dialog.OnInitDialog();
}

void HeadlessDialogHost::DropFocus(const HeadlessControl& control) {
    if (m_focus != &control) return;
    m_focus = nullptr;
    const std::vector<ControlTemplate>& controls = m_dialog.Template().controls;
    std::size_t at = 0;
    while (at < controls.size() && &controls[at] != &control.Template()) ++at;
    for (std::size_t step = 1; step < controls.size(); ++step) {
        const ControlTemplate& next = controls[(at + step) % controls.size()];
        if (next.id == ui::IdStatic || (next.style & win::WsTabStop) == 0) continue;
        const HeadlessControl& candidate = Control(next.id);
        if (!candidate.Usable()) continue;
        m_focus = &candidate;
        return;
    }
}

HeadlessControl& HeadlessDialogHost::Control(int id) const {
    auto found = m_controls.find(id);
    if (found == m_controls.end()) throw std::logic_error("no control " + std::to_string(id));
    return *found->second;
}

IButton& HeadlessDialogHost::Button(int id) { return As<HeadlessButton>(Control(id), "button"); }
IStaticControl& HeadlessDialogHost::Static(int id) { return As<HeadlessStatic>(Control(id), "static"); }
IEdit& HeadlessDialogHost::Edit(int id) { return As<HeadlessEdit>(Control(id), "edit"); }
IListBox& HeadlessDialogHost::ListBox(int id) { return As<HeadlessListBox>(Control(id), "list box"); }
IListView& HeadlessDialogHost::ListView(int id) { return As<HeadlessListView>(Control(id), "list view"); }

void HeadlessDialogHost::SendNotify(::Notify code, int id, int key, bool alt, int row) {
    if (m_ended) return;
    UiEvent event;
    event.code = code;
    event.id = id;
    event.key = key;
    event.alt = alt;
    event.row = row;
    m_dialog.Dispatch(event);
}

void HeadlessDialogHost::Click(int id) {
    if (m_ended) return;
    IButton& button = Button(id);
    if (!button.IsEnabled() || !button.IsVisible()) return;
    const uint32_t kind = Control(id).Template().style & 0xF;
    if (kind == win::BsAutoCheckBox) button.SetCheck(button.Check() ? 0 : 1);
    if (kind == win::BsAutoRadioButton) {
        for (IButton* other : RadioGroupOf(id)) other->SetCheck(0);
        button.SetCheck(1);
    }
    button.Focus();
    SendNotify(::Notify::Command, id);
}

// As the dialog manager groups them: from a control with WS_GROUP (or the
// first control) up to the next control with WS_GROUP, in template order.
std::vector<IButton*> HeadlessDialogHost::RadioGroupOf(int id) {
    const std::vector<ControlTemplate>& controls = m_dialog.Template().controls;
    std::vector<IButton*> group;
    bool found = false;
    for (const ControlTemplate& c : controls) {
        if ((c.style & win::WsGroup) != 0 && !group.empty()) {
            if (found) break;
            group.clear();
        }
        if (c.Is(ui::ButtonClass) && (c.style & 0xF) == win::BsAutoRadioButton) group.push_back(&Button(c.id));
        if (c.id == id) found = true;
    }
    return found ? group : std::vector<IButton*>{};
}

void HeadlessDialogHost::Type(int editId, const std::string& text) {
    if (m_ended) return;
    IEdit& edit = Edit(editId);
    if (!edit.IsEnabled() || !edit.IsVisible()) return;
    edit.Focus();
    edit.SetText(text);
    SendNotify(::Notify::EditChange, editId);
}

HeadlessCanvas HeadlessDialogHost::Picture(int staticId) {
    HeadlessControl& control = Control(staticId);
    if ((control.Template().style & 0x1F) != win::SsOwnerDraw) throw std::logic_error("no picture " + std::to_string(staticId));
    const Rect rect = Static(staticId).WindowRect();
    HeadlessCanvas canvas(rect.Width(), rect.Height(), Rgb(192, 192, 192));
    m_dialog.OnDraw(staticId, canvas);
    return canvas;
}

void HeadlessDialogHost::Command(int id) {
    SendNotify(::Notify::Command, id);
}

void HeadlessDialogHost::SelectLine(int listBoxId, int index) {
    if (m_ended) return;
    IListBox& list = ListBox(listBoxId);
    if (!list.IsEnabled() || !list.IsVisible()) return;
    list.SetCurSel(index);
    SendNotify(::Notify::SelChange, listBoxId);
}

void HeadlessDialogHost::DoubleClickLine(int listBoxId, int index) {
    if (m_ended) return;
    IListBox& list = ListBox(listBoxId);
    if (!list.IsEnabled() || !list.IsVisible()) return;
    if (list.CurSel() != index) SelectLine(listBoxId, index);
    SendNotify(::Notify::DblClk, listBoxId);
}

void HeadlessDialogHost::ClickRow(int listViewId, int row, bool extend) {
    if (m_ended) return;
    IListView& list = ListView(listViewId);
    if (!list.IsEnabled() || !list.IsVisible()) return;
    list.Focus();
    if (!extend) {
        for (int other = list.NextSelected(-1); other >= 0; other = list.NextSelected(other))
            if (other != row) list.SetSelected(other, false);
    }
    list.SetSelected(row, true);
}

void HeadlessDialogHost::ClickCheckBox(int listViewId, int row) {
    if (m_ended) return;
    HeadlessListView& list = As<HeadlessListView>(Control(listViewId), "list view");
    if (list.HasCheckBoxes()) list.SetChecked(row, !list.IsChecked(row));
}

void HeadlessDialogHost::DoubleClickRow(int listViewId, int row) {
    ClickRow(listViewId, row);
    SendNotify(::Notify::DblClk, listViewId);
}

void HeadlessDialogHost::KeyDown(int controlId, int virtualKey, bool alt) {
    if (m_ended) return;
    if (!alt && m_dialog.ListensToKeys()) m_dialog.PreTranslateKeyDown(virtualKey);
    if (m_ended) return;
    if (virtualKey == win::VkEscape) return Escape();
    auto* list = dynamic_cast<HeadlessListView*>(&Control(controlId));
    if (list != nullptr && !alt && TakeListKey(*list, virtualKey)) return;
    // Enter on a list with a selected row is the list's, as in the shell;
    // anywhere else the dialog manager presses the default button.
    if (virtualKey == win::VkReturn && (list == nullptr || list->SelectedCount() == 0))
        return SendNotify(::Notify::Command, win::IdOk);
    if (list != nullptr) SendNotify(::Notify::KeyDown, controlId, virtualKey, alt);
}

void HeadlessDialogHost::RightClick(int controlId, int x, int y) {
    if (!m_ended) m_dialog.OnContextMenu(controlId, x, y);
}

void HeadlessDialogHost::Close() {
    if (!m_ended) m_dialog.OnClose();
}

void HeadlessDialogHost::Escape() {
    SendNotify(::Notify::Command, win::IdCancel);
}

void HeadlessDialogHost::Tick(int count) {
    for (int i = 0; i < count && !m_ended; ++i) {
        std::vector<unsigned> ids;
        for (const auto& timer : m_timers) ids.push_back(timer.first);
        for (unsigned id : ids)
            if (!m_ended && m_timers.count(id)) m_dialog.OnTimer(id);
    }
}

unsigned HeadlessDialogHost::TimerInterval(unsigned id) const {
    auto found = m_timers.find(id);
    return found == m_timers.end() ? 0 : found->second;
}

void HeadlessDialogHost::EndDialog(int result) {
    if (m_ended) return;
    m_ended = true;
    m_result = result;
    m_timers.clear();
}

void HeadlessDialogHost::MoveTo(int x, int y, int width, int height) {
    m_rect = Rect{x, y, x + width, y + height};
}

unsigned HeadlessDialogHost::SetTimer(unsigned id, unsigned milliseconds) {
    m_timers[id] = milliseconds;
    return id;
}

bool HeadlessDialogHost::TrackPopupMenu(const MenuTemplate&, const std::vector<MenuState>& states, int, int) {
    ++m_popupCount;
    m_lastPopupStates = states;
    if (m_popupChoices.empty()) return true;
    const int choice = m_popupChoices.front();
    m_popupChoices.pop_front();
    for (const MenuState& state : states)
        if (state.commandId == choice && !state.enabled) return true;  // a greyed entry cannot be chosen
    if (choice != 0) Command(choice);
    return true;
}

int HeadlessDialogHost::RunChild(CDialog& child) {
    ++m_childCount;
    HeadlessDialogHost host(child);
    host.Open();
    if (!m_childScripts.empty()) {
        auto script = std::move(m_childScripts.front());
        m_childScripts.pop_front();
        script(host);
    }
    if (!host.HasEnded()) host.Escape();
    return host.Result();
}
