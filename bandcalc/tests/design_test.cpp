// Designing a band: clamps, coefficients, DSP words and their fields.
#include <cmath>
#include <limits>

#include "bindings.h"

template <typename Binding>
class DesignTest : public BandcalcTest<Binding> {};
TYPED_TEST_SUITE(DesignTest, Bindings);

TYPED_TEST(DesignTest, ReferenceBandGivesItsWordsAndFields) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    const Words w = this->CofOf(1);
    EXPECT_EQ(w.fbLag2Word, -119936);
    EXPECT_EQ(w.fbLag1Word, 124514);
    EXPECT_EQ(w.bandGainWord, 5542);
    EXPECT_EQ(this->FieldsOf(5542), (Fields{5, 105, 2}));
    EXPECT_EQ(this->FieldsOf(-119936), (Fields{138, 224, 0}));
    EXPECT_EQ(this->FieldsOf(124514), (Fields{121, 152, 2}));
    // The unquantised coefficients show through the words' neighbourhood.
    EXPECT_NEAR(this->lib.UnscaleCof(5542, 17), 0.0422787, 1e-5);
    EXPECT_NEAR(this->lib.UnscaleCof(-119936, 17), -0.9150401, 1e-5);
    EXPECT_NEAR(this->lib.UnscaleCof(124514, 17), 0.9499697, 1e-5);
}

TYPED_TEST(DesignTest, FlatBandKeepsItsFeedbackWords) {
    ASSERT_EQ(this->lib.BandCalc(2, 1000, 0, 1.0), 0);
    const Words w = this->CofOf(2);
    EXPECT_EQ(w.bandGainWord, 0);
    EXPECT_EQ(w.fbLag2Word, -115613);
    EXPECT_EQ(w.fbLag1Word, 122370);
    EXPECT_EQ(this->FieldsOf(0), (Fields{0, 0, 0}));
}

TYPED_TEST(DesignTest, ZeroHertzWrapsPlusOneOntoMinusOne) {
    ASSERT_EQ(this->lib.BandCalc(3, 0, 12, 2), 0);
    const Words w = this->CofOf(3);
    EXPECT_EQ(w.bandGainWord, 0);
    EXPECT_EQ(w.fbLag2Word, -131072);
    EXPECT_EQ(w.fbLag1Word, 131072);  // +1.0 lies outside the 18-bit range
    EXPECT_EQ(this->FieldsOf(131072), (Fields{128, 0, 0}));
    EXPECT_EQ(this->FieldsOf(-131072), (Fields{128, 0, 0}));
}

TYPED_TEST(DesignTest, NyquistUsesTheTenDigitPi) {
    // tan(3.141592654 / 2) is a huge negative number, not +infinity.
    ASSERT_EQ(this->lib.BandCalc(4, 30000, 6, 1), 0);
    EXPECT_EQ(this->DesignOf(4).freq, 25000);
    const Words w = this->CofOf(4);
    EXPECT_EQ(w.bandGainWord, 0);
    EXPECT_EQ(w.fbLag2Word, -131072);
    EXPECT_EQ(w.fbLag1Word, -131072);
}

TYPED_TEST(DesignTest, LargeBoostKeepsOnlyTheLow18Bits) {
    ASSERT_EQ(this->lib.BandCalc(5, 1000, 40, 0.01), 0);
    EXPECT_EQ(this->CofOf(5).bandGainWord, 4998998);
    EXPECT_EQ(this->FieldsOf(4998998), (Fields{17, 213, 2}));
}

TYPED_TEST(DesignTest, ParametersAreClampedSilently) {
    struct Case {
        double freq, gain, q;
        Design stored;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {1000, 55, 1, {1000, 40, 1}},
        {1000, -55, 1, {1000, -40, 1}},
        {1000, 6, 0, {1000, 6, 0.01}},
        {1000, 6, 1000, {1000, 6, 100}},
        {-10, 6, 1, {0, 6, 1}},
        {25000.5, 6, 1, {25000, 6, 1}},
        {nan, nan, nan, {0, -40, 0.01}},  // not a number goes to the lower bound
        {inf, inf, inf, {25000, 40, 100}},
        {-inf, -inf, -inf, {0, -40, 0.01}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(this->lib.BandCalc(1, c.freq, c.gain, c.q), 0);
        const Design d = this->DesignOf(1);
        EXPECT_EQ(d.freq, c.stored.freq) << c.freq;
        EXPECT_EQ(d.gain, c.stored.gain) << c.gain;
        EXPECT_EQ(d.q, c.stored.q) << c.q;
    }
}

TYPED_TEST(DesignTest, EachDesignReplacesTheWholeRecord) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 0, 1.0), 0);
    EXPECT_EQ(this->CofOf(1).bandGainWord, 0);
    EXPECT_EQ(this->DesignOf(1).gain, 0);
}

TYPED_TEST(DesignTest, BandsOutsideOneToFiveChangeAndWriteNothing) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    for (int band : {0, 6, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_EQ(this->lib.BandCalc(band, 500, 3, 2), -1);
        double f = -7, g = -7, q = -7;
        EXPECT_EQ(this->lib.GetBandCalc(band, &f, &g, &q), -1);
        EXPECT_EQ(f, -7);
        EXPECT_EQ(g, -7);
        EXPECT_EQ(q, -7);
    }
    const Design d = this->DesignOf(1);
    EXPECT_EQ(d.freq, 1000);
    EXPECT_EQ(d.gain, 6);
    EXPECT_EQ(d.q, 1.0);
}

TYPED_TEST(DesignTest, UndesignedBandReadsZero) {
    const Design d = this->DesignOf(5);
    EXPECT_EQ(d.freq, 0);
    EXPECT_EQ(d.gain, 0);
    EXPECT_EQ(d.q, 0);
}

TYPED_TEST(DesignTest, ScaleCofRoundsHalvesAwayFromZero) {
    EXPECT_EQ(this->lib.ScaleCof(-0.5, 17), -65536);
    EXPECT_EQ(this->lib.ScaleCof(0.5 / 131072, 17), 1);
    EXPECT_EQ(this->lib.ScaleCof(-0.5 / 131072, 17), -1);
    EXPECT_EQ(this->lib.ScaleCof(0.49 / 131072, 17), 0);
    EXPECT_EQ(this->lib.ScaleCof(-0.49 / 131072, 17), 0);
    EXPECT_EQ(this->lib.ScaleCof(2.0, 17), 262144);  // not clamped to 18 bits
    EXPECT_EQ(this->lib.ScaleCof(2.5, 0), 3);
}

TYPED_TEST(DesignTest, PutCofSplitsTheLow18Bits) {
    EXPECT_EQ(this->FieldsOf(-65536), (Fields{192, 0, 0}));
    EXPECT_EQ(this->FieldsOf(-1), (Fields{255, 255, 3}));
    EXPECT_EQ(this->FieldsOf(131071), (Fields{127, 255, 3}));
    EXPECT_EQ(this->FieldsOf(0x40000 + 5), (Fields{0, 1, 1}));
    EXPECT_EQ(this->FieldsOf(std::numeric_limits<int>::min()), (Fields{0, 0, 0}));
}
