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

}  // namespace frame_tests
