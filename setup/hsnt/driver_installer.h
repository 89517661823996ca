// The Windows 2000 and XP installation of the headset support: the support
// files, the equalizer INF placed in the system's INF store, the wait for
// the headset, and the forced update of its driver from that INF (or, when
// removing, from the system's "usb.inf").
//
// Returns 0 when done, 1 when the driver was updated and Windows asked for
// a restart before the headset answers, 2 when not done; detail says why:
// 0 the INF is missing, 6 the support files could not be copied, 5 the INF
// was placed but the headset does not answer, 2 the driver update failed,
// any other value the system's error code from placing the INF. The last
// one written wins.
#pragma once

#include <string>

#include "install_api.h"

namespace setup {

class DriverInstaller {
public:
    DriverInstaller(devices::InstallApi& api, int* detail, const char* retryText)
        : api_(api), detail_(detail), retryText_(retryText) {}

    int Install();
    int Remove();

private:
    bool WaitForHeadset();
    int PlaceInf();
    int UpdateDriver();

    devices::InstallApi& api_;
    int* detail_;
    const char* retryText_;
    std::string infPath_;
};

}  // namespace setup
