#include "test_registry.h"

#include <shlwapi.h>

#include "unique_handle.h"

namespace testing_support {

std::optional<RegistryValue> ReadValue(HKEY root, const char* path, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const tavimo::UniqueKey key(opened);
    RegistryValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name, nullptr, &value.type, value.data.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

std::optional<std::string> ReadString(HKEY root, const char* path, const char* name) {
    const std::optional<RegistryValue> value = ReadValue(root, path, name);
    if (!value || value->type != REG_SZ) {
        return std::nullopt;
    }
    const std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
}

bool WriteString(HKEY root, const char* path, const char* name, const std::string& value) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const tavimo::UniqueKey key(created);
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

namespace {

void AddTree(HKEY key, const std::string& prefix, RegistryTree& tree) {
    tree[prefix] = {};
    char name[16384];  // the longest value name the registry allows, and its zero
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegEnumValueA(key, index, name, &length, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        RegistryValue value{type, std::vector<BYTE>(size)};
        length = sizeof name;
        if (RegEnumValueA(key, index, name, &length, nullptr, &value.type, value.data.data(),
                          &size) == ERROR_SUCCESS) {
            value.data.resize(size);
            tree[prefix + '|' + name] = value;
        }
    }
    for (DWORD index = 0;; ++index) {
        char subKey[256];
        DWORD length = sizeof subKey;
        if (RegEnumKeyExA(key, index, subKey, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY opened = nullptr;
        if (RegOpenKeyExA(key, subKey, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
            const tavimo::UniqueKey child(opened);
            AddTree(child.get(), prefix + subKey + "\\", tree);
        }
    }
}

}  // namespace

RegistryTree SnapshotTree(HKEY root, const char* path) {
    RegistryTree tree;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
        const tavimo::UniqueKey key(opened);
        AddTree(key.get(), std::string(path) + (*path != '\0' ? "\\" : ""), tree);
    }
    return tree;
}

void DeleteKeyTree(HKEY root, const char* path) {
    SHDeleteKeyA(root, path);
}

}  // namespace testing_support
