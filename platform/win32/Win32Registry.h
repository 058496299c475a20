#pragma once
// The registry through the ANSI calls.
#include "platform/Registry.h"

class Win32Registry : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> Open(RegistryRoot root, const std::string& path, RegistryAccess access) override;
    std::unique_ptr<IRegistryKey> Create(RegistryRoot root, const std::string& path) override;
    bool Exists(RegistryRoot root, const std::string& path) override;
    bool HasSeparate32BitView() const override;
};
