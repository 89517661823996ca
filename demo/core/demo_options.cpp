#include "demo_options.h"

#include <array>
#include <utility>

#include "language_rules.h"
#include "model_number.h"

namespace demo {
namespace {

constexpr std::size_t kMaxModelDigits = 5;
// A USB string descriptor holds at most 126 characters.
constexpr std::size_t kMaxSerialLength = 126;
// How much of a bad value an error message repeats.
constexpr std::size_t kQuotedLength = 40;

constexpr std::string_view kUsage =
    "usage: TavimoDemo [options]\n"
    "  --product 0B52|0D31  headset family (default 0B52)\n"
    "  --model N            model number, 0 to 99999 (default 400)\n"
    "  --serial TEXT        the whole USB serial-number string, printable ASCII;\n"
    "                       its leading number is the model\n"
    "  --no-headset         start with the headset unplugged\n"
    "  --driver-missing     no filter driver (0B52) or codec-access library (0D31)\n"
    "  --sound-card         another sound card is where Windows plays\n"
    "  --language NAME      English, Dutch, French, German, Italian or Spanish\n"
    "  --help               this text\n";

// A value as an error message repeats it: printable, and not too long.
std::string Quoted(std::string_view value) {
    std::string quoted = "'";
    for (const char c : value.substr(0, kQuotedLength)) {
        quoted += c >= ' ' && c <= '~' ? c : '?';
    }
    return quoted + (value.size() > kQuotedLength ? "...'" : "'");
}

std::optional<std::uint16_t> ProductOf(std::string_view value) {
    if (value.size() == 6 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        value.remove_prefix(2);
    }
    std::string upper(value);
    for (char& c : upper) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (upper == "0B52") {
        return 0x0B52;
    }
    if (upper == "0D31") {
        return 0x0D31;
    }
    return std::nullopt;
}

std::optional<int> ModelOf(std::string_view value) {
    if (value.empty() || value.size() > kMaxModelDigits ||
        value.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return headset::ModelNumber(value);
}

bool IsSerial(std::string_view value) {
    if (value.empty() || value.size() > kMaxSerialLength) {
        return false;
    }
    for (const char c : value) {
        if (c < ' ' || c > '~') {
            return false;
        }
    }
    return true;
}

enum class Option { Product, Model, Serial, NoHeadset, DriverMissing, SoundCard, Language, Help };
constexpr std::size_t kOptionKinds = 8;

struct OptionName {
    std::string_view name;
    Option option;
    bool takesValue;
};

constexpr std::array<OptionName, 10> kOptions = {{
    {"--product", Option::Product, true},
    {"--model", Option::Model, true},
    {"--serial", Option::Serial, true},
    {"--no-headset", Option::NoHeadset, false},
    {"--driver-missing", Option::DriverMissing, false},
    {"--sound-card", Option::SoundCard, false},
    {"--language", Option::Language, true},
    {"--help", Option::Help, false},
    {"-h", Option::Help, false},
    {"/?", Option::Help, false},
}};

// Applies one option's value; an error text when it is not one.
std::string Apply(Option option, std::string_view name, std::string_view value,
                  DemoOptions& options) {
    switch (option) {
        case Option::Product:
            if (const auto product = ProductOf(value)) {
                options.product = *product;
                return {};
            }
            return std::string(name) + " must be 0B52 or 0D31, not " + Quoted(value);
        case Option::Model:
            if (const auto model = ModelOf(value)) {
                options.model = *model;
                return {};
            }
            return std::string(name) + " wants a number from 0 to 99999, not " + Quoted(value);
        case Option::Serial:
            if (IsSerial(value)) {
                options.serial = value;
                options.model = headset::ModelNumber(value);
                return {};
            }
            return std::string(name) + " wants 1 to 126 printable ASCII characters, not " +
                   Quoted(value);
        case Option::NoHeadset:
            options.headset = false;
            return {};
        case Option::DriverMissing:
            options.driverMissing = true;
            return {};
        case Option::SoundCard:
            options.soundCard = true;
            return {};
        case Option::Language: {
            if (tavimo::LanguageNameIndex(value)) {
                options.language = value;
                return {};
            }
            return std::string(name) +
                   " must be English, Dutch, French, German, Italian or Spanish, not " +
                   Quoted(value);
        }
        case Option::Help:
            options.help = true;
            return {};
    }
    return {};
}

OptionsResult Failure(std::string error) {
    return {std::nullopt, std::move(error)};
}

}  // namespace

OptionsResult ParseOptions(std::span<const std::string> args) {
    DemoOptions options;
    std::array<bool, kOptionKinds> seen = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        std::size_t index = 0;
        while (index < kOptions.size() && kOptions[index].name != name) {
            ++index;
        }
        if (index == kOptions.size()) {
            return Failure("unknown option " + Quoted(arg));
        }
        const OptionName& known = kOptions[index];
        if (std::exchange(seen[static_cast<std::size_t>(known.option)], true)) {
            return Failure(std::string(name) + " is given twice");
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!known.takesValue) {
                return Failure(std::string(name) + " takes no value");
            }
            value = arg.substr(equals + 1);
        } else if (known.takesValue) {
            if (i + 1 == args.size()) {
                return Failure(std::string(name) + " needs a value");
            }
            value = args[++i];
        }
        if (std::string error = Apply(known.option, name, value, options); !error.empty()) {
            return Failure(std::move(error));
        }
    }
    if (seen[static_cast<std::size_t>(Option::Model)] &&
        seen[static_cast<std::size_t>(Option::Serial)]) {
        return Failure("--model and --serial cannot go together: the serial's number is the model");
    }
    return {options, {}};
}

std::string_view Usage() {
    return kUsage;
}

}  // namespace demo
