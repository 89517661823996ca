// What the five designed bands do together: the input scale word and the
// magnitude response.
#include <complex>

#include "band_store.h"
#include "dsp_word.h"

namespace bandcalc {
namespace {

using Complex = std::complex<double>;

// One band's band-pass branch bandGain * (1 - z^-2) / (1 - 2 fbLag1 z^-1 -
// fbLag2 z^-2), without its (1 - z^-2) factor, which the groups share.
Complex Branch(const BandRecord& band, Complex z1, Complex z2) {
    // The DSP evaluates 2*fbLag1 as (2*fbLag1 - 1) + 1; keep its rounding.
    const double twiceLag1 = (2.0 * band.fbLag1 - 1.0) + 1.0;
    return band.bandGain / ((1.0 - twiceLag1 * z1) - band.fbLag2 * z2);
}

}  // namespace

int BandStore::GetScal(int* scaleWord) const {
    int boost = 0;
    for (const BandRecord& band : bands_) {
        const int wholeDb = TruncateToInt(band.gain);
        if (!(wholeDb < boost)) {
            boost = wholeDb;
        }
    }
    if (scaleWord != nullptr) {
        *scaleWord = ScaleCof(-0.5 / std::pow(10.0, boost / 20.0), kFractionBits);
    }
    return 0;
}

double BandStore::PrintAbs(double freq) const {
    const double w = 2.0 * kPi * freq / kSampleRate;
    const Complex z(std::cos(w), std::sin(w));
    // The integer powers z^-1 and z^-2 as reciprocals of products: exact where
    // z is real (both are exactly 1 at 0 Hz) and without the rounding of a
    // logarithm and exponential, which the resonance would magnify.
    const Complex z1 = 1.0 / z;
    const Complex z2 = 1.0 / (z * z);

    // Bands 1, 3 and 5 form one group and bands 2 and 4 the other: branches
    // add within a group and the two groups are in series.
    const Complex even = 1.0 + (1.0 - z2) * (Branch(At(2), z1, z2) + Branch(At(4), z1, z2));
    const Complex odd = 1.0 + (1.0 - z2) * ((Branch(At(1), z1, z2) + Branch(At(3), z1, z2)) +
                                            Branch(At(5), z1, z2));
    return 20.0 * std::log10(std::abs(odd * even));  // abs is hypot: no overflow
}

}  // namespace bandcalc
