#pragma once
// Windows paths, backslash as separator; nothing is normalised or quoted.
#include <string>

class IFileSystem;

// The part after the last backslash; the whole text when there is none.
std::string FileNameOf(const std::string& path);
// The part before the last backslash, the backslash dropped; empty when there
// is none. A drive alone ("C:") gets its backslash back ("C:\").
std::string DirectoryOf(const std::string& path);
// At most four characters after the last ".", cut at the first blank among
// them; empty when there is no ".". Letter case unchanged.
std::string ExtensionOf(const std::string& path);
// The file's name without its extension: the item's title.
std::string TitleOf(const std::string& path);
// The name in the folder, one backslash between them whether or not the
// folder ends in one; with no name, the folder with its trailing backslash.
std::string PathIn(const std::string& folder, const std::string& name);
// The file of that name in the folder of path; the name alone when path has
// no folder.
std::string BesidePath(const std::string& path, const std::string& name);
// The directory of the running program's own file (no trailing backslash
// except at a drive root).
std::string ProgramDirectory(IFileSystem& files);
