// What the control center makes of the bytes it finds in the registry. The
// registry is untrusted: a value may be of another type, unterminated, longer
// than the buffer the setting allows, or not a digit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavimo {

// Registry value types, as the registry reports them.
inline constexpr std::uint32_t kRegString = 1;  // REG_SZ
inline constexpr std::uint32_t kRegDword = 4;   // REG_DWORD

// Longest texts the settings hold, terminating zero included.
inline constexpr std::size_t kPathBytes = 260;     // directory, commands
inline constexpr std::size_t kLanguageBytes = 80;  // language name

// A string value that the registry returned as `length` bytes of `type`:
// the text before its first zero. Nothing when the value is not a string or
// the text and its terminator need more than `capacity` bytes: a setting
// that does not fit counts as missing, never cut.
std::optional<std::string> StringSetting(std::uint32_t type, std::string_view data,
                                         std::size_t capacity);

// A one-digit setting: its first byte '0'..'9' gives 0..9 ("7x" is 7);
// anything else, or no text, gives -1.
int DigitSetting(const std::optional<std::string>& text);

// A flag stored as a double word: its value when the registry returned
// exactly four bytes of REG_DWORD, otherwise nothing.
std::optional<std::uint32_t> DwordSetting(std::uint32_t type, std::string_view data);

}  // namespace tavimo
