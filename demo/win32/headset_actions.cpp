#include "headset_actions.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "di_button.h"
#include "gen_text.h"
#include "item_access.h"
#include "language_rules.h"
#include "language_switch.h"
#include "mixer_math.h"

namespace demo {
namespace {

constexpr DWORD kSpeakers = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
constexpr DWORD kWaveIn = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
constexpr int kMuteButtonId = 1;
constexpr int kHeadphonePresetText = 113;

struct Level {
    Action action;
    DWORD componentType;
    DWORD controlType;
};

constexpr Level kLevels[] = {
    {Action::Bass, kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS},
    {Action::Treble, kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE},
    {Action::Mic, kWaveIn, MIXERCONTROL_CONTROLTYPE_VOLUME},
};

// A control's first channel and bounds, as ints; nullopt when it is missing.
struct Reading {
    std::vector<DWORD> values;
    int minimum, maximum;
};

std::optional<Reading> Read(const devices::VirtualMixer& mixer, DWORD componentType,
                            DWORD controlType) {
    const auto bounds = mixer.Bounds(componentType, controlType);
    std::vector<DWORD> values = mixer.Values(componentType, controlType);
    if (!bounds || values.empty()) {
        return std::nullopt;
    }
    return Reading{std::move(values), static_cast<int>(bounds->minimum),
                   static_cast<int>(bounds->maximum)};
}

int Position(const devices::VirtualMixer& mixer, DWORD componentType, DWORD controlType) {
    const auto reading = Read(mixer, componentType, controlType);
    if (!reading) {
        return kUnknown;
    }
    const DWORD loudest = *std::max_element(reading->values.begin(), reading->values.end());
    return headset::ToPosition(static_cast<int>(loudest), reading->minimum, reading->maximum);
}

int Balance(const devices::VirtualMixer& mixer) {
    const auto reading = Read(mixer, kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME);
    if (!reading || reading->values.size() < 2) {
        return kUnknown;
    }
    return headset::BalanceFromChannels(static_cast<int>(reading->values[0]),
                                        static_cast<int>(reading->values[1]), reading->minimum,
                                        reading->maximum);
}

int SwitchValue(const devices::VirtualMixer& mixer, DWORD componentType, DWORD controlType) {
    const std::vector<DWORD> values = mixer.Values(componentType, controlType);
    return values.empty() ? kUnknown : values[0] != 0 ? 1 : 0;
}

// Sets the speaker volume's two channels to what split makes of the current
// ones, as another program would; false when split gives nothing.
bool ChangeSpeakerChannels(
    devices::VirtualMixer& mixer,
    const std::function<std::optional<headset::Channels>(headset::Channels, int, int)>& split) {
    const auto reading = Read(mixer, kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME);
    if (!reading || reading->values.size() < 2) {
        return false;
    }
    const headset::Channels now = {static_cast<int>(reading->values[0]),
                                   static_cast<int>(reading->values[1])};
    const auto channels = split(now, reading->minimum, reading->maximum);
    if (!channels) {
        return false;
    }
    mixer.ChangeByAnotherProgram(
        kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME,
        {static_cast<DWORD>(channels->left), static_cast<DWORD>(channels->right)});
    return true;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c >= L' ' && c <= L'~' ? static_cast<char>(c) : '?';
    }
    return narrow;
}

}  // namespace

bool HeadsetActions::Run(const DemoCommand& command) {
    switch (command.action) {
        case Action::Status:
            return true;
        case Action::Language: {
            const auto names = tavimo::LanguageNames();
            const auto index = static_cast<std::size_t>(command.value);
            return command.value >= 0 && index < names.size() &&
                   tavimo::SwitchLanguage(names[index]);
        }
        case Action::Plug:
            if (headset_.Plugged()) {
                return false;
            }
            headset_.Plug();
            return true;
        default:
            break;
    }
    if (!headset_.Plugged()) {
        return false;
    }
    switch (command.action) {
        case Action::PressMute:
            PressMuteButton();
            return true;
        case Action::Unplug:
            headset_.Unplug();
            return true;
        case Action::Volume:
            return SetVolume(command.value);
        case Action::Balance:
            return SetBalance(command.value);
        case Action::MicMute:
            return SetSwitch(kWaveIn, MIXERCONTROL_CONTROLTYPE_MUTE, command.value != 0);
        default:
            return SetLevel(command.action, command.value);
    }
}

void HeadsetActions::PressMuteButton() {
    devices::VirtualHid& hid = headset_.Hid();
    hid.SendInputReport(devices::VirtualHid::kMuteBit);
    hid.SendInputReport(0);
}

bool HeadsetActions::SetLevel(Action action, int position) {
    const auto level = std::find_if(std::begin(kLevels), std::end(kLevels),
                                    [action](const Level& l) { return l.action == action; });
    if (level == std::end(kLevels)) {
        return false;
    }
    devices::VirtualMixer& mixer = headset_.Mixer();
    const auto reading = Read(mixer, level->componentType, level->controlType);
    if (!reading) {
        return false;
    }
    const int raw = headset::ToRaw(position, reading->minimum, reading->maximum);
    if (raw < 0) {
        return false;
    }
    mixer.ChangeByAnotherProgram(
        level->componentType, level->controlType,
        std::vector<DWORD>(reading->values.size(), static_cast<DWORD>(raw)));
    return true;
}

bool HeadsetActions::SetVolume(int position) {
    return ChangeSpeakerChannels(
        headset_.Mixer(), [position](headset::Channels now, int min, int max) {
            const int balance = headset::BalanceFromChannels(now.left, now.right, min, max);
            return headset::ChannelsForVolume(position, balance, min, max);
        });
}

bool HeadsetActions::SetBalance(int position) {
    return ChangeSpeakerChannels(headset_.Mixer(),
                                 [position](headset::Channels now, int min, int max) {
                                     return headset::SplitBalance(position, now, min, max);
                                 });
}

bool HeadsetActions::SetSwitch(DWORD componentType, DWORD controlType, bool on) {
    devices::VirtualMixer& mixer = headset_.Mixer();
    const std::vector<DWORD> values = mixer.Values(componentType, controlType);
    if (values.empty()) {
        return false;
    }
    mixer.ChangeByAnotherProgram(componentType, controlType,
                                 std::vector<DWORD>(values.size(), on ? 1 : 0));
    return true;
}

void HeadsetActions::NoteDownload() {
    devices::VirtualCodec& codec = headset_.Codec();
    const std::vector<hsio::DspRecord> records = codec.Records();
    if (!records.empty()) {
        std::vector<DspWrite> writes;
        for (const hsio::DspRecord& record : records) {
            writes.push_back({record.address, record.value});
        }
        lastDownload_ = DescribeDspWrites(writes);
        codec.ClearRecords();
        return;
    }
    const std::vector<std::vector<BYTE>> blocks = headset_.Pipe().Blocks();
    if (blocks.size() > pipeBlocksSeen_) {
        pipeBlocksSeen_ = blocks.size();
        lastDownload_ = DescribePipeBlock(blocks.back());
    }
}

HeadsetStatus HeadsetActions::Status(HWND frame) const {
    const devices::VirtualMixer& mixer = headset_.Mixer();
    HeadsetStatus status;
    status.plugged = headset_.Plugged();
    status.product = headset_.PluggedDevice().productId;
    status.serial = Narrow(headset_.PluggedDevice().serial);
    status.volume = Position(mixer, kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME);
    status.balance = Balance(mixer);
    status.bass = Position(mixer, kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS);
    status.treble = Position(mixer, kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE);
    status.mic = Position(mixer, kWaveIn, MIXERCONTROL_CONTROLTYPE_VOLUME);
    status.micMute = SwitchValue(mixer, kWaveIn, MIXERCONTROL_CONTROLTYPE_MUTE);
    if (frame != nullptr && IsWindow(frame)) {
        if (const auto* button = tavimo::FindItem<skin::DIButton>(frame, kMuteButtonId)) {
            status.muteButton = button->IsChecked() ? 1 : 0;
        }
        if (const auto* text = tavimo::FindItem<skin::GenText>(frame, kHeadphonePresetText)) {
            status.headphonePreset = text->ShownText();
        }
    }
    status.lastDownload = lastDownload_;
    if (const auto report = headset_.Hid().LastGainReport()) {
        status.lastGainReport = DescribeGainReport(report->gain, report->mute);
    }
    return status;
}

}  // namespace demo
