// The long random-operation run against the undo history, outside the test suite:
//   tarnwick_undo_random_ops [operations=10000] [seed=1]
// Prints what ran and exits 0, or prints the first failure and exits 1.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "../interaction/MouseFixture.h"
#include "UndoRandomOps.h"

using namespace tarnwick::test;

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  const auto seed = static_cast<uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
  TMouseFixture f;
  TUndoRandomRun run(f, seed);
  const QString failure = run.Run(count);
  for (const auto& [kind, n] : run.KindCounts()) std::printf("%-12s %d\n", qPrintable(kind), n);
  std::printf("operations %d, seed %u, undo/redo steps checked %d\n", count, seed, run.StepsChecked());
  if (!failure.isEmpty()) {
    std::printf("FAILED: %s\n", qPrintable(failure));
    return 1;
  }
  std::printf("all states matched\n");
  return 0;
}
