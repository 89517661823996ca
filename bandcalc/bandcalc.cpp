// BANDCALC.DLL: the band store of this process and its exported operations.
#include <windows.h>

#include <type_traits>

#include "bandcalc_abi.h"
#include "core/band_store.h"
#include "core/dsp_word.h"

namespace {
// Constant-initialised: all zero when the library is loaded, before DllMain.
bandcalc::BandStore g_store;
}  // namespace

extern "C" {

int WINAPI BandCalc(int band, double freq, double gain, double q) {
    return g_store.BandCalc(band, freq, gain, q);
}

int WINAPI GetBandCalc(int band, double* freq, double* gain, double* q) {
    return g_store.GetBandCalc(band, freq, gain, q);
}

int WINAPI ScaleCof(double value, int fracBits) {
    return bandcalc::ScaleCof(value, fracBits);
}

int WINAPI PutCof(int word, int* high, int* middle, int* low) {
    return bandcalc::PutCof(word, high, middle, low);
}

int WINAPI GetCof(int band, double* first, double* second, double* third) {
    return g_store.GetCof(band, first, second, third);
}

int WINAPI SetCof(int band, int fbLag2Word, int fbLag1Word, int bandGainWord) {
    return g_store.SetCof(band, fbLag2Word, fbLag1Word, bandGainWord);
}

double WINAPI UnscaleCof(int word, int fracBits) {
    return bandcalc::UnscaleCof(word, fracBits);
}

int WINAPI GetScal(int* scaleWord) {
    return g_store.GetScal(scaleWord);
}

// The scale word is always worked out again from the bands; one handed in
// has no effect.
int WINAPI SetScal(int /*scaleWord*/) {
    return 0;
}

double WINAPI PrintAbs(double freq) {
    return g_store.PrintAbs(freq);
}

BOOL WINAPI DllMain(HINSTANCE /*instance*/, DWORD /*reason*/, LPVOID /*reserved*/) {
    return TRUE;
}

}  // extern "C"

// The exports and the callers' bindings must agree on every signature.
static_assert(std::is_same_v<decltype(&BandCalc), bandcalc_abi::BandCalcFn>);
static_assert(std::is_same_v<decltype(&GetBandCalc), bandcalc_abi::GetBandCalcFn>);
static_assert(std::is_same_v<decltype(&ScaleCof), bandcalc_abi::ScaleCofFn>);
static_assert(std::is_same_v<decltype(&PutCof), bandcalc_abi::PutCofFn>);
static_assert(std::is_same_v<decltype(&GetCof), bandcalc_abi::GetCofFn>);
static_assert(std::is_same_v<decltype(&SetCof), bandcalc_abi::SetCofFn>);
static_assert(std::is_same_v<decltype(&UnscaleCof), bandcalc_abi::UnscaleCofFn>);
static_assert(std::is_same_v<decltype(&GetScal), bandcalc_abi::GetScalFn>);
static_assert(std::is_same_v<decltype(&SetScal), bandcalc_abi::SetScalFn>);
static_assert(std::is_same_v<decltype(&PrintAbs), bandcalc_abi::PrintAbsFn>);
