#include "sound_tests.h"

#include <array>
#include <initializer_list>

#include "wave_loopback.h"

namespace headset {
namespace {

// The mixer settings the tests touch.
enum Setting {
    kBalance,
    kVolume,
    kBass,
    kBassBoost,
    kTreble,
    kSpeakerMute,
    kWaveMute,
    kWaveVolume,
    kRecordingMute,
    kMic,
    kSettingCount
};

struct Access {
    int (HeadsetAudio::*get)() const;
    int (HeadsetAudio::*set)(int);
};

constexpr std::array<Access, kSettingCount> kAccess = {{
    {&HeadsetAudio::GetBalancePosition, &HeadsetAudio::SetBalancePosition},
    {&HeadsetAudio::GetVolumePosition, &HeadsetAudio::SetVolumePosition},
    {&HeadsetAudio::GetBassPosition, &HeadsetAudio::SetBassPosition},
    {&HeadsetAudio::GetBassBoost, &HeadsetAudio::SetBassBoost},
    {&HeadsetAudio::GetTreblePosition, &HeadsetAudio::SetTreblePosition},
    {&HeadsetAudio::GetSpeakerMute, &HeadsetAudio::SetSpeakerMute},
    {&HeadsetAudio::GetWavePlaybackMute, &HeadsetAudio::SetWavePlaybackMute},
    {&HeadsetAudio::GetWavePlaybackVolume, &HeadsetAudio::SetWavePlaybackVolume},
    {&HeadsetAudio::GetRecordingMute, &HeadsetAudio::SetRecordingMute},
    {&HeadsetAudio::GetMicPosition, &HeadsetAudio::SetMicPosition},
}};

// The settings as a test found them. Only what was read is written back:
// an unknown value restored would become an out-of-range level or a mute
// left on.
class SavedSettings {
public:
    SavedSettings(HeadsetAudio& audio, std::initializer_list<Setting> settings) : audio_(audio) {
        values_.fill(kUnknown);
        for (const Setting setting : settings) {
            values_[setting] = (audio_.*kAccess[setting].get)();
        }
    }
    void Restore(std::initializer_list<Setting> order) const {
        for (const Setting setting : order) {
            if (values_[setting] != kUnknown) {
                (audio_.*kAccess[setting].set)(values_[setting]);
            }
        }
    }

private:
    HeadsetAudio& audio_;
    std::array<int, kSettingCount> values_{};
};

// Bass and treble neither raised nor lowered.
constexpr int kNeutralTone = 8;

// Neutral tone and balance, the speakers and the wave playback line open.
void SetNeutralPlayback(HeadsetAudio& audio) {
    audio.SetBalancePosition(kBalanceCentre);
    audio.SetBassPosition(kNeutralTone);
    audio.SetBassBoost(0);
    audio.SetTreblePosition(kNeutralTone);
    audio.SetSpeakerMute(0);
    audio.SetWavePlaybackMute(0);
    audio.SetWavePlaybackVolumeToMaximum();
}

constexpr int kTestVolume = 10;
constexpr int kTestMicLevel = 11;
constexpr WaveFormat kLoopbackFormat = {2, 16, 44100, 3};

}  // namespace

void RunSpeakerTest(HeadsetAudio& audio, devices::WaveApi& wave, const std::string& directory,
                    SoundTestView& view) {
    view.ShowMicPresetText(false);
    view.ClearMicPicture();
    const SavedSettings saved(audio, {kBalance, kVolume, kBass, kBassBoost, kTreble, kSpeakerMute,
                                      kWaveMute, kWaveVolume});
    SetNeutralPlayback(audio);
    audio.SetVolumePosition(kTestVolume);
    view.ShowStatus(kPlayingSample);
    // Without SND_ASYNC the call returns when the sound has finished.
    wave.PlaySound((directory + kSampleSound).c_str(), nullptr, SND_FILENAME);
    saved.Restore(
        {kBalance, kVolume, kBass, kBassBoost, kTreble, kSpeakerMute, kWaveMute, kWaveVolume});
    view.ShowStatus(0);
    view.ShowMicPresetText(true);
    view.ApplyMicPreset();
}

void RunMicrophoneTest(HeadsetAudio& audio, devices::WaveApi& wave, int micPreset,
                       SoundTestView& view) {
    view.ShowMicPresetText(false);
    view.ClearMicPicture();
    audio.SilenceMicGain();
    const SavedSettings saved(audio, {kBalance, kBass, kBassBoost, kTreble, kSpeakerMute, kWaveMute,
                                      kWaveVolume, kRecordingMute, kVolume, kMic});
    SetNeutralPlayback(audio);
    audio.SetRecordingMute(0);
    audio.SetVolumePosition(kTestVolume);
    audio.SetMicPosition(kTestMicLevel);
    view.ShowStatus(kRecordingSample);
    {
        WaveLoopback loopback(wave, kLoopbackFormat);
        if (loopback.RecordToEnd()) {
            view.ShowStatus(kPlayingSample);
            loopback.PlayToEnd();
        }
    }
    saved.Restore({kVolume, kMic, kBalance, kBass, kBassBoost, kTreble, kSpeakerMute, kWaveMute,
                   kWaveVolume, kRecordingMute});
    audio.SendMicGainForPreset(micPreset);
    view.ShowStatus(0);
    view.ApplyMicPreset();
    view.ShowMicPresetText(true);
}

}  // namespace headset
