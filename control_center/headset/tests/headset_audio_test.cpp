// The mixer part of the headset model against the virtual headset's mixer,
// and against the system's mixer where Wine can answer.
#include "headset_audio.h"

#include <gtest/gtest.h>

#include <vector>

#include "device_set.h"
#include "mixer_limits.h"
#include "test_window.h"
#include "virtual_mixer.h"

namespace {

using devices::VirtualMixer;
using headset::HeadsetAudio;

constexpr DWORD kSpeakers = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
constexpr DWORD kWaveIn = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
constexpr DWORD kVolume = MIXERCONTROL_CONTROLTYPE_VOLUME;

class HeadsetAudioTest : public ::testing::Test {
protected:
    void Open(VirtualMixer::Options options = {}, bool search = false) {
        audio.reset();  // it closes its device on the mixer it was given
        mixer = std::make_unique<VirtualMixer>(std::move(options));
        mixer->Preset(kSpeakers, kVolume, {40000, 20000});
        mixer->Preset(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {32768});
        // The other devices are the system's, which these tests never reach.
        audio = std::make_unique<HeadsetAudio>(
            devices::DeviceSet{*mixer, devices::SystemHid(), devices::SystemPipe(),
                               devices::SystemPlatform(), devices::SystemWave()});
        opened = audio->OpenMixer(window.get(), search);
    }
    // Hands every mixer notification waiting for the window to the model,
    // and returns the messages the model posted back.
    std::vector<UINT> Deliver() {
        std::vector<UINT> posted;
        MSG message;
        while (PeekMessageA(&message, window.get(), 0, 0, PM_REMOVE)) {
            if (message.message == MM_MIXM_CONTROL_CHANGE) {
                audio->OnMixerControlChange(reinterpret_cast<HMIXER>(message.wParam),
                                            static_cast<DWORD>(message.lParam));
            } else if (message.message >= headset::kVolumeChanged &&
                       message.message <= headset::kBassBoostChanged) {
                posted.push_back(message.message);
            }
        }
        // What the model posted while handling them.
        while (PeekMessageA(&message, window.get(), headset::kVolumeChanged,
                            headset::kBassBoostChanged, PM_REMOVE)) {
            posted.push_back(message.message);
        }
        return posted;
    }
    // Opens a mixer whose speaker line claims a count through field: at the
    // limit the line is kept, beyond it the line is dropped rather than
    // sized by the claim. The claims grow, so that a model without the limit
    // fails at the small one.
    void ExpectSpeakerLineCut(DWORD VirtualMixer::Options::*field, DWORD limit) {
        for (const DWORD count : {limit, limit + 1, DWORD{0xFFFFFFFF}}) {
            VirtualMixer::Options options;
            options.*field = count;
            Open(options);
            ASSERT_EQ(opened, 1);
            ASSERT_EQ(audio->GetSpeakerMute(), count == limit ? 0 : -1) << count;
            EXPECT_EQ(audio->SetMicPosition(4), 4);  // the other lines work
        }
    }
    std::vector<DWORD> LastWrite() const {
        return mixer->Writes().empty() ? std::vector<DWORD>{} : mixer->Writes().back().values;
    }

    testing_support::OwnerWindow window;
    std::unique_ptr<VirtualMixer> mixer;
    std::unique_ptr<HeadsetAudio> audio;
    int opened = 0;
};

using Values = std::vector<DWORD>;
using Posted = std::vector<UINT>;

TEST_F(HeadsetAudioTest, OpeningReadsEveryLevel) {
    Open();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(audio->MixerIsOpen());
    EXPECT_TRUE(audio->MixerIsHeadset());
    EXPECT_EQ(audio->GetVolumePosition(), headset::ToPosition(40000, 0, 65535));
    EXPECT_EQ(audio->GetBalancePosition(), (20000 + 40000 / 16) * 8 / 40000);
    EXPECT_EQ(audio->GetBassPosition(), 8);
    EXPECT_EQ(audio->GetTreblePosition(), 0);
    EXPECT_EQ(audio->GetMicPosition(), 0);
    EXPECT_EQ(audio->GetSpeakerMute(), 0);
    EXPECT_TRUE(Deliver().empty());  // reading posts nothing
}

TEST_F(HeadsetAudioTest, VolumeKeepsTheBalanceAndIsClamped) {
    Open();
    ASSERT_EQ(audio->SetBalancePosition(4), 4);
    const int raw10 = headset::ToRaw(10, 0, 65535);
    EXPECT_EQ(audio->SetVolumePosition(10), 10);
    EXPECT_EQ(LastWrite(), (Values{static_cast<DWORD>(raw10), static_cast<DWORD>(4 * raw10 / 8)}));
    EXPECT_EQ(audio->SetVolumePosition(17), 16);
    EXPECT_EQ(audio->SetVolumePosition(-3), 0);
    EXPECT_EQ(audio->StepVolume(false), 1);
    EXPECT_EQ(audio->StepVolume(true), 0);
}

TEST_F(HeadsetAudioTest, BalanceKeepsTheLouderChannel) {
    Open();
    EXPECT_EQ(audio->SetBalancePosition(8), 8);
    EXPECT_EQ(LastWrite(), (Values{40000, 40000}));
    EXPECT_EQ(audio->SetBalancePosition(17), -1);
}

TEST_F(HeadsetAudioTest, BalanceAfterAVolumeChangeSplitsTheNewLevel) {
    Open();
    ASSERT_EQ(audio->SetVolumePosition(10), 10);
    const auto raw10 = static_cast<DWORD>(headset::ToRaw(10, 0, 65535));
    EXPECT_EQ(audio->SetBalancePosition(12), 12);
    EXPECT_EQ(LastWrite(), (Values{raw10 * 4 / 8, raw10}));
    EXPECT_EQ(audio->SetBalancePosition(8), 8);
    EXPECT_EQ(LastWrite(), (Values{raw10, raw10}));
}

TEST_F(HeadsetAudioTest, BalanceIsRefusedWhileAChannelIsUnknown) {
    Open();
    mixer->FailReads(true);
    audio->RefreshVolumeAndBalance();
    mixer->FailReads(false);
    const std::size_t writes = mixer->Writes().size();
    EXPECT_EQ(audio->SetBalancePosition(4), -1);
    EXPECT_EQ(audio->SetBalancePosition(8), -1);
    EXPECT_EQ(mixer->Writes().size(), writes);
    audio->RefreshVolumeAndBalance();  // known again
    EXPECT_EQ(audio->SetBalancePosition(8), 8);
    EXPECT_EQ(LastWrite(), (Values{40000, 40000}));
}

TEST_F(HeadsetAudioTest, BassAndTrebleAreNotClamped) {
    Open();
    EXPECT_EQ(audio->SetBassPosition(20), 20);
    EXPECT_EQ(LastWrite(), (Values{static_cast<DWORD>(headset::ToRaw(20, 0, 65535))}));
}

TEST_F(HeadsetAudioTest, AnOwnWriteSwallowsExactlyTheNextNotification) {
    Open();
    ASSERT_EQ(audio->SetBassPosition(10), 10);
    EXPECT_TRUE(Deliver().empty());  // the echo of the bass write
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE, {100});
    EXPECT_EQ(Deliver(), (Posted{headset::kTrebleChanged}));

    // Armed, the flag swallows whatever comes next, even another control.
    ASSERT_EQ(audio->SetMicPosition(4), 4);
    MSG echo;
    while (PeekMessageA(&echo, window.get(), MM_MIXM_CONTROL_CHANGE, MM_MIXM_CONTROL_CHANGE,
                        PM_REMOVE)) {
    }
    mixer->ChangeByAnotherProgram(kSpeakers, kVolume, {1000, 1000});
    EXPECT_TRUE(Deliver().empty());
    mixer->ChangeByAnotherProgram(kSpeakers, kVolume, {2000, 2000});
    EXPECT_EQ(Deliver(), (Posted{headset::kVolumeChanged}));
}

TEST_F(HeadsetAudioTest, NotificationsByControl) {
    Open();
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {5});
    mixer->ChangeByAnotherProgram(kWaveIn, MIXERCONTROL_CONTROLTYPE_MUTE, {1});
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_ONOFF, {1});
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_MUTE, {1});  // not recording
    mixer->ChangeByAnotherProgram(kWaveIn, kVolume, {9});
    EXPECT_EQ(Deliver(), (Posted{headset::kBassChanged, headset::kRecordingMuteChanged,
                                 headset::kBassBoostChanged, headset::kVolumeChanged}));
}

TEST_F(HeadsetAudioTest, RecordingMuteWritesReachTheFrame) {
    Open();
    EXPECT_EQ(audio->SetRecordingMute(1), 0);
    EXPECT_EQ(audio->RecordingMuteWritten(), 1);
    EXPECT_EQ(audio->GetRecordingMute(), 1);
    EXPECT_EQ(Deliver(), (Posted{headset::kRecordingMuteChanged}));
}

TEST_F(HeadsetAudioTest, TwoStateSettersArmTheEchoEvenWhenTheyFail) {
    Open();
    mixer->FailWrites(true);
    EXPECT_EQ(audio->SetBassPosition(3), -1);
    EXPECT_EQ(audio->GetBassPosition(), 8);
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {5});
    EXPECT_EQ(Deliver(), (Posted{headset::kBassChanged}));  // a failed level write arms nothing
    EXPECT_EQ(audio->SetSpeakerMute(1), -1);
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {6});
    EXPECT_TRUE(Deliver().empty());
    EXPECT_EQ(audio->SetBassBoost(1), -1);
}

TEST_F(HeadsetAudioTest, SearchTakesTheFirstDeviceNamedUsbOrQuorvel) {
    VirtualMixer::Options options;
    options.deviceNames = {"Onboard Audio", "usb speakers", "Quorvel USB Headset"};
    options.headsetIndex = 2;
    Open(options, true);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(audio->MixerIsHeadset());
    EXPECT_NE(audio->GetVolumePosition(), -1);

    Open(options, false);  // device 0, whatever it is
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(audio->MixerIsHeadset());
    EXPECT_EQ(audio->GetVolumePosition(), -1);
    EXPECT_EQ(audio->SetVolumePosition(8), -1);
    EXPECT_EQ(audio->GetBassBoost(), -1);

    options.deviceNames = {"Onboard Audio", "usb speakers"};
    options.headsetIndex = 5;
    Open(options, true);
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(audio->MixerIsOpen());
}

TEST_F(HeadsetAudioTest, OneChannelVolumeLeavesVolumeAndBalanceUnknown) {
    VirtualMixer::Options options;
    options.speakerChannels = 1;
    Open(options);
    EXPECT_EQ(audio->GetVolumePosition(), -1);
    EXPECT_EQ(audio->GetBalancePosition(), -1);
    EXPECT_EQ(audio->SetVolumePosition(8), -1);
    EXPECT_EQ(audio->GetBassPosition(), 8);  // the other settings still work
}

TEST_F(HeadsetAudioTest, MissingControlsFailAlone) {
    VirtualMixer::Options options;
    options.hasBass = false;
    options.hasBassBoost = false;
    options.hasWaveIn = false;
    Open(options);
    EXPECT_EQ(audio->GetBassPosition(), -1);
    EXPECT_EQ(audio->SetBassPosition(4), -1);
    EXPECT_EQ(audio->GetBassBoost(), -1);
    EXPECT_EQ(audio->SetMicPosition(4), -1);
    EXPECT_EQ(audio->GetRecordingMute(), -1);
    EXPECT_EQ(audio->SetTreblePosition(4), 4);
}

TEST_F(HeadsetAudioTest, EmptyRangesGiveUnknownPositions) {
    VirtualMixer::Options options;
    options.volumeMin = options.volumeMax = 100;
    Open(options);
    EXPECT_EQ(audio->GetVolumePosition(), -1);  // no divisor: unknown, not a crash
    // Writing needs no division: the one value there is.
    EXPECT_EQ(audio->SetVolumePosition(4), 4);
    EXPECT_EQ(LastWrite(), (Values{100, 100}));
}

TEST_F(HeadsetAudioTest, BoundsThatReadAsUnknownFailOnlyTheirSettings) {
    VirtualMixer::Options options;
    options.toneMax = 0xFFFFFFFF;  // reads as -1, unknown
    Open(options);
    EXPECT_EQ(audio->GetBassPosition(), -1);
    EXPECT_EQ(audio->SetBassPosition(4), -1);
    EXPECT_EQ(audio->SetTreblePosition(4), -1);
    EXPECT_EQ(audio->SetVolumePosition(4), 4);
}

TEST_F(HeadsetAudioTest, ALineClaimingTooManyChannelsIsDropped) {
    ExpectSpeakerLineCut(&VirtualMixer::Options::claimedSpeakerChannels, headset::kMaxLineChannels);
}

TEST_F(HeadsetAudioTest, ALineClaimingTooManyControlsIsDropped) {
    ExpectSpeakerLineCut(&VirtualMixer::Options::claimedSpeakerControls, headset::kMaxLineControls);
}

TEST_F(HeadsetAudioTest, OnlySoManyDestinationsAndSourcesAreRead) {
    VirtualMixer::Options options;
    options.claimedDestinations = 0x10000;  // far beyond any device
    options.claimedSpeakerSources = 0x10000;
    Open(options);
    ASSERT_EQ(opened, 1);
    EXPECT_LE(mixer->LineInfoQueries(),
              static_cast<int>(headset::kMaxMixerDestinations + headset::kMaxLineSources));
    EXPECT_NE(audio->GetVolumePosition(), -1);
    EXPECT_EQ(audio->GetWavePlaybackMute(), 0);
    EXPECT_EQ(audio->SetMicPosition(4), 4);
}

TEST_F(HeadsetAudioTest, ClosedModelFailsEverything) {
    Open();
    ASSERT_NE(audio->GetVolumePosition(), -1);
    ASSERT_NE(audio->GetBalancePosition(), -1);
    ASSERT_EQ(audio->SetTreblePosition(3), 3);
    ASSERT_EQ(audio->SetMicPosition(5), 5);
    audio->CloseMixer();
    EXPECT_FALSE(mixer->IsOpen());
    EXPECT_EQ(audio->GetVolumePosition(), -1);
    EXPECT_EQ(audio->GetBalancePosition(), -1);
    EXPECT_EQ(audio->GetBassPosition(), -1);
    EXPECT_EQ(audio->GetTreblePosition(), -1);
    EXPECT_EQ(audio->GetMicPosition(), -1);
    EXPECT_EQ(audio->StepVolume(false), -1);
    EXPECT_EQ(audio->SetVolumePosition(4), -1);
    EXPECT_EQ(audio->SetBalancePosition(4), -1);
    EXPECT_EQ(audio->SetBassPosition(4), -1);
    EXPECT_EQ(audio->GetSpeakerMute(), -1);
    EXPECT_EQ(audio->SetRecordingMute(1), -1);
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {5});
    EXPECT_TRUE(Deliver().empty());
}

TEST_F(HeadsetAudioTest, ClosingDisarmsTheEcho) {
    Open();
    ASSERT_EQ(audio->SetBassPosition(10), 10);  // armed; its echo comes from the closed device
    audio->CloseMixer();
    MSG stale;
    while (PeekMessageA(&stale, window.get(), 0, 0, PM_REMOVE)) {
    }
    ASSERT_EQ(audio->OpenMixer(window.get(), false), 1);
    mixer->ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_TREBLE, {100});
    EXPECT_EQ(Deliver(), (Posted{headset::kTrebleChanged}));
}

TEST(SystemMixer, WithoutAudioDevicesThereIsNothingToOpen) {
    // The test prefix runs Wine without audio drivers.
    testing_support::OwnerWindow window;
    HeadsetAudio audio(devices::SystemDevices());
    if (devices::SystemMixer().GetNumDevs() != 0) {
        GTEST_SKIP() << "this machine has mixer devices; the none path needs none";
    }
    EXPECT_EQ(audio.OpenMixer(window.get(), false), 0);
    EXPECT_EQ(audio.OpenMixer(window.get(), true), 0);
    EXPECT_EQ(audio.GetVolumePosition(), -1);
}

}  // namespace
