#pragma once
// The frame every sample maker shares: a headless application, the registered block sets, a
// fresh diagram for the drawing, and the document saved where the command line says.
#include <QApplication>
#include <cstdio>
#include <functional>

#include "blocks/BlockSets.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"

namespace tarnwick::test {

inline int MakeSample(int argc, char** argv, const std::function<void(TdvDiagram*)>& ADraw) {
  // Nothing is shown: any machine, with or without a display, writes the same file.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.dgr\n", argv[0]);
    return 1;
  }
  RegisterBlockSets();
  TOwned<TComponent> owner{Create<TComponent>(nullptr)};
  TdvDiagram* d = Create<TdvDiagram>(owner.get());
  ADraw(d);
  try {
    d->SaveToFile(QString::fromLocal8Bit(argv[1]));
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
    return 1;
  }
  return 0;
}

}  // namespace tarnwick::test
