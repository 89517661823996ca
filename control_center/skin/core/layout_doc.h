// The text of a LAYOUT resource, read into sections of entries.
//
// The format: 8-bit text, lines ending in LF, CR or CR LF, at most 259
// characters each. "[Name]" opens a section (a name seen before, in any case,
// continues that section); "#" starts a comment; any other line is an entry
// "key=value,value,..." of the current section.
//
// A LayoutDoc views the text it was read from: names, keys and values point
// into it, so the text must outlive the doc.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "flat_index.h"
#include "layout_names.h"
#include "layout_values.h"

namespace skin {

// One entry line: its key and its values, which are views of the text. Kept
// small, since a layout has an entry per line.
class LayoutEntry {
public:
    // Ends in CR when the line had only a key and ended in CR.
    std::string_view Key() const { return {start_, keyLength_}; }
    // The first is the type or name field.
    LayoutValues Values() const {
        return LayoutValues(start_ + valuesOffset_, valuesLength_, valueCount_);
    }
    // Value i, or an empty text when the entry has fewer values.
    std::string_view Value(std::size_t i) const { return Values()[i]; }
    // 1-based line of the text.
    int Line() const { return line_; }

private:
    friend class LayoutReader;
    // The values follow the key on its line (a line holds at most
    // kMaxLineLength characters).
    LayoutEntry(std::string_view key, LayoutValues values, int line);

    const char* start_;  // of the key
    std::uint16_t keyLength_;
    std::uint16_t valuesOffset_;
    std::uint16_t valuesLength_;
    std::uint16_t valueCount_;
    int line_;
};

struct LayoutSection {
    std::string_view name;
    std::vector<LayoutEntry> entries;
    int line = 0;                       // of its first header
    LeadByteTest isLeadByte = nullptr;  // of the code page the doc was read in

    // The first entry whose key equals key, ignoring case; null when none.
    const LayoutEntry* Entry(std::string_view key) const;
};

class LayoutDoc {
public:
    // In the order of their first headers.
    const std::vector<LayoutSection>& Sections() const { return sections_; }
    // The section whose name equals name, ignoring case; null when none.
    const LayoutSection* Section(std::string_view name) const;

private:
    friend class LayoutReader;

    // The index of the section named name; a new section, first seen at
    // line, when there is none.
    std::size_t OpenSection(std::string_view name, int line);
    bool IsNamed(std::uint32_t position, std::string_view name) const;

    std::vector<LayoutSection> sections_;
    FlatIndex index_;  // of sections_, by name
    LeadByteTest isLeadByte_ = nullptr;
};

// Receives a line number and what is wrong on that line (or, with line 0,
// in the text as a whole).
using LineReport = std::function<void(int line, std::string_view text)>;

// Reads a layout text; names and keys compare with the code page that
// isLeadByte describes. Lines longer than kMaxLineLength are dropped whole,
// so no key or value is ever longer than that; they and headers without ']'
// are told to onNote when given.
LayoutDoc ReadLayoutText(std::string_view text, LeadByteTest isLeadByte = nullptr,
                         const LineReport& onNote = {});

// The doc would outlive a temporary string that it views: such a call does
// not compile.
template <typename Text>
concept TemporaryString = std::is_same_v<std::remove_const_t<Text>, std::string>;
template <TemporaryString Text>
LayoutDoc ReadLayoutText(Text&& text, LeadByteTest isLeadByte = nullptr,
                         const LineReport& onNote = {}) = delete;

}  // namespace skin
