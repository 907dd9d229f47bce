#include "diagram/printing/PageLines.h"

#include <algorithm>
#include <cmath>

#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

// The page lines' pen starts dotted, so its Style is written even when solid: a solid
// pen left out of a document would read back dotted.
class TPageLinesPen : public TPen {
  TARNWICK_CLASS(TPageLinesPen)
};

const TClassInfo& TPageLinesPen::StaticClassInfo() {
  static const TClassInfo info("TPen", &TPen::StaticClassInfo(),
                               {EnumProp("Style", PenStyleType(), &TPen::GetStyle, &TPen::SetStyle)},
                               [](TComponent*) -> TPersistent* { return Create<TPageLinesPen>(); });
  return info;
}

}  // namespace

const TClassInfo& TPageLines::StaticClassInfo() {
  static const TClassInfo info("TPageLines", &TPersistent::StaticClassInfo(),
                               {BoolProp("Visible", &TPageLines::GetVisible, &TPageLines::SetVisible),
                                ObjectProp("Pen", TPen::StaticClassInfo(), &TPageLines::GetPen, &TPageLines::SetPen)},
                               [](TComponent*) -> TPersistent* { return Create<TPageLines>(); });
  return info;
}

TPageLines::TPageLines(TdvDiagram* ADiagram) : FDiagram(ADiagram), FPen(Create<TPageLinesPen>()) {
  FPen->SetStyle(psDot);
  FPen->OnChange = [this](TObject*) { RequestRedraw(); };
}

TPageLines::~TPageLines() = default;

void TPageLines::RequestRedraw() {
  if (FDiagram) DiagramHostOf(FDiagram)->RequestRedraw();
}

void TPageLines::SetVisible(bool Value) {
  if (Value && !FDiagram) return;
  if (FVisible == Value) return;
  FVisible = Value;
  RequestRedraw();
}

void TPageLines::SetPen(TPen* Value) { FPen->Assign(Value); }

void TPageLines::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TPageLines*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  SetVisible(src->FVisible);
  SetPen(src->FPen.get());
}

std::vector<double> PageBoundaries(double PageSize, double Origin, double Scale, double ClipLow, double ClipHigh) {
  std::vector<double> out;
  const double step = PageSize * Scale;
  if (!(PageSize > 0) || !(Scale > 0) || !std::isfinite(step) || step < 1.0 || !std::isfinite(Origin)) return out;
  if (!(ClipLow < ClipHigh)) return out;
  // Start at the first boundary not left of the clip instead of walking up to it.
  double i = std::max(1.0, std::floor((ClipLow - Origin) / step));
  for (;; i += 1.0) {
    const double x = Origin + i * PageSize * Scale;
    if (x > ClipLow && x < ClipHigh) out.push_back(x);
    if (x >= ClipHigh) break;
  }
  return out;
}

}  // namespace tarnwick
