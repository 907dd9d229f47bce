#include "diagram/Registration.h"

#include <array>

#include "diagram/lines/LineClasses.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/TextBlock.h"
#include "platform/core/ClassRegistry.h"

namespace tarnwick {

std::span<const TBuiltInControl> BuiltInControls() {
  static const std::array<TBuiltInControl, 8> controls{{
      {&TDiagramBlock::StaticClassInfo(), "", ""},
      {&TTextBlock::StaticClassInfo(), "Text", ""},
      {&TDiagramLine::StaticClassInfo(), "Line", "Lines"},
      {&TDiagramSideLine::StaticClassInfo(), "Side line", "Lines"},
      {&TDiagramPolyLine::StaticClassInfo(), "Poly line", "Lines"},
      {&TDiagramArc::StaticClassInfo(), "Arc", "Lines"},
      {&TDiagramBezier::StaticClassInfo(), "Bezier", "Lines"},
      // Documents hold the groups users made; a group is made by grouping, not from a palette.
      {&TGroupBlock::StaticClassInfo(), "Group", ""},
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
