// The main window's answer to WM_POWERBROADCAST: standby and resume are
// counted, and the headset is restored when a resume brings the count back
// to 0.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "suspend_counter.h"

namespace tray {

class PowerBroadcast {
public:
    explicit PowerBroadcast(std::function<void()> restore) : restore_(std::move(restore)) {}

    // TRUE for the events counted, 0 for any other.
    LRESULT OnPowerBroadcast(WPARAM event);
    int Count() const { return counter_.Count(); }

private:
    std::function<void()> restore_;
    SuspendCounter counter_;
};

}  // namespace tray
