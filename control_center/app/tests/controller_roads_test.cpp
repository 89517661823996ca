// The controller driven end to end: a frame over a whole virtual headset of
// either family, items acted on as the skin would post, the registry of a
// scratch installation, and what reaches the devices.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cell_meters.h"
#include "child_process.h"
#include "di_button.h"
#include "di_slider.h"
#include "frame_harness.h"
#include "gen_text.h"
#include "item_access.h"
#include "main_frame.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "test_window.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using Family = VirtualHeadset::Family;
using tavimo::FindItem;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
constexpr DWORD kSpeakers = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
constexpr DWORD kWaveIn = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;

class ControllerRoadsTest : public ::testing::TestWithParam<Family> {
protected:
    void SetUp() override {
        // The shipped presets sit in presets\ beside the test.
        std::string directory = testing_support::PathBesideTest("presets\\");
        machine.SetString(kProduct + "Directory", "Path", directory);
        machine.CreateKey(kProduct + "HeadsetEQ");
        machine.CreateKey(kProduct + "MicEQ");
        headset = std::make_unique<VirtualHeadset>(GetParam(), 400);
        frame = std::make_unique<tavimo::CMainFrame>(headset->Devices(), desktop);
        ASSERT_TRUE(frame_tests::OpenFrame(*frame));
    }
    void TearDown() override {
        if (frame) {
            frame_tests::CloseFrame(*frame);
        }
    }

    HWND Window() const { return frame->GetSafeHwnd(); }
    template <typename Item>
    Item& ItemOf(int id) const {
        Item* item = FindItem<Item>(Window(), id);
        EXPECT_NE(item, nullptr) << id;
        return *item;
    }
    void Command(int id) const {
        PostMessageA(Window(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        testing_support::PumpMessages();
    }
    std::string Stored(const char* section) const {
        char data[16] = {};
        DWORD size = sizeof data;
        RegGetValueA(HKEY_LOCAL_MACHINE, (kProduct + section).c_str(), "Value", RRF_RT_REG_SZ,
                     nullptr, data, &size);
        return data;
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<VirtualHeadset> headset;
    std::unique_ptr<tavimo::CMainFrame> frame;
};

TEST_P(ControllerRoadsTest, BassDragWritesTheMixerAndItsEchoIsSwallowed) {
    devices::VirtualMixer& mixer = headset->Mixer();
    const std::size_t writesBefore = mixer.Writes().size();
    PostMessageA(Window(), skin::kSliderMovedH, MAKEWPARAM(skin::DISlider::kCodeTrack, 12), 306);
    PostMessageA(Window(), skin::kSliderMovedH, MAKEWPARAM(skin::DISlider::kCodePosition, 13), 306);
    testing_support::PumpMessages();
    ASSERT_EQ(mixer.Writes().size(), writesBefore + 2);
    const DWORD bass = mixer.ControlId(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS);
    EXPECT_EQ(mixer.Writes().back().controlId, bass);
    EXPECT_EQ(frame->Audio().GetBassPosition(), 13);
    EXPECT_EQ(ItemOf<skin::DISlider>(306).Position(), 13);
    EXPECT_EQ(ItemOf<skin::CellRow>(107).Level(), 13);

    // Another program lowers the bass: slider and meter follow.
    mixer.ChangeByAnotherProgram(kSpeakers, MIXERCONTROL_CONTROLTYPE_BASS, {0});
    testing_support::PumpMessages();
    EXPECT_EQ(ItemOf<skin::DISlider>(306).Position(), 0);
    EXPECT_EQ(ItemOf<skin::CellRow>(107).Level(), 0);
    EXPECT_EQ(mixer.Writes().size(), writesBefore + 2);
}

TEST_P(ControllerRoadsTest, TheHeadsetsMuteButtonTogglesTheMicrophoneMute) {
    devices::VirtualMixer& mixer = headset->Mixer();
    const auto mute = [&] { return mixer.Values(kWaveIn, MIXERCONTROL_CONTROLTYPE_MUTE); };
    ASSERT_EQ(mute(), (std::vector<DWORD>{0}));
    // What the HID reader posts for the button (its reports are tested with
    // the reader itself).
    PostMessageA(Window(), headset::kButtonMessage, 0x0C, 0xE2);
    testing_support::PumpMessages();
    EXPECT_EQ(mute(), (std::vector<DWORD>{1}));
    EXPECT_TRUE(ItemOf<skin::DIButton>(1).IsChecked());

    Command(1);  // and the mute button of the window turns it off again
    EXPECT_EQ(mute(), (std::vector<DWORD>{0}));
    EXPECT_FALSE(ItemOf<skin::DIButton>(1).IsChecked());
}

TEST_P(ControllerRoadsTest, APresetPickIsStoredDownloadedAndShown) {
    const std::size_t blocks = headset->Pipe().Blocks().size();
    Command(353);
    EXPECT_EQ(Stored("HeadsetEQ"), "2");
    EXPECT_EQ(ItemOf<skin::CellArray>(102).Levels(),
              (std::vector<int>{4, 3, 2, 2, 1, 1, 2, 3, 5, 5}));  // B2
    if (GetParam() == Family::Older) {
        ASSERT_EQ(headset->Pipe().Blocks().size(), blocks + 1);
        EXPECT_EQ(headset->Pipe().Blocks().back().size(), 94u);
    }
    EXPECT_FALSE(ItemOf<skin::GenText>(113).Text().empty());

    Command(357 + 1);  // no such entry: nothing changes
    EXPECT_EQ(Stored("HeadsetEQ"), "2");
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, ControllerRoadsTest,
                         ::testing::Values(Family::Older, Family::Newer));

}  // namespace
