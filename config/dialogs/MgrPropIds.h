#pragma once
// Resource and control ids of the MgrProp dialog, shared with the tests.

namespace mgrprop {

constexpr int IddMgrProp = 161;
constexpr int IdcType = 1018;
constexpr int IdcFileName = 1019;
constexpr int IdcSource = 1020;
constexpr int IdcWait = 1021;
constexpr int IdcIdle = 1022;
constexpr int IdcProgram = 1034;
constexpr int IdcArguments = 1035;
constexpr int IdcMinimised = 1040;
constexpr int IdcMains = 1041;
constexpr int IdcNetwork = 1042;
constexpr int IdcMonday = 1043;  // to IdcMonday + 6, Sunday
constexpr int IdcLow = 1050;

}  // namespace mgrprop
