// The demo's "Virtual headset" window: a small plain window beside the
// control center that acts as the headset and as other programs would (the
// mute button pressed, levels changed, unplugging and plugging), shows the
// headset's state with the last preset download and gain report, and takes
// the same commands from demo_ctl (WM_COPYDATA). It never polls: the virtual
// devices post it a message when the control center writes to them.
#pragma once

#include <windows.h>

#include <string>

#include "headset_actions.h"
#include "window.h"

namespace demo {

class CHeadsetWindow : public framework::CWnd {
public:
    CHeadsetWindow(devices::VirtualHeadset& headset, HWND frame)
        : headset_(headset), actions_(headset), frame_(frame) {}
    ~CHeadsetWindow() override;

    // Creates and shows the window beside the frame.
    bool Create();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    HWND AddControl(const char* className, const char* text, DWORD style, RECT place, int id);
    void PlaceBesideFrame(int width, int height);
    void OnControl(int id);
    void OnScroll(HWND bar, int code);
    LRESULT OnCopyData(HWND replyTo, const COPYDATASTRUCT& data);
    bool RunCommand(const DemoCommand& command);
    // Shows the headset's state as it is now.
    void Refresh();
    void StopObserving();

    devices::VirtualHeadset& headset_;
    HeadsetActions actions_;
    HWND frame_;
    std::string shownStatus_;
};

}  // namespace demo
