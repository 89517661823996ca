// Words back to designs, the input scale word and the magnitude response.
#include <cmath>

#include "bindings.h"

template <typename Binding>
class ResponseTest : public BandcalcTest<Binding> {};
TYPED_TEST_SUITE(ResponseTest, Bindings);

TYPED_TEST(ResponseTest, FreshStoreIsFlat) {
    for (double f : {0.0, 100.0, 1000.0, 10000.0, 25000.0}) {
        EXPECT_EQ(this->lib.PrintAbs(f), 0.0) << f;
    }
    EXPECT_EQ(this->ScaleWord(), -65536);
    const Words w = this->CofOf(3);
    EXPECT_EQ(w.fbLag2Word, 0);
    EXPECT_EQ(w.fbLag1Word, 0);
    EXPECT_EQ(w.bandGainWord, 0);
}

TYPED_TEST(ResponseTest, SingleBandPeaksAtItsGain) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    EXPECT_NEAR(this->lib.PrintAbs(1000), 6.0, 1e-14);
    EXPECT_NEAR(this->lib.PrintAbs(500), 1.88, 0.005);
    EXPECT_EQ(this->lib.PrintAbs(0), 0.0);
    EXPECT_EQ(this->ScaleWord(), -32846);
}

TYPED_TEST(ResponseTest, BandsAddWithinAGroupAndMultiplyAcross) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    ASSERT_EQ(this->lib.BandCalc(3, 1000, 6, 1.0), 0);  // 1, 3 and 5 share a group
    EXPECT_NEAR(this->lib.PrintAbs(1000), 9.51, 0.005);

    ASSERT_EQ(this->lib.BandCalc(3, 1000, 0, 1.0), 0);  // a flat band adds nothing
    EXPECT_NEAR(this->lib.PrintAbs(1000), 6.0, 1e-14);
    ASSERT_EQ(this->lib.BandCalc(2, 1000, 6, 1.0), 0);  // 2 and 4 are in series with them
    EXPECT_NEAR(this->lib.PrintAbs(1000), 12.0, 1e-12);
}

TYPED_TEST(ResponseTest, BandAtZeroHertzHasNoResponseThere) {
    ASSERT_EQ(this->lib.BandCalc(2, 0, 6, 1.0), 0);
    EXPECT_TRUE(std::isnan(this->lib.PrintAbs(0)));
    EXPECT_FALSE(std::isnan(this->lib.PrintAbs(1000)));
}

TYPED_TEST(ResponseTest, ScaleWordFollowsTheLargestWholeDbBoost) {
    ASSERT_EQ(this->lib.BandCalc(2, 1000, 5.9, 1), 0);
    ASSERT_EQ(this->lib.BandCalc(4, 3000, -5.5, 1), 0);
    EXPECT_EQ(this->ScaleWord(), -36854);
    EXPECT_EQ(this->lib.SetScal(12345), 0);  // accepted and ignored
    EXPECT_EQ(this->ScaleWord(), -36854);
}

TYPED_TEST(ResponseTest, CutsNeverLowerTheScaleWord) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, -12, 1), 0);
    ASSERT_EQ(this->lib.BandCalc(5, 8000, -0.5, 1), 0);
    EXPECT_EQ(this->ScaleWord(), -65536);
    ASSERT_EQ(this->lib.BandCalc(3, 8000, 0.99, 1), 0);  // below one whole dB
    EXPECT_EQ(this->ScaleWord(), -65536);
}

TYPED_TEST(ResponseTest, SetCofWorksTheDesignBackOut) {
    ASSERT_EQ(this->lib.SetCof(2, -119936, 124514, 5542), 0);
    const Design d = this->DesignOf(2);
    EXPECT_NEAR(d.freq, 1000.18, 0.01);
    EXPECT_NEAR(d.gain, 6.0003, 0.0001);
    EXPECT_NEAR(d.q, 1.00015, 0.00001);
    const Words w = this->CofOf(2);
    EXPECT_EQ(w.fbLag2Word, -119936);
    EXPECT_EQ(w.fbLag1Word, 124514);
    EXPECT_EQ(w.bandGainWord, 5542);
    // The response now comes from the unscaled words.
    EXPECT_NEAR(this->lib.PrintAbs(1000), 6.0, 0.01);
}

TYPED_TEST(ResponseTest, SetCofOfZeroWords) {
    ASSERT_EQ(this->lib.SetCof(1, 0, 0, 0), 0);
    const Design d = this->DesignOf(1);
    EXPECT_NEAR(d.freq, 12500, 1e-5);  // atan(1) * fs / 3.141592654
    EXPECT_EQ(d.gain, 0);
    EXPECT_EQ(d.q, 0.5);
}

TYPED_TEST(ResponseTest, UnscaleCof) {
    EXPECT_EQ(this->lib.UnscaleCof(-131072, 17), -1.0);
    EXPECT_EQ(this->lib.UnscaleCof(131071, 17), 1.0 - 1.0 / 131072);
    EXPECT_EQ(this->lib.UnscaleCof(3, 0), 3.0);
}

TYPED_TEST(ResponseTest, GetCofOutsideOneToFiveWritesNothing) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    for (int band : {0, 6}) {
        double a = -7, b = -7, c = -7;
        EXPECT_EQ(this->lib.GetCof(band, &a, &b, &c), -1);
        EXPECT_EQ(a, -7);
        EXPECT_EQ(b, -7);
        EXPECT_EQ(c, -7);
    }
}
