#pragma once
// "Orvane Options": where the runner's window goes, whether it starts
// minimised, whether it closes when its run is over. Read from the profile
// when it opens; written on Apply and on OK. A write that fails is told, and
// the dialog stays open with the user's choices.
#include <array>
#include <string>

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
    void DoDataExchange();
    void OnOptionChanged();
    void OnApply();
    // False when a setting could not be written (told).
    bool Apply();
    void TakeSnapshot();
    std::array<int, 5> CheckStates() const;

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
    // The check states of Top Left, Centered, Bottom Left, Startup Minimized
    // and Close when finished, as last recorded.
    std::array<int, 5> m_snapshot{};
};
