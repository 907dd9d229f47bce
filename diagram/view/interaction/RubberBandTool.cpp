#include "diagram/view/interaction/RubberBandTool.h"

#include <QCursor>
#include <QEvent>
#include <QPolygonF>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/interaction/BrowseTool.h"
#include "diagram/view/interaction/DiagramTools.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

namespace {

TRect Spanned(TDot A, TPoint B) {
  const int ax = int(std::lround(A.X)), ay = int(std::lround(A.Y));
  return TRect{std::min(ax, B.X), std::min(ay, B.Y), std::max(ax, B.X), std::max(ay, B.Y)};
}

void SelectAsMember(TDiagramControl* C) {
  TDiagramControl* master = C->IsMember() ? C->GetMasterGroup() : nullptr;
  (master ? master : C)->SetSelected(true);
}

bool BlockCaught(TDiagramControl* C, const QRectF& R) {
  if (auto* block = dynamic_cast<TCustomDiagramBlock*>(C)) {
    TDotArray pts;
    block->GetSurroundPts(pts);
    if (!pts.empty()) {
      QPolygonF poly;
      for (const TDot& p : pts) poly << QPointF(std::round(p.X), std::round(p.Y));
      // A band that only touches the outline catches the block.
      return poly.intersects(QPolygonF(R));
    }
  }
  const TSquare s = C->SurroundRect();
  return QRectF(QPointF(s.Left, s.Top), QPointF(s.Right, s.Bottom)).intersects(R);
}

class TFocusWatch : public QObject {
 public:
  explicit TFocusWatch(TRubberBandTool& ATool) : FTool(ATool) {}
  bool eventFilter(QObject*, QEvent* AEvent) override {
    if (AEvent->type() == QEvent::FocusOut) FTool.FocusLost();
    return false;
  }

 private:
  TRubberBandTool& FTool;
};

}  // namespace

void TRubberBandTool::FocusLost() {
  if (State() != msSelecting) return;
  FSelectTimer.stop();
  EndRubberBand();
}

TRubberBandTool::TRubberBandTool(TdvDiagram& ADiagram) : TDiagramTool(ADiagram) {
  FSelectTimer.setInterval(300);
  QObject::connect(&FSelectTimer, &QTimer::timeout, [this] { AutoScrollTick(); });
}

TRubberBandTool::~TRubberBandTool() {
  FSelectTimer.stop();
  // The watch filters the diagram's widget, which may outlive the tool while it is torn down.
  FFocusWatch.reset();
}

void TRubberBandTool::Begin(TPoint APos) {
  Tools().FDragStart = TDot{double(APos.X), double(APos.Y)};
  SetState(msSelecting);
  FCurRect = TRect{};
  // Nothing moves while the band is dragged: each step repaints the snapshot and the band.
  Diagram().BuildCache();
  FSelectTimer.start();
  if (QWidget* w = Diagram().GetHandle(); w && !FFocusWatch) {
    FFocusWatch = std::make_unique<TFocusWatch>(*this);
    w->installEventFilter(FFocusWatch.get());
  }
}

void TRubberBandTool::UpdateRubberBand(TPoint APos, bool AShow) {
  // The band is overlay state painted by the paint event: showing or hiding it is a repaint.
  FCurRect = AShow ? Spanned(Tools().FDragStart, APos) : TRect{};
  if (AShow)
    Diagram().RequestRedraw();
  else
    RepaintNow();
}

void TRubberBandTool::PaintOverlay(TCanvas& ACanvas) {
  if (FCurRect == TRect{}) return;
  TOwned<TPen> pen = MakeOwned<TPen>();
  pen->Assign(ACanvas.GetPen());
  const TBrushStyle brushStyle = ACanvas.GetBrush()->GetStyle();
  ACanvas.GetBrush()->SetStyle(bsClear);
  ACanvas.GetPen()->SetStyle(psDot);
  ACanvas.GetPen()->SetWidth(1);
  ACanvas.GetPen()->SetMode(pmCopy);
  ACanvas.GetPen()->SetColor(clBlack);
  ACanvas.Rectangle(FCurRect);
  ACanvas.SetPen(pen.get());
  ACanvas.GetBrush()->SetStyle(brushStyle);
}

void TRubberBandTool::EndRubberBand() {
  Diagram().DropCache();
  UpdateRubberBand(TPoint{0, 0}, false);
  SetState(msBrowsing);
}

void TRubberBandTool::SelectInRect(const TSquare& ARect) {
  TdvDiagram& d = Diagram();
  TDiagramUpdate sel(d, ukSelection);
  const QRectF r(QPointF(std::round(ARect.Left), std::round(ARect.Top)),
                 QPointF(std::round(ARect.Right), std::round(ARect.Bottom)));
  for (int i = 0; i < d.BlockCount(); ++i) {
    TDiagramControl* b = d.GetBlocks(i);
    if (b->IsVisible() && !b->IsGroup() && BlockCaught(b, r)) SelectAsMember(b);
  }
  const int left = int(std::lround(ARect.Left)), top = int(std::lround(ARect.Top));
  const int right = int(std::lround(ARect.Right)), bottom = int(std::lround(ARect.Bottom));
  for (int i = 0; i < d.LinkCount(); ++i) {
    TDiagramControl* l = d.GetLinks(i);
    auto* line = dynamic_cast<TCustomDiagramLine*>(l);
    if (!l->IsVisible() || !line) continue;
    for (const TDot& p : line->GetPoints()) {
      const long x = std::lround(p.X), y = std::lround(p.Y);
      if (x >= left && x < right && y >= top && y < bottom) {
        SelectAsMember(l);
        break;
      }
    }
  }
}

void TRubberBandTool::AutoScrollTick() {
  TdvDiagram& d = Diagram();
  QWidget* w = d.GetHandle();
  if (State() != msSelecting || !w) return;
  const QPoint p = w->mapFromGlobal(QCursor::pos());
  const int cw = d.GetClientWidth(), ch = d.GetClientHeight();
  TDiagramScrollBar* hb = d.GetHorzScrollBar();
  TDiagramScrollBar* vb = d.GetVertScrollBar();
  auto step = [](int APos, int AMax, TDiagramScrollBar* ABar) {
    if (!ABar->GetVisible()) return 0;
    if (APos > AMax && ABar->GetPosition() < ABar->GetRange()) return APos - AMax;
    if (APos < 0 && ABar->GetPosition() > 0) return APos;
    return 0;
  };
  const int dx = step(p.x(), cw, hb), dy = step(p.y(), ch, vb);
  if (dx == 0 && dy == 0) return;
  const TDot start = d.CanvasToClient(Tools().FDragStart);
  FCurRect = TRect{};
  hb->SetPosition(hb->GetPosition() + dx);
  vb->SetPosition(vb->GetPosition() + dy);
  d.BuildCache();
  RepaintNow();
  Tools().FDragStart = d.ClientToCanvas(start);
  UpdateRubberBand(TPoint{p.x(), p.y()}, true);
}

void TRubberBandTool::MouseMove(TShiftState, TPoint APos) { UpdateRubberBand(APos, true); }

void TRubberBandTool::MouseUp(TMouseButton Button, TShiftState Shift, TPoint APos) {
  TdvDiagram& d = Diagram();
  FSelectTimer.stop();
  EndRubberBand();
  const TDot a = d.CanvasToClient(Tools().FDragStart);
  const TDot b = d.CanvasToClient(TDot{double(APos.X), double(APos.Y)});
  SelectInRect(TSquare{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)});
  d.RequestRedraw();
  Tools().FBrowse->MouseUp(Button, Shift, APos);
}

void TRubberBandTool::Cancel() {
  FSelectTimer.stop();
  EndRubberBand();
  Diagram().UnselectAll();
}

}  // namespace tarnwick
