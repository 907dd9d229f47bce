// The orthogonal router on its own: routes for ends leaving in various directions, the
// memory of leg positions, and termination on input that would keep the walkers going.
#include <gtest/gtest.h>

#include <limits>

#include "LineFixture.h"
#include "diagram/lines/SideLineRouter.h"

using namespace tarnwick;

namespace {

struct TRouteCase {
  const char* Name;
  TDot P1;
  TAnchorOrientation Dir1;
  TDot P2;
  TAnchorOrientation Dir2;
  TDotArray Points;
  TDotArray Handles;
};

// Cases print by name (their raw bytes include padding).
void PrintTo(const TRouteCase& C, std::ostream* OS) { *OS << C.Name; }

class RouteShapes : public ::testing::TestWithParam<TRouteCase> {};

TEST_P(RouteShapes, GiveTheExpectedCornersAndHandles) {
  const TRouteCase& c = GetParam();
  TSideLineMemory memory;
  memory.Handles = {c.P1, c.P2};
  const TSideLineRoute route = RouteSideLine(c.P1, c.Dir1, c.P2, c.Dir2, memory);
  EXPECT_FALSE(route.Capped);
  EXPECT_EQ(route.Points, c.Points);
  EXPECT_EQ(route.Handles, c.Handles);
  // The corners rebuilt from the handles are the route again, up to a repeated end.
  TDotArray rebuilt = SideLineCorners(route.Handles, static_cast<TAnchorOrientation>(route.FirstData));
  rebuilt.erase(std::unique(rebuilt.begin(), rebuilt.end()), rebuilt.end());
  EXPECT_EQ(rebuilt, c.Points);
}

INSTANTIATE_TEST_SUITE_P(
    SideLines, RouteShapes,
    ::testing::Values(
        // Facing each other with an offset: they meet half way, 45 from the start.
        TRouteCase{"Facing",
                   {0, 0},
                   aoRight,
                   {100, 50},
                   aoLeft,
                   {{0, 0}, {45, 0}, {45, 50}, {100, 50}},
                   {{0, 0}, {45, 25}, {100, 50}}},
        TRouteCase{"FacingVertically",
                   {0, 0},
                   aoDown,
                   {50, 100},
                   aoUp,
                   {{0, 0}, {0, 45}, {50, 45}, {50, 100}},
                   {{0, 0}, {25, 45}, {50, 100}}},
        // Crossing directions: one corner.
        TRouteCase{"Crossing", {0, 0}, aoDown, {100, 50}, aoLeft, {{0, 0}, {0, 50}, {100, 50}}, {{0, 0}, {100, 50}}},
        // Parallel: the end leaves by the minimum leg and turns back.
        TRouteCase{"Parallel",
                   {0, 0},
                   aoRight,
                   {100, 50},
                   aoRight,
                   {{0, 0}, {110, 0}, {110, 50}, {100, 50}},
                   {{0, 0}, {110, 25}, {100, 50}}},
        // Leaving away from each other: both ends take the minimum leg first.
        TRouteCase{"Away",
                   {0, 0},
                   aoLeft,
                   {100, 0},
                   aoRight,
                   {{0, 0}, {-10, 0}, {-10, 10}, {110, 10}, {110, 0}, {100, 0}},
                   {{0, 0}, {-10, 5}, {50, 10}, {110, 5}, {100, 0}}},
        // Free ends at the same height: straight, no inner handle.
        TRouteCase{"StraightFree", {0, 0}, aoNone, {100, 0}, aoNone, {{0, 0}, {100, 0}}, {{0, 0}, {100, 0}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SideLineRouter, ReportsTheAxisOfTheEndLegs) {
  TSideLineMemory memory;
  const TSideLineRoute route = RouteSideLine({0, 0}, aoDown, {100, 50}, aoLeft, memory);
  EXPECT_EQ(route.FirstData, aoVert);
  EXPECT_EQ(route.LastData, aoHorz);
}

// The previous route had its vertical leg at x = 45.
TSideLineMemory FacingMemory() {
  TSideLineMemory memory;
  memory.Handles = {{0, 0}, {45, 25}, {100, 50}};
  return memory;
}

TEST(SideLineRouter, RelativeLegsKeepTheirDistanceFromTheStartWhenBothEndsMove) {
  const TSideLineRoute route = RouteSideLine({30, 20}, aoRight, {130, 70}, aoLeft, FacingMemory());
  ASSERT_EQ(route.Points.size(), 4u);
  EXPECT_EQ(route.Points[1].X, 75);
}

TEST(SideLineRouter, FixedLegsKeepTheirAbsolutePosition) {
  TSideLineMemory memory = FacingMemory();
  memory.Fixed = true;
  const TSideLineRoute route = RouteSideLine({30, 20}, aoRight, {130, 70}, aoLeft, memory);
  ASSERT_EQ(route.Points.size(), 4u);
  EXPECT_EQ(route.Points[1].X, 45);
}

TEST(SideLineRouter, DraggingTheMiddleHandleMovesItsLeg) {
  TSideLineMemory memory = FacingMemory();
  memory.DraggedIndex = 1;
  memory.Delta = {20, 0};
  const TSideLineRoute route = RouteSideLine({0, 0}, aoRight, {100, 50}, aoLeft, memory);
  EXPECT_EQ(route.Points, (TDotArray{{0, 0}, {65, 0}, {65, 50}, {100, 50}}));
  EXPECT_EQ(route.Handles[1], (TDot{65, 25}));
}

TEST(SideLineRouter, ARememberedLegTooShortOrBackwardsGetsTheMinimum) {
  for (double x : {3.0, -20.0}) {
    TSideLineMemory memory;
    memory.Handles = {{0, 0}, {x, 25}, {100, 50}};
    const TSideLineRoute route = RouteSideLine({0, 0}, aoRight, {100, 50}, aoLeft, memory);
    ASSERT_EQ(route.Points.size(), 4u) << x;
    EXPECT_EQ(route.Points[1].X, 10) << x;
  }
}

TEST(SideLineRouter, TheRoundCapFallsBackToOneCorner) {
  TSideLineMemory memory;
  memory.MaxRounds = 1;  // the facing route needs two
  const TSideLineRoute route = RouteSideLine({0, 0}, aoRight, {100, 50}, aoLeft, memory);
  EXPECT_TRUE(route.Capped);
  EXPECT_EQ(route.Points, (TDotArray{{0, 0}, {100, 0}, {100, 50}}));
  EXPECT_EQ(route.Handles, (TDotArray{{0, 0}, {100, 50}}));
}

TEST(SideLineRouter, NonFiniteAndAbsurdInputStillGivesARoute) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  const TDot ends[] = {{inf, 0}, {nan, nan}, {-inf, inf}, {1e308, -1e308}, {0, 0}};
  for (TAnchorOrientation d1 : {aoNone, aoHorz, aoUp, aoLeft})
    for (TAnchorOrientation d2 : {aoNone, aoVert, aoDown, aoRight})
      for (const TDot& e : ends) {
        TSideLineMemory memory = FacingMemory();
        const TSideLineRoute route = RouteSideLine({0, 0}, d1, e, d2, memory);
        EXPECT_GE(route.Handles.size(), 2u);
        EXPECT_FALSE(route.Points.empty());
      }
}

}  // namespace
