#include "config/dialogs/TypeText.h"

#include "common/PathHelpers.h"
#include "common/TextHelpers.h"

std::string TypeTextOf(const std::string& path) {
    const std::string extension = UpperCopy(ExtensionOf(path));
    if (extension == "LNK") return "Shortcut";
    if (extension == "EXE" || extension == "COM" || extension == "BAT") return "Executable";
    return extension + " file";
}
