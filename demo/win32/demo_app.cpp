#include "demo_app.h"

namespace demo {

CDemoApp::CDemoApp(devices::VirtualHeadset& headset)
    : CTavimoApp(headset.Devices(), tavimo::SystemDesktop()), headset_(headset) {}

BOOL CDemoApp::InitInstance() {
    // Another control center already running ends this one, as it would
    // the product.
    if (!CTavimoApp::InitInstance()) {
        return FALSE;
    }
    window_.emplace(headset_, MainWnd()->GetSafeHwnd());
    // Without its window the demo is still the control center.
    window_->Create();
    return TRUE;
}

}  // namespace demo
