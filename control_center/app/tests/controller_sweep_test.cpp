// Every command id and every slider message the frame can be sent, in each
// layout, with the headset present, absent and with its mixer gone: the
// frame survives them all, and only ids with a role leave anything behind
// (a device write, a sound, a launch, a dialog or a registry value).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "child_process.h"
#include "display_item.h"
#include "footprint.h"
#include "frame_harness.h"
#include "layout_choice.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "test_window.h"

namespace {

using devices::VirtualHeadset;
using Family = VirtualHeadset::Family;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
// Every control of the virtual headset's mixer runs from 0 to this.
constexpr DWORD kLargestRaw = 65535;

struct Case {
    const char* name;
    Family family;
    int model;
    bool plugged;
    bool mixerGone;
    int layout;
};

const Case kCases[] = {
    {"Model400", Family::Older, 400, true, false, tavimo::kLayoutHeadphone},
    {"Model400MixerGone", Family::Older, 400, true, true, tavimo::kLayoutHeadphone},
    {"Pro", Family::Older, 200, true, false, tavimo::kLayoutPro},
    {"ProMixerGone", Family::Older, 200, true, true, tavimo::kLayoutPro},
    {"Newer", Family::Newer, 400, true, false, tavimo::kLayoutDefault},
    {"NewerMixerGone", Family::Newer, 400, true, true, tavimo::kLayoutDefault},
    {"NoHeadset", Family::Older, 400, false, false, tavimo::kLayoutDefault},
};

bool Within(int id, int first, int last) {
    return id >= first && id <= last;
}

// The commands of the controller's table and the frame's own.
bool HasCommandRole(int id) {
    static const std::set<int> single = {1, 2, 3, 6, 7, 8, 9, 309, 315, 341, 344, 998, 999};
    return single.count(id) != 0 || Within(id, 202, 205) || Within(id, 321, 327) ||
           Within(id, 331, 335) || Within(id, 351, 357) || Within(id, 361, 364);
}

const std::set<LPARAM> kLevelSliders = {5, 304, 306, 308, 314};

bool HasSliderRole(UINT message, WORD code, LPARAM id) {
    return message == skin::kSliderMovedH && (code == 4 || code == 5) &&
           kLevelSliders.count(id) != 0;
}

BOOL CALLBACK NoteId(HWND child, LPARAM ids) {
    reinterpret_cast<std::set<LPARAM>*>(ids)->insert(GetDlgCtrlID(child));
    return TRUE;
}

// Element ids of the frame's items now, the level sliders, and ids that
// name no item: none, beyond the layouts, and a slider's id in a wider word.
std::set<LPARAM> SliderTargets(HWND frame) {
    std::set<LPARAM> ids = kLevelSliders;
    EnumChildWindows(frame, NoteId, reinterpret_cast<LPARAM>(&ids));
    for (const LPARAM other : {LPARAM{0}, LPARAM{1000}, LPARAM{0xFFFF}, LPARAM{-1},
                               static_cast<LPARAM>(0x100000000LL + 306)}) {
        ids.insert(other);
    }
    return ids;
}

class ControllerSweepTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        machine.SetString(kProduct + "Directory", "Path",
                          testing_support::PathBesideTest("presets\\"));
        for (const char* section : {"HeadsetEQ", "MicEQ", "Audio", "Talk"}) {
            machine.CreateKey(kProduct + section);
        }
        desktop.dialogAnswer = IDOK;  // every dialog taken as far as it goes
        VirtualHeadset::Setup setup;
        setup.family = GetParam().family;
        setup.model = GetParam().model;
        setup.plugged = GetParam().plugged;
        frame = std::make_unique<frame_tests::HeadsetFrame>(setup, desktop);
        ASSERT_TRUE(frame->IsOpen());
        if (GetParam().mixerGone) {
            frame->TakeMixerAway();
            ASSERT_FALSE(frame->Audio().MixerIsOpen());
            ASSERT_TRUE(frame->Audio().HeadsetReady());
        }
        ASSERT_EQ(frame->Frame().LayoutId(), GetParam().layout);
    }

    frame_tests::Footprint Now() const {
        return frame_tests::FootprintOf(frame->Headset(), desktop);
    }

    // Mixer writes of values no control of the headset takes.
    std::vector<DWORD> OutOfRangeWrites() const {
        std::vector<DWORD> outside;
        for (const auto& write : frame->Headset().Mixer().Writes()) {
            for (const DWORD value : write.values) {
                if (value > kLargestRaw) {
                    outside.push_back(value);
                }
            }
        }
        return outside;
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::RecordingDesktop desktop;
    std::unique_ptr<frame_tests::HeadsetFrame> frame;
};

TEST_P(ControllerSweepTest, CommandsWithoutARoleLeaveNothing) {
    std::vector<int> acted;
    std::set<int> roles;
    frame_tests::Footprint before = Now();
    for (int id = 1; id <= 998; ++id) {
        frame->Command(id);
        ASSERT_TRUE(IsWindow(frame->Window())) << "after command " << id;
        frame_tests::Footprint after = Now();
        if (after != before && HasCommandRole(id)) {
            roles.insert(id);
        } else if (after != before) {
            acted.push_back(id);
        }
        before = std::move(after);
    }
    EXPECT_EQ(acted, std::vector<int>{});
    // Whatever the headset, the applet opens and a preset pick is stored.
    EXPECT_EQ(roles.count(2) + roles.count(353), 2u);
    EXPECT_EQ(OutOfRangeWrites(), std::vector<DWORD>{});
    frame->Command(999);  // the close button, last
    EXPECT_FALSE(IsWindow(frame->Window()));
}

TEST_P(ControllerSweepTest, SliderMessagesActOnlyForTheLevelSliders) {
    std::vector<std::string> acted;
    int movedLevels = 0;
    frame_tests::Footprint before = Now();
    // Posts a batch and notes it when it left anything behind without a role.
    const auto send = [&](UINT message, LPARAM id, WORD firstCode, WORD lastCode, bool role) {
        for (WORD code = firstCode; code <= lastCode; ++code) {
            for (const int position : {0, 8, 16, 17, 0x8000, 0xFFFF}) {
                PostMessageA(frame->Window(), message,
                             MAKEWPARAM(code, static_cast<WORD>(position)), id);
            }
        }
        testing_support::PumpMessages();
        frame_tests::Footprint after = Now();
        movedLevels += role && after != before ? 1 : 0;
        if (!role && after != before) {
            acted.push_back(std::to_string(message) + " codes " + std::to_string(firstCode) + ".." +
                            std::to_string(lastCode) + " id " + std::to_string(id));
        }
        before = std::move(after);
    };
    for (const LPARAM id : SliderTargets(frame->Window())) {
        for (const UINT message : {skin::kSliderMovedH, skin::kSliderMovedV}) {
            if (!HasSliderRole(message, 4, id)) {
                send(message, id, 0, 8, false);
                continue;
            }
            for (WORD code = 0; code <= 8; ++code) {
                send(message, id, code, code, HasSliderRole(message, code, id));
            }
        }
    }
    EXPECT_EQ(acted, std::vector<std::string>{});
    EXPECT_EQ(OutOfRangeWrites(), std::vector<DWORD>{});
    // Both codes of the five sliders reached an open mixer.
    EXPECT_EQ(movedLevels, frame->Audio().MixerIsOpen() ? 10 : 0);
    EXPECT_TRUE(IsWindow(frame->Window()));
}

INSTANTIATE_TEST_SUITE_P(EveryLayoutAndState, ControllerSweepTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& tested) {
                             return std::string(tested.param.name);
                         });

}  // namespace
