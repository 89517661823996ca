// The commands the "Virtual headset" window takes, from its own controls and
// from demo_ctl (as text in WM_COPYDATA): words separated by blanks. The
// text comes from another process, so it is bounded and checked whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace demo {

// The window's title and class name, by which demo_ctl finds it.
inline constexpr char kHeadsetWindowTitle[] = "Virtual headset";
inline constexpr char kHeadsetWindowClass[] = "TavimoDemoVirtualHeadset";
// dwData of a command's WM_COPYDATA, and of the status sent back.
inline constexpr unsigned long kCommandTag = 0x54564443;  // "TVDC"
inline constexpr unsigned long kStatusTag = 0x54564453;   // "TVDS"
// Longer command texts are not commands.
inline constexpr std::size_t kMaxCommandLength = 64;

enum class Action {
    PressMute,  // the headset's mute button, pressed and released
    Unplug,
    Plug,
    Volume,  // levels as another program sets them, in slider positions 0..16
    Balance,
    Bass,
    Treble,
    Mic,
    MicMute,   // the recording mute as another program sets it: value 1 on, 0 off
    Language,  // the user's language as the applet chooses it: value its index in LanguageNames
    Status,
};

struct DemoCommand {
    Action action;
    int value = 0;
    bool operator==(const DemoCommand&) const = default;
};

std::optional<DemoCommand> ParseCommand(std::string_view text);

// One command a line, ending in a line break.
std::string_view CommandUsage();

}  // namespace demo
