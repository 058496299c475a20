#pragma once
// View > Last Start-up: the runner's last run from Orvane.log as a picture,
// one row per launch on a time axis from the run's start: the plain wait,
// the idle wait, the network wait and the launch, failures in red, items
// not started (by their options) in grey.
#include <optional>
#include <string>

#include "common/StartupLog.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"

class IFileSystem;

// The colours of the picture's marks.
namespace laststartup {
constexpr uint32_t Background = Rgb(255, 255, 255);
constexpr uint32_t Ink = Rgb(0, 0, 0);
constexpr uint32_t PlainWait = Rgb(160, 160, 160);
constexpr uint32_t IdleWait = Rgb(255, 200, 0);
constexpr uint32_t NetworkWait = Rgb(0, 120, 255);
constexpr uint32_t Launched = Rgb(0, 128, 0);
constexpr uint32_t Failed = Rgb(255, 0, 0);
}  // namespace laststartup

// Draws the run, or says that none was recorded.
void DrawStartup(ICanvas& canvas, const std::optional<LoggedRun>& run);
// "12.3 s".
std::string SecondsText(long milliseconds);
// "high: 1510 ms, 4.1 MB", "low: 50 ms, disk not measured", "not measured";
// empty for a launch recorded without a measure.
std::string ImpactLabel(const LoggedLaunch& launch);

class CLastStartupDlg : public CDialog {
public:
    CLastStartupDlg(IFileSystem& files, const std::string& iniPath);

    bool OnInitDialog() override;
    void OnDraw(int controlId, ICanvas& canvas) override;

private:
    IFileSystem& m_files;
    const std::string m_strIniPath;
    std::optional<LoggedRun> m_run;
};
