#include "registry_value.h"

#include "settings_values.h"
#include "unique_handle.h"

namespace tavimo {

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& path, const char* name,
                                               std::size_t capacity) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const UniqueKey key(opened);
    RegistryValue value;
    value.bytes.assign(capacity, '\0');
    DWORD size = static_cast<DWORD>(capacity);
    if (RegQueryValueExA(key.get(), name, nullptr, &value.type,
                         reinterpret_cast<BYTE*>(value.bytes.data()), &size) != ERROR_SUCCESS ||
        size > capacity) {
        return std::nullopt;
    }
    value.bytes.resize(size);
    return value;
}

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& path, const char* name,
                                              std::size_t capacity) {
    const std::optional<RegistryValue> value = ReadRegistryValue(root, path, name, capacity);
    return value ? StringSetting(value->type, value->bytes, capacity) : std::nullopt;
}

}  // namespace tavimo
