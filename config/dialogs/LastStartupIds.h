#pragma once
// Resource and control ids of the Last Start-up dialog, shared with the tests.

namespace laststartup {

constexpr int IddLastStartup = 175;
constexpr int IdcPicture = 1040;

}  // namespace laststartup
