#include "diagram/Registration.h"

#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/model/TextBlock.h"
#include "platform/core/ClassRegistry.h"

namespace tarnwick {

namespace {

void RegisterCoreControls() {
  RegisterDControl<TDiagramBlock>();
  RegisterDControl<TTextBlock>(QString(), QStringLiteral("Text"));
  RegisterDControl<TDiagramLine>(QString(), QStringLiteral("Line"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramSideLine>(QString(), QStringLiteral("Side line"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramPolyLine>(QString(), QStringLiteral("Poly line"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramArc>(QString(), QStringLiteral("Arc"), QStringLiteral("Lines"));
  RegisterDControl<TDiagramBezier>(QString(), QStringLiteral("Bezier"), QStringLiteral("Lines"));
  // Documents hold the groups users made, so the class must be readable; a group is made
  // by grouping, never from a palette, so it has no registry entry.
  if (!GetClass(TGroupBlock::StaticClassInfo().ClassName())) RegisterClass(TGroupBlock::StaticClassInfo());
}

}  // namespace

void RegisterAllClasses() {
  // A function-local static runs its initialiser exactly once.
  static const bool registered = [] {
    RegisterCoreControls();
    return true;
  }();
  (void)registered;
}

}  // namespace tarnwick
