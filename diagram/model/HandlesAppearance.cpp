#include "diagram/model/HandlesAppearance.h"

#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TClassInfo& THandleAppearance::StaticClassInfo() {
  static const TClassInfo info("THandleAppearance", &TPersistent::StaticClassInfo(), {});
  return info;
}

THandleAppearance::THandleAppearance()
    : FPen(MakeOwned<TPen>()),
      FBrush(MakeOwned<TBrush>()),
      FDisabledPen(MakeOwned<TPen>()),
      FDisabledBrush(MakeOwned<TBrush>()) {}

THandleAppearance::~THandleAppearance() = default;

void THandleAppearance::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<THandleAppearance*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  FPen->Assign(src->FPen.get());
  FBrush->Assign(src->FBrush.get());
  FDisabledPen->Assign(src->FDisabledPen.get());
  FDisabledBrush->Assign(src->FDisabledBrush.get());
  FSize = src->FSize;
  FStyle = src->FStyle;
  FVisible = src->FVisible;
}

void THandleAppearance::SetPen(TPen* Value) { FPen->Assign(Value); }
void THandleAppearance::SetBrush(TBrush* Value) { FBrush->Assign(Value); }
void THandleAppearance::SetDisabledPen(TPen* Value) { FDisabledPen->Assign(Value); }
void THandleAppearance::SetDisabledBrush(TBrush* Value) { FDisabledBrush->Assign(Value); }

const TClassInfo& THandlesAppearance::StaticClassInfo() {
  static const TClassInfo info("THandlesAppearance", &TPersistent::StaticClassInfo(), {});
  return info;
}

THandlesAppearance::THandlesAppearance()
    : FSize(MakeOwned<THandleAppearance>()),
      FRotate(MakeOwned<THandleAppearance>()),
      FCustom(MakeOwned<THandleAppearance>()),
      FRotCenter(MakeOwned<THandleAppearance>()) {}

THandlesAppearance::~THandlesAppearance() = default;

void THandlesAppearance::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<THandlesAppearance*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  FSize->Assign(src->FSize.get());
  FRotate->Assign(src->FRotate.get());
  FCustom->Assign(src->FCustom.get());
  FRotCenter->Assign(src->FRotCenter.get());
}

THandleAppearance* THandlesAppearance::ForStyle(THandleStyle AStyle) const {
  switch (AStyle) {
    case hsSize:
      return FSize.get();
    case hsRotate:
      return FRotate.get();
    case hsRotCenter:
      return FRotCenter.get();
    case hsCustom:
      return FCustom.get();
  }
  return FSize.get();
}

namespace {

// One row of the defaults table; a clear brush is marked by ClearBrush.
struct TLook {
  TColor Brush;
  bool ClearBrush;
  TColor Pen;
  TColor DisabledBrush;
  TColor DisabledPen;
  double Size;  // times the screen scale
  THandleAppearanceStyle Style;
  bool Visible;
};

void Apply(THandleAppearance& A, const TLook& L, double AScale) {
  A.GetBrush()->SetColor(L.Brush);
  A.GetBrush()->SetStyle(L.ClearBrush ? bsClear : bsSolid);
  A.GetPen()->SetColor(L.Pen);
  A.GetPen()->SetStyle(psSolid);
  A.GetPen()->SetWidth(1);
  A.GetDisabledBrush()->SetColor(L.DisabledBrush);
  A.GetDisabledBrush()->SetStyle(L.ClearBrush ? bsClear : bsSolid);
  A.GetDisabledPen()->SetColor(L.DisabledPen);
  A.GetDisabledPen()->SetStyle(psSolid);
  A.GetDisabledPen()->SetWidth(1);
  A.SetSize(L.Size * AScale);
  A.SetStyle(L.Style);
  A.SetVisible(L.Visible);
}

}  // namespace

void THandlesAppearance::ApplyDefaults(TDiagramHandlesStyle AHandlesStyle, double AScale, bool AMember) {
  // Custom handles look the same in both styles.
  const TLook custom{clYellow, false, clBlack, clYellow, clBlack, 3, hhDiamond, true};
  if (AHandlesStyle == hsClassic) {
    Apply(*FSize, {clBlack, false, clBlack, clGray, clGray, 2, hhRectangle, true}, AScale);
    Apply(*FRotate, {clBlack, true, clBlack, clBlack, clBlack, 2, hhEllipse, true}, AScale);
    Apply(*FRotCenter, {clBlack, false, clBlack, clBlack, clBlack, 2, hhEllipse, false}, AScale);
    Apply(*FCustom, custom, AScale);
    return;
  }
  const TColor pen = AMember ? clGray : clBlack;
  Apply(*FSize, {clLime, false, pen, clSilver, clBlack, 3, AMember ? hhRectangleX : hhRectangle, true}, AScale);
  Apply(*FRotate, {clLime, false, pen, clLime, pen, 4, AMember ? hhEllipseX : hhEllipse, true}, AScale);
  Apply(*FRotCenter, {clLime, false, pen, clSilver, clBlack, 3, hhCrossedEllipse, true}, AScale);
  Apply(*FCustom, custom, AScale);
}

}  // namespace tarnwick
