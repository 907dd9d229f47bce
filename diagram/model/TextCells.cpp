#include "diagram/model/TextCells.h"

#include <algorithm>

#include "diagram/model/DiagramControl.h"
#include "geometry/Squares.h"
#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

// ---- Frame ----

const TClassInfo& TTextCellFrame::StaticClassInfo() {
  static const TClassInfo info(
      "TTextCellFrame", &TPersistent::StaticClassInfo(),
      {ColorProp("Color", &TTextCellFrame::GetColor, &TTextCellFrame::SetColor),
       ObjectProp("Brush", TBrush::StaticClassInfo(), &TTextCellFrame::GetBrush, &TTextCellFrame::SetBrush),
       ObjectProp("Pen", TPen::StaticClassInfo(), &TTextCellFrame::GetPen, &TTextCellFrame::SetPen),
       BoolProp("Transparent", &TTextCellFrame::GetTransparent, &TTextCellFrame::SetTransparent),
       BoolProp("AutoFrame", &TTextCellFrame::GetAutoFrame, &TTextCellFrame::SetAutoFrame),
       IntProp("AutoFrameMargin", &TTextCellFrame::GetAutoFrameMargin, &TTextCellFrame::SetAutoFrameMargin),
       BoolProp("Visible", &TTextCellFrame::GetVisible, &TTextCellFrame::SetVisible)});
  return info;
}

TTextCellFrame::TTextCellFrame(TTextCell* ACell) : FTextCell(ACell) {}

TTextCellFrame::~TTextCellFrame() = default;

TBrush* TTextCellFrame::GetBrush() const {
  if (!FBrush) {
    FBrush = MakeOwned<TBrush>();
    FBrush->OnChange = [this](TObject*) { const_cast<TTextCellFrame*>(this)->Changed(); };
  }
  return FBrush.get();
}

TPen* TTextCellFrame::GetPen() const {
  if (!FPen) {
    FPen = MakeOwned<TPen>();
    FPen->OnChange = [this](TObject*) { const_cast<TTextCellFrame*>(this)->Changed(); };
  }
  return FPen.get();
}

void TTextCellFrame::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TTextCellFrame*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  SetColor(src->FColor);
  // Neither made on either side: both are the defaults already.
  if (FBrush || src->FBrush) GetBrush()->Assign(src->GetBrush());
  if (FPen || src->FPen) GetPen()->Assign(src->GetPen());
  SetTransparent(src->FTransparent);
  SetAutoFrame(src->FAutoFrame);
  SetAutoFrameMargin(src->FAutoFrameMargin);
  SetVisible(src->FVisible);
}

void TTextCellFrame::Changed() {
  if (!FTextCell) return;
  if (TDiagramControl* control = FTextCell->GetDControl()) control->Redraw();
}

void TTextCellFrame::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TTextCellFrame::SetBrush(TBrush* Value) { GetBrush()->Assign(Value); }
void TTextCellFrame::SetPen(TPen* Value) { GetPen()->Assign(Value); }

void TTextCellFrame::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Changed();
}

void TTextCellFrame::SetAutoFrame(bool Value) {
  if (FAutoFrame == Value) return;
  FAutoFrame = Value;
  Changed();
}

void TTextCellFrame::SetAutoFrameMargin(int Value) {
  if (FAutoFrameMargin == Value) return;
  FAutoFrameMargin = Value;
  Changed();
}

void TTextCellFrame::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed();
}

// ---- Cell ----

namespace {
bool FontFollowsControl(TPersistent& p) { return !static_cast<TTextCell&>(p).GetDControlFont(); }
bool AngleIsOwn(TPersistent& p) { return !static_cast<TTextCell&>(p).GetDControlAngle(); }
}  // namespace

const TClassInfo& TTextCell::StaticClassInfo() {
  static const TClassInfo info(
      "TTextCell", &TCollectionItem::StaticClassInfo(),
      {ObjectProp("Font", TFont::StaticClassInfo(), &TTextCell::GetFont, &TTextCell::SetFont)
           .StoredIf(FontFollowsControl),
       BoolProp("DControlAngle", &TTextCell::GetDControlAngle, &TTextCell::SetDControlAngle),
       FloatProp("Angle", ftDouble, &TTextCell::GetAngle, &TTextCell::SetAngle, true).StoredIf(AngleIsOwn),
       FloatProp("Left", ftDouble, &TTextCell::GetLeft, &TTextCell::SetLeft, true),
       FloatProp("Top", ftDouble, &TTextCell::GetTop, &TTextCell::SetTop, true),
       FloatProp("Width", ftDouble, &TTextCell::GetWidth, &TTextCell::SetWidth, true),
       FloatProp("Height", ftDouble, &TTextCell::GetHeight, &TTextCell::SetHeight, true),
       StringProp("Text", &TTextCell::GetText, &TTextCell::SetText, true),
       BoolProp("Clip", &TTextCell::GetClip, &TTextCell::SetClip),
       BoolProp("WordWrap", &TTextCell::GetWordWrap, &TTextCell::SetWordWrap),
       BoolProp("DControlFont", &TTextCell::GetDControlFont, &TTextCell::SetDControlFont),
       EnumProp("Alignment", AlignmentType(), &TTextCell::GetAlignment, &TTextCell::SetAlignment),
       EnumProp("VertAlign", VertAlignType(), &TTextCell::GetVertAlign, &TTextCell::SetVertAlign),
       BoolProp("RotateFont", &TTextCell::GetRotateFont, &TTextCell::SetRotateFont),
       ObjectProp("CellFrame", TTextCellFrame::StaticClassInfo(), &TTextCell::GetCellFrame,
                  &TTextCell::SetCellFrame),
       BoolProp("Visible", &TTextCell::GetVisible, &TTextCell::SetVisible),
       BoolProp("ReadOnly", &TTextCell::GetReadOnly, &TTextCell::SetReadOnly),
       BoolProp("ParentTransparency", &TTextCell::GetParentTransparency, &TTextCell::SetParentTransparency, true),
       IntProp("Transparency", &TTextCell::GetTransparency, &TTextCell::SetTransparency)},
      {}, [](TCollection* c) { return Create<TTextCell>(c); });
  return info;
}

TTextCell::TTextCell(TCollection* Collection) : TCollectionItem(Collection) {
  FFont = MakeOwned<TFont>();
  FCellFrame = MakeOwned<TTextCellFrame>(this);
  if (TDiagramControl* control = GetDControl()) {
    if (control->GetFont()) {
      FFollowingFont = true;
      FFont->Assign(control->GetFont());
      FFollowingFont = false;
    }
    FAngle = control->GetAngle();
  }
  FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TTextCell::~TTextCell() = default;

void TTextCell::BeforeDestruction() {
  if (TDiagramControl* control = GetDControl()) control->NotifyTextCellDestroying(this);
  TCollectionItem::BeforeDestruction();
}

void TTextCell::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TTextCell*>(Source);
  if (!src) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetBoundsRect(src->GetBoundsRect());
  SetAngle(src->FAngle);
  SetDControlAngle(src->FDControlAngle);
  SetText(src->FText);
  SetClip(src->FClip);
  SetWordWrap(src->FWordWrap);
  SetAlignment(src->FAlignment);
  SetVertAlign(src->FVertAlign);
  SetRotateFont(src->FRotateFont);
  SetVisible(src->FVisible);
  SetReadOnly(src->FReadOnly);
  SetFont(src->FFont.get());
  // The copied font is the cell's own even when it happens to equal the control's.
  if (FDControlFont) {
    FDControlFont = false;
    ItemChanged();
  }
}

TDiagramControl* TTextCell::GetDControl() const {
  auto* cells = dynamic_cast<TTextCells*>(GetCollection());
  return cells ? cells->GetDControl() : nullptr;
}

void TTextCell::FontChanged() {
  if (!FFollowingFont) FDControlFont = false;
  ItemChanged();
}

void TTextCell::FollowControlFont(TFont* AFont) {
  if (!AFont) return;
  const TScopedValue<bool> following(FFollowingFont, true);
  FFont->Assign(AFont);
}

void TTextCell::FollowControlAngle(double AAngle) {
  if (FAngle == AAngle) return;
  FAngle = AAngle;
  ItemChanged();
}

void TTextCell::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  ItemChanged();
}

void TTextCell::SetClip(bool Value) {
  if (FClip == Value) return;
  FClip = Value;
  ItemChanged();
}

void TTextCell::SetAngle(double Value) {
  if (FAngle == Value) return;
  FAngle = Value;
  FDControlAngle = false;
  ItemChanged();
}

void TTextCell::SetDControlAngle(bool Value) {
  if (FDControlAngle == Value) return;
  FDControlAngle = Value;
  TDiagramControl* control = GetDControl();
  if (Value) {
    if (control) FAngle = control->GetAngle();
  } else if (control && control->IsLoading()) {
    // The stream carries the cell's own angle after this flag, when it is not 0.
    FAngle = 0;
  }
  ItemChanged();
}

void TTextCell::SetLeft(double Value) { SetBoundsRect(TSquare{Value, FTop, Value + FWidth, FTop + FHeight}); }
void TTextCell::SetTop(double Value) { SetBoundsRect(TSquare{FLeft, Value, FLeft + FWidth, Value + FHeight}); }
void TTextCell::SetWidth(double Value) { SetBoundsRect(TSquare{FLeft, FTop, FLeft + Value, FTop + FHeight}); }
void TTextCell::SetHeight(double Value) { SetBoundsRect(TSquare{FLeft, FTop, FLeft + FWidth, FTop + Value}); }

void TTextCell::SetBounds(double ALeft, double ATop, double AWidth, double AHeight) {
  SetBoundsRect(TSquare{ALeft, ATop, ALeft + AWidth, ATop + AHeight});
}

void TTextCell::SetBoundsRect(const TSquare& Value) {
  TSquare r = DotsToSquare(Value.TopLeft(), Value.BottomRight());
  if (r == GetBoundsRect()) return;
  FLeft = r.Left;
  FTop = r.Top;
  FWidth = r.Right - r.Left;
  FHeight = r.Bottom - r.Top;
  ItemChanged();
}

void TTextCell::SetText(const QString& Value) {
  if (FText == Value) return;
  FText = Value;
  ItemChanged();
}

void TTextCell::SetFont(TFont* Value) { FFont->Assign(Value); }

void TTextCell::SetDControlFont(bool Value) {
  if (FDControlFont == Value) return;
  FDControlFont = Value;
  if (Value)
    if (TDiagramControl* control = GetDControl()) FollowControlFont(control->GetFont());
  ItemChanged();
}

void TTextCell::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  ItemChanged();
}

void TTextCell::SetVertAlign(TVertAlign Value) {
  if (FVertAlign == Value) return;
  FVertAlign = Value;
  ItemChanged();
}

void TTextCell::SetRotateFont(bool Value) {
  if (FRotateFont == Value) return;
  FRotateFont = Value;
  ItemChanged();
}

void TTextCell::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  ItemChanged();
}

void TTextCell::SetParentTransparency(bool Value) {
  if (FParentTransparency == Value) return;
  FParentTransparency = Value;
  ItemChanged();
}

void TTextCell::SetTransparency(int Value) {
  // A percentage: values outside it would turn into alpha values beyond a byte.
  Value = std::clamp(Value, 0, 100);
  if (FTransparency == Value) return;
  FTransparency = Value;
  ItemChanged();
}

void TTextCell::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  ItemChanged();
}

TSquare TTextCell::GetDiagramRect() const {
  TDiagramControl* control = GetDControl();
  return control ? control->CellRectToDiagram(const_cast<TTextCell*>(this), GetBoundsRect()) : GetBoundsRect();
}

TSquare TTextCell::GetPaintedRect() const {
  TDiagramControl* control = GetDControl();
  if (!control) return GetBoundsRect();
  bool painted = FCellFrame->GetAutoFrame() && FPaintedRectCalculated && control->GetSelectableTextCells();
  return control->CellRectToDiagram(const_cast<TTextCell*>(this), painted ? FPaintedRect : GetBoundsRect());
}

void TTextCell::SetPaintedRect(const TSquare& AOriginalRect) {
  FPaintedRect = AOriginalRect;
  FPaintedRectCalculated = true;
}

// ---- Collection ----

const TClassInfo& TTextCells::StaticClassInfo() {
  static const TClassInfo info("TTextCells", &TOwnedCollection::StaticClassInfo(), {});
  return info;
}

TTextCells::TTextCells(TDiagramControl* AControl)
    : TOwnedCollection(AControl, TTextCell::StaticClassInfo()), FDControl(AControl) {}

void TTextCells::Update(TCollectionItem* Item) {
  if (Item) static_cast<TTextCell*>(Item)->FPaintedRectCalculated = false;
  if (FDControl && !FDControl->IsDestroying()) FDControl->TextCellsChanged();
}

}  // namespace tarnwick
