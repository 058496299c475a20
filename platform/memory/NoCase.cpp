#include "platform/memory/NoCase.h"

#include "platform/TextCodes.h"

std::string UpperCase(const std::string& text) {
    return UpperName(text);
}

bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}
