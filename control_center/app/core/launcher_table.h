// The launcher buttons of the "Audio" and "Talk" tabs: where each keeps the
// command of its application, and what it starts when nothing is stored.
#pragma once

namespace tavimo {

enum class LaunchFallback {
    None,            // voice buttons: nothing stored means unmapped
    RecentOpenWith,  // the most recent open-with program of `extension`
    AudioCdPlay,     // the audio-CD play command
    MediaPlayers,    // the three players in turn; the stored value is not read
    FixedProgram,    // `program`, stored before it is started
};

struct LauncherButton {
    int id;
    const char* section;  // sub-key of the product key
    const char* value;
    LaunchFallback fallback;
    const char* extension = nullptr;  // RecentOpenWith
    bool playVerb = false;            // RecentOpenWith: "Play" rather than "Open"
    const char* program = nullptr;    // FixedProgram
};

// The button with element id `id`; null for any other id.
const LauncherButton* FindLauncherButton(int id);

// The players button 322 tries, in order.
inline constexpr const char* kMediaPlayers[] = {"wmplayer.exe", "mplayer2.exe", "mplayer.exe"};

}  // namespace tavimo
