#include "applet_rules.h"

#include <array>
#include <climits>

#include "language_rules.h"

namespace applet {
namespace {

constexpr std::uint32_t kSecondEditionBuild = 2183;

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// atoi's number, saturated instead of undefined beyond the int range.
int LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        number = number * 10 + (text[at] - '0');
        if (number > limit) {
            number = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -number : number);
}

constexpr std::array<LanguageRow, 6> kRows = {{
    {tavimo::kDutch, 1049},
    {tavimo::kEnglish, 1050},
    {tavimo::kFrench, 1051},
    {tavimo::kGerman, 1052},
    {tavimo::kItalian, 1053},
    {tavimo::kSpanish, 1054},
}};

}  // namespace

SerialFields ParseSerialNumber(std::string_view serial) {
    SerialFields fields;
    fields.model = LeadingNumber(serial);
    const std::size_t first = serial.find('-');
    const std::size_t second =
        first == std::string_view::npos ? first : serial.find('-', first + 1);
    if (second != std::string_view::npos && second + 1 < serial.size()) {
        fields.firmware = std::string(serial.substr(second + 1));
    }
    return fields;
}

bool AnswersClassicInquire(const OsVersionRecord& os) {
    return os.platformId == kPlatformWindows9x && os.major == 4 && os.minor == 10 &&
           os.build >= kSecondEditionBuild;
}

std::string FieldOf(std::string_view text, std::size_t index, std::size_t room) {
    for (; index > 0; --index) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(newline + 1);
    }
    const std::string_view field = text.substr(0, text.find('\n'));
    return room == 0 ? std::string() : std::string(field.substr(0, room - 1));
}

std::span<const LanguageRow> LanguageRows() {
    return kRows;
}

std::uint32_t ItemData(const LanguageRow& row) {
    return (static_cast<std::uint32_t>(row.code) << 16) | row.stringId;
}

unsigned CodeOfItemData(std::uint32_t data) {
    return data >> 16;
}

}  // namespace applet
