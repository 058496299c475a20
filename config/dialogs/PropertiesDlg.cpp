#include "config/dialogs/PropertiesDlg.h"

#include "platform/WinValues.h"

namespace props {

DialogTemplate Template(int resourceId, std::vector<ControlTemplate> fields, int extraHeight) {
    DialogTemplate t;
    t.resourceId = resourceId;
    t.caption = "Properties";  // replaced by the item's name when it opens
    t.style = ui::ModalChildStyle;
    t.cx = 227;
    t.cy = 246 + extraHeight;
    t.controls = {
        {IdcTitle, ui::EditClass, "", ReadOnly, 10, 10, 207, 12},
        {ui::IdStatic, ui::StaticClass, "", win::SsEtchedHorz, 10, 28, 207, 1},
    };
    t.controls.insert(t.controls.end(), fields.begin(), fields.end());
    const int buttons = 224 + extraHeight;
    t.controls.push_back({win::IdOk, ui::ButtonClass, "OK", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 113, buttons, 50, 14});
    t.controls.push_back({win::IdCancel, ui::ButtonClass, "Cancel", win::BsPushButton | win::WsTabStop, 169, buttons, 50, 14});
    return t;
}

ControlTemplate Label(const char* text, int y) {
    return {ui::IdStatic, ui::StaticClass, text, win::SsLeft, 10, y, 95, 10};
}

ControlTemplate Field(int id, int y) {
    return {id, ui::EditClass, "", ReadOnly, 107, y, 110, 10};
}

}  // namespace props

bool CPropertiesDlg::OnInitDialog() {
    m_editTitle = &Window().Edit(props::IdcTitle);
    Window().SetCaption(m_strName + " Properties");
    m_editTitle->SetText(m_strName);
    return true;
}
