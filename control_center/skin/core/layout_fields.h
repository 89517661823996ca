// The field forms of layout values: numbers, flags, colours, bitmaps, texts
// and fonts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// Leading decimal digits after optional blanks and sign, like atoi; text
// that does not start with a number reads as 0. Saturates at the int range.
int ReadNumber(std::string_view field);

inline bool ReadFlag(std::string_view field) {
    return ReadNumber(field) != 0;
}

// "#RRGGBB" as a Windows COLORREF 0x00BBGGRR. A field that does not start
// with '#' or is shorter than 7 characters gives white; a channel whose two
// characters are not both hexadecimal digits gives 255.
std::uint32_t ReadColour(std::string_view field);

// True when a colour field is exactly "#RRGGBB" (what the checker accepts).
bool IsWellFormedColour(std::string_view field);

// A bitmap field: a resource of the program or a file.
struct BitmapRef {
    enum class Kind { None, Resource, File };
    Kind kind = Kind::None;
    int resourceId = 0;
    std::string path;

    bool operator==(const BitmapRef&) const = default;
};

// An element's bitmap fields: the first one decides for all. When it starts
// with '#', every field is a resource id (its first character skipped, the
// rest read as a number); otherwise every field is a file path. Empty fields
// are no bitmap.
class BitmapFields {
public:
    explicit BitmapFields(std::string_view first) : resources_(!first.empty() && first[0] == '#') {}
    BitmapRef Read(std::string_view field) const;

private:
    bool resources_;
};

// A text field: "#N" is string N of the current language, anything else
// is shown as written.
struct TextRef {
    bool isStringId = false;
    unsigned stringId = 0;
    std::string_view literal;
};
TextRef ReadText(std::string_view field);

// A font: face (at most 31 characters), character height in pixels, bold.
// Without a face or with height 0 the item has no font of its own and draws
// with the DC's current font.
inline constexpr std::size_t kMaxFaceLength = 31;
struct FontSpec {
    std::string face;
    int height = 0;
    bool bold = false;

    bool HasFont() const { return !face.empty() && height != 0; }
    bool operator==(const FontSpec&) const = default;
};
// Longer faces are cut to kMaxFaceLength characters.
FontSpec ReadFont(std::string_view face, std::string_view height, std::string_view bold);

}  // namespace skin
