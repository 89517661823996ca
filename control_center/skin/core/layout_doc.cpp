#include "layout_doc.h"

#include <algorithm>

namespace skin {
namespace {

bool (*g_isLeadByte)(unsigned char) = nullptr;

unsigned char FoldAscii(unsigned char c) {
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool IsLineBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One physical line of the text: its characters and whether a line end
// (LF, CR or CR LF) followed them. A CR before LF stays with the characters,
// as the format reads it.
struct Line {
    std::string_view text;
    bool ended;
};

class LineSplitter {
public:
    explicit LineSplitter(std::string_view text) : rest_(text) {}

    bool Next(Line& line) {
        if (rest_.empty()) {
            return false;
        }
        const std::size_t end = rest_.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            line = {rest_, false};
            rest_ = {};
        } else if (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') {
            line = {rest_.substr(0, end + 1), true};  // keeps the CR
            rest_.remove_prefix(end + 2);
        } else {
            line = {rest_.substr(0, end), true};
            rest_.remove_prefix(end + 1);
        }
        return true;
    }

private:
    std::string_view rest_;
};

bool IsKeyEnd(char c) {
    return c == ' ' || c == '=' || c == '\t' || c == '\n';
}

LayoutEntry ReadEntry(std::string_view text, bool ended, int lineNumber) {
    LayoutEntry entry;
    entry.line = lineNumber;
    std::size_t i = 0;
    while (i < text.size() && !IsKeyEnd(text[i])) {
        ++i;
    }
    entry.key.assign(text.substr(0, i));
    if (i == text.size() && !ended) {
        return entry;  // a final line without line end or delimiter: no values
    }
    ++i;  // the delimiter (or the line end)
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::string value;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',') {
            entry.values.push_back(std::move(value));
            value.clear();
            while (i + 1 < text.size() &&
                   (text[i + 1] == ' ' || text[i + 1] == '\t' || text[i + 1] == '\n')) {
                ++i;
            }
        } else if (c != '\r' && c != '\n') {
            value += c;
        }
    }
    entry.values.push_back(std::move(value));
    return entry;
}

// The section a header names, created when new; null for a header without
// ']' (which leaves no current section).
LayoutSection* OpenSection(LayoutDoc& doc, std::string_view header, int lineNumber) {
    const std::size_t close = header.find(']');
    if (close == std::string_view::npos) {
        doc.notes.push_back({lineNumber, "section header without ']'"});
        return nullptr;
    }
    std::string name;
    for (char c : header.substr(1, close - 1)) {
        if (c != '\r' && c != '\n') {
            name += c;
        }
    }
    for (LayoutSection& section : doc.sections) {
        if (EqualsIgnoringCase(section.name, name, g_isLeadByte)) {
            return &section;
        }
    }
    doc.sections.push_back({std::move(name), {}, lineNumber});
    return &doc.sections.back();
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b, bool (*isLeadByte)(unsigned char)) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (isLeadByte != nullptr && isLeadByte(ca) && i + 1 < a.size()) {
            // A double-byte character compares exactly, trail byte included.
            if (ca != cb || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
        } else if (FoldAscii(ca) != FoldAscii(cb)) {
            return false;
        }
    }
    return true;
}

void SetLeadByteTest(bool (*isLeadByte)(unsigned char)) {
    g_isLeadByte = isLeadByte;
}

const LayoutEntry* LayoutSection::Entry(std::string_view key) const {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const LayoutEntry& e) {
        return EqualsIgnoringCase(e.key, key, g_isLeadByte);
    });
    return found == entries.end() ? nullptr : &*found;
}

const LayoutSection* LayoutDoc::Section(std::string_view name) const {
    const auto found = std::find_if(sections.begin(), sections.end(), [&](const LayoutSection& s) {
        return EqualsIgnoringCase(s.name, name, g_isLeadByte);
    });
    return found == sections.end() ? nullptr : &*found;
}

LayoutDoc ReadLayoutText(std::string_view text) {
    LayoutDoc doc;
    LayoutSection* current = nullptr;
    LineSplitter lines(text);
    Line line;
    for (int number = 1; lines.Next(line); ++number) {
        // The CR of a CR LF end is not one of the line's characters.
        const bool keptCr = line.ended && !line.text.empty() && line.text.back() == '\r';
        if (line.text.size() - (keptCr ? 1 : 0) > kMaxLineLength) {
            doc.notes.push_back({number, "line longer than 259 characters, ignored"});
            continue;
        }
        std::string_view content = line.text;
        while (!content.empty() && IsLineBlank(content.front())) {
            content.remove_prefix(1);
        }
        if (content.empty() || content.front() == '#') {
            continue;
        }
        if (content.front() == '[') {
            current = OpenSection(doc, content, number);
        } else if (current != nullptr) {
            current->entries.push_back(ReadEntry(content, line.ended, number));
        }
    }
    return doc;
}

}  // namespace skin
