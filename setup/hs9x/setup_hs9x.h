// The export that the product's setup program calls on Windows 98 and Me,
// once to install (mode 0: only the low byte counts) and once to remove the
// headset support. Returns 0 when done (also when the user cancels the
// wait for the headset), 2 when not; detail is set to 1 only when
// installing finds that the headset was never attached.
#pragma once

extern "C" int __cdecl SetupHs9x(int* detail, const char* retryText, int mode);
