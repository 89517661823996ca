// The text of a LAYOUT resource, read into sections of entries.
//
// The format: 8-bit text, lines ending in LF, CR or CR LF, at most 259
// characters each. "[Name]" opens a section (a name seen before, in any case,
// continues that section); "#" starts a comment; any other line is an entry
// "key=value,value,..." of the current section.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

inline constexpr std::size_t kMaxLineLength = 259;

struct LayoutEntry {
    std::string key;                  // may end in CR when the line had no '=' and ended in CR LF
    std::vector<std::string> values;  // the first is the type or name field
    int line = 0;                     // 1-based line of the text

    // Value i, or an empty text when the entry has fewer values.
    std::string_view Value(std::size_t i) const {
        return i < values.size() ? std::string_view(values[i]) : std::string_view();
    }
};

struct LayoutSection {
    std::string name;
    std::vector<LayoutEntry> entries;
    int line = 0;  // of its first header

    // The first entry whose key equals key, ignoring case; null when none.
    const LayoutEntry* Entry(std::string_view key) const;
};

// A line the reader could not take as it stands.
struct LayoutNote {
    int line;
    std::string text;
};

struct LayoutDoc {
    std::vector<LayoutSection> sections;
    std::vector<LayoutNote> notes;  // over-long lines, headers without ']'

    // The first section whose name equals name, ignoring case; null when none.
    const LayoutSection* Section(std::string_view name) const;
};

// Reads a layout text. Lines longer than kMaxLineLength are dropped whole
// (and noted), so no key or value is ever longer than that.
LayoutDoc ReadLayoutText(std::string_view text);

// Case-insensitive comparison as the layouts' lookups use it: ASCII letters
// fold; other bytes, and the second byte of a double-byte character, compare
// exactly. isLeadByte tells the lead bytes of the code page (none when null).
bool EqualsIgnoringCase(std::string_view a, std::string_view b,
                        bool (*isLeadByte)(unsigned char) = nullptr);

// The lead-byte test that lookups use; the Windows build sets the system
// code page's when it loads a layout.
void SetLeadByteTest(bool (*isLeadByte)(unsigned char));

}  // namespace skin
