// The values of a layout entry: the rest of its line after the key, split at
// commas only when they are asked for, so that reading a layout allocates
// nothing per value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace skin {

// A line of a layout text, and so any key or value, holds at most this many
// characters.
inline constexpr std::size_t kMaxLineLength = 259;

class LayoutValues {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        Iterator() = default;
        Iterator(std::string_view rest, std::size_t index) : rest_(rest), index_(index) {}

        std::string_view operator*() const { return rest_.substr(0, rest_.find(',')); }
        Iterator& operator++();
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        std::string_view rest_;  // from the current value to the end of the line
        std::size_t index_ = 0;
    };

    // No values: a final line that has neither a line end nor a delimiter.
    LayoutValues() = default;
    // The values in text, the rest of a line after its key's delimiter
    // without the line end: one more than it has commas (so an empty text is
    // one empty value). A text longer than kMaxLineLength is cut.
    explicit LayoutValues(std::string_view text);
    // Values already counted.
    LayoutValues(const char* data, std::uint16_t length, std::uint16_t count)
        : data_(data), length_(length), count_(count) {}

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Value i, or an empty text when there are not that many.
    std::string_view operator[](std::size_t i) const;
    Iterator begin() const { return {Text(), 0}; }
    Iterator end() const { return {{}, count_}; }
    // All of them, commas included.
    std::string_view Text() const { return {data_, length_}; }

private:
    const char* data_ = nullptr;
    std::uint16_t length_ = 0;
    std::uint16_t count_ = 0;
};

}  // namespace skin
