#pragma once
// The manager information file: one line per managed item, each
// "name", "source", "wait" in double quotes, in the manager list's order.
#include <string>
#include <vector>

class IFileSystem;
class IMessageBoxes;

struct ManagerLine {
    std::string name, source, wait;
};

// The one parser of a line, used by both programs. Stateless.
class CManagerInfoParser {
public:
    // True when the line names this item (byte for byte); then source and
    // wait are written. The line may end with its newline.
    bool ParseManagerLine(const std::string& line, const std::string& name, std::string& source,
                          std::string& wait) const;
    // The same rule without a name to match: the name the line gives, with
    // its source and wait. False for a line that can name no item. Lets a
    // reader parse each line once, however many items there are.
    bool ReadManagerLine(const std::string& line, ManagerLine& fields) const;
};

// One line as stored, without its line end.
std::string FormatManagerLine(const ManagerLine& row);

// Every line of the file, whole whatever its length, as read (with its
// newline when it has one). False when the file cannot be opened in mode.
bool ReadManagerLines(IFileSystem& files, const std::string& path, const std::string& mode,
                      std::vector<std::string>& lines);

// The configuration program's read: for each row name, the source and wait
// of the lines given to it. Each line goes to the first row it names; a
// later line for the same row wins; a row no line reaches gets empty texts.
// The file is opened in mode "a+" (a missing one is created empty); when
// that fails the error is shown, values are left empty and the result is false.
bool ReadManagerInfoFor(IFileSystem& files, IMessageBoxes& messages, const std::string& path,
                        const std::vector<std::string>& rowNames, std::vector<ManagerLine>& values);

// Writes the rows to path + ".new" and puts that in place of the file only
// when every line was written; otherwise the scratch file is removed, the
// file stays as it was, and the error is shown. True when the file was replaced.
bool WriteManagerInfo(IFileSystem& files, IMessageBoxes& messages, const std::string& path,
                      const std::vector<ManagerLine>& rows);

// The scratch file that WriteManagerInfo writes beside the file.
std::string ManagerInfoScratchPath(const std::string& path);

// The runner's read. waits gets one entry per item: the k-th item with a
// given name takes the wait of the k-th line for that name, or an empty
// wait when there is none. False when the file cannot be opened (mode "r");
// waits is then empty.
bool ReadWaitTimes(IFileSystem& files, const std::string& iniPath, const std::vector<std::string>& itemNames,
                   std::vector<std::string>& waits);
