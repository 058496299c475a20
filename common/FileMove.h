#pragma once
// Moving one file by copy and delete, asking before a replacement.
#include <string>

class IFileSystem;
class MoveQuestions;

// True when the file now exists at the destination and no longer at the
// source. Fails on a missing or read-only source, a read-only destination,
// a declined replacement, a failed copy or a failed delete (then the copy is
// removed again unless it replaced a file). Asks only whether to replace.
bool MoveFileConfirmed(IFileSystem& files, MoveQuestions& questions, const std::string& source,
                       const std::string& destination);
// The same for a source already known to be there and not read-only.
bool MoveCheckedFile(IFileSystem& files, MoveQuestions& questions, const std::string& source,
                     const std::string& destination);
