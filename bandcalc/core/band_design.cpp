// Design of one band (BandCalc), its read-back, and the inverse design from
// the DSP words (SetCof).
#include <cmath>

#include "band_store.h"
#include "dsp_word.h"

namespace bandcalc {
namespace {

constexpr double kMaxGain = 40.0;
constexpr double kMinQ = 0.01;
constexpr double kMaxQ = 100.0;
constexpr double kMaxFreq = kSampleRate / 2;

// The lower bounds test "is at least", so a value that is not a number ends
// at the lower bound.
double ClampGain(double gain) {
    if (gain > kMaxGain) {
        gain = kMaxGain;
    }
    return gain >= -kMaxGain ? gain : -kMaxGain;
}

double ClampQ(double q) {
    if (!(q >= kMinQ)) {
        q = kMinQ;
    }
    return q > kMaxQ ? kMaxQ : q;
}

double ClampFreq(double freq) {
    if (!(freq >= 0.0)) {
        freq = 0.0;
    }
    return freq > kMaxFreq ? kMaxFreq : freq;
}

void QuantiseCoefficients(BandRecord& band) {
    band.bandGainWord = ScaleCof(band.bandGain, kFractionBits);
    band.fbLag2Word = ScaleCof(band.fbLag2, kFractionBits);
    band.fbLag1Word = ScaleCof(band.fbLag1, kFractionBits);
}

void Put(double* out, double value) {
    if (out != nullptr) {
        *out = value;
    }
}

}  // namespace

int BandStore::BandCalc(int band, double freq, double gain, double q) {
    if (!IsBand(band)) {
        return -1;
    }
    BandRecord& r = At(band);
    r.gain = ClampGain(gain);
    r.q = ClampQ(q);
    r.freq = ClampFreq(freq);

    // Bilinear transform of the analog peaking section with A = 1/v and the
    // prewarped frequency k; d is q * a0.
    const double v = 1.0 / std::sqrt(std::pow(10.0, r.gain / 20.0));
    const double k = std::tan(kPi * r.freq / kSampleRate);
    const double d = r.q * k * k + r.q + k * v;
    r.bandGain = (k - k * v * v) / (v * d);
    r.fbLag2 = 2.0 * k * v / d - 1.0;
    r.fbLag1 = 1.0 - k * (4.0 * k * r.q + 2.0 * v) / (2.0 * d);
    QuantiseCoefficients(r);
    return 0;
}

int BandStore::GetBandCalc(int band, double* freq, double* gain, double* q) const {
    if (!IsBand(band)) {
        return -1;
    }
    const BandRecord& r = At(band);
    Put(freq, r.freq);
    Put(gain, r.gain);
    Put(q, r.q);
    return 0;
}

int BandStore::GetCof(int band, double* first, double* second, double* third) const {
    if (!IsBand(band)) {
        return -1;
    }
    const BandRecord& r = At(band);
    Put(first, r.fbLag2Word);
    Put(second, r.fbLag1Word);
    Put(third, r.bandGainWord);
    return 0;
}

int BandStore::SetCof(int band, int fbLag2Word, int fbLag1Word, int bandGainWord) {
    if (!IsBand(band)) {
        return -1;
    }
    BandRecord& r = At(band);
    r.fbLag2Word = fbLag2Word;
    r.fbLag1Word = fbLag1Word;
    r.bandGainWord = bandGainWord;
    r.bandGain = UnscaleCof(bandGainWord, kFractionBits);
    r.fbLag2 = UnscaleCof(fbLag2Word, kFractionBits);
    r.fbLag1 = UnscaleCof(fbLag1Word, kFractionBits);

    // For a designed band e = 2/sqrt(a0), f = 2K/sqrt(a0), g/h = 1/A, so the
    // design comes back up to quantisation. Words that no design gives may
    // leave an infinite or not-a-number parameter, as the DSP maths has it.
    const double e = std::sqrt(std::fabs(r.fbLag2 - 1.0 - 2.0 * r.fbLag1));
    const double f = std::sqrt(std::fabs(r.fbLag2 - 1.0 + 2.0 * r.fbLag1));
    const double g = std::sqrt(std::fabs(1.0 + r.fbLag2));
    const double h = std::sqrt(std::fabs(1.0 + r.fbLag2 + 2.0 * r.bandGain));
    r.q = (e * e * 0.5 * f) / (g * e * h);
    r.gain = 20.0 * std::log10(std::pow(g / h, -2.0));
    r.freq = std::atan(f / e) * kSampleRate / kPi;
    return 0;
}

}  // namespace bandcalc
