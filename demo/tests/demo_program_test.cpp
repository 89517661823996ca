// The demo as a script drives it: TavimoDemo.exe started with options, its
// "Virtual headset" window driven through demo_ctl, the effect read back
// through demo_ctl status (the mixer, the control center's mute button, the
// last download and gain report). Bad command lines end both programs with
// exit code 2 and a message, never a window.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "child_process.h"
#include "demo_command.h"
#include "test_registry.h"
#include "test_window.h"
#include "unique_handle.h"

namespace {

constexpr char kFrameTitle[] = "Tavimo Audio Control Center";
constexpr char kProductKey[] = "Software\\Quorvel\\Tavimo";
constexpr char kDirectoryKey[] = "Software\\Quorvel\\Tavimo\\Directory";
// Bounds on waiting for the demo's windows, not timings under test.
constexpr int kTries = 200;
constexpr DWORD kTryPauseMs = 50;

using Outcome = testing_support::CaughtRun;

// Runs a program beside the test with its standard output and error caught.
Outcome RunCaught(const std::string& arguments, const char* program) {
    return testing_support::RunCaught("\"" + testing_support::PathBesideTest(program) + "\" " +
                                      arguments);
}

Outcome Ctl(const std::string& arguments) {
    return RunCaught(arguments, "demo_ctl.exe");
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Asks for the status until it holds `line` or the tries run out; the last
// status.
std::string StatusOnceItHolds(const std::string& line) {
    std::string status;
    for (int i = 0; i < kTries; ++i) {
        status = Ctl("status").out;
        if (Contains(status, line)) {
            break;
        }
        Sleep(kTryPauseMs);
    }
    return status;
}

HWND WaitForWindow(const char* className, const char* title) {
    for (int i = 0; i < kTries; ++i) {
        if (HWND window = FindWindowA(className, title)) {
            return window;
        }
        Sleep(kTryPauseMs);
    }
    return nullptr;
}

class DemoProgram : public ::testing::TestWithParam<const char*> {
protected:
    // The demo is another process: it reads the machine's own registry,
    // where the installation directory then names the shipped presets. The
    // product key is this test's alone and goes with it.
    void SetUp() override {
        if (FindWindowA(nullptr, kFrameTitle) != nullptr) {
            GTEST_SKIP() << "another control center is running on this desktop";
        }
        HKEY existing = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductKey, 0, KEY_READ, &existing) ==
            ERROR_SUCCESS) {
            RegCloseKey(existing);
            GTEST_SKIP()
                << "the prefix holds a product key of its own, which this test would change";
        }
        ownsProductKey_ = true;
        ASSERT_TRUE(testing_support::WriteString(HKEY_LOCAL_MACHINE, kDirectoryKey, "Path",
                                                 testing_support::PathBesideTest("presets\\")));
    }
    void Start(const std::string& options) {
        demo_.emplace("\"" + testing_support::PathBesideTest("TavimoDemo.exe") + "\" " +
                      GetParam() + " " + options);
        ASSERT_NE(WaitForWindow(demo::kHeadsetWindowClass, demo::kHeadsetWindowTitle), nullptr)
            << "the demo's window never came";
    }
    // Closing the control center ends the demo.
    void Stop() {
        if (demo_) {
            if (HWND frame = FindWindowA(nullptr, kFrameTitle)) {
                PostMessageA(frame, WM_CLOSE, 0, 0);
            }
            EXPECT_EQ(demo_->WaitPumpingMessages(), std::optional<DWORD>(0));
            demo_.reset();
        }
    }
    void TearDown() override {
        Stop();
        if (ownsProductKey_) {
            testing_support::DeleteKeyTree(HKEY_LOCAL_MACHINE, kProductKey);
        }
    }

    bool IsNewerFamily() const { return std::string(GetParam()) == "--product 0D31"; }

    std::optional<testing_support::ChildProcess> demo_;
    bool ownsProductKey_ = false;
};

TEST_P(DemoProgram, TheHeadsetsMuteButtonMutesTheMicrophoneAndLightsTheButton) {
    Start("");
    std::string status = StatusOnceItHolds("mute button: dark");
    ASSERT_TRUE(Contains(status, "mic mute: off\n")) << status;
    ASSERT_TRUE(Contains(status, "mute button: dark\n")) << status;
    EXPECT_EQ(Ctl("mute").exitCode, std::optional<DWORD>(0));
    status = StatusOnceItHolds("mute button: lit");
    EXPECT_TRUE(Contains(status, "mute button: lit\n")) << status;
    EXPECT_TRUE(Contains(status, "mic mute: on\n")) << status;
    // Pressed again: both back.
    EXPECT_EQ(Ctl("mute").exitCode, std::optional<DWORD>(0));
    status = StatusOnceItHolds("mute button: dark");
    EXPECT_TRUE(Contains(status, "mic mute: off\n")) << status;
}

TEST_P(DemoProgram, TheControlCenterRunsWithoutAnInputMethod) {
    Start("");
    EXPECT_NE(testing_support::FindProcessWindow(demo_->Id(), nullptr, kFrameTitle, true), nullptr);
    // The thread's input-method window would be a hidden top-level window.
    EXPECT_EQ(testing_support::FindProcessWindow(demo_->Id(), "IME", nullptr, false), nullptr);
}

TEST_P(DemoProgram, AnotherProgramsMuteLightsTheButtonToo) {
    Start("");
    EXPECT_EQ(Ctl("mic-mute on").exitCode, std::optional<DWORD>(0));
    const std::string status = StatusOnceItHolds("mute button: lit");
    EXPECT_TRUE(Contains(status, "mute button: lit\n")) << status;
}

TEST_P(DemoProgram, LevelsChangeAsAnotherProgramWouldChangeThem) {
    Start("");
    EXPECT_EQ(Ctl("bass 3").exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(Ctl("treble 16").exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(Ctl("mic 0").exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(Ctl("volume 16").exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(Ctl("balance 4").exitCode, std::optional<DWORD>(0));
    const std::string status = Ctl("status").out;
    EXPECT_TRUE(Contains(status, "bass: 3\n")) << status;
    EXPECT_TRUE(Contains(status, "treble: 16\n")) << status;
    EXPECT_TRUE(Contains(status, "mic level: 0\n")) << status;
    EXPECT_TRUE(Contains(status, "volume: 16\n")) << status;
    EXPECT_TRUE(Contains(status, "balance: 4\n")) << status;
}

std::string LineOf(const std::string& status, const std::string& name) {
    const std::size_t start = status.find(name + ": ");
    return start == std::string::npos ? std::string()
                                      : status.substr(start, status.find('\n', start) - start);
}

TEST_P(DemoProgram, StartUpDownloadsTheStoredPresets) {
    Start("");
    const std::string status = Ctl("status").out;
    // The headphone preset comes last; only the older family has microphone
    // presets, whose gain report goes with them.
    const std::string download = LineOf(status, "last download");
    if (IsNewerFamily()) {
        EXPECT_TRUE(download.starts_with("last download: 15 DSP writes, registers 32 to 46, "))
            << status;
    } else {
        EXPECT_EQ(download, "last download: headphone preset 0 of model 400 through the pipe");
    }
    EXPECT_EQ(LineOf(status, "last gain report"),
              IsNewerFamily() ? "last gain report: none" : "last gain report: gain 0, mute on")
        << status;
}

TEST_P(DemoProgram, APresetPickedInTheControlCenterIsTheLastDownload) {
    Start("");
    const std::string before = LineOf(Ctl("status").out, "last download");
    const HWND frame = FindWindowA(nullptr, kFrameTitle);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, 353, 0);  // the headphone preset of index 2
    std::string after;
    for (int i = 0; i < kTries && (after.empty() || after == before); ++i) {
        after = LineOf(Ctl("status").out, "last download");
    }
    EXPECT_NE(after, before);
    if (!IsNewerFamily()) {
        EXPECT_EQ(after, "last download: headphone preset 2 of model 400 through the pipe");
    }
}

TEST_P(DemoProgram, UnplugAndPlugBringBackTheSameHeadset) {
    Start("--model 200");
    const std::string before = Ctl("status").out;
    ASSERT_TRUE(Contains(before, "headset: plugged")) << before;
    EXPECT_EQ(Ctl("unplug").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(Contains(Ctl("status").out, "headset: unplugged"));
    // Nothing to do on an unplugged headset but to plug it.
    EXPECT_EQ(Ctl("unplug").exitCode, std::optional<DWORD>(1));
    EXPECT_EQ(Ctl("mute").exitCode, std::optional<DWORD>(1));
    EXPECT_EQ(Ctl("volume 3").exitCode, std::optional<DWORD>(1));
    EXPECT_EQ(Ctl("plug").exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(Ctl("plug").exitCode, std::optional<DWORD>(1));
    const std::string after = Ctl("status").out;
    EXPECT_EQ(after.substr(0, after.find('\n')), before.substr(0, before.find('\n')));
    EXPECT_TRUE(Contains(after, "serial 200-")) << after;
    // The control center took it up again: its mute button answers.
    EXPECT_EQ(Ctl("mute").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(Contains(StatusOnceItHolds("mute button: lit"), "mute button: lit"));
}

TEST_P(DemoProgram, AWholeSerialComesBackAfterAPlug) {
    Start("--serial \"300-77 B\"");
    EXPECT_EQ(Ctl("unplug").exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(Ctl("plug").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(Contains(Ctl("status").out, "serial 300-77 B\n"));
}

TEST_P(DemoProgram, ALanguageChosenAsTheAppletDoesChangesTheTextsAtOnce) {
    // The installation directory holds the German library, not the Dutch.
    const std::string german = testing_support::PathBesideTest("presets\\TAVI_DE.DLL");
    ASSERT_TRUE(
        CopyFileA(testing_support::PathBesideTest("TAVI_DE.dll").c_str(), german.c_str(), FALSE));
    Start("--language German");
    EXPECT_TRUE(Contains(StatusOnceItHolds("headphone preset: Keine"), "headphone preset: Keine"));
    EXPECT_EQ(Ctl("language Dutch").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(Contains(StatusOnceItHolds("headphone preset: None"), "headphone preset: None"));
    EXPECT_EQ(Ctl("language German").exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(Contains(StatusOnceItHolds("headphone preset: Keine"), "headphone preset: Keine"));
    Stop();  // the library is free once the demo is gone
    DeleteFileA(german.c_str());
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, DemoProgram,
                         ::testing::Values("--product 0B52", "--product 0D31"));

TEST(DemoCommandLine, BadOptionsEndTheDemoWithTwoAndSayWhy) {
    Outcome run = RunCaught("--product 1234", "TavimoDemo.exe");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
    EXPECT_TRUE(Contains(run.err, "--product must be 0B52 or 0D31, not '1234'")) << run.err;
    EXPECT_TRUE(Contains(run.err, "usage: TavimoDemo")) << run.err;
    run = RunCaught("--model 200 --serial 300-1", "TavimoDemo.exe");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
    run = RunCaught("--language german", "TavimoDemo.exe");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
    run = RunCaught("--sound-card \"--model=2 0\"", "TavimoDemo.exe");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
    EXPECT_TRUE(Contains(run.err, "'2 0'")) << run.err;
    EXPECT_EQ(FindWindowA(demo::kHeadsetWindowClass, nullptr), nullptr);
}

TEST(DemoCommandLine, HelpGoesToTheStandardOutput) {
    const Outcome run = RunCaught("--help", "TavimoDemo.exe");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0));
    EXPECT_TRUE(Contains(run.out, "--driver-missing")) << run.out;
}

TEST(DemoCtl, WithoutTheDemoItSaysSoAndFails) {
    if (FindWindowA(demo::kHeadsetWindowClass, nullptr) != nullptr) {
        GTEST_SKIP() << "a demo is running on this desktop";
    }
    const Outcome run = Ctl("mute");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(1));
    EXPECT_TRUE(Contains(run.err, "no \"Virtual headset\" window")) << run.err;
}

TEST(DemoCtl, WhatIsNoCommandIsAUsageError) {
    for (const char* arguments :
         {"", "volume 17", "mute twice", "bass", "Status", "language", "language german"}) {
        const Outcome run = Ctl(arguments);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(2)) << arguments;
        EXPECT_TRUE(Contains(run.err, "usage: demo_ctl")) << arguments;
    }
}

}  // namespace
