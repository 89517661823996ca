// Reads a preset file of the installation directory, read-only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace headset {

// The first size bytes of the file; nothing when it cannot be opened (a
// directory, say) or holds fewer.
std::optional<std::vector<std::uint8_t>> ReadPresetFile(const std::string& name, std::size_t size);

}  // namespace headset
