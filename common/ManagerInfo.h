#pragma once
// The manager information file: one line per managed item, each
// "name", "source", "wait" in double quotes, in the manager list's order.
// Fields may stand between the source and the wait ("file:Mail.lnk",
// "idle"): a reader that takes the second field as the source and the last
// as the wait reads such a line as before.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

class IMessageBoxes;

struct ManagerLine {
    std::string name, source, wait;
    // The fields between the source and the wait, in their order, kept
    // whole when the line is written again, known to this program or not.
    std::vector<std::string> extras;
};

// The field that marks an item to wait for an idle computer after its wait.
extern const char IdleField[];
// The field of an item turned off: it keeps its place and wait, and the
// runner does not launch it.
extern const char OffField[];
// The field that starts the item's processes at low priority for a minute.
extern const char LowField[];
// The field that names the item's file ("file:Mail.lnk"), written when
// several items share a title; empty when the line has none.
std::string FileField(const ManagerLine& line);
// Sets the field (first among the extras), or removes it for an empty name.
void SetFileField(ManagerLine& line, const std::string& fileName);
// Whether the line carries the field (compared without regard to case);
// SetExtraField adds or removes it, keeping every other field in place.
bool HasExtraField(const ManagerLine& line, const std::string& field);
bool HasExtraField(const std::vector<std::string>& extras, const std::string& field);
void SetExtraField(std::vector<std::string>& extras, const std::string& field, bool on);
inline void SetExtraField(ManagerLine& line, const std::string& field, bool on) { SetExtraField(line.extras, field, on); }

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

// What the file says of each managed item, in both programs alike. A line
// that names a file pairs with the item of that file and title; then the
// k-th item with a name takes the k-th line left with that name, so that
// two items of one title (Mail.lnk and Mail.pif) each keep their own source
// and wait. fileNames: each item's file name, or none at all.
struct PairedItem {
    ManagerLine fields;  // name given; source and wait empty without a line
    int line = -1;       // the line's position among the file's lines; -1: none
};
// What the pairing knows of each file of the manager folder: its title, the
// item's name, and its file name.
struct ItemNames {
    std::vector<std::string> titles, files;
};
ItemNames NamesOf(const std::vector<FileEntry>& entries);

std::vector<PairedItem> PairItemsWithLines(const std::vector<std::string>& itemNames,
                                           const std::vector<std::string>& lines,
                                           const std::vector<std::string>& fileNames = {});

// The order the items are listed and started in: those with a line in the
// order of their lines (the order the user gave), then the others in the
// order given (the directory's). Indexes into items.
std::vector<std::size_t> ManagerOrder(const std::vector<PairedItem>& items);

// The configuration program's read, the file opened in mode "a+" (a missing
// one is created empty), or in mode "r" for a read that must change nothing
// (a missing one then holds no lines). When that fails the error is shown,
// every item gets empty texts and no line, and the result is false.
enum class InfoOpen { Append, ReadOnly };
bool ReadManagerInfoFor(IFileSystem& files, IMessageBoxes& messages, const std::string& path,
                        const std::vector<std::string>& itemNames, std::vector<PairedItem>& items,
                        const std::vector<std::string>& fileNames = {}, InfoOpen open = InfoOpen::Append);

// Writes the rows to path + ".new" and puts that in place of the file only
// when every line was written; otherwise the scratch file is removed, the
// file stays as it was, and the error is shown. True when the file was replaced.
bool WriteManagerInfo(IFileSystem& files, IMessageBoxes& messages, const std::string& path,
                      const std::vector<ManagerLine>& rows);

// The runner's read, mode "r": false when the file cannot be opened; every
// item then has no line.
bool ReadWaitTimes(IFileSystem& files, const std::string& iniPath, const std::vector<std::string>& itemNames,
                   std::vector<PairedItem>& items, const std::vector<std::string>& fileNames = {});
