#include "power_broadcast.h"

namespace tray {

LRESULT PowerBroadcast::OnPowerBroadcast(WPARAM event) {
    const PowerAnswer answer = counter_.OnPowerEvent(static_cast<unsigned long>(event));
    if (answer.restore && restore_) {
        restore_();
    }
    return answer.handled ? TRUE : 0;
}

}  // namespace tray
