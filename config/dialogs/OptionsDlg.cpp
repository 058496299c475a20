#include "config/dialogs/OptionsDlg.h"

#include "config/dialogs/OptionsIds.h"

#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "platform/WinValues.h"

using namespace options;

namespace {

constexpr int PlacementTopLeft = 0;
constexpr int PlacementCentered = 1;
constexpr int PlacementBottomLeft = 2;

const DialogTemplate& OptionsTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddOptions;
        t.caption = "Orvane Options";
        t.style = ui::ModalChildStyle;
        t.cx = 256;
        t.cy = 154;
        t.controls = {
            {ui::IdStatic, ui::StaticClass,
             "These properties apply to the program Orvane that runs when\nWindows starts.", win::SsLeft, 10, 8, 236, 20},
            {ui::IdStatic, ui::ButtonClass, "Window Placement", win::BsGroupBox, 10, 36, 110, 64},
            {IdcTopLeft, ui::ButtonClass, "Top Left", win::BsAutoRadioButton | win::WsGroup | win::WsTabStop, 20, 50, 90, 10},
            {IdcCentered, ui::ButtonClass, "Centered", win::BsAutoRadioButton, 20, 64, 90, 10},
            {IdcBottomLeft, ui::ButtonClass, "Bottom Left", win::BsAutoRadioButton, 20, 78, 90, 10},
            {IdcMinimized, ui::ButtonClass, "Startup Minimized", win::BsAutoCheckBox | win::WsGroup | win::WsTabStop, 136, 50,
             110, 10},
            {IdcClose, ui::ButtonClass, "Close when finished", win::BsAutoCheckBox | win::WsTabStop, 136, 64, 110, 10},
            {win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 82, 132, 50, 14},
            {win::IdCancel, ui::ButtonClass, "Cancel", win::BsPushButton | win::WsTabStop, 139, 132, 50, 14},
            {IdcApply, ui::ButtonClass, "&Apply", win::BsPushButton | win::WsTabStop, 196, 132, 50, 14},
        };
        return t;
    }();
    return dialog;
}

}  // namespace

COptionsDlg::COptionsDlg(CProfileStore& profile)
    : CDialog(OptionsTemplate()),
      m_profile(profile),
      m_strSection(settings::kSection),
      m_strPlacementEntry(settings::kPlacement),
      m_strMinimizedEntry(settings::kMinimized),
      m_strCloseEntry(settings::kCloseWhenFinished) {
    for (int id : {IdcMinimized, IdcTopLeft, IdcCentered, IdcBottomLeft, IdcClose})
        On(Notify::Command, id, &COptionsDlg::OnOptionChanged);
    On(Notify::Command, IdcApply, &COptionsDlg::OnApply);
}

void COptionsDlg::DoDataExchange() {
    IDialogWindow& w = Window();
    m_radioTopLeft = &w.Button(IdcTopLeft);
    m_radioCentered = &w.Button(IdcCentered);
    m_radioBottomLeft = &w.Button(IdcBottomLeft);
    m_checkMinimized = &w.Button(IdcMinimized);
    m_checkClose = &w.Button(IdcClose);
    m_btnApply = &w.Button(IdcApply);
}

bool COptionsDlg::OnInitDialog() {
    DoDataExchange();
    const int placement = m_profile.GetProfileInt(m_strSection, m_strPlacementEntry, settings::kDefaultPlacement);
    IButton* checked = placement == PlacementTopLeft    ? m_radioTopLeft
                       : placement == PlacementCentered ? m_radioCentered
                                                        : m_radioBottomLeft;
    checked->SetCheck(1);
    m_checkMinimized->SetCheck(m_profile.GetProfileInt(m_strSection, m_strMinimizedEntry, settings::kDefaultMinimized));
    m_checkClose->SetCheck(m_profile.GetProfileInt(m_strSection, m_strCloseEntry, settings::kDefaultCloseWhenFinished));
    TakeSnapshot();
    m_btnApply->Enable(false);
    return true;
}

std::array<int, 5> COptionsDlg::CheckStates() const {
    return {m_radioTopLeft->Check(), m_radioCentered->Check(), m_radioBottomLeft->Check(), m_checkMinimized->Check(),
            m_checkClose->Check()};
}

void COptionsDlg::TakeSnapshot() {
    m_snapshot = CheckStates();
}

// Apply stays enabled once a click changed something, even when a later
// click goes back to the values the dialog opened with.
void COptionsDlg::OnOptionChanged() {
    if (CheckStates() == m_snapshot) return;
    m_btnApply->Enable(true);
    TakeSnapshot();
}

void COptionsDlg::OnApply() {
    const int placement = m_radioTopLeft->Check()    ? PlacementTopLeft
                          : m_radioCentered->Check() ? PlacementCentered
                                                     : PlacementBottomLeft;
    m_profile.WriteProfileInt(m_strSection, m_strPlacementEntry, placement);
    m_profile.WriteProfileInt(m_strSection, m_strMinimizedEntry, m_checkMinimized->Check());
    m_profile.WriteProfileInt(m_strSection, m_strCloseEntry, m_checkClose->Check());
    m_btnApply->Enable(false);
}

void COptionsDlg::OnOK() {
    OnApply();
    EndDialog(win::IdOk);
}
