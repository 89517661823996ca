// Times the headset's roads under Wine, against the virtual headset and the
// system's devices: opening the headset, downloading a headphone preset of
// each family (the prescribed pauses are counted by the virtual headset, not
// slept), one unplug until the frame is rebuilt, and a slider drag from the
// posted mouse move to the mixer write. Prints the median of the runs in
// milliseconds.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "di_slider.h"
#include "item_access.h"
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
    std::printf("%-72s %8.3f ms\n", what, milliseconds);
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

// Dispatches the thread's messages until done() holds; false when the queue
// ran dry first.
template <typename Done>
bool PumpUntil(Done done) {
    MSG message;
    while (!done()) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            return false;
        }
        DispatchMessageA(&message);
    }
    return true;
}

void PumpAll() {
    PumpUntil([] { return false; });
}

// The bass slider grabbed by its thumb and dragged to and fro: each mouse
// move posted to the slider until the virtual mixer holds the write it
// causes (the slider's notification, the controller, the model).
void TimeSliderDrag(Family family, const char* name) {
    constexpr int kMoves = 1000;
    constexpr int kBassSlider = 306;
    VirtualHeadset headset(family, 400);
    tavimo::CMainFrame frame(headset.Devices(), tavimo::SystemDesktop());
    if (!frame.LoadFrame(tavimo::kFrameResourceId, WS_POPUP | WS_SYSMENU)) {
        std::printf("the frame could not be built\n");
        return;
    }
    ShowWindow(frame.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    frame.ShowPage(1);
    PumpAll();
    const auto* slider = tavimo::FindItem<skin::DISlider>(frame.GetSafeHwnd(), kBassSlider);
    if (slider == nullptr) {
        std::printf("the layout has no bass slider\n");
        return;
    }
    const RECT thumb = slider->ThumbRect();
    const POINT grab = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    PostMessageA(slider->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x, grab.y));
    PumpAll();
    const devices::VirtualMixer& mixer = headset.Mixer();
    std::vector<double> times;
    for (int move = 0; move < kMoves; ++move) {
        const int x = grab.x + (move % 2 == 0 ? 30 : -30);
        const std::size_t writes = mixer.Writes().size();
        bool written = false;
        const double time = Milliseconds([&] {
            PostMessageA(slider->Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, grab.y));
            written = PumpUntil([&] { return mixer.Writes().size() > writes; });
        });
        if (written) {
            times.push_back(time);
        }
        PumpAll();  // the write's echo, outside the time
    }
    PostMessageA(slider->Window(), WM_LBUTTONUP, 0, MAKELPARAM(grab.x, grab.y));
    PumpAll();
    DestroyWindow(frame.GetSafeHwnd());
    if (times.size() != static_cast<std::size_t>(kMoves)) {
        std::printf("%d of %d moves wrote nothing\n", kMoves - static_cast<int>(times.size()),
                    kMoves);
    }
    if (times.empty()) {
        return;
    }
    std::sort(times.begin(), times.end());
    const std::string what = std::string("slider drag, mouse move to mixer write, ") + name;
    Report((what + ", median").c_str(), times[times.size() / 2]);
    Report((what + ", 99th percentile").c_str(), times[times.size() * 99 / 100]);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    TimeDownloads(Family::Older, "older family (pipe)");
    TimeDownloads(Family::Newer, "newer family (codec)");
    TimeUnplugCycle(Family::Older, "older family");
    TimeUnplugCycle(Family::Newer, "newer family");
    TimeSliderDrag(Family::Older, "older family");
    TimeSliderDrag(Family::Newer, "newer family");
    headset::HeadsetAudio system(devices::SystemDevices());
    Report("open the headset and the mixer, system devices", Median([&] {
               system.OpenHeadset(nullptr);
               system.OpenMixer(nullptr, false);
           }));
    return 0;
}
