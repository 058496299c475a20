#pragma once
// Resource and control ids of the Options dialog, shared with the tests.

namespace options {

constexpr int IddOptions = 163;
constexpr int IdcApply = 3;
constexpr int IdcMinimized = 1023;
constexpr int IdcTopLeft = 1024;
constexpr int IdcCentered = 1025;
constexpr int IdcBottomLeft = 1026;
constexpr int IdcClose = 1027;
constexpr int IdcIdleBusyPercent = 1028;
constexpr int IdcIdleSeconds = 1029;
constexpr int IdcIdleLongest = 1030;
constexpr int IdcNetworkLongest = 1031;

}  // namespace options
