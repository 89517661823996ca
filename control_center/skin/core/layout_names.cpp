#include "layout_names.h"

namespace skin {
namespace {

// The bytes of a name as comparisons see them.
class FoldedBytes {
public:
    FoldedBytes(std::string_view text, LeadByteTest isLeadByte)
        : text_(text), isLeadByte_(isLeadByte) {}

    bool Next(unsigned char& byte) {
        if (next_ == text_.size()) {
            return false;
        }
        byte = static_cast<unsigned char>(text_[next_]);
        ++next_;
        if (inCharacter_) {
            inCharacter_ = false;  // the trail byte of a double-byte character
        } else if (isLeadByte_ != nullptr && isLeadByte_(byte) && next_ < text_.size()) {
            inCharacter_ = true;
        } else if (byte >= 'a' && byte <= 'z') {
            byte = static_cast<unsigned char>(byte - 'a' + 'A');
        }
        return true;
    }

private:
    std::string_view text_;
    LeadByteTest isLeadByte_;
    std::size_t next_ = 0;
    bool inCharacter_ = false;
};

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b, LeadByteTest isLeadByte) {
    if (a.size() != b.size()) {
        return false;
    }
    FoldedBytes left(a, isLeadByte);
    FoldedBytes right(b, isLeadByte);
    unsigned char l = 0;
    unsigned char r = 0;
    while (left.Next(l) && right.Next(r)) {
        if (l != r) {
            return false;
        }
    }
    return true;
}

std::uint32_t HashIgnoringCase(std::string_view name, LeadByteTest isLeadByte) {
    // FNV-1a
    std::uint32_t hash = 2166136261u;
    FoldedBytes bytes(name, isLeadByte);
    for (unsigned char byte = 0; bytes.Next(byte);) {
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

}  // namespace skin
