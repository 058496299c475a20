#pragma once
// Resource and control ids of the runner.
namespace runner {
constexpr int IddRunner = 102;
constexpr int IdiRunner = 128;
constexpr int IdbStopped = 131;  // red lamp
constexpr int IdbGo = 132;       // green lamp
constexpr int IdbWaiting = 133;  // yellow lamp

constexpr int IdcRunList = 1000;
constexpr int IdcPause = 1001;
constexpr int IdcNoWait = 1002;
constexpr int IdcSkip = 1003;
constexpr int IdcRunNow = 1004;
constexpr int IdcRunNone = 1005;
constexpr int IdcLamp = 1006;
constexpr int IdcCloseWhenFinished = 1008;
constexpr int IdcStatus = 1009;

constexpr unsigned SequencerTimer = 1;
constexpr unsigned SequencerPeriod = 1;  // milliseconds: the platform's shortest period
constexpr unsigned WatchTimer = 2;  // the windows of items started minimised
constexpr unsigned MeasurePeriod = 500;  // after the run, while its launches are measured
}  // namespace runner
