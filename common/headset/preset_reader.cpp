#include "preset_reader.h"

#include <windows.h>

#include "unique_handle.h"

namespace headset {

std::optional<std::vector<std::uint8_t>> ReadPresetFile(const std::string& name, std::size_t size) {
    if (name.empty()) {
        return std::nullopt;
    }
    const HANDLE opened = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const tavimo::UniqueHandle file(opened);
    std::vector<std::uint8_t> bytes(size);
    std::size_t filled = 0;
    while (filled < size) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(size - filled), &read,
                      nullptr) ||
            read == 0) {
            return std::nullopt;
        }
        filled += read;
    }
    return bytes;
}

}  // namespace headset
