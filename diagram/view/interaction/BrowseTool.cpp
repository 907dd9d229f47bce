#include "diagram/view/interaction/BrowseTool.h"

#include "diagram/model/LinkPoints.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramViewport.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/interaction/ClickSelection.h"
#include "diagram/view/interaction/ControlEvents.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "diagram/view/interaction/InsertTool.h"
#include "diagram/view/interaction/MoveTool.h"
#include "diagram/view/interaction/ResizeTool.h"
#include "diagram/view/interaction/RubberBandTool.h"

namespace tarnwick {

namespace {
enum TPressAction { paNone, paSelect, paContextSelect, paResize, paRubberBand, paClear, paNode, paLink };

bool OnRuler(TdvDiagram& D, TPoint P) {
  return P.X < D.GetLeftRuler()->VisibleSize() || P.Y < D.GetTopRuler()->VisibleSize();
}
}  // namespace

TDiagramControl* TBrowseTool::ControlAt(TDot Pos) const {
  TdvDiagram& d = Diagram();
  if (d.GetPaintLinesFirst())
    if (TDiagramControl* c = d.DControlAtPos(Pos, csmIgnoreLines, cfIgnoreGroups)) return c;
  return d.DControlAtPos(Pos, csmAll, cfIgnoreGroups);
}

void TBrowseTool::MouseDown(TMouseButton Button, TShiftState Shift, TPoint APos) {
  if (State() != msBrowsing || OnRuler(Diagram(), APos)) return;
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  const TDot pos = ClientPos(APos);
  TDiagramControl* c = ControlAt(pos);
  TStretchHandle* h = d.HandleAtPos(pos, true);
  TLinkPoint* node = d.LinkNodeAtPos(pos);
  const bool dbl = Shift.Contains(ssDouble);

  TPressAction action = paNone;
  if (h && Button == mbLeft && h->GetDControl() && h->CanDrag() && h->GetDControl()->CanSelect()) {
    c = h->GetDControl();
    controlevents::Press(d, c, Button, Shift, APos);
    if (dbl)
      controlevents::DoublePress(d, c);
    else
      t.FDControlClicked = c;
    controlevents::PressEx(d, c, Button, Shift, APos, h);
    action = h ? paResize : paSelect;
  } else if (node) {
    action = paNode;
  } else if (Shift.Contains(ssLeft) && t.FInsert->CanLinkAt(pos)) {
    action = paLink;
  } else if (c) {
    controlevents::Press(d, c, Button, Shift, APos);
    if (dbl) {
      controlevents::DoublePress(d, c);
      if (Button == mbLeft) d.EditControlText(c);
    } else if (c->CanSelect()) {
      t.FDControlClicked = c;
      action = Button == mbLeft ? paSelect : Button == mbRight ? paContextSelect : paNone;
    }
    controlevents::PressEx(d, c, Button, Shift, APos, h);
    if (h && !c->GetRestrictions().Contains(crNoSelect) && h->CanDrag()) {
      c->SetSelected(true);
      action = paResize;
    }
  } else if (dbl || Button == mbRight) {
    action = paClear;
  } else if (Button == mbLeft) {
    action = paRubberBand;
  }

  switch (action) {
    case paSelect:
      if (Shift.Contains(ssShift)) {
        {
          TDiagramUpdate sel(d, ukSelection);
          SelectClicked(d, c, csToggle);
        }
        RepaintNow();
        break;
      }
      t.FDragStart = TDot{double(APos.X), double(APos.Y)};
      {
        TDiagramUpdate sel(d, ukSelection);
        SelectClicked(d, c, Shift.Contains(ssCtrl) ? csExclusive : csPlain);
      }
      RepaintNow();
      if (!(c->IsLine() && c->GetRequiresConnections()) && !Shift.Contains(ssCtrl)) t.FMove->Begin();
      break;
    case paResize:
      t.FResize->Begin(h);
      break;
    case paRubberBand:
      d.UnselectAll();
      RepaintNow();
      t.FRubberBand->Begin(APos);
      break;
    case paClear:
      d.UnselectAll();
      RepaintNow();
      break;
    case paContextSelect:
      // A selected control keeps the whole selection, so a context menu acts on all of it.
      if (!c->GetSelected()) {
        {
          TDiagramUpdate sel(d, ukSelection);
          SelectClicked(d, c, Shift.Contains(ssCtrl) ? csExclusive : csPlain);
        }
        RepaintNow();
      }
      break;
    case paNode:
      SetState(msClickingNode);
      d.ClickLinkNode(node);
      break;
    case paLink:
      t.FInsert->StartLink(pos);
      break;
    case paNone:
      break;
  }
}

void TBrowseTool::Hover(TShiftState Shift, TPoint APos) {
  TdvDiagram& d = Diagram();
  TDiagramTools& t = Tools();
  TCursor cursor = crDefault;
  TDiagramControl* c = d.DControlAtPos(ClientPos(APos), csmAll, cfIgnoreGroups);
  TDiagramControl* previous = t.FPreviousDControl;
  if (c) {
    if (c != previous) controlevents::Enter(d, c);
    controlevents::Move(d, c, Shift, APos);
    cursor = c->GetCursor();
  }
  if (previous && previous != c) controlevents::Leave(d, previous);
  t.FPreviousDControl = c;
  d.SetCursor(cursor);
}

void TBrowseTool::MouseMove(TShiftState, TPoint APos) {
  if (State() != msBrowsing) return;
  TdvDiagram& d = Diagram();
  const TDot pos = ClientPos(APos);
  if (Tools().FInsert->CanLinkAt(pos)) d.SetCursor(d.GetLinkCursor());
  TStretchHandle* h = d.HandleAtPos(pos, true);
  if (h && h->GetDControl() && h->CanDrag()) d.SetCursor(h->GetCursor());
}

void TBrowseTool::MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) {
  if (State() == msClickingNode) {
    SetState(msBrowsing);
    return;
  }
  ClickDispatch(Diagram().DControlAtPos(ClientPos(APos), csmAll, cfIgnoreGroups), Button, Shift, APos);
}

void TBrowseTool::ClickDispatch(TDiagramControl* AControl, TMouseButton Button, TShiftState Shift, TPoint APos) {
  if (!AControl) return;
  if (AControl == Tools().FDControlClicked) controlevents::Click(Diagram(), AControl);
  controlevents::Release(Diagram(), AControl, Button, Shift, APos);
}

bool TBrowseTool::MouseWheel(TShiftState Shift, int WheelDelta, TPoint) {
  return Viewport().MouseWheel(Shift, WheelDelta);
}

}  // namespace tarnwick
