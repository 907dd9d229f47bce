// Random edits, each undone and redone back to the exact bytes it left. A few hundred
// operations per seed keep the run short under the sanitizers; the long run is
// tarnwick_undo_random_ops (not part of the test suite).
#include <gtest/gtest.h>

#include "../interaction/MouseFixture.h"
#include "UndoRandomOps.h"

using namespace tarnwick::test;

TEST(UndoRandomOps, EveryStepOfAShortRunUndoesAndRedoesToTheSameBytes) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    TMouseFixture f;
    TUndoRandomRun run(f, seed);
    const QString failure = run.Run(120);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    // Every kind of operation had its turn, and the rounds really stepped.
    EXPECT_GE(run.KindCounts().size(), 12u) << "seed " << seed;
    EXPECT_GE(run.StepsChecked(), 120) << "seed " << seed;
  }
}
