#pragma once
// Resource and control ids of the RegLocation dialog, shared with the tests.

namespace reglocation {

constexpr int IddRegLocation = 165;
constexpr int IdcItemName = 1028;
constexpr int IdcRadioRun = 1029;
constexpr int IdcRadioRunServices = 1030;

}  // namespace reglocation
