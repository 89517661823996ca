// The applet's rules that need no Windows: what a headset's serial-number
// string says, which systems get the classic inquiry answered, how the
// applet's description string is split into the Control Panel's fields, and
// the rows of the language list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace applet {

// The three '-'-separated fields of a serial number: model, part, firmware.
struct SerialFields {
    // The leading decimal number, read as atoi reads it (leading blanks and
    // a sign accepted, 0 without a number), held to the int range.
    int model = 0;
    // Everything after the second '-'; none when nothing follows it or
    // there is no second '-'.
    std::optional<std::string> firmware;
};
SerialFields ParseSerialNumber(std::string_view serial);

// What the system reported of itself when the applet was initialised.
struct OsVersionRecord {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;  // the low 16 bits of the system's build field
};
inline constexpr std::uint32_t kPlatformWindows9x = 1;  // VER_PLATFORM_WIN32_WINDOWS

// Only Windows 98 Second Edition (4.10, build 2183 or later) is answered
// the classic inquiry; every other system reads the applet's texts from the
// newer one.
bool AnswersClassicInquire(const OsVersionRecord& os);

// Field index of text split at its newlines, cut to fit room bytes with
// its terminating zero; empty when there is no such field.
std::string FieldOf(std::string_view text, std::size_t index, std::size_t room);

// A row of the language list: the language's Windows primary language id
// and the string id of the text it is listed by.
struct LanguageRow {
    unsigned code;
    unsigned stringId;
};
// In the order the rows are added: Dutch, English, French, German, Italian,
// Spanish.
std::span<const LanguageRow> LanguageRows();

// The list item's data: (code << 16) | string id, and the code back.
std::uint32_t ItemData(const LanguageRow& row);
unsigned CodeOfItemData(std::uint32_t data);

}  // namespace applet
