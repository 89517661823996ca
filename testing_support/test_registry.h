// Registry access for the Windows tests, made only of calls that the oldest
// supported Windows has.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const RegistryValue&) const = default;
};

// Every key and value below key path of root: each key by its path with a
// trailing backslash, each value by that path, '|' and its name (empty for
// the default value). Empty for a missing key.
using RegistryTree = std::map<std::string, RegistryValue>;
RegistryTree SnapshotTree(HKEY root, const char* path = "");

// Value name of key path under root (null name: the key's default value);
// nullopt when the key or the value is missing.
std::optional<RegistryValue> ReadValue(HKEY root, const char* path, const char* name);

// A string value read as text, cut at its first terminator.
std::optional<std::string> ReadString(HKEY root, const char* path, const char* name);

// Creates key path as needed and sets its string value name (null: the
// default value). false when either step failed.
bool WriteString(HKEY root, const char* path, const char* name, const std::string& value);

// Deletes key path with everything below it; a missing key is no error.
void DeleteKeyTree(HKEY root, const char* path);

}  // namespace testing_support
