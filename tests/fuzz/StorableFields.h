#pragma once
// What the programs can store in a line of the manager information file: a
// name is a file title (no control characters, no double quote, no blanks
// around it); a source and a wait are the programs' own texts, without commas.
// Texts are UTF-8, the programs' code page: a line that is not was written by
// an older version in ANSI, and is read in that code page instead.
#include "common/ManagerInfo.h"
#include "common/TextHelpers.h"
#include "platform/TextCodes.h"

namespace fuzz {

inline bool StorableText(const std::string& text) {
    if (Trim(text) != text || !IsUtf8(text)) return false;
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == 0x7F) return false;
    return true;
}

inline bool Storable(const ManagerLine& row) {
    return StorableText(row.name) && StorableText(row.source) && StorableText(row.wait) &&
           row.source.find(',') == std::string::npos && row.wait.find(',') == std::string::npos;
}

}  // namespace fuzz
