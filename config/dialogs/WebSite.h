#pragma once
// The product's web site, the one place its address is written: the About
// button, the help choice's text and the online documentation take it here.
#include <string>

namespace config {
inline constexpr char kWebSite[] = "http://www.orvane.example";
inline std::string OnlineContents() { return std::string(kWebSite) + "/orvane/contents.htm"; }
}  // namespace config
