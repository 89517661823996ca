// The DSP's coefficient word: an 18-bit two's-complement fraction with 17
// fraction bits (-131072 ... 131071 stand for -1.0 ... 1.0 - 2^-17), sent to
// the DSP as three fields of 8, 8 and 2 bits.
#pragma once

namespace bandcalc {

inline constexpr int kFractionBits = 17;

// Fraction bits outside 0 ... 30 have no meaning for a 32-bit word; the
// conversions below take such a count as the nearest bound (0 or 30).
inline constexpr int kMinFractionBits = 0;
inline constexpr int kMaxFractionBits = 30;

// Truncates toward zero like a C cast, but is defined for every double: a
// value that is not a number gives 0, values beyond the int range saturate.
int TruncateToInt(double value);

// value * 2^fracBits rounded to the nearest integer, halves away from zero.
// Not clamped to the 18-bit range (only to the int range).
int ScaleCof(double value, int fracBits);

// word / 2^fracBits.
double UnscaleCof(int word, int fracBits);

// Splits a word into high (bits 17..10), middle (9..2) and low (1..0); bits
// above 17 are dropped. Outputs that are null are not written. Returns 0.
int PutCof(int word, int* high, int* middle, int* low);

}  // namespace bandcalc
