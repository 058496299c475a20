#include "config/dialogs/LastStartupDlg.h"

#include "config/dialogs/LastStartupIds.h"

#include <algorithm>

#include "common/TextHelpers.h"
#include "platform/WinValues.h"

using namespace laststartup;

namespace {

const DialogTemplate& LastStartupTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t;
        t.resourceId = IddLastStartup;
        t.caption = "Last Start-up";
        t.style = ui::ModalChildStyle;
        t.cx = 420;  // room for each launch's figures
        t.cy = 200;
        t.controls = {
            {IdcPicture, ui::StaticClass, "", win::SsOwnerDraw | win::WsBorder, 7, 7, 406, 165},
            {win::IdOk, ui::ButtonClass, "Close", win::BsDefPushButton | win::WsGroup | win::WsTabStop, 363, 179, 50, 14},
        };
        return t;
    }();
    return dialog;
}

// Seconds between the axis' marks: the first of these whose labels do not
// run into each other (their room includes the gap between them).
long AxisStep(long span, int width, int labelRoom) {
    for (long step : {1000L, 2000L, 5000L, 10000L, 15000L, 30000L, 60000L, 120000L, 300000L, 600000L})
        if (static_cast<long long>(width) * step / span >= labelRoom) return step;
    return span;
}

void Swatch(ICanvas& canvas, int& x, int y, int height, uint32_t colour, const std::string& label) {
    canvas.Fill(Rect{x, y + canvas.Scaled(2), x + canvas.Scaled(10), y + height - canvas.Scaled(2)}, colour);
    canvas.Text(x + canvas.Scaled(13), y, label, Ink);
    x += canvas.Scaled(13 + 12) + canvas.TextWidth(label);
}

// "1.5 MB", "300 KB".
std::string BytesText(long long bytes) {
    if (bytes < 1024 * 1024) return LongToString(static_cast<long>(bytes / 1024)) + " KB";
    const long tenths = static_cast<long>(bytes * 10 / (1024 * 1024));
    return LongToString(tenths / 10) + "." + LongToString(tenths % 10) + " MB";
}

}  // namespace

std::string ImpactLabel(const LoggedLaunch& launch) {
    if (launch.impact.empty()) return "";
    if (launch.impact == "unmeasured") return "not measured";
    std::string label = launch.impact + ": ";
    label += launch.cpuMs < 0 ? "CPU not measured" : LongToString(launch.cpuMs) + " ms";
    return label + ", " + (launch.bytes < 0 ? "disk not measured" : BytesText(launch.bytes));
}

std::string SecondsText(long milliseconds) {
    if (milliseconds < 0) return "-" + SecondsText(-milliseconds);
    return LongToString(milliseconds / 1000) + "." + LongToString((milliseconds % 1000) / 100) + " s";
}

// Lengths are pixels at 96 dots an inch, drawn at the picture's scale.
void DrawStartup(ICanvas& canvas, const std::optional<LoggedRun>& run) {
    const auto px = [&canvas](int pixels) { return canvas.Scaled(pixels); };
    const int margin = px(6);
    const Rect bounds = canvas.Bounds();
    canvas.Fill(bounds, Background);
    const int textHeight = canvas.TextHeight();
    if (!run) {
        canvas.Text(margin, margin, "No start-up has been recorded yet.", Ink);
        return;
    }
    canvas.Text(margin, margin, "Start-up " + run->started, Ink);
    const std::vector<LoggedLaunch>& launches = run->launches;
    if (launches.empty()) {
        canvas.Text(margin, margin + textHeight + px(4), "Nothing was launched.", Ink);
        return;
    }

    long span = 1000;
    int nameWidth = 0, labelWidth = canvas.TextWidth("000.0 s");
    std::vector<std::string> labels;
    for (const LoggedLaunch& launch : launches) {
        span = std::max(span, launch.launchedAt);
        nameWidth = std::max(nameWidth, canvas.TextWidth(launch.name));
        std::string label = SecondsText(launch.launchedAt);
        if (launch.waited != "wait") label += " (" + launch.waited + ")";
        if (launch.Failed()) label += " error " + launch.result;
        if (launch.Left()) label += " left to Windows";
        if (launch.Off()) label += " off, not launched";
        if (launch.Skipped()) {
            label += " not started (";
            label += launch.result;
            label += ")";
        }
        if (launch.netFrom >= 0) {
            label += " network ";
            label += launch.network;
        }
        const std::string impact = ImpactLabel(launch);
        if (!impact.empty()) label += "  " + impact;
        labelWidth = std::max(labelWidth, canvas.TextWidth(label));
        labels.push_back(label);
    }
    // Each launch's time is written right of its mark, never over a wait.
    nameWidth = std::min(nameWidth + px(8), bounds.Width() / 4);
    labelWidth = std::min(labelWidth + px(8), bounds.Width() / 2);
    const int left = margin + nameWidth;
    const int right = bounds.right - margin - labelWidth;
    const int width = std::max(right - left, 1);
    const auto xOf = [&](long ms) { return left + static_cast<int>(static_cast<long long>(width) * std::max(ms, 0L) / span); };

    const int legendTop = bounds.bottom - margin - textHeight;
    const int axis = legendTop - px(4) - textHeight - px(4);
    const int rowsTop = margin + textHeight + px(6);
    const int count = static_cast<int>(launches.size());
    const int rowHeight = std::max(3, std::min(textHeight + px(6), (axis - px(2) - rowsTop) / count));
    const int barInset = px(3);

    for (int i = 0; i < count; ++i) {
        const LoggedLaunch& launch = launches[i];
        const int top = rowsTop + i * rowHeight;
        const uint32_t colour = launch.Failed() ? Failed : launch.Skipped() ? PlainWait : Launched;
        const int at = xOf(launch.launchedAt);
        if (launch.waitFrom >= 0) {
            const long end = launch.idleFrom >= 0 ? launch.idleFrom : launch.netFrom >= 0 ? launch.netFrom : launch.launchedAt;
            canvas.Fill(Rect{xOf(launch.waitFrom), top + barInset, xOf(end), top + rowHeight - barInset}, PlainWait);
        }
        if (launch.idleFrom >= 0)
            canvas.Fill(Rect{xOf(launch.idleFrom), top + barInset, at, top + rowHeight - barInset}, IdleWait);
        // Beside an idle wait, which goes on at the same time: the row's lower half.
        const int netTop = launch.idleFrom >= 0 ? top + rowHeight / 2 : top + barInset;
        if (launch.netFrom >= 0) canvas.Fill(Rect{xOf(launch.netFrom), netTop, at, top + rowHeight - barInset}, NetworkWait);
        canvas.Fill(Rect{at - px(1), top + 1, at + px(3) - px(1), top + rowHeight - 1}, colour);
        if (rowHeight < textHeight) continue;  // too many rows for their texts
        const int textTop = top + (rowHeight - textHeight) / 2;
        canvas.Text(margin, textTop, launch.name, launch.Failed() ? Failed : Ink);
        canvas.Text(at + px(5), textTop, labels[i], launch.Failed() ? Failed : Ink);
    }

    canvas.Line(left, axis, right, axis, Ink);
    const long step = AxisStep(span, width, canvas.TextWidth("000 s") + px(8));
    for (long ms = 0; ms <= span; ms += step) {
        const int x = xOf(ms);
        canvas.Line(x, axis, x, axis + px(3), Ink);
        canvas.Text(x - canvas.TextWidth("0") / 2, axis + px(4), LongToString(ms / 1000) + " s", Ink);
    }
    int x = margin;
    Swatch(canvas, x, legendTop, textHeight, PlainWait, "wait");
    Swatch(canvas, x, legendTop, textHeight, IdleWait, "idle wait");
    Swatch(canvas, x, legendTop, textHeight, NetworkWait, "network");
    Swatch(canvas, x, legendTop, textHeight, Launched, "launch");
    Swatch(canvas, x, legendTop, textHeight, Failed, "failed");
}

CLastStartupDlg::CLastStartupDlg(IFileSystem& files, const std::string& iniPath)
    : CDialog(LastStartupTemplate()), m_files(files), m_strIniPath(iniPath) {}

bool CLastStartupDlg::OnInitDialog() {
    const std::vector<LoggedRun> runs = ReadStartupLog(m_files, StartupLogPath(m_strIniPath));
    if (!runs.empty()) m_run = runs.back();
    return true;
}

void CLastStartupDlg::OnDraw(int controlId, ICanvas& canvas) {
    if (controlId == IdcPicture) DrawStartup(canvas, m_run);
}
