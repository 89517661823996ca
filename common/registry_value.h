// One value read from the registry, bounded: the bytes of a value that needs
// more room than the caller allows are never returned in part.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace tavimo {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

// Value `name` (null: the key's default value) of key `path` below `root`;
// nothing when the key or value is missing or larger than `capacity` bytes.
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& path, const char* name,
                                               std::size_t capacity);

// A string setting: the text of a REG_SZ value, terminated within
// `capacity` bytes with its zero; nothing when missing, of another type or
// too long.
std::optional<std::string> ReadRegistryString(HKEY root, const std::string& path, const char* name,
                                              std::size_t capacity);

}  // namespace tavimo
