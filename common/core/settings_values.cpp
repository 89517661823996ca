#include "settings_values.h"

#include <cstring>

namespace tavimo {

std::optional<std::string> StringSetting(std::uint32_t type, std::string_view data,
                                         std::size_t capacity) {
    if (type != kRegString) {
        return std::nullopt;
    }
    const std::string_view text = data.substr(0, data.find('\0'));
    if (text.size() >= capacity) {
        return std::nullopt;
    }
    return std::string(text);
}

int DigitSetting(const std::optional<std::string>& text) {
    if (!text || text->empty() || (*text)[0] < '0' || (*text)[0] > '9') {
        return -1;
    }
    return (*text)[0] - '0';
}

std::optional<std::uint32_t> DwordSetting(std::uint32_t type, std::string_view data) {
    if (type != kRegDword || data.size() != sizeof(std::uint32_t)) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    std::memcpy(&value, data.data(), sizeof value);  // the registry's byte order is Windows'
    return value;
}

}  // namespace tavimo
