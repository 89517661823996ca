// Input that the DSP maths was never meant to see: every result is defined.
#include <climits>
#include <cmath>
#include <limits>

#include "bindings.h"

template <typename Binding>
class RobustnessTest : public BandcalcTest<Binding> {};
TYPED_TEST_SUITE(RobustnessTest, Bindings);

TYPED_TEST(RobustnessTest, SetCofRejectsBandsOutsideOneToFive) {
    ASSERT_EQ(this->lib.BandCalc(5, 1000, 6, 1.0), 0);
    for (int band : {0, 6, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(this->lib.SetCof(band, 1, 2, 3), -1) << band;
    }
    const Words w = this->CofOf(5);
    EXPECT_EQ(w.fbLag2Word, -119936);
    EXPECT_EQ(w.fbLag1Word, 124514);
    EXPECT_EQ(w.bandGainWord, 5542);
    EXPECT_EQ(this->DesignOf(5).freq, 1000);
}

TYPED_TEST(RobustnessTest, ScaleCofSaturatesAndMapsNotANumberToZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(this->lib.ScaleCof(nan, 17), 0);
    EXPECT_EQ(this->lib.ScaleCof(inf, 17), INT_MAX);
    EXPECT_EQ(this->lib.ScaleCof(-inf, 17), INT_MIN);
    EXPECT_EQ(this->lib.ScaleCof(1e300, 17), INT_MAX);
    EXPECT_EQ(this->lib.ScaleCof(-1e300, 17), INT_MIN);
    // Right at the edges of the int range.
    EXPECT_EQ(this->lib.ScaleCof(2147483646.4, 0), 2147483646);
    EXPECT_EQ(this->lib.ScaleCof(2147483646.5, 0), INT_MAX);
    EXPECT_EQ(this->lib.ScaleCof(2147483647.5, 0), INT_MAX);
    EXPECT_EQ(this->lib.ScaleCof(-2147483647.5, 0), INT_MIN);
    EXPECT_EQ(this->lib.ScaleCof(-2147483648.5, 0), INT_MIN);
}

TYPED_TEST(RobustnessTest, FractionBitsOutsideZeroToThirtyTakeTheNearestBound) {
    EXPECT_EQ(this->lib.ScaleCof(1.0, 30), 1 << 30);
    EXPECT_EQ(this->lib.ScaleCof(1.0, 31), 1 << 30);
    EXPECT_EQ(this->lib.ScaleCof(1.0, INT_MAX), 1 << 30);
    EXPECT_EQ(this->lib.ScaleCof(1.75, -1), 2);
    EXPECT_EQ(this->lib.ScaleCof(1.75, INT_MIN), 2);
    EXPECT_EQ(this->lib.UnscaleCof(1 << 30, 64), 1.0);
    EXPECT_EQ(this->lib.UnscaleCof(5, -3), 5.0);
}

TYPED_TEST(RobustnessTest, InfiniteBoostGivesAZeroScaleWord) {
    // fbLag2 = -1 and bandGain = 0.5 make g = 0: the gain worked out is +inf.
    ASSERT_EQ(this->lib.SetCof(1, -131072, 0, 65536), 0);
    EXPECT_TRUE(std::isinf(this->DesignOf(1).gain));
    EXPECT_EQ(this->ScaleWord(), 0);
}

TYPED_TEST(RobustnessTest, GainThatIsNotANumberCountsAsNoBoost) {
    // fbLag2 = -1 and bandGain = 0 make g = h = 0.
    ASSERT_EQ(this->lib.SetCof(2, -131072, 0, 0), 0);
    EXPECT_TRUE(std::isnan(this->DesignOf(2).gain));
    EXPECT_EQ(this->ScaleWord(), -65536);
}

TYPED_TEST(RobustnessTest, ResponseAtFrequenciesThatAreNotAudio) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    EXPECT_TRUE(std::isnan(this->lib.PrintAbs(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(this->lib.PrintAbs(std::numeric_limits<double>::infinity())));
    // Negative and aliased frequencies mirror the audio band.
    EXPECT_NEAR(this->lib.PrintAbs(-1000), this->lib.PrintAbs(1000), 1e-9);
    EXPECT_NEAR(this->lib.PrintAbs(51000), this->lib.PrintAbs(1000), 1e-6);
}

TYPED_TEST(RobustnessTest, NullOutputsAreSkipped) {
    ASSERT_EQ(this->lib.BandCalc(1, 1000, 6, 1.0), 0);
    double gain = -7;
    EXPECT_EQ(this->lib.GetBandCalc(1, nullptr, &gain, nullptr), 0);
    EXPECT_EQ(gain, 6);
    double third = -7;
    EXPECT_EQ(this->lib.GetCof(1, nullptr, nullptr, &third), 0);
    EXPECT_EQ(third, 5542);
    int low = -7;
    EXPECT_EQ(this->lib.PutCof(5542, nullptr, nullptr, &low), 0);
    EXPECT_EQ(low, 2);
    EXPECT_EQ(this->lib.GetScal(nullptr), 0);
}
