#pragma once
// Resource and control ids of the RegProp dialog, shared with the tests.

namespace regprop {

constexpr int IddRegProp = 164;
constexpr int IdcLocation = 1019;
constexpr int IdcCommandLine = 1020;

}  // namespace regprop
