#include "filter_list.h"

#include <vector>

namespace setup {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view entry) {
    while (!entry.empty() && IsBlank(entry.front())) {
        entry.remove_prefix(1);
    }
    while (!entry.empty() && IsBlank(entry.back())) {
        entry.remove_suffix(1);
    }
    return entry;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal ignoring the case of ASCII letters. A double-byte character never
// compares equal to an ASCII one: its lead byte is above 0x7F.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

bool IsOurs(std::string_view entry) {
    return SameName(Trimmed(entry), kFilterDriver);
}

// ',' is never the second byte of a double-byte character, so splitting at
// every comma is safe in the code pages Windows uses.
std::vector<std::string_view> Entries(std::string_view list) {
    std::vector<std::string_view> entries;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        entries.push_back(list.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return entries;
        }
        start = comma + 1;
    }
}

}  // namespace

bool ListsFilter(std::string_view list) {
    for (const std::string_view entry : Entries(list)) {
        if (IsOurs(entry)) {
            return true;
        }
    }
    return false;
}

std::string WithFilter(std::string_view list) {
    if (ListsFilter(list)) {
        return std::string(list);
    }
    if (WithoutFilter(list).empty()) {
        return std::string(kFilterDriver);  // blanks and commas only: no entry to keep
    }
    std::string result(list);
    if (Trimmed(list).back() != ',') {
        result += ',';
    }
    result += kFilterDriver;
    return result;
}

std::string WithoutFilter(std::string_view list) {
    std::string result;
    for (const std::string_view entry : Entries(list)) {
        if (IsOurs(entry) || Trimmed(entry).empty()) {
            continue;
        }
        if (!result.empty()) {
            result += ',';
        }
        result += entry;
    }
    return result;
}

}  // namespace setup
