// The main of the diagram benchmarks: a headless widget application (the diagrams may be
// shown in windows) with every control class registered.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "diagram/Registration.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  tarnwick::RegisterAllClasses();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
