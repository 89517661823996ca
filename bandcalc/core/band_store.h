// The equalizer's five peaking band filters: their design from (frequency,
// gain, Q), their coefficients and DSP words, and the response of all five.
// The operations mirror the library's exports one to one (same arguments,
// same results); the library keeps one BandStore per process.
#pragma once

#include <array>
#include <cstdint>

namespace bandcalc {

inline constexpr double kSampleRate = 50000.0;
// The DSP design has always used this ten-digit value; its rounding shows in
// the coefficients near fs/2, so it must not be replaced by the exact pi.
inline constexpr double kPi = 3.141592654;
inline constexpr int kBandCount = 5;

// One band's entry. Field order is part of the design's description.
struct BandRecord {
    double freq = 0;      // centre frequency in Hz, as clamped
    double gain = 0;      // gain in dB, as clamped
    double q = 0;         // quality factor, as clamped
    double fbLag2 = 0;    // -a2/a0: feedback from two samples back
    double fbLag1 = 0;    // -a1/(2*a0): feedback from one sample back, halved
    double bandGain = 0;  // (b0 - a0)/a0: weight of the band-pass branch
    std::int32_t bandGainWord = 0;
    std::int32_t fbLag2Word = 0;
    std::int32_t fbLag1Word = 0;
};

class BandStore {
public:
    // Designs band 1..5; gain is clamped to -40..40 dB, q to 0.01..100 and
    // freq to 0..fs/2 (a value that is not a number goes to the lower bound).
    // Returns 0, or -1 (nothing changed) for another band number.
    int BandCalc(int band, double freq, double gain, double q);

    // The stored (clamped) design parameters; -1 and nothing written for a
    // band outside 1..5.
    int GetBandCalc(int band, double* freq, double* gain, double* q) const;

    // The words in the DSP's order: fbLag2Word, fbLag1Word, bandGainWord.
    int GetCof(int band, double* first, double* second, double* third) const;

    // Loads the words (same order as GetCof) and works the design parameters
    // back out of them. Returns 0, or -1 (nothing changed) for a band
    // outside 1..5.
    int SetCof(int band, int fbLag2Word, int fbLag1Word, int bandGainWord);

    // Input scale word: -0.5 lowered by the largest whole-dB band boost.
    int GetScal(int* scaleWord) const;

    // Magnitude response of the whole equalizer at freq Hz, in dB.
    double PrintAbs(double freq) const;

private:
    static bool IsBand(int band) { return band >= 1 && band <= kBandCount; }
    BandRecord& At(int band) { return bands_[static_cast<unsigned>(band - 1)]; }
    const BandRecord& At(int band) const { return bands_[static_cast<unsigned>(band - 1)]; }

    std::array<BandRecord, kBandCount> bands_{};
};

}  // namespace bandcalc
