#pragma once
// Resource and control ids of the StartupProp dialog, shared with the tests.

namespace startupprop {

constexpr int IddStartupProp = 162;
constexpr int IdcType = 1018;
constexpr int IdcLocation = 1019;
constexpr int IdcFileName = 1020;

}  // namespace startupprop
