#pragma once
// The console the program was started from, for the modes a script runs.
#include <string>

class IConsole {
public:
    virtual ~IConsole() = default;
    // Standard output and standard error: a redirected handle takes the
    // bytes as they are; a console shows them as UTF-8. A program started
    // without either writes nothing.
    virtual void Out(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;
};
