#pragma once
// Where the Windows Startup folder of the user is.
#include <string>

class IFileSystem;
class IRegistry;

// The folder the shell starts the user's items from: the "Startup" value
// under the user's Explorer\Shell Folders when it names an existing
// directory, else the Windows directory's "Start Menu\Programs\Startup".
// With its trailing backslash.
std::string UserStartupFolder(IRegistry& registry, IFileSystem& files);

// The folder the shell starts every user's items from: the "Common Startup"
// value under the machine's Explorer\Shell Folders when it names an existing
// directory other than the user's own; empty where there is none. With its
// trailing backslash.
std::string CommonStartupFolder(IRegistry& registry, IFileSystem& files, const std::string& userFolder);
