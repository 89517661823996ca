// The speaker and microphone tests over a whole virtual headset: what the
// mixer holds while the sound runs, what it holds afterwards, and what the
// frame is asked to show.
#include "sound_tests.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "download_fixture.h"
#include "headset_ids.h"
#include "virtual_wave.h"

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
    }
    void ShowMicPresetText(bool shown) override {
        calls.push_back(shown ? "show 114" : "hide 114");
    }
    void ClearMicPicture() override { calls.push_back("clear 103"); }
    void ApplyMicPreset() override { calls.push_back("apply mic preset"); }
    std::vector<std::string> calls;
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
        // A user's own settings: loud, bass up, treble down, speakers and
        // microphone muted, bass boost on.
        mixer.Preset(kSpeakers, kVolume, {52000, 52000});
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

    RecordingView view;
    std::vector<std::vector<DWORD>> before, whilePlaying;
};

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
