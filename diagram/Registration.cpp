#include "diagram/Registration.h"

#include <array>

#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/TextBlock.h"
#include "platform/core/ClassRegistry.h"

namespace tarnwick {

std::span<const TBuiltInControl> BuiltInControls() {
  static const std::array<TBuiltInControl, 7> controls{{
      {&TDiagramBlock::StaticClassInfo(), "", ""},
      {&TTextBlock::StaticClassInfo(), "Text", ""},
      {&TDiagramLine::StaticClassInfo(), "Line", "Lines"},
      {&TDiagramSideLine::StaticClassInfo(), "Side line", "Lines"},
      {&TDiagramPolyLine::StaticClassInfo(), "Poly line", "Lines"},
      {&TDiagramArc::StaticClassInfo(), "Arc", "Lines"},
      {&TDiagramBezier::StaticClassInfo(), "Bezier", "Lines"},
  }};
  return controls;
}

void RegisterAllClasses() {
  // A function-local static runs its initialiser exactly once, even if two threads race.
  static const bool registered = [] {
    for (const TBuiltInControl& control : BuiltInControls()) RegisterClass(*control.ClassInfo);
    return true;
  }();
  (void)registered;
}

}  // namespace tarnwick
