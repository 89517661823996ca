#include "suspend_counter.h"

#include <climits>

namespace tray {

PowerAnswer SuspendCounter::OnPowerEvent(unsigned long event) {
    switch (event) {
        case kQuerySuspend:
            if (count_ < INT_MAX) {
                ++count_;
            }
            return {true, false};
        case kQuerySuspendFailed:
            if (count_ > 0) {
                --count_;
            }
            return {true, false};
        case kResumeSuspend:
            if (count_ > 0) {
                --count_;
            }
            return {true, count_ == 0};
        default:
            return {false, false};
    }
}

}  // namespace tray
