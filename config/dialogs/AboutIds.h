#pragma once
// Resource and control ids of the About dialog, shared with the tests.

namespace about {

constexpr int IddAbout = 170;
constexpr int IdcPicture = 1033;
constexpr int IdcWebSite = 1032;

}  // namespace about
