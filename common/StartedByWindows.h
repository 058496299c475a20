#pragma once
// A managed program that has put itself back where Windows starts it: its
// installer or its own first start wrote its Run value again after the item
// was taken into the manager. Windows then starts it already.
#include <string>

class IRegistry;
class IShellLinks;

// The Run key that holds the command of the shortcut at path again (the
// same command line, quotes, blanks and case aside), as the registry editor
// names it; empty when none does or the file is no shortcut that loads.
std::string RunKeyStartingAgain(IRegistry& registry, IShellLinks& links, const std::string& path);
