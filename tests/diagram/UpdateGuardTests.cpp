// The update guard: every bracket kind closes however its scope is left, an error from the
// closing itself never replaces the error that is leaving, and a user operation reports
// its change and its end once, at its outermost bracket.
#include <gtest/gtest.h>

#include <stdexcept>

#include "TestControls.h"
#include "diagram/view/UpdateGuard.h"
#include "platform/core/ScopeGuard.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct TLog {
  std::vector<std::string> Entries;
  std::vector<QString> Operations;
  explicit TLog(TdvDiagram* d) {
    d->OnSelectionChanging = [this](TObject*) { Entries.push_back("changing"); };
    d->OnSelectionChanged = [this](TObject*) { Entries.push_back("changed"); };
    d->OnModified = [this](TObject*) { Entries.push_back("modified"); };
    d->OnOperationEnd = [this](TdvDiagram*, const QString& label) {
      Entries.push_back("end");
      Operations.push_back(label);
    };
  }
  int Count(const std::string& e) const { return static_cast<int>(std::count(Entries.begin(), Entries.end(), e)); }
};

}  // namespace

TEST(UpdateGuard, EveryKindClosesWhenItsScopeIsLeftByAnError) {
  TDiagramFixture f;
  f.ShowInWindow();
  TdvDiagram& d = *f.Diagram;
  TLog log(&d);
  auto* b = f.AddBlock(0, 0, 10, 10);
  log.Entries.clear();
  f.Diagram->Invalidations = 0;

  EXPECT_THROW(
      {
        TDiagramUpdate update(d, ukUpdate);
        TDiagramUpdate selection(d, ukSelection);
        TDiagramUpdate internal(d, ukInternal);
        TDiagramUpdate positions(d, ukPosition);
        b->SetSelected(true);
        d.Modified();
        throw std::runtime_error("half-way");
      },
      std::runtime_error);
  EXPECT_FALSE(d.IsUpdating());
  for (TUpdateKind kind : {ukUpdate, ukInternal, ukPosition, ukSelection, ukOperation})
    EXPECT_EQ(d.GetUpdates().Depth(kind), 0) << kind;
  EXPECT_EQ(log.Count("changing"), 1);
  EXPECT_EQ(log.Count("changed"), 1);
  EXPECT_EQ(log.Count("modified"), 0) << "silent inside the internal bracket";
  EXPECT_GE(f.Diagram->Invalidations, 1) << "the closed update bracket repaints";

  // Closed means closed: the next change is reported and repainted at once.
  log.Entries.clear();
  d.Modified();
  EXPECT_EQ(log.Count("modified"), 1);
}

TEST(UpdateGuard, CloseReturnsWhatEndUpdateReturnsAndTheScopeDoesNotCloseTwice) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  d.BeginUpdate();  // an outer bracket opened the old way
  {
    TDiagramUpdate inner(d, ukUpdate, true);
    d.RequestRedraw();
    EXPECT_EQ(inner.Close(), -1) << "nested";
    EXPECT_EQ(inner.Close(), -1);
  }
  EXPECT_TRUE(d.IsUpdating()) << "the guard closed its own level only";
  d.RequestRedraw();
  EXPECT_EQ(d.EndUpdate(true), 2);

  TDiagramUpdate outer(d, ukUpdate, true);
  d.RequestRedraw();
  EXPECT_EQ(outer.Close(), 1);
  EXPECT_FALSE(d.IsUpdating());
}

TEST(UpdateGuard, AnErrorWhileClosingReachesTheCallerUnlessAnotherIsAlreadyLeaving) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  d.OnSelectionChanged = [](TObject*) { throw std::logic_error("handler"); };
  EXPECT_THROW({ TDiagramUpdate selection(d, ukSelection); }, std::logic_error);
  EXPECT_EQ(d.GetUpdates().Depth(ukSelection), 0);

  try {
    TDiagramUpdate selection(d, ukSelection);
    throw std::runtime_error("first");
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "first");
  }
  EXPECT_EQ(d.GetUpdates().Depth(ukSelection), 0);
}

TEST(UpdateGuard, AnOperationReportsOneChangeAndEndsOnceAtItsOutermostBracket) {
  TDiagramFixture f;
  TdvDiagram& d = *f.Diagram;
  auto* b = f.AddBlock(0, 0, 10, 10);
  TLog log(&d);
  {
    TDiagramUpdate op(d, QStringLiteral("Arrange"));
    d.Modified();
    {
      TDiagramUpdate inner(d, QStringLiteral("Nudge"));
      d.Modified();
    }
    EXPECT_TRUE(log.Entries.empty()) << "nothing is reported before the operation ends";
    d.Modified();
  }
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"modified", "end"}));
  EXPECT_EQ(log.Operations, (std::vector<QString>{"Arrange"}));

  // An operation that changed nothing ends without a change report.
  log.Entries.clear();
  { TDiagramUpdate op(d, QStringLiteral("Look")); }
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"end"}));

  // One that fails part-way still reports what it changed and still ends.
  log.Entries.clear();
  EXPECT_THROW(
      {
        TDiagramUpdate op(d, QStringLiteral("Fail"));
        d.Modified();
        throw std::runtime_error("half-way");
      },
      std::runtime_error);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"modified", "end"}));

  // MoveBlocks reports one change and is no undo step of its own.
  log.Entries.clear();
  log.Operations.clear();
  const QString lastStep = d.NextUndoAction();
  d.MoveBlocks(3, 0, false, false);
  EXPECT_EQ(b->Bounds.Left, 3);
  EXPECT_EQ(log.Entries, (std::vector<std::string>{"modified"}));
  EXPECT_TRUE(log.Operations.empty());
  EXPECT_EQ(d.NextUndoAction(), lastStep);
}

TEST(ScopeGuards, ValuesCountsAndClosingsComeBackOnEveryPath) {
  bool flag = false;
  int depth = 0;
  int closed = 0;
  EXPECT_THROW(
      {
        const TScopedValue<bool> inside(flag, true);
        const TScopedCount level(depth);
        TScopeExit close([&] { ++closed; });
        EXPECT_TRUE(flag);
        EXPECT_EQ(depth, 1);
        throw std::runtime_error("x");
      },
      std::runtime_error);
  EXPECT_FALSE(flag);
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(closed, 1);
  {
    TScopeExit close([&] { ++closed; });
    close.Dismiss();
  }
  {
    TScopeExit close([&] { ++closed; });
    close.Close();
  }
  EXPECT_EQ(closed, 2) << "dismissed runs never, closed early runs once";
}
