#pragma once
// Resource and control ids of the RegeditInfo dialog, shared with the tests.

namespace regeditinfo {

constexpr int IddRegeditInfo = 169;
constexpr int IdcKeyPath = 1031;

}  // namespace regeditinfo
