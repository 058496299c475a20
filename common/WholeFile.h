#pragma once
// A text file written whole or not at all: the lines go to a scratch file
// beside it, which then takes its place, so that a write cut short leaves
// the file as it was.
#include <string>
#include <vector>

class IFileSystem;

// path + ".new".
std::string ScratchPathOf(const std::string& path);
enum class WholeFile { Written, NotOpened, NotWritten };
// Each line with its '\n'. Unless written, the file is as it was, and no
// scratch file is left.
WholeFile WriteWholeFile(IFileSystem& files, const std::string& path, const std::vector<std::string>& lines);
