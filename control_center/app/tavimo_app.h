// The control center's application object: one running control center per
// desktop.
#pragma once

#include "app.h"
#include "desktop.h"
#include "device_set.h"

namespace tavimo {

// Caption by which the running control center is found (string 57344).
inline constexpr UINT kApplicationTitleId = 57344;

class CTavimoApp : public framework::CWinApp {
public:
    // The product reaches the system's devices and desktop; the demo hands
    // in a virtual headset.
    CTavimoApp(devices::DeviceSet devices, Desktop& desktop)
        : devices_(devices), desktop_(desktop) {}

    BOOL InitInstance() override;

private:
    devices::DeviceSet devices_;
    Desktop& desktop_;
};

}  // namespace tavimo
