// The speaker and microphone tests over a whole virtual headset: what the
// mixer holds while the sound runs, what it holds afterwards, and what the
// frame is asked to show.
#include "sound_tests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "download_fixture.h"
#include "headset_ids.h"
#include "mixer_math.h"
#include "virtual_wave.h"
#include "wave_api.h"

namespace {

using devices::VirtualWave;
using headset::SoundTestView;

constexpr DWORD kSpeakers = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
constexpr DWORD kWave = MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT;
constexpr DWORD kWaveIn = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME;
constexpr DWORD kMute = MIXERCONTROL_CONTROLTYPE_MUTE;

class RecordingView : public SoundTestView {
public:
    void ShowStatus(UINT stringId) override {
        calls.push_back("status " + std::to_string(stringId));
        if (onStatus) {
            onStatus(stringId);
        }
    }
    void ShowMicPresetText(bool shown) override {
        calls.push_back(shown ? "show 114" : "hide 114");
    }
    void ClearMicPicture() override { calls.push_back("clear 103"); }
    void ApplyMicPreset() override { calls.push_back("apply mic preset"); }
    std::vector<std::string> calls;
    std::function<void(UINT)> onStatus;
};

class SoundTestsTest : public headset_tests::DownloadTest {
protected:
    // The controls the tests touch, as (component, control) pairs: levels,
    // then switches and the wave volume.
    static inline const std::vector<std::pair<DWORD, DWORD>> kControls = {
        {kSpeakers, kVolume},
        {kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS},
        {kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE},
        {kSpeakers, kMute},
        {kSpeakers, MIXERCONTROL_CONTROLTYPE_ONOFF},
        {kWave, kVolume},
        {kWave, kMute},
        {kWaveIn, kVolume},
        {kWaveIn, kMute},
    };

    void SetUp() override {
        // A user's own settings: loud and to the left, bass up, treble
        // down, speakers and microphone muted, bass boost on.
        mixer.Preset(kSpeakers, kVolume, {52000, 26000});
        mixer.Preset(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {61440});
        mixer.Preset(kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE, {4096});
        mixer.Preset(kSpeakers, kMute, {1});
        mixer.Preset(kSpeakers, MIXERCONTROL_CONTROLTYPE_ONOFF, {1});
        mixer.Preset(kWave, kVolume, {1000, 1000});
        mixer.Preset(kWave, kMute, {1});
        mixer.Preset(kWaveIn, kVolume, {8192});
        mixer.Preset(kWaveIn, kMute, {1});
        auto device = Headset(tavimo::kOlderProductId, L"400-0417-0102");
        device.gainMinimum = 0;
        device.gainMaximum = 100;
        ASSERT_EQ(Open({device}), 1);
        before = Restorable();
        wave.whilePlaying = [this] { whilePlaying = Snapshot(); };
    }

    std::vector<std::vector<DWORD>> Snapshot() const {
        std::vector<std::vector<DWORD>> values;
        for (const auto& [component, control] : kControls) {
            values.push_back(mixer.Values(component, control));
        }
        return values;
    }
    // Levels come back as the 0..16 positions they were saved as; switches
    // and the wave volume exactly.
    std::vector<std::vector<DWORD>> Restorable() {
        audio->RefreshVolumeAndBalance();
        audio->RefreshBass();
        audio->RefreshTreble();
        audio->RefreshMicLevel();
        std::vector<std::vector<DWORD>> values = Snapshot();
        values.erase(values.begin(), values.begin() + 3);
        values.erase(values.end() - 2);  // the microphone's level
        for (int position :
             {audio->GetVolumePosition(), audio->GetBalancePosition(), audio->GetBassPosition(),
              audio->GetTreblePosition(), audio->GetMicPosition()}) {
            values.push_back({static_cast<DWORD>(position)});
        }
        return values;
    }

    // The mixer writes from the "Playing Sample" status to the idle one
    // (what the test restores), each named by its control.
    struct Restored {
        std::vector<std::string> controls;
        std::vector<std::vector<DWORD>> values;
    };
    Restored RestoredBy(const std::function<void()>& run) {
        const std::map<DWORD, std::string> names = {
            {mixer.ControlId(kSpeakers, kVolume), "volume"},
            {mixer.ControlId(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS), "bass"},
            {mixer.ControlId(kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE), "treble"},
            {mixer.ControlId(kSpeakers, kMute), "speaker mute"},
            {mixer.ControlId(kSpeakers, MIXERCONTROL_CONTROLTYPE_ONOFF), "bass boost"},
            {mixer.ControlId(kWave, kVolume), "wave volume"},
            {mixer.ControlId(kWave, kMute), "wave mute"},
            {mixer.ControlId(kWaveIn, kVolume), "microphone"},
            {mixer.ControlId(kWaveIn, kMute), "recording mute"},
        };
        std::size_t first = 0, last = 0;
        view.onStatus = [&](UINT id) {
            (id == headset::kPlayingSample ? first : last) = mixer.Writes().size();
        };
        run();
        Restored restored;
        for (std::size_t i = first; i < last; ++i) {
            restored.controls.push_back(names.at(mixer.Writes()[i].controlId));
            restored.values.push_back(mixer.Writes()[i].values);
        }
        return restored;
    }

    RecordingView view;
    std::vector<std::vector<DWORD>> before, whilePlaying;
};

// The louder channel of a speaker volume write.
DWORD Louder(const std::vector<DWORD>& channels) {
    return *std::max_element(channels.begin(), channels.end());
}

DWORD RawOf(int position) {
    return static_cast<DWORD>(headset::ToRaw(position, 0, 65535));
}

TEST_F(SoundTestsTest, SpeakerTestPlaysTheSampleNeutrallyAndRestoresEverything) {
    directory.Write("QRV001.WAV", headset_tests::Pattern(64));
    headset::RunSpeakerTest(*audio, wave, directory.Path(), view);

    ASSERT_EQ(wave.PlayedSounds().size(), 1u);
    EXPECT_EQ(wave.PlayedSounds()[0].sound, directory.Path() + "QRV001.WAV");
    EXPECT_EQ(wave.PlayedSounds()[0].flags, static_cast<DWORD>(SND_FILENAME));
    ASSERT_EQ(whilePlaying.size(), kControls.size());
    EXPECT_EQ(whilePlaying[0][0], whilePlaying[0][1]);        // centred
    EXPECT_EQ(whilePlaying[1], (std::vector<DWORD>{32768}));  // bass and treble at 8 of 16
    EXPECT_EQ(whilePlaying[2], (std::vector<DWORD>{32768}));
    EXPECT_EQ(whilePlaying[3], (std::vector<DWORD>{0}));  // speakers on
    EXPECT_EQ(whilePlaying[4], (std::vector<DWORD>{0}));  // no bass boost
    EXPECT_EQ(whilePlaying[5], (std::vector<DWORD>{65535, 65535}));
    EXPECT_EQ(whilePlaying[6], (std::vector<DWORD>{0}));

    EXPECT_EQ(Restorable(), before);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"hide 114", "clear 103", "status 1105",
                                                    "status 0", "show 114", "apply mic preset"}));
}

TEST_F(SoundTestsTest, AMissingSampleStillRestoresEverything) {
    headset::RunSpeakerTest(*audio, wave, directory.Path(), view);
    EXPECT_TRUE(wave.PlayedSounds().empty());
    EXPECT_EQ(Restorable(), before);
}

TEST_F(SoundTestsTest, MicrophoneTestRecordsPlaysBackAndRestoresEverything) {
    headset::RunMicrophoneTest(*audio, wave, 2, view);
    ASSERT_EQ(wave.PlayedSounds().size(), 1u);
    EXPECT_EQ(wave.PlayedSounds()[0].bytes.size(), 529200u);
    EXPECT_EQ(Restorable(), before);
    EXPECT_EQ(wave.OpenDevices(), 0);
    // Silenced first, then the gain of preset 2.
    const auto reports = hid->OutputReports();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], (std::vector<BYTE>{0, 1, 0, 0}));
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"hide 114", "clear 103", "status 1104", "status 1105",
                                        "status 0", "apply mic preset", "show 114"}));
}

TEST_F(SoundTestsTest, MicrophoneTestWithoutARecordingDeviceSkipsThePlayback) {
    VirtualWave::Options options;
    options.hasInput = false;
    wave = VirtualWave(options);
    headset::RunMicrophoneTest(*audio, wave, 0, view);
    EXPECT_TRUE(wave.PlayedSounds().empty());
    EXPECT_EQ(Restorable(), before);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"hide 114", "clear 103", "status 1104",
                                                    "status 0", "apply mic preset", "show 114"}));
}

TEST_F(SoundTestsTest, SpeakerTestRestoresInItsOrder) {
    const int volume = audio->GetVolumePosition();
    const Restored restored =
        RestoredBy([&] { headset::RunSpeakerTest(*audio, wave, directory.Path(), view); });
    EXPECT_EQ(restored.controls,
              (std::vector<std::string>{"volume", "volume", "bass", "bass boost", "treble",
                                        "speaker mute", "wave mute", "wave volume"}));
    ASSERT_EQ(restored.values.size(), 8u);
    // The balance first, at the test's volume; then the volume.
    EXPECT_EQ(Louder(restored.values[0]), RawOf(10));
    EXPECT_EQ(Louder(restored.values[1]), RawOf(volume));
}

TEST_F(SoundTestsTest, MicrophoneTestRestoresInItsOrder) {
    const int volume = audio->GetVolumePosition();
    const Restored restored =
        RestoredBy([&] { headset::RunMicrophoneTest(*audio, wave, 1, view); });
    EXPECT_EQ(
        restored.controls,
        (std::vector<std::string>{"volume", "microphone", "volume", "bass", "bass boost", "treble",
                                  "speaker mute", "wave mute", "wave volume", "recording mute"}));
    ASSERT_EQ(restored.values.size(), 10u);
    // The volume first, still centred; then the balance at that volume.
    EXPECT_EQ(restored.values[0], (std::vector<DWORD>{RawOf(volume), RawOf(volume)}));
    EXPECT_EQ(Louder(restored.values[2]), RawOf(volume));
}

TEST_F(SoundTestsTest, MicrophoneTestWithLateStuckOrMissingDevicesStillRestores) {
    VirtualWave::Options late, stuck, noOutput;
    late.notifiesOpen = false;
    stuck.keepsBuffers = true;
    noOutput.hasOutput = false;
    for (const VirtualWave::Options& options : {late, stuck, noOutput}) {
        wave = VirtualWave(options);
        headset::RunMicrophoneTest(*audio, wave, 0, view);
        EXPECT_EQ(Restorable(), before);
        EXPECT_EQ(wave.OpenDevices(), 0);
        EXPECT_TRUE(wave.Misuses().empty());
    }
}

TEST_F(SoundTestsTest, MicrophoneTestOnTheSystemsWaveDevices) {
    headset::RunMicrophoneTest(*audio, devices::SystemWave(), 0, view);
    EXPECT_EQ(Restorable(), before);
    if (waveInGetNumDevs() == 0) {
        EXPECT_EQ(view.calls,
                  (std::vector<std::string>{"hide 114", "clear 103", "status 1104", "status 0",
                                            "apply mic preset", "show 114"}));
        GTEST_SKIP() << "the test prefix has no recording device (its audio driver is off): "
                        "only a microphone test without one ran on the system's wave API";
    }
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"hide 114", "clear 103", "status 1104", "status 1105",
                                        "status 0", "apply mic preset", "show 114"}));
}

TEST_F(SoundTestsTest, SettingsThatCouldNotBeReadAreNotWrittenBack) {
    mixer.FailReads(true);  // switches and the wave volume are unknown now
    headset::RunSpeakerTest(*audio, wave, directory.Path(), view);
    headset::RunMicrophoneTest(*audio, wave, 1, view);
    for (const auto& write : mixer.Writes()) {
        for (DWORD value : write.values) {
            EXPECT_NE(value, 0xFFFFFFFFu) << "control " << write.controlId;
        }
    }
    mixer.FailReads(false);
    // The mutes the tests could not read are left as the tests set them.
    EXPECT_EQ(mixer.Values(kSpeakers, kMute), (std::vector<DWORD>{0}));
}

}  // namespace
