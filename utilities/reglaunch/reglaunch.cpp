// reglaunch: opens the product-registration page for the DSP headsets in the
// user's default web browser. Its exit code is ShellExecuteA's result
// (above 32 when the page was opened).
#include <windows.h>

#include <shellapi.h>

namespace {
constexpr char kRegistrationPage[] = "https://www.quorvel.com/productregistration/dsp/";
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", kRegistrationPage, nullptr, nullptr, SW_SHOWDEFAULT);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}
