#include "hardware_ids.h"

#include <cstring>

namespace setup {
namespace {

unsigned char AsciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool BeginsWith(std::string_view text, std::string_view id) {
    if (text.size() < id.size()) {
        return false;
    }
    for (std::size_t i = 0; i < id.size(); ++i) {
        if (AsciiLower(static_cast<unsigned char>(text[i])) !=
            AsciiLower(static_cast<unsigned char>(id[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool HasHardwareId(const unsigned char* data, std::size_t size, std::string_view id) {
    if (data == nullptr || id.empty()) {
        return false;
    }
    const char* const text = reinterpret_cast<const char*>(data);
    for (std::size_t start = 0; start < size;) {
        const void* zero = std::memchr(text + start, '\0', size - start);
        const std::size_t end =
            zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - text)
                            : size;
        if (end == start) {
            return false;  // the empty string closing the list
        }
        if (BeginsWith(std::string_view(text + start, end - start), id)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace setup
