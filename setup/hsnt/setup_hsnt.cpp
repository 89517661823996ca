#include "setup_hsnt.h"

#include "driver_installer.h"
#include "install_steps.h"

extern "C" int __cdecl SetupHsNT(int* detail, const char* retryText, int mode) {
    setup::DriverInstaller installer(devices::SystemInstall(), detail, retryText);
    return setup::IsInstall(mode) ? installer.Install() : installer.Remove();
}
