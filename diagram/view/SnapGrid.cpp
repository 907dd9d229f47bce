#include "diagram/view/SnapGrid.h"

#include <cmath>

#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramRuler.h"
#include "platform/core/Properties.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TEnumTypeInfo& GridStyleType() {
  static const TEnumTypeInfo t("TGridStyle", {"gsDots", "gsLines", "gsRuler"});
  return t;
}

const TClassInfo& TSnapGrid::StaticClassInfo() {
  // The sizes are written whenever they differ from the constructor's 8: a size of 0
  // (snapping off on that axis) left out of a document would read back as 8.
  auto sizeStored = [](double (TSnapGrid::*get)() const) {
    return [get](TPersistent& p) { return (static_cast<TSnapGrid&>(p).*get)() != DefaultSize; };
  };
  static const TClassInfo info("TSnapGrid", &TPersistent::StaticClassInfo(),
                               {BoolProp("Active", &TSnapGrid::GetActive, &TSnapGrid::SetActive),
                                BoolProp("Force", &TSnapGrid::GetForce, &TSnapGrid::SetForce),
                                BoolProp("Visible", &TSnapGrid::GetVisible, &TSnapGrid::SetVisible),
                                FloatProp("SizeX", ftDouble, &TSnapGrid::GetSizeX, &TSnapGrid::SetSizeX)
                                    .StoredIf(sizeStored(&TSnapGrid::GetSizeX)),
                                FloatProp("SizeY", ftDouble, &TSnapGrid::GetSizeY, &TSnapGrid::SetSizeY)
                                    .StoredIf(sizeStored(&TSnapGrid::GetSizeY)),
                                EnumProp("Style", GridStyleType(), &TSnapGrid::GetStyle, &TSnapGrid::SetStyle),
                                ObjectProp("Pen", TPen::StaticClassInfo(), &TSnapGrid::GetPen, &TSnapGrid::SetPen),
                                BoolProp("SnapToRuler", &TSnapGrid::GetSnapToRuler, &TSnapGrid::SetSnapToRuler)},
                               [](TComponent*) -> TPersistent* { return Create<TSnapGrid>(); });
  return info;
}

TSnapGrid::TSnapGrid(TdvDiagram* ADiagram) : FDiagram(ADiagram), FPen(Create<TPen>()) {
  FPen->OnChange = [this](TObject*) { RequestRedraw(); };
}

TSnapGrid::~TSnapGrid() = default;

void TSnapGrid::RequestRedraw() {
  if (FDiagram) FDiagram->RequestRedraw();
}

void TSnapGrid::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  RequestRedraw();
}

void TSnapGrid::SetSizeX(double Value) {
  if (!std::isfinite(Value) || FSizeX == Value) return;
  FSizeX = Value;
  RequestRedraw();
}

void TSnapGrid::SetSizeY(double Value) {
  if (!std::isfinite(Value) || FSizeY == Value) return;
  FSizeY = Value;
  RequestRedraw();
}

void TSnapGrid::SetStyle(TGridStyle Value) {
  if (Value < gsDots || Value > gsRuler || FStyle == Value) return;
  FStyle = Value;
  RequestRedraw();
}

void TSnapGrid::SetPen(TPen* Value) { FPen->Assign(Value); }

void TSnapGrid::SetSnapToRuler(bool Value) {
  if (FSnapToRuler != Value) {
    FSnapToRuler = Value;
    RequestRedraw();
  }
  UpdateFromRuler();
}

void TSnapGrid::SetRulers(TCustomRuler* ATop, TCustomRuler* ALeft) {
  FTopRuler = ATop;
  FLeftRuler = ALeft;
}

void TSnapGrid::UpdateFromRuler() {
  if (!FSnapToRuler || !FDiagram) return;
  const double ratio = FDiagram->GetScreenDPIRatio();
  // A screen without a resolution has no pixel size to follow.
  if (!(ratio > 0)) return;
  if (FTopRuler) SetSizeX(FTopRuler->TickSpacing().Step / ratio);
  if (FLeftRuler) SetSizeY(FLeftRuler->TickSpacing().Step / ratio);
}

void TSnapGrid::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSnapGrid*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  SetActive(src->FActive);
  SetVisible(src->FVisible);
  SetSizeX(src->FSizeX);
  SetSizeY(src->FSizeY);
  SetStyle(src->FStyle);
  SetPen(src->FPen.get());
}

double TSnapGrid::PixelStep(double Size, double ZoomRatio, double ScreenDPIRatio) noexcept {
  return ZoomRatio * Size * ScreenDPIRatio;
}

bool TSnapGrid::IsPaintedStep(double Step) noexcept { return std::isfinite(Step) && Step >= 1.0; }

}  // namespace tarnwick
