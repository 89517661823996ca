// What the demo's window learns from the virtual headset: a message for
// each mixer write, download (pipe block or DSP write through the
// codec-access stand-in) and gain report, none once it stops observing; the
// gain report as the headset reads it; and a plug that brings back the
// headset unplugged last, serial and all.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "child_process.h"
#include "headset_audio.h"
#include "test_window.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using Change = VirtualHeadset::Change;
constexpr UINT kObserved = WM_APP + 7;

// The changes posted to the window so far.
std::multiset<Change> Posted(HWND window) {
    std::multiset<Change> changes;
    MSG message;
    while (PeekMessageA(&message, window, kObserved, kObserved, PM_REMOVE)) {
        changes.insert(static_cast<Change>(message.wParam));
    }
    return changes;
}

class ObserverTest : public ::testing::Test {
protected:
    void Open(VirtualHeadset::Family family) {
        Close();  // the model goes before the headset it uses
        headset_.emplace(VirtualHeadset::Setup{.family = family, .model = 200, .serial = {}});
        audio_.emplace(headset_->Devices());
        ASSERT_EQ(audio_->OpenMixer(nullptr, false), 1);
        ASSERT_EQ(audio_->OpenHeadset(nullptr), 1);
        headset_->Observe(window_.get(), kObserved);
    }
    void TearDown() override { Close(); }
    void Close() {
        if (audio_) {
            audio_->CloseHeadset();
            audio_.reset();
        }
    }

    const std::string presets_ = testing_support::PathBesideTest("presets\\");
    testing_support::OwnerWindow window_;
    std::optional<VirtualHeadset> headset_;
    std::optional<headset::HeadsetAudio> audio_;
};

TEST_F(ObserverTest, OlderFamilyTellsOfBlocksGainReportsAndMixerWrites) {
    Open(VirtualHeadset::Family::Older);
    ASSERT_EQ(audio_->DownloadHeadphonePreset(2, presets_), 94);
    EXPECT_EQ(Posted(window_.get()), std::multiset<Change>{Change::Download});
    ASSERT_EQ(audio_->SendMicGainForPreset(1), 1);
    EXPECT_EQ(Posted(window_.get()), std::multiset<Change>{Change::GainReport});
    ASSERT_NE(audio_->SetBassPosition(3), -1);
    EXPECT_EQ(Posted(window_.get()), std::multiset<Change>{Change::Mixer});
}

TEST_F(ObserverTest, NewerFamilyTellsOfEachDspWrite) {
    Open(VirtualHeadset::Family::Newer);
    if (!audio_->CodecLoaded()) {
        GTEST_SKIP() << "HSIO.DLL or BANDCALC.DLL is not beside the test";
    }
    ASSERT_EQ(audio_->DownloadHeadphonePreset(2, presets_), 1);
    const std::multiset<Change> changes = Posted(window_.get());
    EXPECT_EQ(changes.count(Change::Download), 15u);
    // The volume is lowered around the writes.
    EXPECT_GE(changes.count(Change::Mixer), 2u);
}

TEST_F(ObserverTest, NothingIsToldOnceObservingStops) {
    Open(VirtualHeadset::Family::Newer);
    headset_->Observe(nullptr, 0);
    audio_->DownloadHeadphonePreset(2, presets_);
    audio_->SetBassPosition(5);
    EXPECT_TRUE(Posted(window_.get()).empty());
    Open(VirtualHeadset::Family::Older);
    headset_->Observe(nullptr, 0);
    audio_->DownloadHeadphonePreset(2, presets_);
    audio_->SendMicGainForPreset(1);
    EXPECT_TRUE(Posted(window_.get()).empty());
}

TEST(VirtualGainReport, IsReadAsTheHeadsetReadsItsBytes) {
    devices::VirtualHid hid({devices::VirtualHid::Device{}});
    EXPECT_EQ(hid.LastGainReport(), std::nullopt);
    const HANDLE file = hid.CreateDeviceFile(devices::VirtualHid::Path(0).c_str(), GENERIC_WRITE, 0,
                                             OPEN_EXISTING, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    const BYTE loudMuted[] = {0, devices::VirtualHid::kMuteBit, 0x34, 0x12};
    ASSERT_TRUE(hid.WriteFile(file, loudMuted, sizeof loudMuted, &written));
    EXPECT_EQ(hid.LastGainReport(), (devices::VirtualHid::GainReport{0x1234, true}));
    const BYTE quiet[] = {0, 0xFE, 0xFF, 0x00};
    ASSERT_TRUE(hid.WriteFile(file, quiet, sizeof quiet, &written));
    EXPECT_EQ(hid.LastGainReport(), (devices::VirtualHid::GainReport{0xFF, false}));
    // A report too short for a gain is none.
    ASSERT_TRUE(hid.WriteFile(file, quiet, 2, &written));
    EXPECT_EQ(hid.LastGainReport(), std::nullopt);
    hid.CloseHandle(file);
}

TEST(VirtualPlug, BringsBackTheHeadsetUnpluggedLast) {
    VirtualHeadset headset(VirtualHeadset::Setup{
        .family = VirtualHeadset::Family::Newer, .model = 0, .serial = "300-77 B"});
    headset.Unplug();
    EXPECT_FALSE(headset.Plugged());
    headset.Plug();
    EXPECT_TRUE(headset.Plugged());
    headset::HeadsetAudio audio(headset.Devices());
    ASSERT_EQ(audio.OpenHeadset(nullptr), 1);
    EXPECT_EQ(audio.ProductId(), 0x0D31);
    EXPECT_EQ(audio.ModelNumber(), 300);
    audio.CloseHeadset();

    // Another headset plugged in meanwhile is the one that comes back.
    headset.Plug(VirtualHeadset::Family::Older, 500);
    headset.Unplug();
    headset.Plug();
    ASSERT_EQ(audio.OpenHeadset(nullptr), 1);
    EXPECT_EQ(audio.ProductId(), 0x0B52);
    EXPECT_EQ(audio.ModelNumber(), 500);
    EXPECT_EQ(headset.PluggedDevice().serial, L"500-0417-0102");
    audio.CloseHeadset();
}

}  // namespace
