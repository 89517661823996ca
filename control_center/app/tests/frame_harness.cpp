#include "frame_harness.h"

#include <commctrl.h>

#include "test_window.h"

namespace frame_tests {

bool OpenFrame(tavimo::CMainFrame& frame) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const bool created = frame.LoadFrame(tavimo::kFrameResourceId, WS_POPUP | WS_SYSMENU) != FALSE;
    testing_support::PumpMessages();
    return created;
}

void CloseFrame(tavimo::CMainFrame& frame) {
    if (frame.GetSafeHwnd() != nullptr) {
        DestroyWindow(frame.GetSafeHwnd());
    }
    testing_support::PumpMessages();
}

HeadsetFrame::HeadsetFrame(const devices::VirtualHeadset::Setup& setup, tavimo::Desktop& desktop)
    : headset_(setup), frame_(headset_.Devices(), desktop), open_(OpenFrame(frame_)) {}

HeadsetFrame::~HeadsetFrame() {
    CloseFrame(frame_);
}

void HeadsetFrame::Command(int id) const {
    PostMessageA(Window(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    testing_support::PumpMessages();
}

void HeadsetFrame::TakeMixerAway() {
    headset_.Mixer().SetHeadsetPresent(false);
    SendMessageA(Window(), RegisterWindowMessageA("winmm_devicechange"), 0, 0);
    testing_support::PumpMessages();
}

}  // namespace frame_tests
