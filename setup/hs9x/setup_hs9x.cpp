// SetupHs9x: registers (or takes away) the headset's lower filter on
// Windows 98 and Me, copies the support files and waits until the headset
// answers.
#include "setup_hs9x.h"

#include "filter_registration.h"
#include "install_steps.h"

namespace setup {
namespace {

int Install(int* detail, const char* retryText) {
    const tavimo::UniqueKey device = OpenDeviceKey9x();
    if (!device) {
        SetDetail(detail, 1);  // the headset was never attached
        return 2;
    }
    FilterRegistration registration(device.get());
    // A filter registered without its driver file can keep the headset from
    // starting: what was added goes again when any step fails.
    if (!registration.AddToEveryInstance() || !CopySupportFiles("\\system")) {
        registration.TakeBack();
        return 2;
    }
    WaitWithPrompt(retryText, CodecAnswers);
    return 0;
}

int Remove() {
    const tavimo::UniqueKey device = OpenDeviceKey9x();
    if (!device) {
        return 0;
    }
    if (!FilterRegistration(device.get()).RemoveFromEveryInstance()) {
        return 2;
    }
    CodecAnswers();
    return 0;
}

}  // namespace
}  // namespace setup

extern "C" int __cdecl SetupHs9x(int* detail, const char* retryText, int mode) {
    return setup::IsInstall(mode) ? setup::Install(detail, retryText) : setup::Remove();
}
