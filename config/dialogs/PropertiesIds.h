#pragma once
// The control id the three item properties dialogs share, shared with the tests.

namespace props {

constexpr int IdcTitle = 1017;

}  // namespace props
