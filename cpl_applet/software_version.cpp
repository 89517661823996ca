#include "software_version.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace applet {

std::optional<std::string> SoftwareVersion(const std::string& directory) {
    const std::string path = directory + "\\TAVIMO.EXE";
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<char> block(size);
    void* text = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\StringFileInfo\\040904B0\\FileVersion", &text, &length) ||
        text == nullptr) {
        return std::nullopt;
    }
    // The entry lies inside the block; its length is not trusted to hold a
    // terminating zero.
    const auto* begin = static_cast<const char*>(text);
    const char* end = block.data() + block.size();
    if (begin < block.data() || begin >= end) {
        return std::nullopt;
    }
    const auto room = static_cast<std::size_t>(end - begin);
    return std::string(begin, strnlen(begin, std::min<std::size_t>(length, room)));
}

}  // namespace applet
