#include "headset_audio.h"

#include <algorithm>
#include <cstring>

namespace headset {
namespace {

constexpr DWORD kSpeakers = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
constexpr DWORD kWaveOut = MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT;
constexpr DWORD kWaveIn = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
constexpr char kBassBoostName[] = "Bass Boost";

int Clamp(int value, int min, int max) {
    return std::min(std::max(value, min), max);
}

// Bass boost is found by its name, not by its type.
const LineControl* BassBoostOf(const MixerDevice& device, bool open) {
    const MixerLine* line = open ? device.LineOf(kSpeakers) : nullptr;
    return line != nullptr ? line->ControlNamed(kBassBoostName) : nullptr;
}

bool NamesHeadset(const MIXERCAPSA& caps) {
    return std::strstr(caps.szPname, "USB") != nullptr ||
           std::strstr(caps.szPname, "Quorvel") != nullptr;
}

}  // namespace

const LineControl* HeadsetAudio::Control(DWORD component, DWORD type) const {
    return mixerOpen_ ? device_.Control(component, type) : nullptr;
}

bool HeadsetAudio::MixerIsHeadset() const {
    return device_.IsOpen() && NamesHeadset(device_.Caps());
}

bool HeadsetAudio::FirstMixerIsAnotherCard() const {
    MIXERCAPSA caps = {};
    if (api_.GetNumDevs() == 0 || api_.GetDevCaps(0, &caps, sizeof caps) != MMSYSERR_NOERROR) {
        return false;
    }
    caps.szPname[sizeof caps.szPname - 1] = '\0';
    return !NamesHeadset(caps);
}

bool HeadsetAudio::OpenDevice(UINT index, HWND window, bool search) {
    return device_.Open(index, window) && (!search || MixerIsHeadset());
}

int HeadsetAudio::OpenMixer(HWND window, bool search) {
    CloseMixer();
    window_ = window;
    const UINT devices = api_.GetNumDevs();
    bool accepted = false;
    for (UINT index = 0; index < devices && !accepted; ++index) {
        accepted = OpenDevice(index, window, search);
        if (!search) {
            break;
        }
    }
    if (!accepted) {
        CloseMixer();
        return 0;
    }
    mixerOpen_ = true;
    ReadBounds(state_.volume, kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME);
    ReadBounds(state_.bass, kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS);
    ReadBounds(state_.treble, kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE);
    RefreshVolumeAndBalance();
    RefreshBass();
    RefreshTreble();
    ReadBounds(state_.mic, kWaveIn, MIXERCONTROL_CONTROLTYPE_VOLUME);
    RefreshMicLevel();
    GetSpeakerMute();
    return 1;
}

void HeadsetAudio::CloseMixer() {
    device_.Close();
    mixerOpen_ = false;
    state_ = {};
}

void HeadsetAudio::ReadBounds(Level& level, DWORD component, DWORD type) const {
    const LineControl* control = Control(component, type);
    level.min = control != nullptr ? control->Minimum() : kUnknown;
    level.max = control != nullptr ? control->Maximum() : kUnknown;
    if (level.min == kUnknown || level.max == kUnknown) {
        level.min = level.max = kUnknown;
    }
}

void HeadsetAudio::RefreshVolumeAndBalance() {
    const LineControl* volume = Control(kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME);
    const auto read = [volume](int channel) {
        const std::optional<DWORD> value = volume != nullptr ? volume->Read(channel) : std::nullopt;
        return value ? static_cast<int>(*value) : kUnknown;
    };
    Level& level = state_.volume;
    level.raw = read(-1);
    state_.leftRaw = read(0);
    state_.rightRaw = read(1);
    if (level.raw == kUnknown || state_.leftRaw == kUnknown || state_.rightRaw == kUnknown) {
        return;
    }
    level.raw = Clamp(level.raw, level.min, level.max);
    state_.leftRaw = Clamp(state_.leftRaw, level.min, level.max);
    state_.rightRaw = Clamp(state_.rightRaw, level.min, level.max);
    level.position = ToPosition(level.raw, level.min, level.max);
    state_.balancePosition =
        BalanceFromChannels(state_.leftRaw, state_.rightRaw, level.min, level.max);
}

void HeadsetAudio::Refresh(Level& level, DWORD type, DWORD component) {
    const LineControl* control = Control(component, type);
    const std::optional<DWORD> value = control != nullptr ? control->Read(-1) : std::nullopt;
    if (!value) {
        level.raw = kUnknown;
        return;
    }
    level.raw = static_cast<int>(*value);
    level.position = ToPosition(level.raw, level.min, level.max);
}

bool HeadsetAudio::WriteChannels(Channels channels) {
    const LineControl* volume = Control(kSpeakers, MIXERCONTROL_CONTROLTYPE_VOLUME);
    if (volume == nullptr ||
        !volume->Write({static_cast<DWORD>(channels.left), static_cast<DWORD>(channels.right)})) {
        return false;
    }
    state_.leftRaw = channels.left;
    state_.rightRaw = channels.right;
    return true;
}

int HeadsetAudio::SetVolumePosition(int position) {
    Level& level = state_.volume;
    const int clamped = Clamp(position, kPositionMin, kPositionMax);
    const std::optional<Channels> channels =
        ChannelsForVolume(clamped, state_.balancePosition, level.min, level.max);
    if (!channels || !WriteChannels(*channels)) {
        return kUnknown;
    }
    level.raw = ToRaw(clamped, level.min, level.max);
    level.position = clamped;
    state_.echo = true;
    return clamped;
}

int HeadsetAudio::StepVolume(bool down) {
    if (state_.volume.min == kUnknown || state_.volume.max == kUnknown) {
        return kUnknown;
    }
    return SetVolumePosition(state_.volume.position + (down ? -1 : 1));
}

int HeadsetAudio::SetBalancePosition(int balance) {
    const std::optional<Channels> channels = SplitBalance(
        balance, {state_.leftRaw, state_.rightRaw}, state_.volume.min, state_.volume.max);
    if (!channels || !WriteChannels(*channels)) {
        return kUnknown;
    }
    state_.balancePosition = balance;
    state_.echo = true;
    return balance;
}

int HeadsetAudio::SetLevel(Level& level, int position, DWORD type, DWORD component) {
    const int raw = ToRaw(position, level.min, level.max);
    const LineControl* control = Control(component, type);
    if (raw == kUnknown || control == nullptr || !control->Write({static_cast<DWORD>(raw)})) {
        return kUnknown;
    }
    level.raw = raw;
    level.position = position;
    state_.echo = true;
    return position;
}

int HeadsetAudio::SetBassPosition(int position) {
    return SetLevel(state_.bass, position, MIXERCONTROL_CONTROLTYPE_BASS, kSpeakers);
}

int HeadsetAudio::SetTreblePosition(int position) {
    return SetLevel(state_.treble, position, MIXERCONTROL_CONTROLTYPE_TREBLE, kSpeakers);
}

int HeadsetAudio::SetMicPosition(int position) {
    return SetLevel(state_.mic, position, MIXERCONTROL_CONTROLTYPE_VOLUME, kWaveIn);
}

int HeadsetAudio::GetSwitch(const LineControl* control) const {
    const std::optional<DWORD> value = control != nullptr ? control->Read(-1) : std::nullopt;
    return value ? static_cast<int>(*value) : kUnknown;
}

int HeadsetAudio::WriteValue(const LineControl* control, DWORD value, bool armEcho) {
    const bool written = control != nullptr && control->Write({value});
    if (armEcho) {
        state_.echo = true;
    }
    return written ? 0 : kUnknown;
}

int HeadsetAudio::GetSpeakerMute() const {
    return GetSwitch(Control(kSpeakers, MIXERCONTROL_CONTROLTYPE_MUTE));
}
int HeadsetAudio::SetSpeakerMute(int value) {
    return WriteValue(Control(kSpeakers, MIXERCONTROL_CONTROLTYPE_MUTE), static_cast<DWORD>(value),
                      true);
}
int HeadsetAudio::GetWavePlaybackMute() const {
    return GetSwitch(Control(kWaveOut, MIXERCONTROL_CONTROLTYPE_MUTE));
}
int HeadsetAudio::SetWavePlaybackMute(int value) {
    return WriteValue(Control(kWaveOut, MIXERCONTROL_CONTROLTYPE_MUTE), static_cast<DWORD>(value),
                      true);
}
int HeadsetAudio::GetWavePlaybackVolume() const {
    return GetSwitch(Control(kWaveOut, MIXERCONTROL_CONTROLTYPE_VOLUME));
}
int HeadsetAudio::SetWavePlaybackVolume(int raw) {
    return WriteValue(Control(kWaveOut, MIXERCONTROL_CONTROLTYPE_VOLUME), static_cast<DWORD>(raw),
                      true);
}
int HeadsetAudio::SetWavePlaybackVolumeToMaximum() {
    const LineControl* volume = Control(kWaveOut, MIXERCONTROL_CONTROLTYPE_VOLUME);
    return volume != nullptr ? WriteValue(volume, static_cast<DWORD>(volume->Maximum()), false)
                             : kUnknown;
}
int HeadsetAudio::GetRecordingMute() const {
    return GetSwitch(Control(kWaveIn, MIXERCONTROL_CONTROLTYPE_MUTE));
}
int HeadsetAudio::SetRecordingMute(int value) {
    // Not armed: the frame hears about its own recording mute writes.
    const int result = WriteValue(Control(kWaveIn, MIXERCONTROL_CONTROLTYPE_MUTE),
                                  static_cast<DWORD>(value), false);
    if (result == 0) {
        recordingMuteWritten_ = value;
    }
    return result;
}
int HeadsetAudio::GetBassBoost() const {
    return GetSwitch(BassBoostOf(device_, mixerOpen_));
}
int HeadsetAudio::SetBassBoost(int value) {
    return WriteValue(BassBoostOf(device_, mixerOpen_), static_cast<DWORD>(value), true);
}

void HeadsetAudio::OnMixerControlChange(HMIXER, DWORD controlId) {
    if (state_.echo) {
        state_.echo = false;
        return;
    }
    if (!mixerOpen_) {
        return;
    }
    for (const MixerLine& line : device_.Lines()) {
        const LineControl* control = line.ControlWithId(controlId);
        if (control == nullptr) {
            continue;
        }
        UINT message = 0;
        switch (control->Type()) {
            case MIXERCONTROL_CONTROLTYPE_VOLUME:
                message = kVolumeChanged;
                break;
            case MIXERCONTROL_CONTROLTYPE_BASS:
                message = kBassChanged;
                break;
            case MIXERCONTROL_CONTROLTYPE_TREBLE:
                message = kTrebleChanged;
                break;
            case MIXERCONTROL_CONTROLTYPE_MUTE:
                if (line.info.Target.dwType == MIXERLINE_TARGETTYPE_WAVEIN ||
                    line.info.Target.dwType == MIXERLINE_TARGETTYPE_MIDIIN) {
                    message = kRecordingMuteChanged;
                }
                break;
            case MIXERCONTROL_CONTROLTYPE_ONOFF:
                message = kBassBoostChanged;
                break;
            default:
                break;
        }
        if (message != 0) {
            PostMessageA(window_, message, 0, 0);
            return;
        }
    }
}

}  // namespace headset
