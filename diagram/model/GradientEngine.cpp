#include "diagram/model/GradientEngine.h"

#include "diagram/model/Gradient.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrBrush.h"
#include "graphics/DgrPath.h"

namespace tarnwick {

void DrawGradientOnEngine(const TDiagramGradient& AGradient, TDgrBlockDrawer* ADrawer, TDgrGraphicsPath* AScratch) {
  if (!ADrawer) return;
  TDgrCanvas* canvas = ADrawer->GetCanvas();
  canvas->GetPen()->SetTransparency(100);
  TDgrBrush* brush = canvas->GetBrush();
  brush->SetBrushMode(bmGradient);
  brush->SetGradientMode(static_cast<TDgrGradientMode>(AGradient.GetDirection()));
  brush->SetColor(AGradient.GetStartColor());
  brush->SetColor2(AGradient.GetEndColor());
  TOwned<TDgrGraphicsPath> own;
  TDgrGraphicsPath* path = AScratch;
  if (!path) {
    own.reset(canvas->CreatePath());
    path = own.get();
  }
  path->Reset();
  path->AddRectangle(ADrawer->GetDestRect());
  ADrawer->RotatePath(path);
  canvas->Path(path);
}

void TDiagramGradient::DrawGradient(TDgrBlockDrawer* ADrawer) const { DrawGradientOnEngine(*this, ADrawer); }

}  // namespace tarnwick
