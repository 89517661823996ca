// How layouts compare section names and entry keys: ASCII letters fold to one
// case, while a double-byte character of the system code page (a lead byte
// and the byte after it) compares exactly.
#pragma once

#include <cstdint>
#include <string_view>

namespace skin {

// Tells the lead bytes of the code page's double-byte characters; null when
// the code page has none. It must answer alike for both cases of a letter.
using LeadByteTest = bool (*)(unsigned char);

bool EqualsIgnoringCase(std::string_view a, std::string_view b, LeadByteTest isLeadByte = nullptr);

// A hash of name that every name equal to it (as EqualsIgnoringCase has it)
// shares.
std::uint32_t HashIgnoringCase(std::string_view name, LeadByteTest isLeadByte = nullptr);

}  // namespace skin
