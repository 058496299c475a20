#pragma once
// Moving and deleting the file of one item, with the message a failure shows.
#include <string>

class IFileSystem;
class IMessageBoxes;
class MoveQuestions;
struct Platform;

// Moves the file into the directory (ending with a backslash) under its own
// name, asking before a replacement; destination is its new path. On failure
// shows path + "This file could not be moved." with the advice, and first
// the administrator's part where a folder of every user's (machine) is one end.
bool MoveItemFile(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const std::string& path,
                  const std::string& directory, std::string& destination, bool machine);
// One item of ADD or REMOVE: a manager item whose Source names a registry
// list asks first, since that origin is lost. source is empty for an item
// that has none.
bool MoveItemToFolder(Platform& platform, MoveQuestions& questions, const std::string& path, const std::string& source,
                      const std::string& directory, std::string& destination, bool machine);
// Deletes the file; on failure shows path + "This file could not be deleted."
// with the advice, as a move gives it.
bool DeleteItemFile(IFileSystem& files, IMessageBoxes& messages, const std::string& path, bool machine);
