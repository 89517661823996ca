// A hundred of each thing the user can repeat (full refreshes, speaker and
// microphone tests, the output switch's dialog, layout reloads) leave the
// process's GDI and USER objects, kernel handles and loaded modules where a
// few warm-up rounds left them. Wine reports no GDI, USER or handle count
// (always 0): there the system's handle list, the process's windows and
// the GDI objects held by the suite's owners stand in, and a skipped test
// names what this system does not count.
#include <windows.h>

#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "dialog_answerer.h"
#include "frame_harness.h"
#include "recording_desktop.h"
#include "scratch_registry.h"
#include "test_window.h"
#include "unique_handle.h"

namespace {

constexpr int kWarmUp = 3;
constexpr int kRounds = 100;

DWORD GuiObjects(DWORD kind) {
    return GetGuiResources(GetCurrentProcess(), kind);
}

DWORD KernelHandles() {
    DWORD count = 0;
    GetProcessHandleCount(GetCurrentProcess(), &count);
    return count;
}

// This process's entries in the system's handle list (which Wine keeps,
// where it reports no handle count).
long long ListedHandles() {
    std::vector<BYTE> buffer(1 << 16);
    ULONG needed = 0;
    NTSTATUS status = 0;
    while ((status = NtQuerySystemInformation(
                static_cast<SYSTEM_INFORMATION_CLASS>(SystemHandleInformation), buffer.data(),
                static_cast<ULONG>(buffer.size()), &needed)) ==
           static_cast<NTSTATUS>(0xC0000004L)) {  // STATUS_INFO_LENGTH_MISMATCH
        buffer.resize(buffer.size() * 2);
    }
    if (status < 0) {
        return 0;
    }
    const auto* list = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    long long count = 0;
    for (ULONG i = 0; i < list->Count; ++i) {
        count += list->Handle[i].OwnerPid == GetCurrentProcessId() ? 1 : 0;
    }
    return count;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM counted) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        *reinterpret_cast<long long*>(counted) += 1 + testing_support::CountChildren(window);
    }
    return TRUE;
}

// Windows of this process, children included.
long long Windows() {
    long long count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// GDI objects held by the suite's own owners.
long long OwnedGdiObjects() {
    return tavimo::UniqueBitmap::Live() + tavimo::UniqueFont::Live() +
           tavimo::UniqueMemoryDC::Live() + tavimo::UniqueRegion::Live() +
           tavimo::UniqueIcon::Live();
}

int LoadedModules() {
    const tavimo::UniqueHandle snapshot(
        CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId()));
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Module32First(snapshot.get(), &entry); more;
         more = Module32Next(snapshot.get(), &entry)) {
        ++count;
    }
    return count;
}

// One count a leak would raise, and whether this system keeps it: it must
// go up by one for a second object of its kind held (a thread's first
// window brings one of the system's with it).
struct Counter {
    const char* name;
    std::function<long long()> count;
    std::function<std::shared_ptr<void>()> hold;
    bool Measurable() const {
        const std::shared_ptr<void> first = hold();
        const long long before = count();
        const std::shared_ptr<void> second = hold();
        return count() == before + 1;
    }
};

std::shared_ptr<void> HoldEvent() {
    return std::shared_ptr<void>(CreateEventA(nullptr, TRUE, FALSE, nullptr), CloseHandle);
}

std::shared_ptr<void> HoldWindow() {
    return std::shared_ptr<void>(
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        [](void* window) { DestroyWindow(static_cast<HWND>(window)); });
}

// Loads the suite's two libraries beside the test in turn.
std::shared_ptr<void> HoldLibrary() {
    static int next = 0;
    return std::shared_ptr<void>(LoadLibraryA(next++ % 2 == 0 ? "HSIO.DLL" : "BANDCALC.DLL"),
                                 [](void* module) { FreeLibrary(static_cast<HMODULE>(module)); });
}

const Counter kCounters[] = {
    {"GDI objects", [] { return GuiObjects(GR_GDIOBJECTS); },
     [] {
         return std::shared_ptr<void>(
             CreateSolidBrush(0), [](void* brush) { DeleteObject(static_cast<HBRUSH>(brush)); });
     }},
    {"USER objects", [] { return GuiObjects(GR_USEROBJECTS); }, HoldWindow},
    {"kernel handles", [] { return KernelHandles(); }, HoldEvent},
    {"handles in the system's list", ListedHandles, HoldEvent},
    {"windows", Windows, HoldWindow},
    {"GDI objects of the suite's owners", OwnedGdiObjects,
     [] { return std::make_shared<tavimo::UniqueBitmap>(CreateBitmap(1, 1, 1, 1, nullptr)); }},
    {"loaded modules", [] { return LoadedModules(); }, HoldLibrary},
};

TEST(FrameLeakCounters, WhatThisSystemCounts) {
    std::string unmeasured;
    for (const Counter& counter : kCounters) {
        if (!counter.Measurable()) {
            unmeasured += std::string(unmeasured.empty() ? "" : ", ") + counter.name;
        }
    }
    if (!unmeasured.empty()) {
        GTEST_SKIP() << "this system does not count " << unmeasured
                     << ": the leak tests check only the other counts";
    }
}

struct Activity {
    const char* name;
    std::function<void(frame_tests::HeadsetFrame&)> run;
};

void SwitchOutputCancelled(frame_tests::HeadsetFrame& frame) {
    frame_tests::DialogAnswerer answerer(IDCANCEL);
    frame.Command(341);
    EXPECT_TRUE(answerer.Answered());
}

const Activity kActivities[] = {
    {"FullRefresh", [](frame_tests::HeadsetFrame& frame) { frame.Refresh(); }},
    {"SpeakerTest", [](frame_tests::HeadsetFrame& frame) { frame.Command(309); }},
    {"MicrophoneTest", [](frame_tests::HeadsetFrame& frame) { frame.Command(315); }},
    {"OutputSwitchDialog", SwitchOutputCancelled},
    {"LayoutReload",
     [](frame_tests::HeadsetFrame& frame) {
         frame.Frame().ReloadLayout();
         frame.Refresh();
     }},
};

class FrameLeakTest : public ::testing::TestWithParam<Activity> {
protected:
    void SetUp() override {
        machine.SetString("Software\\Quorvel\\Tavimo\\Directory", "Path",
                          testing_support::PathBesideTest("presets\\"));
        devices::VirtualHeadset::Setup setup;
        setup.model = 200;
        frame = std::make_unique<frame_tests::HeadsetFrame>(setup, desktop);
        ASSERT_TRUE(frame->IsOpen());
    }

    testing_support::ScratchRegistry machine{HKEY_LOCAL_MACHINE};
    testing_support::ShowingDesktop desktop;
    std::unique_ptr<frame_tests::HeadsetFrame> frame;
};

TEST_P(FrameLeakTest, AHundredRoundsKeepEveryCount) {
    const Activity& activity = GetParam();
    for (int round = 0; round < kWarmUp; ++round) {
        activity.run(*frame);
    }
    std::vector<long long> before;
    for (const Counter& counter : kCounters) {
        before.push_back(counter.count());
    }
    for (int round = 0; round < kRounds; ++round) {
        activity.run(*frame);
    }
    for (std::size_t i = 0; i < std::size(kCounters); ++i) {
        if (kCounters[i].Measurable()) {
            EXPECT_EQ(kCounters[i].count(), before[i]) << kCounters[i].name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachRepeatedAction, FrameLeakTest, ::testing::ValuesIn(kActivities),
                         [](const ::testing::TestParamInfo<Activity>& tested) {
                             return std::string(tested.param.name);
                         });

}  // namespace
