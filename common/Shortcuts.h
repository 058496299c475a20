#pragma once
// Shortcut files: reading, writing, and making one from a registry command line.
#include <string>

class IFileSystem;
class IMessageBoxes;
class IShellLinks;

// Loads the shortcut under its own COM initialisation. False (outputs
// untouched) when it cannot be loaded; a COM failure is also shown.
bool ReadShortcut(IShellLinks& links, IMessageBoxes& messages, const std::string& path, std::string& target,
                  std::string& arguments, std::string& workingDirectory, std::string& description);
// Saves the shortcut; the caller has initialised COM.
bool WriteShortcut(IShellLinks& links, const std::string& target, const std::string& arguments,
                   const std::string& workingDirectory, const std::string& path, const std::string& description);
// A file title for a registry value name: each of \ / : * ? " < > | becomes
// '_', a name of nothing but dots and blanks becomes "Unnamed", and a
// device's name ("NUL", "com1.txt") takes a leading '_'.
std::string ShortcutTitleFor(const std::string& valueName);
// Writes directory + name + ".lnk" from the command line, the name first
// made a file title (ShortcutTitleFor) and then unique against the files already there (given back through name). The
// working directory is the directory of the program as split. False, with
// nothing written, when the directory cannot be searched.
bool CreateShortcutFromCommandLine(IFileSystem& files, IShellLinks& links, IMessageBoxes& owner, std::string& name,
                                   const std::string& commandLine, const std::string& directory);
