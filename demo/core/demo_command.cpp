#include "demo_command.h"

#include <array>
#include <vector>

#include "language_rules.h"
#include "mixer_math.h"

namespace demo {
namespace {

constexpr std::string_view kCommandUsage =
    "  mute                 press the headset's mute button\n"
    "  unplug, plug         take the headset away, bring it back\n"
    "  volume N, balance N, bass N, treble N, mic N\n"
    "                       set a level as another program would (0 to 16,\n"
    "                       balance 8 is the centre)\n"
    "  mic-mute on|off      mute the microphone as another program would\n"
    "  language NAME        choose the language as the Control Panel does (English,\n"
    "                       Dutch, French, German, Italian, Spanish)\n"
    "  status               print the headset's state, last download and gain report\n";

struct Word {
    std::string_view name;
    Action action;
    bool takesLevel;
};

constexpr std::array<Word, 9> kWords = {{
    {"mute", Action::PressMute, false},
    {"unplug", Action::Unplug, false},
    {"plug", Action::Plug, false},
    {"volume", Action::Volume, true},
    {"balance", Action::Balance, true},
    {"bass", Action::Bass, true},
    {"treble", Action::Treble, true},
    {"mic", Action::Mic, true},
    {"status", Action::Status, false},
}};

std::vector<std::string_view> Split(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = text.find_first_not_of(" \t");
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(" \t", start);
        words.push_back(text.substr(start, end - start));
        start = end == std::string_view::npos ? end : text.find_first_not_of(" \t", end);
    }
    return words;
}

std::optional<int> LevelOf(std::string_view word) {
    if (word.empty() || word.size() > 2 ||
        word.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const int level = word.size() == 1 ? word[0] - '0' : (word[0] - '0') * 10 + (word[1] - '0');
    if (level > headset::kPositionMax) {
        return std::nullopt;
    }
    return level;
}

}  // namespace

std::optional<DemoCommand> ParseCommand(std::string_view text) {
    if (text.size() > kMaxCommandLength) {
        return std::nullopt;
    }
    const std::vector<std::string_view> words = Split(text);
    if (words.empty()) {
        return std::nullopt;
    }
    if (words[0] == "mic-mute") {
        if (words.size() != 2 || (words[1] != "on" && words[1] != "off")) {
            return std::nullopt;
        }
        return DemoCommand{Action::MicMute, words[1] == "on" ? 1 : 0};
    }
    if (words[0] == "language") {
        const auto index = words.size() == 2 ? tavimo::LanguageNameIndex(words[1]) : std::nullopt;
        if (!index) {
            return std::nullopt;
        }
        return DemoCommand{Action::Language, static_cast<int>(*index)};
    }
    for (const Word& word : kWords) {
        if (word.name != words[0]) {
            continue;
        }
        if (!word.takesLevel) {
            return words.size() == 1 ? std::optional(DemoCommand{word.action}) : std::nullopt;
        }
        const std::optional<int> level = words.size() == 2 ? LevelOf(words[1]) : std::nullopt;
        return level ? std::optional(DemoCommand{word.action, *level}) : std::nullopt;
    }
    return std::nullopt;
}

std::string_view CommandUsage() {
    return kCommandUsage;
}

}  // namespace demo
