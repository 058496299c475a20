#pragma once
// What kind of file a path names, as the properties dialogs show it:
// "Shortcut", "Executable", or the upper-cased extension + " file".
#include <string>

std::string TypeTextOf(const std::string& path);
