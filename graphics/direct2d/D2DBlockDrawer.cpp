#include "graphics/direct2d/D2DBlockDrawer.h"

#include "graphics/direct2d/D2DException.h"
#include "graphics/direct2d/D2DGraphicsPath.h"
#include "graphics/direct2d/D2DPaintEngine.h"

namespace tarnwick {

namespace {

TOwned<TD2DCanvas> SupportedCanvas() {
  RequireDirect2D();
  return MakeOwned<TD2DCanvas>(nullptr);
}

}  // namespace

TD2DBlockDrawer::TD2DBlockDrawer() : FD2DCanvas(SupportedCanvas()) {}
TD2DBlockDrawer::~TD2DBlockDrawer() = default;

TDgrCanvas* TD2DBlockDrawer::GetCanvas() const { return FD2DCanvas.get(); }

void TD2DBlockDrawer::SetPaintEngine(TDgrPaintEngine* Value) {
  FD2DCanvas->LendPaintEngine(dynamic_cast<TD2DPaintEngine*>(Value));
}

void TD2DBlockDrawer::Flip(TDgrGraphicsPath* APath) {
  auto* path = dynamic_cast<TD2DGraphicsPath*>(APath);
  if (!path) return;
  path->SetMatrix(FD2DCanvas->Frame().FlipTransform() * FD2DCanvas->GetTransMatrix());
}

void TD2DBlockDrawer::DoRotatePath(TDgrGraphicsPath* APath) {
  auto* path = dynamic_cast<TD2DGraphicsPath*>(APath);
  if (!path) return;
  path->SetMatrix(path->GetMatrix() * FD2DCanvas->Frame().RotateTransform());
}

}  // namespace tarnwick
