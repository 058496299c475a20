#pragma once
// A text file of lines, read whole, or written whole or not at all: the
// lines go to a scratch file beside it, which then takes its place, so that
// a write cut short leaves the file as it was.
#include <string>
#include <vector>

class IFileSystem;

enum class LinesRead { Missing, Read, Unreadable };
// The file's lines, each with its '\n' when it has one; a file that is not
// there is told from one that is there but cannot be read.
LinesRead ReadLines(IFileSystem& files, const std::string& path, std::vector<std::string>& lines);

enum class WholeFile { Written, NotOpened, NotWritten };
// Each line with its '\n', through the scratch file path + ".new". Unless
// written, the file is as it was, and no scratch file is left.
WholeFile WriteWholeFile(IFileSystem& files, const std::string& path, const std::vector<std::string>& lines);
