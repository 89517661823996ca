#include "layout_values.h"

#include <algorithm>

namespace skin {

namespace {

// Values never start with a blank.
std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

LayoutValues::Iterator& LayoutValues::Iterator::operator++() {
    const std::size_t comma = rest_.find(',');
    rest_ =
        comma == std::string_view::npos ? std::string_view() : SkipBlanks(rest_.substr(comma + 1));
    ++index_;
    return *this;
}

LayoutValues::LayoutValues(std::string_view text) {
    text = SkipBlanks(text).substr(0, kMaxLineLength);
    data_ = text.data();
    length_ = static_cast<std::uint16_t>(text.size());
    count_ = static_cast<std::uint16_t>(std::count(text.begin(), text.end(), ',') + 1);
}

std::string_view LayoutValues::operator[](std::size_t i) const {
    if (i >= count_) {
        return {};
    }
    auto value = begin();
    std::advance(value, i);
    return *value;
}

}  // namespace skin
