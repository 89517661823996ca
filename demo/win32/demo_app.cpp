#include "demo_app.h"

namespace demo {
namespace {

// How long after the control center's start its window comes: a timer's
// message comes only once the thread has nothing else to do, so the
// control center starts as the product does, without the demo's window.
constexpr UINT kHeadsetWindowDelayMs = 50;

}  // namespace

CDemoApp::CDemoApp(devices::VirtualHeadset& headset)
    : CTavimoApp(headset.Devices(), tavimo::SystemDesktop()), headset_(headset) {}

BOOL CDemoApp::InitInstance() {
    // Another control center already running ends this one, as it would
    // the product.
    if (!CTavimoApp::InitInstance()) {
        return FALSE;
    }
    window_.emplace(headset_, MainWnd()->GetSafeHwnd());
    SetTimer(nullptr, 0, kHeadsetWindowDelayMs, &CDemoApp::ShowHeadsetWindow);
    return TRUE;
}

void CALLBACK CDemoApp::ShowHeadsetWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto* app = static_cast<CDemoApp*>(Current());
    // Without its window the demo is still the control center.
    if (app != nullptr && app->window_) {
        app->window_->Create();
    }
}

}  // namespace demo
