#include "layout_fields.h"

#include <climits>

namespace skin {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::uint32_t Channel(char high, char low) {
    const int h = HexDigit(high);
    const int l = HexDigit(low);
    return h < 0 || l < 0 ? 255u : static_cast<std::uint32_t>(h * 16 + l);
}

bool IsAtoiBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

int ReadNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && IsAtoiBlank(field[i])) {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;  // keep saturating
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);  // at least INT_MIN by the clamp above
}

std::uint32_t ReadColour(std::string_view field) {
    if (field.size() < 7 || field[0] != '#') {
        return 0xFFFFFF;
    }
    const std::uint32_t red = Channel(field[1], field[2]);
    const std::uint32_t green = Channel(field[3], field[4]);
    const std::uint32_t blue = Channel(field[5], field[6]);
    return red | green << 8 | blue << 16;
}

bool IsWellFormedColour(std::string_view field) {
    if (field.size() != 7 || field[0] != '#') {
        return false;
    }
    for (char c : field.substr(1)) {
        if (HexDigit(c) < 0) {
            return false;
        }
    }
    return true;
}

BitmapRef BitmapFields::Read(std::string_view field) const {
    if (field.empty()) {
        return {};
    }
    if (resources_) {
        return {BitmapRef::Kind::Resource, ReadNumber(field.substr(1)), {}};
    }
    return {BitmapRef::Kind::File, 0, std::string(field)};
}

TextRef ReadText(std::string_view field) {
    if (!field.empty() && field[0] == '#') {
        const int id = ReadNumber(field.substr(1));
        return {true, id > 0 ? static_cast<unsigned>(id) : 0u, {}};
    }
    return {false, 0, field};
}

FontSpec ReadFont(std::string_view face, std::string_view height, std::string_view bold) {
    return {std::string(face.substr(0, kMaxFaceLength)), ReadNumber(height), ReadFlag(bold)};
}

}  // namespace skin
