#include "config/dialogs/OptionsDlg.h"

#include "config/dialogs/OptionsIds.h"

#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

using namespace options;

namespace {

constexpr int PlacementTopLeft = 0;
constexpr int PlacementCentered = 1;
constexpr int PlacementBottomLeft = 2;

constexpr uint32_t Number = win::EsNumber | win::EsAutoHScroll | win::WsBorder | win::WsTabStop | win::WsGroup;
constexpr int IdleEdits[] = {IdcIdleBusyPercent, IdcIdleSeconds, IdcIdleLongest, IdcNetworkLongest};

const DialogTemplate& OptionsTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddOptions;
        t.caption = "Orvane Options";
        t.style = ui::ModalChildStyle;
        t.cx = 256;
        t.cy = 250;
        t.controls = {
            {ui::IdStatic, ui::StaticClass,
             "These properties apply to the program Orvane that runs when\nWindows starts.", win::SsLeft, 10, 8, 236, 20},
            {ui::IdStatic, ui::ButtonClass, "Window Placement", win::BsGroupBox, 10, 36, 110, 64},
            {IdcTopLeft, ui::ButtonClass, "&Top Left", win::BsAutoRadioButton | win::WsGroup | win::WsTabStop, 20, 50, 90, 10},
            {IdcCentered, ui::ButtonClass, "Ce&ntered", win::BsAutoRadioButton, 20, 64, 90, 10},
            {IdcBottomLeft, ui::ButtonClass, "&Bottom Left", win::BsAutoRadioButton, 20, 78, 90, 10},
            {IdcMinimized, ui::ButtonClass, "Startup &Minimized", win::BsAutoCheckBox | win::WsGroup | win::WsTabStop, 136, 50,
             110, 10},
            {IdcClose, ui::ButtonClass, "&Close when finished", win::BsAutoCheckBox | win::WsTabStop, 136, 64, 110, 10},
            {ui::IdStatic, ui::ButtonClass, "Items marked to wait until the computer is idle", win::BsGroupBox, 10, 106,
             236, 74},
            {ui::IdStatic, ui::StaticClass, "&Idle means the processors busy at most (%):", win::SsLeft, 20, 122, 180, 10},
            {IdcIdleBusyPercent, ui::EditClass, "", Number, 206, 120, 30, 12},
            {ui::IdStatic, ui::StaticClass, "for this many &seconds in a row:", win::SsLeft, 20, 140, 180, 10},
            {IdcIdleSeconds, ui::EditClass, "", Number, 206, 138, 30, 12},
            {ui::IdStatic, ui::StaticClass, "Start the item anyway after (s&econds):", win::SsLeft, 20, 158, 180, 10},
            {IdcIdleLongest, ui::EditClass, "", Number, 206, 156, 30, 12},
            {ui::IdStatic, ui::ButtonClass, "Items marked to wait for the network", win::BsGroupBox, 10, 186, 236, 34},
            {ui::IdStatic, ui::StaticClass, "Start the item an&yway after (seconds):", win::SsLeft, 20, 202, 180, 10},
            {IdcNetworkLongest, ui::EditClass, "", Number, 206, 200, 30, 12},
            {win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 82, 228, 50, 14},
            {win::IdCancel, ui::ButtonClass, "Cancel", win::BsPushButton | win::WsTabStop, 139, 228, 50, 14},
            {IdcApply, ui::ButtonClass, "&Apply", win::BsPushButton | win::WsTabStop, 196, 228, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

COptionsDlg::COptionsDlg(CProfileStore& profile, IMessageBoxes& messages)
    : CDialog(OptionsTemplate()),
      m_profile(profile),
      m_messages(messages),
      m_strSection(settings::kSection),
      m_strPlacementEntry(settings::kPlacement),
      m_strMinimizedEntry(settings::kMinimized),
      m_strCloseEntry(settings::kCloseWhenFinished) {
    for (int id : {IdcMinimized, IdcTopLeft, IdcCentered, IdcBottomLeft, IdcClose})
        On(Notify::Command, id, &COptionsDlg::OnOptionChanged);
    for (int id : IdleEdits) On(Notify::EditChange, id, &COptionsDlg::OnOptionChanged);
    On(Notify::Command, IdcApply, &COptionsDlg::OnApply);
}

void COptionsDlg::BindControls() {
    IDialogWindow& w = Window();
    m_radioTopLeft = &w.Button(IdcTopLeft);
    m_radioCentered = &w.Button(IdcCentered);
    m_radioBottomLeft = &w.Button(IdcBottomLeft);
    m_checkMinimized = &w.Button(IdcMinimized);
    m_checkClose = &w.Button(IdcClose);
    m_btnApply = &w.Button(IdcApply);
    for (std::size_t i = 0; i < m_editIdle.size(); ++i) m_editIdle[i] = &w.Edit(IdleEdits[i]);
}

bool COptionsDlg::OnInitDialog() {
    BindControls();
    const int placement = m_profile.GetProfileInt(m_strSection, m_strPlacementEntry, settings::kDefaultPlacement);
    IButton* checked = placement == PlacementTopLeft    ? m_radioTopLeft
                       : placement == PlacementCentered ? m_radioCentered
                                                        : m_radioBottomLeft;
    checked->SetCheck(1);
    m_checkMinimized->SetCheck(m_profile.GetProfileInt(m_strSection, m_strMinimizedEntry, settings::kDefaultMinimized));
    m_checkClose->SetCheck(m_profile.GetProfileInt(m_strSection, m_strCloseEntry, settings::kDefaultCloseWhenFinished));
    // As the runner reads them: out of its range, a number is its default.
    for (std::size_t i = 0; i < m_editIdle.size(); ++i) {
        const settings::IdleRange& range = settings::kIdleRanges[i];
        int value = m_profile.GetProfileInt(m_strSection, range.name, range.defaultValue);
        if (value < range.lowest || value > range.highest) value = range.defaultValue;
        m_editIdle[i]->SetText(IntToString(value));
    }
    TakeSnapshot();
    m_btnApply->Enable(false);
    return true;
}

std::vector<std::string> COptionsDlg::States() const {
    std::vector<std::string> states;
    for (const IButton* check : {m_radioTopLeft, m_radioCentered, m_radioBottomLeft, m_checkMinimized, m_checkClose})
        states.push_back(IntToString(check->Check()));
    for (const IEdit* edit : m_editIdle) states.push_back(edit->Text());
    return states;
}

void COptionsDlg::TakeSnapshot() {
    m_snapshot = States();
}

// Apply stays enabled once a click changed something, even when a later
// click goes back to the values the dialog opened with.
void COptionsDlg::OnOptionChanged() {
    if (States() == m_snapshot) return;
    m_btnApply->Enable(true);
    TakeSnapshot();
}

void COptionsDlg::OnApply() {
    Apply();
}

// As the wait of a managed item: ES_NUMBER keeps out typed letters, not
// pasted ones, so any text is read as atoi would and checked. A write that
// fails is told, and the dialog keeps the user's choices with Apply still
// enabled, so that they can be written again.
bool COptionsDlg::Apply() {
    std::array<int, 4> idle{};
    for (std::size_t i = 0; i < m_editIdle.size(); ++i) {
        const settings::IdleRange& range = settings::kIdleRanges[i];
        idle[i] = AtoiLike(m_editIdle[i]->Text());
        if (idle[i] < range.lowest || idle[i] > range.highest) {
            m_messages.Show("Please enter a number in the range " + IntToString(range.lowest) + " - " +
                                IntToString(range.highest),
                            win::MbOk | win::MbIconExclamation);
            m_editIdle[i]->SetText("");
            m_editIdle[i]->Focus();
            return false;
        }
    }
    const int placement = m_radioTopLeft->Check()    ? PlacementTopLeft
                          : m_radioCentered->Check() ? PlacementCentered
                                                     : PlacementBottomLeft;
    bool written = m_profile.WriteProfileInt(m_strSection, m_strPlacementEntry, placement) &&
                   m_profile.WriteProfileInt(m_strSection, m_strMinimizedEntry, m_checkMinimized->Check()) &&
                   m_profile.WriteProfileInt(m_strSection, m_strCloseEntry, m_checkClose->Check());
    for (std::size_t i = 0; written && i < m_editIdle.size(); ++i)
        written = m_profile.WriteProfileInt(m_strSection, settings::kIdleRanges[i].name, idle[i]);
    if (!written) {
        m_messages.Show(kOptionsNotWritten, win::MbOk | win::MbIconExclamation);
        return false;
    }
    TakeSnapshot();
    m_btnApply->Enable(false);
    return true;
}

void COptionsDlg::OnOK() {
    if (Apply()) EndDialog(win::IdOk);
}
