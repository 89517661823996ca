// The control center's dialogs shown for real under Wine, through the
// system desktop, and answered as a user would: their captions and texts
// in the current language, and what each answer leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "di_button.h"
#include "dialog_answerer.h"
#include "frame_harness.h"
#include "item_access.h"
#include "language_table.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "test_registry.h"

namespace {

using frame_tests::DialogAnswerer;
using testing_support::SnapshotTree;

const std::string kProduct = "Software\\Quorvel\\Tavimo\\";
constexpr int kOutputSwitch = 341;

std::string Text(unsigned id) {
    return tavimo::Languages().Text(id);
}

class ControllerDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { machine.CreateKey(kProduct + "Audio"); }
    void Start(bool plugged) {
        devices::VirtualHeadset::Setup setup;
        setup.plugged = plugged;
        frame = std::make_unique<frame_tests::HeadsetFrame>(setup, desktop);
        ASSERT_TRUE(frame->IsOpen());
    }
    bool SwitchMarked() const {
        const auto* button = tavimo::FindItem<skin::DIButton>(frame->Window(), kOutputSwitch);
        return button != nullptr && button->IsChecked();
    }
    // The output switch with its dialog answered; whether the switch was
    // marked while the dialog was up.
    bool SwitchOutput(DialogAnswerer& answerer) {
        bool marked = false;
        answerer.whileShown = [&] { marked = SwitchMarked(); };
        frame->Command(kOutputSwitch);
        return marked;
    }
    std::optional<testing_support::RegistryValue> Warning() const {
        return testing_support::ReadValue(HKEY_LOCAL_MACHINE, (kProduct + "UIsettings").c_str(),
                                          "SpeakerSelWarn");
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::ShowingDesktop desktop;
    std::unique_ptr<frame_tests::HeadsetFrame> frame;
};

TEST_F(ControllerDialogsTest, OutputSwitchDialogIsInTheCurrentLanguage) {
    Start(true);
    DialogAnswerer answerer(IDCANCEL);
    SwitchOutput(answerer);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answerer.Answered()->title, Text(1111));
    EXPECT_EQ(answerer.Answered()->text, Text(1112));
    EXPECT_EQ(answerer.Answered()->checkBox, Text(1113));
    EXPECT_EQ(answerer.Answered()->checkBox, "Do not show this dialog again.");
}

TEST_F(ControllerDialogsTest, OkWithTheBoxTickedSwitchesAndWarnsNoMore) {
    Start(true);
    {
        DialogAnswerer answerer(IDOK);  // box left clear: asked again next time
        EXPECT_TRUE(SwitchOutput(answerer));
        ASSERT_TRUE(answerer.Answered());
    }
    ASSERT_TRUE(Warning());
    EXPECT_EQ(Warning()->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Warning()->data, (std::vector<BYTE>{1, 0, 0, 0}));
    {
        DialogAnswerer answerer(IDOK, true);
        EXPECT_TRUE(SwitchOutput(answerer));
        ASSERT_TRUE(answerer.Answered());
    }
    ASSERT_TRUE(Warning());
    EXPECT_EQ(Warning()->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Warning()->data, (std::vector<BYTE>{0, 0, 0, 0}));
    ASSERT_EQ(desktop.executed.size(), 2u);
    EXPECT_EQ(desktop.executed[1].rfind("|control.exe|", 0), 0u);
    EXPECT_FALSE(SwitchMarked());

    DialogAnswerer unexpected(IDCANCEL);  // should a dialog come after all
    frame->Command(kOutputSwitch);
    EXPECT_FALSE(unexpected.Answered());
    EXPECT_EQ(desktop.executed.size(), 3u);
}

TEST_F(ControllerDialogsTest, CancelWritesNothingAndUnmarksTheSwitch) {
    Start(true);
    const testing_support::RegistryTree before = SnapshotTree(HKEY_LOCAL_MACHINE);
    DialogAnswerer answerer(IDCANCEL, true);  // even with the box ticked
    EXPECT_TRUE(SwitchOutput(answerer));
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(SnapshotTree(HKEY_LOCAL_MACHINE), before);
    EXPECT_TRUE(desktop.executed.empty());
    EXPECT_FALSE(SwitchMarked());
}

TEST_F(ControllerDialogsTest, AMissingHeadsetIsToldAtStartUp) {
    DialogAnswerer answerer(IDOK);
    Start(false);
    ASSERT_TRUE(answerer.Answered());
    EXPECT_EQ(answerer.Answered()->title, Text(1021));
    EXPECT_EQ(answerer.Answered()->title, "Help for Missing USB Headset");
    EXPECT_EQ(answerer.Answered()->text, Text(1022));
    EXPECT_EQ(answerer.Answered()->checkBox, "");
    EXPECT_TRUE(IsWindow(frame->Window()));
}

TEST_F(ControllerDialogsTest, AnUnmappedButtonOffersTheApplet) {
    Start(true);
    {
        DialogAnswerer no(IDCANCEL);
        frame->Command(331);  // no "Chat0" stored
        ASSERT_TRUE(no.Answered());
        EXPECT_EQ(no.Answered()->title, Text(1019));
        EXPECT_EQ(no.Answered()->title, "Help for Unmapped Applications");
        EXPECT_EQ(no.Answered()->text, Text(1020));
    }
    EXPECT_TRUE(desktop.commandLines.empty());
    {
        DialogAnswerer yes(IDOK);
        frame->Command(331);
        ASSERT_TRUE(yes.Answered());
    }
    EXPECT_EQ(desktop.commandLines, std::vector<std::string>{"control.exe tavictrl.cpl"});
}

}  // namespace
