#pragma once
#include "platform/Console.h"

class Win32Console : public IConsole {
public:
    void Out(const std::string& text) override;
    void Error(const std::string& text) override;
};
