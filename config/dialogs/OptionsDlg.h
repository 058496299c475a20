#pragma once
// "Orvane Options": where the runner's window goes, whether it starts
// minimised, whether it closes when its run is over, when an item marked
// idle finds the computer idle, and how long one waits for the network. Read from the profile when it opens; written
// on Apply and on OK, once every number is in its range. A write that fails
// is told, and the dialog stays open with the user's choices.
#include <array>
#include <string>
#include <vector>

#include "ui/Dialog.h"

class CProfileStore;
class IMessageBoxes;

// Shown when the options cannot be written; the dialog stays open.
inline constexpr char kOptionsNotWritten[] =
    "There was an error writing the options to the registry.\n\nThey have not been saved.";

class COptionsDlg : public CDialog {
public:
    COptionsDlg(CProfileStore& profile, IMessageBoxes& messages);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void BindControls();
    void OnOptionChanged();
    void OnApply();
    // False when a number is out of its range (shown, its edit emptied) or
    // a setting could not be written (told).
    bool Apply();
    void TakeSnapshot();
    std::vector<std::string> States() const;

    CProfileStore& m_profile;
    IMessageBoxes& m_messages;
    const std::string m_strSection;
    const std::string m_strPlacementEntry;
    const std::string m_strMinimizedEntry;
    const std::string m_strCloseEntry;
    IButton* m_radioTopLeft = nullptr;
    IButton* m_radioCentered = nullptr;
    IButton* m_radioBottomLeft = nullptr;
    IButton* m_checkMinimized = nullptr;
    IButton* m_checkClose = nullptr;
    IButton* m_btnApply = nullptr;
    std::array<IEdit*, 4> m_editIdle{};  // in the order of settings::kIdleRanges
    // The check states of Top Left, Centered, Bottom Left, Startup Minimized
    // and Close when finished, then the idle numbers' texts, as last recorded.
    std::vector<std::string> m_snapshot;
};
