#include "editor/navigator/DiagramNavigatorController.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "diagram/lines/CustomLine.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Math.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

// The diagram keeps its subscribers alive as shared objects; the controller is not shared,
// so it subscribes through this small forwarder and cuts it loose when it goes.
class TNavigatorSubscriber : public IDiagramSubscriber {
 public:
  explicit TNavigatorSubscriber(TDiagramNavigatorController* AController) : FController(AController) {}
  void Detach() { FController = nullptr; }
  void DgrNotification(const TDgrNotificationInfo& AInfo) override {
    // A library change does not alter what the miniature shows.
    if (FController && AInfo.Event == deGraphicLibChanged && FController->OnChange) FController->OnChange();
  }

 private:
  TDiagramNavigatorController* FController;
};

namespace {

bool Finite(double V) { return std::isfinite(V); }

QRectF ScaledRect(const TSquare& R, TDot AOffset) {
  return QRectF(QPointF(R.Left * AOffset.X, R.Top * AOffset.Y), QPointF(R.Right * AOffset.X, R.Bottom * AOffset.Y));
}

// The rectangle turned clockwise by AAngle degrees about its centre, as the blocks turn.
QPolygonF RotatedRect(const QRectF& R, double AAngle) {
  QTransform t;
  t.translate(R.center().x(), R.center().y());
  t.rotate(AAngle);
  t.translate(-R.center().x(), -R.center().y());
  return t.map(QPolygonF(R));
}

}  // namespace

TDiagramNavigatorController::TDiagramNavigatorController() = default;

TDiagramNavigatorController::~TDiagramNavigatorController() { SetDiagram(nullptr); }

void TDiagramNavigatorController::SetDiagram(TdvDiagram* Value) {
  if (Value == FDiagram) return;
  if (FSubscriber) {
    FSubscriber->Detach();
    if (FDiagram && !FDiagram->IsDestroying()) FDiagram->RemoveSubscriber(FSubscriber.get());
    FSubscriber.reset();
  }
  FDiagram = Value;
  FState = nsNormal;
  FOffset = TDot{0, 0};
  FHighlightRect = TSquare{};
  if (FDiagram) {
    FSubscriber = std::make_shared<TNavigatorSubscriber>(this);
    FDiagram->AddSubscriber(FSubscriber);
  }
}

TDot TDiagramNavigatorController::DiagramExtent() const {
  if (!FDiagram) return TDot{0, 0};
  if (FDiagram->GetAutoPage()) {
    const double ratio = FDiagram->GetZoomRatio();
    if (!(ratio > 0)) return TDot{0, 0};
    return TDot{double(Round(FDiagram->GetHorzScrollBar()->GetRange() / ratio)),
                double(Round(FDiagram->GetVertScrollBar()->GetRange() / ratio))};
  }
  return TDot{double(std::max(FDiagram->GetDiagramWidth(), FDiagram->GetClientWidth())),
              double(std::max(FDiagram->GetDiagramHeight(), FDiagram->GetClientHeight()))};
}

bool TDiagramNavigatorController::ComputePaintArea(int AWidth, int AHeight) {
  FNavigatorArea = TSquare{0, 0, double(std::max(0, AWidth)), double(std::max(0, AHeight))};
  FPaintArea = TSquare{};
  FOffset = TDot{0, 0};
  const TDot extent = DiagramExtent();
  const double w = extent.X, h = extent.Y;
  const double nw = FNavigatorArea.Right, nh = FNavigatorArea.Bottom;
  if (!(w > 0) || !(h > 0) || !(nw > 0) || !(nh > 0)) return false;
  double miniW, miniH;
  if (w / h >= nw / nh) {
    miniW = nw;
    miniH = nw / w * h;
  } else {
    miniH = nh;
    miniW = nh / h * w;
  }
  const TDot offset{miniW / w, miniH / h};
  if (!Finite(offset.X) || !Finite(offset.Y) || !(offset.X > 0) || !(offset.Y > 0)) return false;
  FPaintArea = TSquare{0, 0, miniW, miniH};
  FOffset = offset;
  return true;
}

void TDiagramNavigatorController::UpdateGeometry(int AWidth, int AHeight) {
  if (FDiagram && ComputePaintArea(AWidth, AHeight))
    ComputeHighlight();
  else
    FHighlightRect = TSquare{};
}

void TDiagramNavigatorController::PaintTo(QPainter& APainter, int AWidth, int AHeight) {
  APainter.save();
  APainter.fillRect(QRect(0, 0, std::max(0, AWidth), std::max(0, AHeight)), ColorToQColor(FColor));
  UpdateGeometry(AWidth, AHeight);
  if (!FDiagram || !HasScale()) {
    APainter.restore();
    return;
  }
  const bool engine = FDiagram->GetPathDrawingMode();
  APainter.setRenderHint(QPainter::Antialiasing, engine && FDiagram->GetSmoothMode() != smHighSpeed);
  APainter.fillRect(QRect(0, 0, Round(FPaintArea.Right), Round(FPaintArea.Bottom)), ColorToQColor(FBackgroundColor));
  DrawBlocks(APainter);
  if (FPaintLines) DrawLines(APainter);
  DrawHighlight(APainter);
  APainter.restore();
}

void TDiagramNavigatorController::DrawBlocks(QPainter& APainter) const {
  TDotArray outline;
  for (int i = 0; i < FDiagram->DControlCount(); ++i) {
    auto* block = dynamic_cast<TCustomDiagramBlock*>(FDiagram->GetDControls(i));
    if (!block || block->IsGroup() || !block->IsVisible()) continue;
    QPen pen(ColorToQColor(block->GetPen()->GetColor()));
    pen.setWidth(1);
    pen.setCosmetic(true);
    APainter.setPen(pen);
    APainter.setBrush(ColorToQColor(block->GetColor()));
    const QRectF r = ScaledRect(block->GetBoundsRect(), FOffset);
    QPolygonF shape;
    if (FBlockShape == nbsOriginal) {
      // The block's own outline (already turned by its angle), scaled like its bounds.
      block->GetSurroundPts(outline);
      for (const TDot& p : outline) shape << QPointF(p.X * FOffset.X, p.Y * FOffset.Y);
    }
    if (shape.size() < 3) shape = RotatedRect(r, block->GetAngle());
    APainter.drawPolygon(shape);
  }
}

void TDiagramNavigatorController::DrawLines(QPainter& APainter) const {
  APainter.setBrush(Qt::NoBrush);
  for (int i = 0; i < FDiagram->DControlCount(); ++i) {
    auto* line = dynamic_cast<TCustomDiagramLine*>(FDiagram->GetDControls(i));
    if (!line || !line->IsVisible() || line->GetPoints().empty()) continue;
    QPen pen(ColorToQColor(line->GetPen()->GetColor()));
    pen.setWidth(1);
    pen.setCosmetic(true);
    APainter.setPen(pen);
    QPolygonF points;
    // The rectangle style is the plain, fast miniature: whole pixels.
    const bool whole = FBlockShape == nbsRectangle;
    for (const TDot& p : line->GetPoints()) {
      const QPointF q(p.X * FOffset.X, p.Y * FOffset.Y);
      points << (whole ? QPointF(q.toPoint()) : q);
    }
    APainter.drawPolyline(points);
  }
}

void TDiagramNavigatorController::ComputeHighlight() {
  const TSquare client =
      FDiagram->CanvasToClient(TSquare{0, 0, double(FDiagram->GetClientWidth()), double(FDiagram->GetClientHeight())});
  const TSquare h{client.Left * FOffset.X, client.Top * FOffset.Y, client.Right * FOffset.X, client.Bottom * FOffset.Y};
  // Everything visible: nothing to mark.
  if (FPaintArea.Right <= h.Right - h.Left && FPaintArea.Bottom <= h.Bottom - h.Top)
    FHighlightRect = TSquare{};
  else
    FHighlightRect = h;
}

void TDiagramNavigatorController::DrawHighlight(QPainter& APainter) const {
  if (FHighlightRect == TSquare{}) return;
  QRect r(QPoint(Round(FHighlightRect.Left), Round(FHighlightRect.Top)),
          QPoint(Round(FHighlightRect.Right), Round(FHighlightRect.Bottom)));
  // A rectangle at the very edge would lose half its outline.
  if (r.left() < 1) r.moveLeft(1);
  if (r.top() < 1) r.moveTop(1);
  QPen pen(ColorToQColor(FHighlightColor));
  pen.setWidth(FHighlightWidth);
  pen.setJoinStyle(Qt::MiterJoin);
  APainter.setRenderHint(QPainter::Antialiasing, false);
  APainter.setPen(pen);
  APainter.setBrush(Qt::NoBrush);
  APainter.drawRect(QRectF(QPointF(r.left(), r.top()), QPointF(r.right() + 1, r.bottom() + 1)));
}

TDiagramNavigatorHighlightRegion TDiagramNavigatorController::PointInHighlightRect(int AX, int AY) const {
  const TSquare& r = FHighlightRect;
  // With everything visible there is no rectangle: every press counts as outside.
  if (r == TSquare{}) return nhrOutside;
  if (FEnableZoom) {
    // Near an edge of the rectangle; far along the edge's line it is outside.
    const double w = FHighlightWidth;
    const bool nearX = AX > r.Left - w && AX < r.Right + w;
    const bool nearY = AY > r.Top - w && AY < r.Bottom + w;
    if (nearX && nearY &&
        (std::abs(AX - r.Left) < w || std::abs(AX - r.Right) < w || std::abs(AY - r.Top) < w ||
         std::abs(AY - r.Bottom) < w))
      return nhrBorder;
  }
  if (r.Left <= AX && AX <= r.Right && r.Top <= AY && AY <= r.Bottom) return nhrInside;
  return nhrOutside;
}

void TDiagramNavigatorController::StartMoving(int AX, int AY) {
  if (!FDiagram || FState != nsNormal || !HasScale()) return;
  const double ratio = FDiagram->GetZoomRatio();
  if (!(ratio > 0)) return;
  FStartPoint = TPoint{AX, AY};
  FStartScroll = TPoint{Round(FDiagram->GetHorzScrollBar()->GetPosition() / ratio),
                        Round(FDiagram->GetVertScrollBar()->GetPosition() / ratio)};
  FState = nsMoving;
}

void TDiagramNavigatorController::MoveTo(int AX, int AY) {
  if (FState != nsMoving || !FDiagram || !HasScale()) return;
  ScrollTo(AX, AY);
}

void TDiagramNavigatorController::ScrollTo(int AX, int AY) {
  const double ratio = FDiagram->GetZoomRatio();
  const int h = Round(ratio * (FStartScroll.X + (AX - FStartPoint.X) / FOffset.X));
  const int v = Round(ratio * (FStartScroll.Y + (AY - FStartPoint.Y) / FOffset.Y));
  FDiagram->GetHorzScrollBar()->SetPosition(h);
  FDiagram->GetVertScrollBar()->SetPosition(v);
  // The window's scroll bars follow, and the view shows the new place at once.
  FDiagram->UpdateScrollBars();
  if (FDiagram->HandleAllocated()) FDiagram->GetHandle()->repaint();
}

void TDiagramNavigatorController::EndMoving() {
  if (FState == nsMoving) FState = nsNormal;
}

void TDiagramNavigatorController::StartZoom(int AX, int AY) {
  if (FState != nsNormal || !HasScale()) return;
  const TSquare& r = FHighlightRect;
  // The anchor is the edge opposite the one pressed.
  FStartPoint.X = AX > (r.Left + r.Right) / 2 ? Round(r.Left) : Round(r.Right);
  FStartPoint.Y = AY > (r.Top + r.Bottom) / 2 ? Round(r.Top) : Round(r.Bottom);
  FState = nsZoom;
}

void TDiagramNavigatorController::ZoomTo(int AX, int AY) {
  if (!FDiagram || FState != nsZoom || !HasScale()) return;
  const TSquare zoom{std::min<double>(FStartPoint.X, AX) / FOffset.X, std::min<double>(FStartPoint.Y, AY) / FOffset.Y,
                     std::max<double>(FStartPoint.X, AX) / FOffset.X, std::max<double>(FStartPoint.Y, AY) / FOffset.Y};
  if (zoom.Right - zoom.Left > 0 && zoom.Bottom - zoom.Top > 0) FDiagram->ZoomIn(zoom);
}

void TDiagramNavigatorController::EndZoom() {
  if (FState == nsZoom) FState = nsNormal;
}

}  // namespace tarnwick
