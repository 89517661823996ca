#include "layout_doc.h"

#include <algorithm>
#include <climits>

namespace skin {

// Reads a text in one pass, line by line; every name, key and value is a
// view of the text.
class LayoutReader {
public:
    LayoutReader(std::string_view text, LeadByteTest isLeadByte, const LineReport& onNote)
        : rest_(text), onNote_(onNote) {
        doc_.isLeadByte_ = isLeadByte;
    }

    LayoutDoc Read() && {
        while (!rest_.empty()) {
            lineNumber_ += lineNumber_ < INT_MAX ? 1 : 0;
            ReadLine(NextLine());
        }
        return std::move(doc_);
    }

private:
    static constexpr std::size_t kNoSection = SIZE_MAX;

    // One line of the text. A CR that ends it stays with its characters (it
    // is a key character); whether a line end followed matters to a key.
    struct Line {
        std::string_view text;
        std::size_t length;  // without the CR
        bool ended;
    };

    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

    Line NextLine() {
        const auto end = std::find_if(rest_.begin(), rest_.end(), IsLineEnd);
        const auto length = static_cast<std::size_t>(end - rest_.begin());
        Line line{rest_.substr(0, length), length, end != rest_.end()};
        std::size_t next = length;
        if (line.ended && rest_[next] == '\r') {
            line.text = rest_.substr(0, ++next);
        }
        if (next < rest_.size() && rest_[next] == '\n') {
            ++next;
        }
        rest_.remove_prefix(next);
        return line;
    }

    void ReadLine(const Line& line) {
        if (line.length > kMaxLineLength) {
            Note("line longer than 259 characters, ignored");
            return;
        }
        std::string_view content = line.text;
        while (!content.empty() && (IsBlank(content.front()) || content.front() == '\r')) {
            content.remove_prefix(1);
        }
        if (content.empty() || content.front() == '#') {
            return;
        }
        if (content.front() == '[') {
            OpenSection(content);
        } else if (current_ != kNoSection) {
            doc_.sections_[current_].entries.push_back(ReadEntry(content, line.ended));
        }
    }

    // A header names the section that the following lines belong to; without
    // ']' it leaves none.
    void OpenSection(std::string_view header) {
        const std::size_t close = header.find(']');
        if (close == std::string_view::npos) {
            Note("section header without ']'");
            current_ = kNoSection;
            return;
        }
        current_ = doc_.OpenSection(header.substr(1, close - 1), lineNumber_);
    }

    // The key runs to the first space, '=' or tab (a CR is a key character);
    // the values follow the delimiter, up to the line end. Only a final line without any line end
    // and without a delimiter has no values.
    LayoutEntry ReadEntry(std::string_view content, bool ended) const {
        const std::size_t keyEnd = content.find_first_of(" =\t");
        // A CR after a key of the full line length would make it one too
        // long: keys hold at most kMaxLineLength characters too.
        const std::string_view key = content.substr(0, std::min(keyEnd, kMaxLineLength));
        if (keyEnd == std::string_view::npos) {
            // The line end delimits the key and starts one empty value.
            return {key, ended ? LayoutValues(key.substr(key.size())) : LayoutValues(),
                    lineNumber_};
        }
        std::string_view values = content.substr(keyEnd + 1);
        if (!values.empty() && values.back() == '\r') {
            values.remove_suffix(1);
        }
        return {key, LayoutValues(values), lineNumber_};
    }

    void Note(std::string_view text) const {
        if (onNote_) {
            onNote_(lineNumber_, text);
        }
    }

    std::string_view rest_;
    const LineReport& onNote_;
    LayoutDoc doc_;
    std::size_t current_ = kNoSection;
    int lineNumber_ = 0;
};

LayoutEntry::LayoutEntry(std::string_view key, LayoutValues values, int line)
    : start_(key.data()),
      keyLength_(static_cast<std::uint16_t>(key.size())),
      valuesOffset_(values.empty() ? 0 : static_cast<std::uint16_t>(values.Text().data() - start_)),
      valuesLength_(static_cast<std::uint16_t>(values.Text().size())),
      valueCount_(static_cast<std::uint16_t>(values.size())),
      line_(line) {}

const LayoutEntry* LayoutSection::Entry(std::string_view key) const {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const LayoutEntry& e) {
        return EqualsIgnoringCase(e.Key(), key, isLeadByte);
    });
    return found == entries.end() ? nullptr : &*found;
}

bool LayoutDoc::IsNamed(std::uint32_t position, std::string_view name) const {
    return EqualsIgnoringCase(sections_[position].name, name, isLeadByte_);
}

std::size_t LayoutDoc::OpenSection(std::string_view name, int line) {
    const auto count = static_cast<std::uint32_t>(sections_.size());
    const std::uint32_t found =
        index_.FindOrAdd(HashIgnoringCase(name, isLeadByte_), count,
                         [&](std::uint32_t position) { return IsNamed(position, name); });
    if (found == count) {
        sections_.push_back({name, {}, line, isLeadByte_});
    }
    return found;
}

const LayoutSection* LayoutDoc::Section(std::string_view name) const {
    const std::uint32_t found =
        index_.Find(HashIgnoringCase(name, isLeadByte_),
                    [&](std::uint32_t position) { return IsNamed(position, name); });
    return found == FlatIndex::kNone ? nullptr : &sections_[found];
}

LayoutDoc ReadLayoutText(std::string_view text, LeadByteTest isLeadByte, const LineReport& onNote) {
    return LayoutReader(text, isLeadByte, onNote).Read();
}

}  // namespace skin
