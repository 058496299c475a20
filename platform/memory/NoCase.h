#pragma once
// Names compared as Windows compares file, key and value names.
#include <string>

std::string UpperCase(const std::string& text);
bool SameNoCase(const std::string& a, const std::string& b);
