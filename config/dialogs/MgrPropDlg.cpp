#include "config/dialogs/MgrPropDlg.h"

#include "config/dialogs/MgrPropIds.h"

#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "config/dialogs/TypeText.h"
#include "platform/WinValues.h"

using namespace mgrprop;

namespace {

constexpr int MaxWait = 99;
constexpr int ExtraHeight = 70;
constexpr uint32_t Check = win::BsAutoCheckBox | win::WsTabStop;
// The check boxes from IdcMinimised on, in id order: one for each bit of
// LaunchOptions.
constexpr int OptionBoxes = 10;

// How the item starts, below what it runs: a check box for each bit of
// LaunchOptions, the days Monday first as ISO counts the week, in two rows:
// at twice the scale a box's square grows faster than its text.
std::vector<ControlTemplate> WithLaunchGroup(std::vector<ControlTemplate> fields) {
    struct Box {
        const char* text;
        short x, y, cx;
    };
    static const Box boxes[] = {{"Start &minimised", 18, 212, 90}, {"Only on mains &power", 113, 212, 100},
                                {"After the &network is up", 18, 226, 120}, {"Mon", 18, 240, 40}, {"Tue", 67, 240, 40},
                                {"Wed", 116, 240, 40}, {"Thu", 165, 240, 40}, {"Fri", 18, 252, 40},
                                {"Sat", 67, 252, 40}, {"Sun", 116, 252, 40}};
    fields.push_back({ui::IdStatic, ui::ButtonClass, "When it starts", win::BsGroupBox, 10, 200, 207, 84});
    for (int i = 0; i < OptionBoxes; ++i)
        fields.push_back({IdcMinimised + i, ui::ButtonClass, boxes[i].text, Check | (i == 0 ? win::WsGroup : 0u),
                          boxes[i].x, boxes[i].y, boxes[i].cx, 10});
    fields.push_back({IdcLow, ui::ButtonClass, "Start at &low priority for a minute", Check, 18, 266, 190, 10});
    return fields;
}

const DialogTemplate& MgrPropTemplate() {
    static const DialogTemplate dialog = props::Template(
        IddMgrProp, WithLaunchGroup({
                        props::Label("Name:", 38),
                        props::Field(IdcFileName, 38),
                        props::Label("Type:", 52),
                        props::Field(IdcType, 52),
                        {ui::IdStatic, ui::StaticClass, "Location:  Orvane Startup directory", win::SsLeft, 10, 66, 207, 10},
                        props::Label("Original Location (Source):", 80),
                        props::Field(IdcSource, 80),
                        {ui::IdStatic, ui::StaticClass, "", win::SsEtchedHorz, 10, 96, 207, 1},
                        props::Label("&Wait:", 106),
                        {IdcWait, ui::EditClass, "", win::EsNumber | win::EsAutoHScroll | win::WsBorder | win::WsTabStop, 107,
                         104, 30, 12},
                        {IdcIdle, ui::ButtonClass, "Then until the computer is &idle", win::BsAutoCheckBox | win::WsTabStop,
                         107, 120, 110, 10},
                        // What the item starts, read from its shortcut, in full width: paths are long.
                        {ui::IdStatic, ui::StaticClass, "", win::SsEtchedHorz, 10, 136, 207, 1},
                        props::Label("Runs:", 144),
                        {IdcProgram, ui::EditClass, "", props::ReadOnly, 10, 156, 207, 10},
                        props::Label("With arguments:", 172),
                        {IdcArguments, ui::EditClass, "", props::ReadOnly, 10, 184, 207, 10},
                    }),
        ExtraHeight);
    return dialog;
}

}  // namespace

CMgrPropDlg::CMgrPropDlg(IMessageBoxes& messages) : CPropertiesDlg(MgrPropTemplate()), m_messages(messages) {}

void CMgrPropDlg::BindControls() {
    IDialogWindow& w = Window();
    m_editFileName = &w.Edit(IdcFileName);
    m_editType = &w.Edit(IdcType);
    m_editSource = &w.Edit(IdcSource);
    m_editWait = &w.Edit(IdcWait);
    m_checkIdle = &w.Button(IdcIdle);
}

bool CMgrPropDlg::OnInitDialog() {
    CPropertiesDlg::OnInitDialog();
    BindControls();
    m_editFileName->SetText(FileNameOf(m_strPath));
    m_editSource->SetText(m_strSource);
    m_editWait->SetText(m_strWait);
    m_checkIdle->SetCheck(m_bIdle ? 1 : 0);
    Window().Button(IdcLow).SetCheck(m_bLow ? 1 : 0);
    m_editType->SetText(TypeTextOf(m_strPath));
    Window().Edit(IdcProgram).SetText(m_strProgram);
    Window().Edit(IdcArguments).SetText(m_strArguments);
    for (int i = 0; i < OptionBoxes; ++i) Window().Button(IdcMinimised + i).SetCheck(m_launch.bits >> i & 1);
    return true;
}

// ES_NUMBER keeps out typed letters, not pasted ones, nor a length: any text
// is read as atoi would, clamped, so that a long number is refused like 100.
void CMgrPropDlg::OnOK() {
    m_strWait = m_editWait->Text();
    const int wait = AtoiLike(m_strWait);
    if (wait < 0 || wait > MaxWait) {
        m_messages.Show("Please enter a number in the range 0 - 99", win::MbOk | win::MbIconExclamation);
        m_editWait->SetText("");
        return;
    }
    m_nWait = wait;
    m_bIdle = m_checkIdle->Check() != 0;
    m_launch.bits = 0;
    for (int i = 0; i < OptionBoxes; ++i) m_launch.bits |= Window().Button(IdcMinimised + i).Check() != 0 ? 1u << i : 0u;
    m_bLow = Window().Button(IdcLow).Check() != 0;
    EndDialog(win::IdOk);
}
