// The exports of BANDCALC.DLL as callers bind them: by decorated name, with
// the standard Windows calling convention, on both architectures.
#pragma once

#include <windows.h>

namespace bandcalc_abi {

using BandCalcFn = int(WINAPI*)(int band, double freq, double gain, double q);
using GetBandCalcFn = int(WINAPI*)(int band, double* freq, double* gain, double* q);
using ScaleCofFn = int(WINAPI*)(double value, int fracBits);
using PutCofFn = int(WINAPI*)(int word, int* high, int* middle, int* low);
using GetCofFn = int(WINAPI*)(int band, double* first, double* second, double* third);
using SetCofFn = int(WINAPI*)(int band, int fbLag2Word, int fbLag1Word, int bandGainWord);
using UnscaleCofFn = double(WINAPI*)(int word, int fracBits);
using GetScalFn = int(WINAPI*)(int* scaleWord);
using SetScalFn = int(WINAPI*)(int scaleWord);
using PrintAbsFn = double(WINAPI*)(double freq);

inline constexpr char kLibraryName[] = "BANDCALC.DLL";
inline constexpr char kBandCalc[] = "_BandCalc@28";
inline constexpr char kGetBandCalc[] = "_GetBandCalc@16";
inline constexpr char kScaleCof[] = "_ScaleCof@12";
inline constexpr char kPutCof[] = "_PutCof@16";
inline constexpr char kGetCof[] = "_GetCof@16";
inline constexpr char kSetCof[] = "_SetCof@16";
inline constexpr char kUnscaleCof[] = "_UnscaleCof@8";
inline constexpr char kGetScal[] = "_GetScal@4";
inline constexpr char kSetScal[] = "_SetScal@4";
inline constexpr char kPrintAbs[] = "_PrintAbs@8";

}  // namespace bandcalc_abi
