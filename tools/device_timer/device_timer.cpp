// Times the headset's roads under Wine, against the virtual headset and the
// system's devices: opening the headset, downloading a headphone preset of
// each family (the prescribed pauses are counted by the virtual headset, not
// slept), and one unplug until the frame is rebuilt. Prints the median of
// the runs in milliseconds.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "main_frame.h"
#include "virtual_headset.h"

namespace {

using devices::VirtualHeadset;
using Family = VirtualHeadset::Family;
constexpr int kRuns = 20;

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

double Median(const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(Milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
}

std::string PresetFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.find_last_of('\\') + 1) + "presets\\";
}

void Report(const char* what, double milliseconds) {
    std::printf("%-58s %8.3f ms\n", what, milliseconds);
}

void TimeDownloads(Family family, const char* name) {
    VirtualHeadset headset(family, 200);
    headset::HeadsetAudio audio(headset.Devices());
    audio.OpenMixer(nullptr, false);
    audio.OpenHeadset(nullptr);
    const std::string folder = PresetFolder();
    Report((std::string("download headphone preset, ") + name).c_str(),
           Median([&] { audio.DownloadHeadphonePreset(3, folder); }));
    Report((std::string("open the headset, virtual, ") + name).c_str(),
           Median([&] { audio.OpenHeadset(nullptr); }));
    audio.CloseHeadset();
}

void TimeUnplugCycle(Family family, const char* name) {
    VirtualHeadset headset(family, 200);
    tavimo::CMainFrame frame(headset.Devices(), tavimo::SystemDesktop());
    if (!frame.LoadFrame(tavimo::kFrameResourceId, WS_POPUP | WS_SYSMENU)) {
        std::printf("the frame could not be built\n");
        return;
    }
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(Milliseconds([&] { headset.Unplug(); }));
        headset.Plug(family, 200);
    }
    std::sort(times.begin(), times.end());
    Report((std::string("unplug until the window is rebuilt, ") + name).c_str(),
           (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2);
    DestroyWindow(frame.GetSafeHwnd());
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    TimeDownloads(Family::Older, "older family (pipe)");
    TimeDownloads(Family::Newer, "newer family (codec)");
    TimeUnplugCycle(Family::Older, "older family");
    TimeUnplugCycle(Family::Newer, "newer family");
    headset::HeadsetAudio system(devices::SystemDevices());
    Report("open the headset and the mixer, system devices", Median([&] {
               system.OpenHeadset(nullptr);
               system.OpenMixer(nullptr, false);
           }));
    return 0;
}
