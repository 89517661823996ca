// The controller with what it should not meet but may: stored preset values
// outside the lists, of another type or too long; a headset whose mixer has
// gone; items the layout does not hold.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cell_meters.h"
#include "child_process.h"
#include "di_dropdown.h"
#include "di_slider.h"
#include "frame_harness.h"
#include "gen_text.h"
#include "item_access.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "test_registry.h"
#include "test_window.h"

namespace {

using devices::VirtualHeadset;
using tavimo::FindItem;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
const std::vector<int> kA2 = {3, 4, 4, 3, 2, 1, 3, 6, 5, 4};

class ControllerBadInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        machine.SetString(kProduct + "Directory", "Path",
                          testing_support::PathBesideTest("presets\\"));
    }
    void Start(int model) {
        VirtualHeadset::Setup setup;
        setup.model = model;
        frame = std::make_unique<frame_tests::HeadsetFrame>(setup, desktop);
        ASSERT_TRUE(frame->IsOpen());
    }
    template <typename Item>
    Item& ItemOf(int id) const {
        Item* item = FindItem<Item>(frame->Window(), id);
        EXPECT_NE(item, nullptr) << id;
        return *item;
    }
    int Selected(int list) const { return ItemOf<skin::DIDropDown>(list).List()->Selected(); }
    std::optional<std::string> Stored(const char* section) const {
        return testing_support::ReadString(HKEY_LOCAL_MACHINE, (kProduct + section).c_str(),
                                           "Value");
    }
    // Drags a slider's thumb to the far end of its track, as the mouse would.
    void DragToTheEnd(int id) const {
        auto& slider = ItemOf<skin::DISlider>(id);
        const RECT thumb = slider.ThumbRect();
        const LPARAM from =
            MAKELPARAM((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        const LPARAM to = MAKELPARAM(1000, (thumb.top + thumb.bottom) / 2);
        SendMessageA(slider.Window(), WM_LBUTTONDOWN, MK_LBUTTON, from);
        SendMessageA(slider.Window(), WM_MOUSEMOVE, MK_LBUTTON, to);
        SendMessageA(slider.Window(), WM_LBUTTONUP, 0, to);
        testing_support::PumpMessages();
    }
    // The item no longer answers to its element id, as if the layout had
    // none; it is given its id back before the frame closes.
    void RemoveFromLayout(int id) {
        const HWND item = GetDlgItem(frame->Window(), id);
        ASSERT_NE(item, nullptr);
        SetWindowLongPtrA(item, GWLP_ID, 0x7FFF);
        removed.push_back({item, id});
    }
    void TearDown() override {
        for (const auto& [item, id] : removed) {
            SetWindowLongPtrA(item, GWLP_ID, id);
        }
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<frame_tests::HeadsetFrame> frame;
    std::vector<std::pair<HWND, int>> removed;
};

TEST_F(ControllerBadInputTest, StoredPresetsOutsideTheListsGiveWayToTheDefaults) {
    machine.SetString(kProduct + "HeadsetEQ", "Value", "9");
    machine.SetString(kProduct + "MicEQ", "Value", "7");
    Start(200);
    EXPECT_EQ(Selected(302), 2);
    EXPECT_EQ(ItemOf<skin::CellArray>(102).Levels(), kA2);
    EXPECT_EQ(Selected(312), 2);
    EXPECT_EQ(Stored("HeadsetEQ"), "2");
    EXPECT_EQ(Stored("MicEQ"), "2");
}

TEST_F(ControllerBadInputTest, MistypedOrOverlongPresetValuesCountAsMissing) {
    const DWORD three = 3;
    machine.Set(kProduct + "HeadsetEQ", "Value", REG_DWORD, &three, sizeof three);
    machine.SetString(kProduct + "MicEQ", "Value", "3" + std::string(300, 'x'));
    Start(200);
    EXPECT_EQ(Selected(302), 2);  // the "Pro" model's defaults, not 3
    EXPECT_EQ(Selected(312), 2);
    EXPECT_EQ(Stored("HeadsetEQ"), "2");  // a digit again
    EXPECT_EQ(Stored("MicEQ"), "2");
}

TEST_F(ControllerBadInputTest, WithTheMixerGoneLevelsAndPresetsAreOff) {
    machine.CreateKey(kProduct + "HeadsetEQ");
    Start(400);
    const int bass = ItemOf<skin::DISlider>(306).Position();
    frame->TakeMixerAway();
    ASSERT_TRUE(frame->Audio().HeadsetReady());
    EXPECT_EQ(ItemOf<skin::GenText>(113).Text(), " ");
    EXPECT_EQ(ItemOf<skin::GenText>(114).Text(), " ");
    for (int list : {302, 312}) {
        EXPECT_FALSE(IsWindowEnabled(ItemOf<skin::DIDropDown>(list).Window())) << list;
        EXPECT_EQ(Selected(list), 0) << list;
    }
    DragToTheEnd(306);  // an inactive slider does not follow the mouse
    EXPECT_EQ(ItemOf<skin::DISlider>(306).Position(), bass);
    const std::size_t writes = frame->Headset().Mixer().Writes().size();
    frame->Command(3);
    frame->Command(1);
    frame->Command(344);
    EXPECT_EQ(frame->Headset().Mixer().Writes().size(), writes);

    // Back again, the slider follows.
    frame->Headset().Mixer().SetHeadsetPresent(true);
    SendMessageA(frame->Window(), RegisterWindowMessageA("winmm_devicechange"), 0, 0);
    DragToTheEnd(306);
    EXPECT_EQ(ItemOf<skin::DISlider>(306).Position(), 16);
    EXPECT_NE(ItemOf<skin::GenText>(113).Text(), " ");
}

TEST_F(ControllerBadInputTest, ItemsTheLayoutLacksAreSkipped) {
    machine.CreateKey(kProduct + "HeadsetEQ");
    machine.CreateKey(kProduct + "MicEQ");
    Start(400);
    RemoveFromLayout(115);  // no status text: neither test runs
    const std::size_t writes = frame->Headset().Mixer().Writes().size();
    frame->Command(309);
    frame->Command(315);
    EXPECT_TRUE(frame->Headset().Wave().PlayedSounds().empty());
    EXPECT_EQ(frame->Headset().Mixer().Writes().size(), writes);

    RemoveFromLayout(102);  // no headphone picture: the pick is stored, not applied
    const std::size_t blocks = frame->Headset().Pipe().Blocks().size();
    frame->Command(354);
    EXPECT_EQ(Stored("HeadsetEQ"), "3");
    EXPECT_EQ(frame->Headset().Pipe().Blocks().size(), blocks);

    RemoveFromLayout(103);  // no microphone picture: downloaded and stored all the same
    frame->Command(363);
    EXPECT_EQ(Stored("MicEQ"), "2");
    EXPECT_EQ(frame->Headset().Pipe().Blocks().size(), blocks + 1);

    RemoveFromLayout(306);  // a level slider's move still reaches the mixer
    PostMessageA(frame->Window(), skin::kSliderMovedH, MAKEWPARAM(4, 3), 306);
    testing_support::PumpMessages();
    EXPECT_EQ(frame->Audio().GetBassPosition(), 3);
    EXPECT_EQ(ItemOf<skin::CellRow>(107).Level(), 3);
}

}  // namespace
