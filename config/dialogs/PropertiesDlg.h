#pragma once
// What the three item properties dialogs share: the caption and the title
// taken from the item's name, the line under the title, OK and Cancel.
#include <string>
#include <vector>

#include "config/dialogs/PropertiesIds.h"
#include "platform/WinValues.h"
#include "ui/Dialog.h"

namespace props {
// The style of a field the user reads but does not change.
constexpr uint32_t ReadOnly = win::EsReadOnly | win::EsAutoHScroll;
// A properties dialog's template: the shared frame around its own fields,
// taller by extraHeight for more of them.
DialogTemplate Template(int resourceId, std::vector<ControlTemplate> fields, int extraHeight = 0);
// A label in the left column at row y.
ControlTemplate Label(const char* text, int y);
// A read-only field in the right column at row y.
ControlTemplate Field(int id, int y);
}  // namespace props

class CPropertiesDlg : public CDialog {
public:
    using CDialog::CDialog;

    bool OnInitDialog() override;

    // In: the row's Name text.
    std::string m_strName;

protected:
    IEdit* m_editTitle = nullptr;
};
