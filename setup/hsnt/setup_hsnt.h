// The export that the product's setup program calls on Windows 2000 and
// XP, once to install (mode 0: only the low byte counts) and once to
// remove the headset support; see DriverInstaller for the results.
#pragma once

extern "C" int __cdecl SetupHsNT(int* detail, const char* retryText, int mode);
