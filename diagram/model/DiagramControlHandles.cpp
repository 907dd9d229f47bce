// Painting a control's stretch handles on the legacy canvas: the appearance follows the
// diagram's handle style, and a handle is drawn enabled only when its action is allowed.
#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Conversions.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

void TDiagramControl::UpdateHandlesAppearance() {
  TDiagramHandlesStyle style = FHost ? FHost->GetHandlesStyle() : hsClassic;
  double scale = FHost ? FHost->GetScreenDPIRatio() : 1.0;
  GetHandlesAppearance()->ApplyDefaults(style, scale, IsMember());
}

void TDiagramControl::DrawHandles(const TDiagramDrawInfo& AInfo) {
  for (int i = 0; i < FHandles->Count(); ++i) {
    TStretchHandle* handle = FHandles->GetItems(i);
    if (handle->GetVisible()) DrawHandle(AInfo, handle);
  }
}

void TDiagramControl::DrawHandle(const TDiagramDrawInfo& AInfo, TStretchHandle* AHandle) {
  if (!FHost || !AInfo.Canvas || !AHandle) return;
  UpdateHandlesAppearance();
  THandleAppearance* look = GetHandlesAppearance()->ForStyle(AHandle->GetStyle());
  bool enabled = true;
  switch (AHandle->GetStyle()) {
    case hsSize:
      enabled = CanResize();
      break;
    case hsRotate:
      if (!CanRotate()) return;
      break;
    case hsRotCenter:
      if (!CanRotate()) return;
      enabled = CanMoveRotCenter();
      break;
    case hsCustom:
      break;
  }
  if (!look->GetVisible()) return;

  TCanvas* canvas = AInfo.Canvas;
  canvas->SetPen(enabled ? look->GetPen() : look->GetDisabledPen());
  canvas->SetBrush(enabled ? look->GetBrush() : look->GetDisabledBrush());
  TPoint c = DotToPoint(FHost->ClientToCanvas(AHandle->DiagramPoint()));
  const int x = c.X, y = c.Y, a = Round(look->GetSize());
  auto line = [canvas](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  switch (look->GetStyle()) {
    case hhRectangle:
      canvas->Rectangle(x - a, y - a, x + a + 1, y + a + 1);
      break;
    case hhEllipse:
      canvas->Ellipse(x - a, y - a, x + a + 1, y + a + 1);
      break;
    case hhDiamond:
      canvas->Polygon({{x, y - a}, {x + a, y}, {x, y + a}, {x - a, y}, {x, y - a}});
      break;
    case hhCrossedEllipse:
      canvas->Ellipse(x - a, y - a, x + a + 1, y + a + 1);
      line(x, y - a + 2, x, y + a - 1);
      line(x - a + 2, y, x + a - 1, y);
      break;
    case hhRectangleX:
      canvas->Rectangle(x - a, y - a, x + a + 1, y + a + 1);
      canvas->GetPen()->SetColor(clGreen);
      line(x - a, y - a, x + a, y + a);
      line(x + a, y - a, x - a, y + a);
      break;
    case hhEllipseX:
      canvas->Ellipse(x - a, y - a, x + a + 1, y + a + 1);
      canvas->GetPen()->SetColor(clGreen);
      line(x - a + 1, y - a + 1, x + a - 1, y + a - 1);
      line(x + a - 1, y - a + 1, x - a + 1, y + a - 1);
      break;
  }
}

}  // namespace tarnwick
