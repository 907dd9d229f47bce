// Progress of a banded render and of counted steps: the observer of the innermost scope
// hears monotonic reports that end at the total, a refusal stops the work with
// EOperationCancelled (on both threads, without hanging), and without an observer nothing
// changes.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/gui/BandedExport.h"
#include "platform/gui/Progress.h"

using namespace tarnwick;

namespace {

using TReports = std::vector<std::pair<qint64, qint64>>;

struct TCountingSink : TImageBandSink {
  void WriteRows(const QImage& Band) override { Rows += Band.height(); }
  int Rows = 0;
};

void ExpectMonotonicToTotal(const TReports& AReports, qint64 ATotal) {
  ASSERT_FALSE(AReports.empty());
  EXPECT_EQ(AReports.front(), std::make_pair(qint64(0), ATotal));
  EXPECT_EQ(AReports.back(), std::make_pair(ATotal, ATotal));
  for (size_t i = 1; i < AReports.size(); ++i) {
    EXPECT_GE(AReports[i].first, AReports[i - 1].first);
    EXPECT_EQ(AReports[i].second, ATotal);
  }
}

TEST(Progress, BandedRenderReportsRowsUpToTheHeightInBothOrders) {
  for (bool bottomUp : {false, true}) {
    TReports reports;
    TProgressScope scope([&](qint64 d, qint64 t) {
      reports.emplace_back(d, t);
      return true;
    });
    TCountingSink sink;
    RenderBanded(
        5, 103, 10, [](QImage&, int) {}, sink, bottomUp);
    ExpectMonotonicToTotal(reports, 103);
    EXPECT_EQ(reports.size(), 1u + 11u);  // the start and each band, the last one short
    EXPECT_EQ(sink.Rows, 103);
  }
}

TEST(Progress, ARefusalStopsTheRenderAfterThatBand) {
  int rendered = 0;
  TProgressScope scope([](qint64 d, qint64) { return d == 0; });
  TCountingSink sink;
  EXPECT_THROW(RenderBanded(
                   5, 100, 10, [&](QImage&, int) { ++rendered; }, sink, false),
               EOperationCancelled);
  EXPECT_EQ(rendered, 1);
  EXPECT_LE(sink.Rows, 10);
}

TEST(Progress, ScopesNestAndTheInnermostHears) {
  EXPECT_TRUE(ReportProgress(1, 2)) << "nobody observes";
  int outer = 0, inner = 0;
  {
    TProgressScope a([&](qint64, qint64) { return ++outer, true; });
    {
      TProgressScope b([&](qint64, qint64) { return ++inner, false; });
      EXPECT_FALSE(ReportProgress(1, 2));
      EXPECT_THROW(CheckProgress(1, 2), EOperationCancelled);
    }
    EXPECT_TRUE(ReportProgress(1, 2));
  }
  EXPECT_TRUE(ReportProgress(1, 2));
  EXPECT_EQ(outer, 1);
  EXPECT_EQ(inner, 2);
}

TEST(Progress, StepsReportAboutAHundredTimesAndNeverPassTheTotal) {
  TReports reports;
  TProgressScope scope([&](qint64 d, qint64 t) {
    reports.emplace_back(d, t);
    return true;
  });
  ProgressStep();  // outside a count: nothing
  EXPECT_TRUE(reports.empty());
  {
    TProgressSteps steps(1000);
    for (int i = 0; i < 1500; ++i) ProgressStep();  // more than announced
    steps.Finish();
  }
  ExpectMonotonicToTotal(reports, 1000);
  EXPECT_GE(reports.size(), 100u);
  EXPECT_LE(reports.size(), 102u);
  reports.clear();
  ProgressStep();  // the count is closed again
  EXPECT_TRUE(reports.empty());
}

TEST(Progress, ARefusalAtTheStartOfACountLeavesNoCountOpen) {
  bool refuse = true;
  int calls = 0;
  TProgressScope scope([&](qint64, qint64) { return ++calls, !refuse; });
  EXPECT_THROW(TProgressSteps(10), EOperationCancelled);
  refuse = false;
  ProgressStep();
  EXPECT_EQ(calls, 1) << "a step must not reach a count that never opened";
}

}  // namespace
