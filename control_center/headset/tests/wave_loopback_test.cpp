// The microphone test's loopback against the virtual headset's wave devices,
// and against the system's devices of the test prefix (which has none).
#include "wave_loopback.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "virtual_wave.h"

namespace {

using devices::VirtualWave;
using headset::WaveFormat;
using headset::WaveLoopback;

constexpr WaveFormat kTestFormat = {2, 16, 44100, 3};
constexpr DWORD kTestBytes = 529200;

struct Phases {
    bool recorded;
    bool played;
};

Phases RecordAndPlay(VirtualWave& wave) {
    WaveLoopback loopback(wave, kTestFormat);
    const bool recorded = loopback.RecordToEnd();
    return {recorded, recorded && loopback.PlayToEnd()};
}

void ExpectDevicesLeftClean(const VirtualWave& wave) {
    EXPECT_EQ(wave.OpenDevices(), 0);
    EXPECT_TRUE(wave.Misuses().empty()) << wave.Misuses().front();
}

TEST(WaveLoopback, RecordsThreeSecondsAndPlaysThemBack) {
    VirtualWave wave;
    WaveLoopback loopback(wave, kTestFormat);
    EXPECT_EQ(loopback.BufferBytes(), kTestBytes);
    ASSERT_TRUE(loopback.RecordToEnd());
    ASSERT_TRUE(loopback.PlayToEnd());
    ASSERT_EQ(wave.PlayedSounds().size(), 1u);
    const std::vector<char>& played = wave.PlayedSounds()[0].bytes;
    ASSERT_EQ(played.size(), kTestBytes);
    EXPECT_EQ(std::vector<char>(played.begin(), played.begin() + 5),
              (std::vector<char>{1, 2, 3, 4, 1}));
    EXPECT_EQ(played.back(), 4);
    // Time passed only in the waits: about the recording's and the playback's length.
    EXPECT_GE(wave.WaitedMilliseconds(), 6000u);
    EXPECT_LE(wave.WaitedMilliseconds(), 2 * (1000u + 3000u + WaveLoopback::kPollInterval));
    ExpectDevicesLeftClean(wave);
}

TEST(WaveLoopback, AShortRecordingIsPlayedInFullWithSilenceAfterIt) {
    VirtualWave::Options options;
    options.recordedBytes = 1000;
    VirtualWave wave(options);
    ASSERT_TRUE(RecordAndPlay(wave).played);
    const std::vector<char>& played = wave.PlayedSounds().at(0).bytes;
    ASSERT_EQ(played.size(), kTestBytes);
    EXPECT_EQ(played[999], 4);
    EXPECT_TRUE(std::all_of(played.begin() + 1000, played.end(), [](char b) { return b == 0; }));
}

TEST(WaveLoopback, MissingOrSilentDevicesSkipTheirPhaseAndAreClosed) {
    VirtualWave::Options noInput;
    noInput.hasInput = false;
    VirtualWave withoutInput(noInput);
    EXPECT_FALSE(RecordAndPlay(withoutInput).recorded);
    EXPECT_TRUE(withoutInput.PlayedSounds().empty());
    ExpectDevicesLeftClean(withoutInput);

    VirtualWave::Options late;
    late.notifiesOpen = false;
    VirtualWave neverOpened(late);
    EXPECT_FALSE(RecordAndPlay(neverOpened).recorded);
    EXPECT_EQ(neverOpened.WaitedMilliseconds(), WaveLoopback::kOpenTimeout);
    ExpectDevicesLeftClean(neverOpened);

    VirtualWave::Options noOutput;
    noOutput.hasOutput = false;
    VirtualWave withoutOutput(noOutput);
    const Phases run = RecordAndPlay(withoutOutput);
    EXPECT_TRUE(run.recorded);
    EXPECT_FALSE(run.played);
    ExpectDevicesLeftClean(withoutOutput);
}

TEST(WaveLoopback, ADeviceThatKeepsItsBufferIsStoppedAfterItsLength) {
    VirtualWave::Options options;
    options.keepsBuffers = true;
    VirtualWave wave(options);
    const Phases run = RecordAndPlay(wave);
    EXPECT_TRUE(run.recorded);
    EXPECT_TRUE(run.played);
    const DWORD phaseLimit = 3000 + WaveLoopback::kOverrun + WaveLoopback::kPollInterval;
    EXPECT_LE(wave.WaitedMilliseconds(), 2 * (WaveLoopback::kOpenTimeout + phaseLimit));
    ExpectDevicesLeftClean(wave);
}

TEST(WaveLoopback, RefusesBadFormatsAndOverlappingPhases) {
    VirtualWave wave;
    for (const WaveFormat& bad :
         {WaveFormat{0, 16, 44100, 3}, WaveFormat{2, 0, 44100, 3}, WaveFormat{2, 16, 0, 3},
          WaveFormat{2, 16, 44100, 0}, WaveFormat{2, 16, 44100, 0xFFFFFFFF}}) {
        WaveLoopback loopback(wave, bad);
        EXPECT_FALSE(loopback.Record());
        EXPECT_FALSE(loopback.Play());
    }
    EXPECT_EQ(wave.WaitedMilliseconds(), 0u);

    WaveLoopback loopback(wave, kTestFormat);
    EXPECT_FALSE(loopback.Play());  // nothing recorded yet
    ASSERT_TRUE(loopback.Record());
    EXPECT_FALSE(loopback.Record());
    EXPECT_FALSE(loopback.Play());
    EXPECT_TRUE(loopback.IsRecording());
}

TEST(WaveLoopback, EndingMidPhaseGivesTheBufferBackBeforeClosing) {
    VirtualWave wave;
    {
        WaveLoopback loopback(wave, kTestFormat);
        ASSERT_TRUE(loopback.Record());
        EXPECT_TRUE(loopback.IsRecording(100));
    }
    ExpectDevicesLeftClean(wave);
    {
        WaveLoopback loopback(wave, kTestFormat);
        ASSERT_TRUE(loopback.RecordToEnd());
        ASSERT_TRUE(loopback.Play());
        loopback.Stop();
        EXPECT_FALSE(loopback.IsPlaying());
        ExpectDevicesLeftClean(wave);
        EXPECT_TRUE(loopback.Play());  // the buffer is still there
    }
    ExpectDevicesLeftClean(wave);
}

TEST(WaveLoopback, SystemDevicesOfThePrefix) {
    WaveLoopback loopback(devices::SystemWave(), kTestFormat);
    if (waveInGetNumDevs() == 0) {
        EXPECT_FALSE(loopback.RecordToEnd());
        GTEST_SKIP() << "the test prefix has no recording device: only the refusal was tested";
    }
    EXPECT_TRUE(loopback.RecordToEnd());
    EXPECT_TRUE(loopback.PlayToEnd());
}

}  // namespace
