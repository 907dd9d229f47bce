// The text cells of a control as a whole: the default cell, hit testing on painted cell
// rectangles, moving between cells with Tab, and the plain control's defaults that rest
// on them (a hit inside the control rectangle or on a cell; painting paints the cells).
#include <vector>

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/TextCellPainter.h"
#include "geometry/Conversions.h"
#include "geometry/Predicates.h"

namespace tarnwick {

namespace {

void CollectEditableCells(const TDiagramControl* AControl, std::vector<TTextCell*>& ACells) {
  TTextCells* cells = AControl->GetTextCells();
  for (int i = 0; i < cells->Count(); ++i) {
    TTextCell* cell = cells->GetItems(i);
    if (cell->GetVisible() && !cell->GetReadOnly()) ACells.push_back(cell);
  }
}

// All cells of a group's members, depth first through nested groups in member order.
void CollectGroupCells(const TDiagramControl* AGroup, std::vector<TTextCell*>& ACells, int ADepth) {
  // Groups cannot contain themselves; the bound only protects against a damaged tree.
  if (ADepth > 1000) return;
  for (int i = 0; i < AGroup->GetMemberCount(); ++i) {
    TDiagramControl* member = AGroup->GetMember(i);
    if (!member) continue;
    CollectEditableCells(member, ACells);
    CollectGroupCells(member, ACells, ADepth + 1);
  }
}

}  // namespace

TTextCell* TDiagramControl::DefaultTextCell() {
  if (FTextCells->Count() == 0) FTextCells->Add();
  return FTextCells->GetItems(0);
}

bool TDiagramControl::HasDefaultTextCell() const { return FTextCells->Count() > 0; }

void TDiagramControl::EditText() {
  if (FHost) FHost->EditControlText(this);
}

bool TDiagramControl::PointInTextCells(TPoint Pos) {
  TDot p = PointToDot(Pos);
  for (int i = 0; i < FTextCells->Count(); ++i)
    if (PointInSquare(FTextCells->GetItems(i)->GetPaintedRect(), p, 5)) return true;
  return false;
}

bool TDiagramControl::PointInControl(TPoint Pos) {
  if (PointInSquare(ControlRect(), PointToDot(Pos), 0)) return true;
  return GetSelectableTextCells() && PointInTextCells(Pos);
}

void TDiagramControl::Draw(const TDiagramDrawInfo& AInfo) {
  if (AInfo.Canvas) DrawTextCells(AInfo.Canvas, this);
}

TTextCell* TDiagramControl::SelectNextCell(TTextCell* ACell, bool AForward) {
  std::vector<TTextCell*> cells;
  if (IsMember())
    CollectGroupCells(GetMasterGroup(), cells, 0);
  else
    CollectEditableCells(this, cells);
  if (cells.empty()) return nullptr;
  const int count = static_cast<int>(cells.size());
  int index = -1;
  for (int i = 0; i < count; ++i)
    if (cells[static_cast<size_t>(i)] == ACell) index = i;
  // Every collected cell is visible and editable, so one step (wrapping at both ends)
  // always reaches the answer.
  index += AForward ? 1 : -1;
  if (index >= count) index = 0;
  if (index < 0) index = count - 1;
  return cells[static_cast<size_t>(index)];
}

}  // namespace tarnwick
