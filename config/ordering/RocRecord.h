#pragma once
// Where the files in the Roc directory belong while a reorder moves them: a
// record written before the first file leaves its folder, removed once all
// are back, and read at the next start when the program was stopped between.
#include <string>

class IFileSystem;
class IMessageBoxes;
class MoveQuestions;

// The record names the folder; false when it could not be written whole.
bool WriteRocRecord(IFileSystem& files, const std::string& recordPath, const std::string& directory);
// Marks that the files are coming back from the Roc directory.
void MarkRocRecordComingBack(IFileSystem& files, const std::string& recordPath);
inline constexpr char kComingBack[] = "back";

// Tells the user that the Roc directory holds files whose place is not known.
void ReportRocLeftovers(IMessageBoxes& messages);

// Tells the user that a file stayed in the Roc directory, and must be taken
// back by hand.
void ReportLeftInRoc(IMessageBoxes& messages, const std::string& rocPath, const std::string& directory);

// Puts back what an interrupted reorder left in the Roc directory (ending
// with a backslash) into the folder its record names, and tells the user.
// A file with a twin in the folder was being copied when the program
// stopped: the whole one of the two stays (the folder's while going out,
// the Roc file's while coming back). What cannot go back is named, and the record stays for the next
// start. Files whose folder no record names are left alone, and the user is
// told they are there.
void RecoverInterruptedReorder(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const std::string& recordPath,
                               const std::string& rocDirectory);
