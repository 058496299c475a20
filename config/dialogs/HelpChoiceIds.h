#pragma once
// Resource and control ids of the HelpChoice dialog, shared with the tests.

namespace helpchoice {

constexpr int IddHelpChoice = 173;
constexpr int IdcOnline = 1036;
constexpr int IdcLocal = 1037;

}  // namespace helpchoice
