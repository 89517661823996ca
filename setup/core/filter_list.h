// A device's lower-filter list: driver file names separated by ",". The
// suite's entry is a whole entry equal to "HsFilt.sys", whatever its case
// and the blanks around it; another name that merely contains it (such as
// "XHsFilt.sys") is another driver's.
#pragma once

#include <string>
#include <string_view>

namespace setup {

inline constexpr std::string_view kFilterDriver = "HsFilt.sys";

bool ListsFilter(std::string_view list);

// The list with the suite's entry appended (the list itself when it holds
// one already); a list without entries (only blanks and commas, or
// nothing) becomes "HsFilt.sys" alone.
std::string WithFilter(std::string_view list);

// The list without any of the suite's entries and without empty ones; the
// other entries stay as they were written, in their order. Empty when
// nothing else is left.
std::string WithoutFilter(std::string_view list);

}  // namespace setup
