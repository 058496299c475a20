#pragma once
// A console that keeps what it was given.
#include "platform/Console.h"

class MemoryConsole : public IConsole {
public:
    void Out(const std::string& text) override { out += text; }
    void Error(const std::string& text) override { error += text; }
    std::string out, error;
};
