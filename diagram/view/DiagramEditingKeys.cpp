// The keyboard's editing keys: Ctrl+arrows move the selection, arrows select the nearest
// block in their direction, Shift+arrows start a keyboard resize, Page Up and Page Down
// scroll by a screen. Each group of keys can be switched off through KeyActions.
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/SnapGrid.h"
#include "diagram/view/interaction/DiagramTools.h"

namespace tarnwick {

namespace {

enum TDirection { dirUp, dirLeft, dirDown, dirRight };

bool Horizontal(int ADirection) { return ADirection == dirLeft || ADirection == dirRight; }

}  // namespace

bool TdvDiagram::EditingKeyDown(uint16_t Key, TShiftState Shift) {
  if (Key == vk::PRIOR || Key == vk::NEXT) {
    if (!FKeyActions.Contains(kaPage)) return false;
    const int page = GetClientHeight();
    FVertScrollBar->SetPosition(FVertScrollBar->GetPosition() + (Key == vk::PRIOR ? -page : page));
    RequestRedraw();
    return true;
  }
  int direction = 0;
  switch (Key) {
    case vk::UP:
      direction = dirUp;
      break;
    case vk::LEFT:
      direction = dirLeft;
      break;
    case vk::DOWN:
      direction = dirDown;
      break;
    case vk::RIGHT:
      direction = dirRight;
      break;
    default:
      return false;
  }
  if (Shift.Contains(ssCtrl)) {
    if (!FKeyActions.Contains(kaMove)) return false;
    FTools->FDragStart = TDot{0, 0};
    const bool grid = FSnapGrid->GetActive();
    double step = 1;
    if (grid) step = Horizontal(direction) ? FSnapGrid->GetSizeX() : FSnapGrid->GetSizeY();
    if (direction == dirUp || direction == dirLeft) step = -step;
    // A nudge reports the change but records no undo step: holding an arrow key down
    // would otherwise fill the short history with single steps.
    MoveBlocks(Horizontal(direction) ? step : 0, Horizontal(direction) ? 0 : step, true, true);
    return true;
  }
  if (Shift.Contains(ssShift)) {
    if (!FKeyActions.Contains(kaResize)) return false;
    FTools->FDragStart = TDot{0, 0};
    return true;
  }
  if (!FKeyActions.Contains(kaSelect)) return false;
  SelectNearestBlock(direction);
  return true;
}

void TdvDiagram::SelectNearestBlock(int ADirection) {
  const TSquare s = SelectionBounds(true, 0);
  TDiagramControl* best = nullptr;
  TSquare bestRect;
  for (TDiagramControl* c : FControls->FBlocks) {
    if (!c->IsVisible() || c->IsMember()) continue;
    auto* block = dynamic_cast<TCustomDiagramBlock*>(c);
    const TSquare b = block ? block->GetBoundsRect() : c->ControlRect();
    // The candidate lies beyond the selection, inside a wedge that widens with the
    // distance; a later one wins only when strictly nearer.
    bool better = false;
    switch (ADirection) {
      case dirUp: {
        const double d = s.Top - b.Bottom;
        better = d > 0 && b.Right > s.Left - d && b.Left < s.Right + d && (!best || b.Bottom > bestRect.Bottom);
        break;
      }
      case dirLeft: {
        const double d = s.Left - b.Right;
        better = d > 0 && b.Bottom > s.Top - d && b.Top < s.Bottom + d && (!best || b.Right > bestRect.Right);
        break;
      }
      case dirDown: {
        const double d = b.Top - s.Bottom;
        better = d > 0 && b.Right > s.Left - d && b.Left < s.Right + d && (!best || b.Top < bestRect.Top);
        break;
      }
      case dirRight: {
        const double d = b.Left - s.Right;
        better = d > 0 && b.Bottom > s.Top - d && b.Top < s.Bottom + d && (!best || b.Left < bestRect.Left);
        break;
      }
      default:
        return;
    }
    if (better) {
      best = c;
      bestRect = b;
    }
  }
  if (!best) return;
  TDiagramUpdate bracket(*this, ukSelection);
  UnselectAll();
  best->SetSelected(true);
  // A group is selected with its members, as a click selects it.
  if (best->GetSelected() && best->IsGroup()) SetGroupSelected(best, true);
}

}  // namespace tarnwick
