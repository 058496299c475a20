#pragma once
// Rewriting a directory's entry order through the Roc directory: every file
// of the list goes out in row order and comes back in the order it went out,
// so each gets a new entry, in row order, on a file system that keeps
// entries in creation order.
#include <string>
#include <vector>

class IFileSystem;
class IMessageBoxes;
class MoveQuestions;

struct RocPaths {
    std::string directory;  // with its trailing backslash
    std::string record;     // where the files in it belong during a reorder
};

// One folder to rewrite: its files in the order wanted.
struct ReorderJob {
    std::vector<std::string> paths;
    std::string directory;  // with its trailing backslash
    // Tell the user when the file system kept its own order.
    bool reportNameOrder = false;
};

bool RocDirectoryIsEmpty(IFileSystem& files, const std::string& rocDirectory);

// False when a file of the list was left in the Roc directory.
bool ReorderDirectory(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const RocPaths& roc, const ReorderJob& job);

// Each job in turn, through a Roc directory made when missing; a job's
// file left in the Roc directory stops the later ones, which must neither
// take it in nor replace it.
void ReorderDirectories(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const RocPaths& roc,
                        const std::vector<ReorderJob>& jobs);
