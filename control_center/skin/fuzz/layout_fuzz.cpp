// Fuzz target: any byte string as a layout text, through the reader, the
// checker, the dump and every field form of every value, with and without a
// double-byte code page; traps when the doc breaks a rule of the format.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "layout_check.h"
#include "layout_doc.h"
#include "layout_fields.h"

namespace {

void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

// Lead bytes as in the Japanese code page.
bool IsShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsInside(std::string_view part, std::string_view text) {
    return part.empty() ||
           (part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size());
}

void CheckEntry(const skin::LayoutSection& section, const skin::LayoutEntry& entry,
                std::string_view text) {
    Require(entry.Key().size() <= skin::kMaxLineLength && IsInside(entry.Key(), text));
    Require(entry.Key().find_first_of(" =\t\n") == std::string_view::npos);
    Require(entry.Key().find('\r') == std::string_view::npos || entry.Key().back() == '\r');
    if (&entry == &section.entries.back()) {  // (every entry would make the target quadratic)
        const skin::LayoutEntry* first = section.Entry(entry.Key());
        Require(first != nullptr && first <= &entry);
    }
    const skin::BitmapFields bitmaps(entry.Value(0));
    std::size_t count = 0;
    std::string_view last;
    for (const std::string_view value : entry.Values()) {
        Require(value.size() <= skin::kMaxLineLength && IsInside(value, text));
        Require(value.find_first_of(",\r\n") == std::string_view::npos);
        Require(value.empty() || (value.front() != ' ' && value.front() != '\t'));
        ++count;
        last = value;
        (void)skin::ReadNumber(value);
        (void)skin::ReadColour(value);
        (void)bitmaps.Read(value);
        (void)skin::ReadText(value);
    }
    Require(count == entry.Values().size() && entry.Value(count).empty());
    Require(count == 0 || entry.Value(count - 1) == last);
    (void)skin::ReadFont(entry.Value(1), entry.Value(2), entry.Value(3));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const skin::LeadByteTest isLeadByte = size > 0 && data[0] % 2 == 1 ? IsShiftJisLead : nullptr;
    const skin::LineReport ignore = [](int line, std::string_view) { Require(line > 0); };
    const skin::LayoutDoc doc = skin::ReadLayoutText(text, isLeadByte, ignore);
    for (const skin::LayoutSection& section : doc.Sections()) {
        Require(IsInside(section.name, text));
        Require(section.name.find_first_of("]\r\n") == std::string_view::npos);
        Require(doc.Section(section.name) == &section);  // names are unique
        for (const skin::LayoutEntry& entry : section.entries) {
            CheckEntry(section, entry, text);
        }
    }
    skin::CheckLayout(doc, [](int, std::string_view) {});
    skin::DumpLayout(doc, [](std::string_view) {});
    return 0;
}
