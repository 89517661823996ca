#include "band_spec.h"

#include <charconv>
#include <cmath>

namespace {

// Reads one comma-terminated field (or the last one) into value.
template <typename T>
bool ReadField(std::string_view& text, T& value, bool last) {
    const std::size_t end = text.find(',');
    if ((end == std::string_view::npos) != last) {
        return false;
    }
    const std::string_view field = text.substr(0, end);
    const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || ptr != field.data() + field.size()) {
        return false;
    }
    text.remove_prefix(last ? text.size() : end + 1);
    return true;
}

}  // namespace

std::optional<BandSpec> ParseBandSpec(std::string_view text) {
    BandSpec spec{};
    if (!ReadField(text, spec.band, false) || !ReadField(text, spec.freq, false) ||
        !ReadField(text, spec.gain, false) || !ReadField(text, spec.q, true)) {
        return std::nullopt;
    }
    if (spec.band < 1 || spec.band > 5 || !std::isfinite(spec.freq) || !std::isfinite(spec.gain) ||
        !std::isfinite(spec.q)) {
        return std::nullopt;
    }
    return spec;
}
