#pragma once
// Storing and deleting single values under keys that already exist.
#include <string>

#include "platform/Registry.h"

// A REG_SZ value (its stored size counts the terminating NUL). False when
// the key cannot be opened or the value not stored; no key is created.
bool SetRegistryString(IRegistry& registry, RegistryRoot root, const std::string& keyPath,
                       const std::string& name, const std::string& text);
// False when the key cannot be opened or the value not deleted.
bool DeleteRegistryValue(IRegistry& registry, RegistryRoot root, const std::string& keyPath,
                         const std::string& name);
