// The demo's application object: the control center's own, over a virtual
// headset, with the "Virtual headset" window beside the frame once the
// control center has started and waits for the user.
#pragma once

#include <optional>

#include "headset_window.h"
#include "tavimo_app.h"
#include "virtual_headset.h"

namespace demo {

class CDemoApp : public tavimo::CTavimoApp {
public:
    explicit CDemoApp(devices::VirtualHeadset& headset);

    BOOL InitInstance() override;

private:
    static void CALLBACK ShowHeadsetWindow(HWND, UINT, UINT_PTR timer, DWORD);

    devices::VirtualHeadset& headset_;
    std::optional<CHeadsetWindow> window_;
};

}  // namespace demo
