// HeadsetAudio: the headset's speaker and microphone settings through the
// Windows mixer, in the skin's 0..16 slider positions, and changes made by
// other programs reported to the frame; the HID device, and the equalizer
// presets downloaded through the filter driver's pipe (older family) or the
// codec-access library (newer family). Results are -1 for unknown or failed
// unless an operation says otherwise.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "codec_access.h"
#include "device_set.h"
#include "hid_headset.h"
#include "mixer_api.h"
#include "mixer_device.h"
#include "mixer_math.h"
#include "pipe_channel.h"

namespace headset {

// Messages posted to the callback window when another program changed a
// setting.
inline constexpr UINT kVolumeChanged = WM_USER + 256;
inline constexpr UINT kBassChanged = WM_USER + 257;
inline constexpr UINT kTrebleChanged = WM_USER + 258;
inline constexpr UINT kRecordingMuteChanged = WM_USER + 259;
inline constexpr UINT kBassBoostChanged = WM_USER + 260;

// Start-up messages of Open the headset: title and text string ids.
inline constexpr UINT kMissingHeadsetTitle = 1021, kMissingHeadsetText = 1022;
inline constexpr UINT kMissingDriverTitle = 1124;
inline constexpr UINT kMissingPipeText = 1127, kMissingCodecText = 1125;
using MessageSink = std::function<void(UINT titleId, UINT textId)>;

// The pause between lowering the volume and writing the newer family's DSP.
inline constexpr DWORD kCodecDownloadPause = 250;

class HeadsetAudio {
public:
    explicit HeadsetAudio(const devices::DeviceSet& devices, CodecAccess::Libraries libraries = {});
    HeadsetAudio(const HeadsetAudio&) = delete;
    HeadsetAudio& operator=(const HeadsetAudio&) = delete;

    // Opens the HID device, then the older family's pipe or the newer
    // family's codec binding, from scratch. A failure's message goes to
    // messages when there is one. 1 when the HID side opened, else 0.
    int OpenHeadset(HWND window, const MessageSink& messages = {});
    // Unloads the codec binding, closes the HID device and the mixer. 1 when
    // the headset was of the newer family.
    int CloseHeadset();
    bool HeadsetReady() const { return headsetReady_; }
    // Of the last opened headset; kept after it is closed.
    std::uint16_t ProductId() const { return hid_.ProductId(); }
    int ModelNumber() const { return hid_.ModelNumber(); }
    const HidHeadset& Hid() const { return hid_; }
    bool CodecLoaded() const { return codec_.IsLoaded(); }

    // directory is the installation directory, a plain prefix. Bytes
    // written to the pipe, or for the newer family 1 when the DSP was
    // written; 0 when nothing was sent.
    int DownloadHeadphonePreset(int index, std::string_view directory);
    // Bytes written to the pipe; 0 when nothing was sent.
    int DownloadMicPreset(int index, std::string_view directory);
    // The gain report of a microphone preset; 1 when sent.
    int SendMicGainForPreset(int index);
    int SilenceMicGain();
    // For the newer family, 1 while its codec answers; else 0.
    int CodecStillPresent() const;

    // Opens device 0 as it is, or with search the first device whose name
    // contains "USB" or "Quorvel". 1 when a device was opened, else 0.
    int OpenMixer(HWND window, bool search);
    void CloseMixer();
    bool MixerIsOpen() const { return mixerOpen_; }
    // Whether the open device's name says it is the headset.
    bool MixerIsHeadset() const;
    // Whether mixer device 0, where Windows plays by default, is a card other
    // than the headset by its name; false when there is no device 0 to ask.
    bool FirstMixerIsAnotherCard() const;

    int GetVolumePosition() const { return state_.volume.position; }
    int SetVolumePosition(int position);
    int StepVolume(bool down);
    int GetBalancePosition() const { return state_.balancePosition; }
    int SetBalancePosition(int balance);
    int GetBassPosition() const { return state_.bass.position; }
    int SetBassPosition(int position);
    int GetTreblePosition() const { return state_.treble.position; }
    int SetTreblePosition(int position);
    int GetMicPosition() const { return state_.mic.position; }
    int SetMicPosition(int position);

    int GetSpeakerMute() const;
    int SetSpeakerMute(int value);
    int GetWavePlaybackMute() const;
    int SetWavePlaybackMute(int value);
    int GetWavePlaybackVolume() const;
    int SetWavePlaybackVolume(int raw);
    int SetWavePlaybackVolumeToMaximum();
    int GetRecordingMute() const;
    int SetRecordingMute(int value);
    int RecordingMuteWritten() const { return recordingMuteWritten_; }
    int GetBassBoost() const;
    int SetBassBoost(int value);

    void RefreshVolumeAndBalance();
    void RefreshBass() {
        Refresh(state_.bass, MIXERCONTROL_CONTROLTYPE_BASS, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS);
    }
    void RefreshTreble() {
        Refresh(state_.treble, MIXERCONTROL_CONTROLTYPE_TREBLE,
                MIXERLINE_COMPONENTTYPE_DST_SPEAKERS);
    }
    void RefreshMicLevel() {
        Refresh(state_.mic, MIXERCONTROL_CONTROLTYPE_VOLUME, MIXERLINE_COMPONENTTYPE_DST_WAVEIN);
    }

    // MM_MIXM_CONTROL_CHANGE from the mixer: the echo of this model's own
    // last write is swallowed; other changes are posted to the frame.
    void OnMixerControlChange(HMIXER mixer, DWORD controlId);

private:
    struct Level {
        int raw = kUnknown, min = kUnknown, max = kUnknown, position = kUnknown;
    };
    // What the model knows of the open device: unknown, and the echo flag
    // clear, while it is closed.
    struct State {
        Level volume, bass, treble, mic;
        int leftRaw = kUnknown, rightRaw = kUnknown;
        int balancePosition = kUnknown;
        bool echo = false;
    };
    const LineControl* Control(DWORD component, DWORD type) const;
    void ReadBounds(Level& level, DWORD component, DWORD type) const;
    void Refresh(Level& level, DWORD type, DWORD component);
    int SetLevel(Level& level, int position, DWORD type, DWORD component);
    int GetSwitch(const LineControl* control) const;
    // Writes a two-state or raw value; arms the echo flag when asked, even
    // when the write fails.
    int WriteValue(const LineControl* control, DWORD value, bool armEcho);
    bool WriteChannels(Channels channels);
    bool OpenDevice(UINT index, HWND window, bool search);

    int WritePipePreset(PresetKind kind, int index, std::string_view directory);
    int WriteCodecPreset(int index, std::string_view directory);

    MixerDevice device_;
    devices::MixerApi& api_;
    devices::PlatformApi& platform_;
    HidHeadset hid_;
    PipeChannel pipe_;
    CodecAccess codec_;
    std::vector<std::uint8_t> presetBuffer_;
    bool headsetReady_ = false;
    HWND window_ = nullptr;
    bool mixerOpen_ = false;
    State state_;
    int recordingMuteWritten_ = 0;
};

}  // namespace headset
