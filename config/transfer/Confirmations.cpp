#include "config/transfer/Confirmations.h"

#include "common/TextHelpers.h"

namespace {

bool Contains(const std::string& text, const char* upperWord) {
    return UpperCopy(text).find(upperWord) != std::string::npos;
}

}  // namespace

bool HasRegistrySource(const std::string& source) {
    return Contains(source, "RUN") || Contains(source, "SERVICES");
}

bool NamesSystray(const std::string& commandLine) {
    return Contains(commandLine, "SYSTRAY");
}
