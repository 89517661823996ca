#include "launcher_table.h"

namespace tavimo {
namespace {

constexpr char kAudio[] = "Audio";
constexpr char kTalk[] = "Talk";

constexpr LauncherButton kButtons[] = {
    {321, kAudio, "MP3Player0", LaunchFallback::RecentOpenWith, ".mp3", false},
    {322, kAudio, "MEDIAPlayer0", LaunchFallback::MediaPlayers},
    {323, kAudio, "CDPlayer0", LaunchFallback::AudioCdPlay},
    {324, kAudio, "DvdPlayer0", LaunchFallback::RecentOpenWith, ".dvd", true},
    {325, kAudio, "InternetAudio0", LaunchFallback::FixedProgram, nullptr, false, "mplayer2.exe"},
    {326, kAudio, "Volume Controls0", LaunchFallback::FixedProgram, nullptr, false, "sndvol32.exe"},
    {327, kTalk, "SoftPhone0", LaunchFallback::None},
    {331, kTalk, "Chat0", LaunchFallback::None},
    {332, kTalk, "Telephony0", LaunchFallback::None},
    {333, kTalk, "Gaming0", LaunchFallback::None},
    {334, kTalk, "VoiceEmail0", LaunchFallback::None},
    {335, kTalk, "Recognition0", LaunchFallback::None},
};

}  // namespace

const LauncherButton* FindLauncherButton(int id) {
    for (const LauncherButton& button : kButtons) {
        if (button.id == id) {
            return &button;
        }
    }
    return nullptr;
}

}  // namespace tavimo
