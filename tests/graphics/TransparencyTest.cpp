// Transparency percentages becoming alpha bytes.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "graphics/Transparency.h"

namespace tarnwick {
namespace {

struct TAlphaCase {
  int Transparency;
  int Alpha;
};

void PrintTo(const TAlphaCase& C, std::ostream* Os) { *Os << C.Transparency << " -> " << C.Alpha; }

class TransparencyToAlphaTest : public ::testing::TestWithParam<TAlphaCase> {};

TEST_P(TransparencyToAlphaTest, GivesTheRoundedAlpha) {
  EXPECT_EQ(TransparencyToAlpha(GetParam().Transparency), GetParam().Alpha);
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, TransparencyToAlphaTest,
    ::testing::Values(
        // The ends of the range.
        TAlphaCase{0, 255}, TAlphaCase{1, 252}, TAlphaCase{99, 3}, TAlphaCase{100, 0},
        // Exact halves round to even (127.5 -> 128, 229.5 -> 230, 25.5 -> 26,
        // 178.5 -> 178, 76.5 -> 76).
        TAlphaCase{50, 128}, TAlphaCase{10, 230}, TAlphaCase{90, 26}, TAlphaCase{30, 178},
        TAlphaCase{70, 76}, TAlphaCase{98, 5},
        // Quarters are not ties.
        TAlphaCase{25, 191}, TAlphaCase{75, 64},
        // Out of range: clamped instead of wrapping around the byte.
        TAlphaCase{-1, 255}, TAlphaCase{-100, 255}, TAlphaCase{INT_MIN, 255}, TAlphaCase{101, 0},
        TAlphaCase{200, 0}, TAlphaCase{INT_MAX, 0}));

TEST(TransparencyToAlpha, FallsStepByStepAcrossTheWholeRange) {
  // Each percent removes 2 or 3 alpha steps: never more, never a step back up.
  for (int T = 1; T <= 100; ++T) {
    const int Step = TransparencyToAlpha(T - 1) - TransparencyToAlpha(T);
    EXPECT_TRUE(Step == 2 || Step == 3) << "at " << T;
  }
}

}  // namespace
}  // namespace tarnwick
