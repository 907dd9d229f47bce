// The block's parts and properties: construction, setters that repaint, the views of the
// default text cell, and the published table that decides what a document holds.
#include "diagram/model/CustomBlock.h"

#include "diagram/model/DiagramHost.h"
#include "diagram/model/Gradient.h"
#include "diagram/model/Shadow.h"
#include "platform/core/Properties.h"
#include "platform/core/Strings.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

const TClassInfo& TCustomDiagramBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  using C = TDiagramControl;
  // Stream order is the order of this table.
  static const TClassInfo info(
      "TCustomDiagramBlock", &TDiagramControl::StaticClassInfo(),
      {FloatProp("Left", ftDouble, &B::GetLeft, &B::SetLeft, true),
       FloatProp("Top", ftDouble, &B::GetTop, &B::SetTop, true),
       // Width, Height and CornerRadius are written even when 0: the constructor gives them
       // 50, 50 and 25, so leaving a 0 out would read back as that value instead.
       FloatProp("Width", ftDouble, &B::GetWidth, &B::SetWidth),
       FloatProp("Height", ftDouble, &B::GetHeight, &B::SetHeight),
       FloatProp("CornerRadius", ftDouble, &B::GetCornerRadius, &B::SetCornerRadius),
       FloatProp("Angle", ftDouble, static_cast<double (B::*)() const>(&C::GetAngle), &B::SetAngle, true),
       ObjectProp("Brush", TBrush::StaticClassInfo(), &B::GetBrush, &B::SetBrush),
       ObjectProp("SelBrush", TBrush::StaticClassInfo(), &B::GetSelBrush, &B::SetSelBrush),
       ColorProp("Color", &B::GetColor, &B::SetColor),
       ColorProp("SelColor", &B::GetSelColor, &B::SetSelColor),
       ObjectProp("Pen", TPen::StaticClassInfo(), &B::GetPen, &B::SetPen),
       EnumProp("Shape", BlockShapeType(), &B::GetShape, &B::SetShape),
       ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&C::GetLinkPoints), &B::SetLinkPoints),
       ObjectProp("Strings", TStrings::StaticClassInfo(), &B::GetStrings, &B::SetStrings).NotStored(),
       EnumProp("Alignment", AlignmentType(), &B::GetAlignment, &B::SetAlignment).NotStored(),
       EnumProp("VertAlign", VertAlignType(), &B::GetVertAlign, &B::SetVertAlign).NotStored(),
       BoolProp("ClipText", &B::GetClipText, &B::SetClipText),
       BoolProp("WordWrap", &B::GetWordWrap, &B::SetWordWrap).NotStored(),
       ObjectProp("TextCells", TTextCells::StaticClassInfo(), &C::GetTextCells, &C::SetTextCells),
       SetProp("Restrictions", ControlRestrictionType(), &C::GetRestrictions, &C::SetRestrictions),
       ObjectProp("Font", TFont::StaticClassInfo(), &C::GetFont, &C::SetFont)
           .StoredIf([](TPersistent& o) { return static_cast<B&>(o).IsFontStored(); }),
       BoolProp("DiagramFont", &C::GetDiagramFont, &C::SetDiagramFont),
       IntProp("MinWidth", &B::GetMinWidth, &B::SetMinWidth),
       IntProp("MinHeight", &B::GetMinHeight, &B::SetMinHeight),
       ObjectProp("Shadow", TBlockShadow::StaticClassInfo(), &B::GetShadow, &B::SetShadow),
       BoolProp("ShowHint", &C::GetShowHint, &C::SetShowHint)
           .StoredIf([](TPersistent& o) { return static_cast<B&>(o).IsShowHintStored(); }),
       BoolProp("ParentShowHint", &C::GetParentShowHint, &C::SetParentShowHint),
       StringProp("Hint", &C::GetHint, &C::SetHint, true),
       ObjectProp("Gradient", TDiagramGradient::StaticClassInfo(), &B::GetGradient, &B::SetGradient),
       ObjectProp("Bitmap", TBitmap::StaticClassInfo(), &B::StreamedBitmap, &B::SetBitmap),
       EnumProp("BitmapMode", BitmapModeType(), &B::GetBitmapMode, &B::SetBitmapMode),
       BoolProp("BitmapTransparent", &B::GetBitmapTransparent, &B::SetBitmapTransparent),
       ObjectProp("Metafile", TMetafile::StaticClassInfo(), &B::StreamedMetafile, &B::SetMetafile),
       ObjectProp("Picture", TPicture::StaticClassInfo(), &B::StreamedPicture, &B::SetPicture),
       EnumProp("PictureMode", PictureModeType(), &B::GetPictureMode, &B::SetPictureMode),
       BoolProp("Transparent", &B::GetTransparent, &B::SetTransparent),
       CursorProp("Cursor", &C::GetCursor, &C::SetCursor),
       StringProp("StringData", &C::GetStringData, &C::SetStringData, true),
       BoolProp("Visible", &C::GetVisible, &C::SetVisible),
       IntProp("Layer", &C::GetLayer, &C::SetLayer),
       StringProp("LayerName", &C::GetLayerName, &C::SetLayerName, true),
       IntProp("Transparency", &C::GetTransparency, &C::SetTransparency),
       // Users flip blocks like they turn them; without these a flipped block would come
       // back unflipped from its file. Written only when set, so other files are unchanged.
       BoolProp("HorizontalFlip", &B::GetHorizontalFlip, &B::SetHorizontalFlip, false),
       BoolProp("VerticalFlip", &B::GetVerticalFlip, &B::SetVerticalFlip, false)});
  return info;
}

TCustomDiagramBlock::TCustomDiagramBlock(TComponent* AOwner) : TDiagramControl(AOwner) {
  auto redraw = [this](TObject*) { Redraw(); };
  FBrush = MakeOwned<TBrush>();
  FBrush->SetColor(clBlack);
  FBrush->SetStyle(bsClear);
  FBrush->OnChange = redraw;
  FPen = MakeOwned<TPen>();
  FPen->SetColor(clBlack);
  FPen->SetStyle(psSolid);
  FPen->OnChange = [this](TObject*) {
    PenChanged();
    Redraw();
  };
  FShadow = MakeOwned<TBlockShadow>(this);
  FGradient = MakeOwned<TDiagramGradient>(this);
  // The default cell covers the whole original rectangle.
  DefaultTextCell()->SetBounds(0, 0, 100, 100);
  FWidth = 50;
  FHeight = 50;
  UpdateBlockHandles();
}

TCustomDiagramBlock::~TCustomDiagramBlock() = default;

TBrush* TCustomDiagramBlock::GetSelBrush() const {
  if (!FSelBrush) {
    FSelBrush = MakeOwned<TBrush>();
    FSelBrush->SetColor(clBlack);
    FSelBrush->SetStyle(bsClear);
    FSelBrush->OnChange = [this](TObject*) { const_cast<TCustomDiagramBlock*>(this)->Redraw(); };
  }
  return FSelBrush.get();
}

void TCustomDiagramBlock::BeforeDestruction() {
  TDiagramControl::BeforeDestruction();
  FStrings.reset();
  FShadow.reset();
  FGradient.reset();
  FBitmap.reset();
  FMetafile.reset();
  FPicture.reset();
  FBrush.reset();
  FSelBrush.reset();
  FPen.reset();
}

void TCustomDiagramBlock::Modify() {
  if (GetDiagramHost()) GetDiagramHost()->Modified();
}

// The diagram does not report bulk positioning to its controls yet, so every change
// repaints; repaint requests are coalesced by the diagram anyway.
bool TCustomDiagramBlock::PositioningInBulk() const { return false; }

// ---- Simple setters: store, then repaint ----

namespace {
template <class T>
bool StoreValue(T& Field, T Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace

void TCustomDiagramBlock::SetShape(TBlockShape Value) {
  if (StoreValue(FShape, Value)) Redraw();
}
void TCustomDiagramBlock::SetCornerRadius(double Value) {
  if (StoreValue(FCornerRadius, Value)) Redraw();
}
void TCustomDiagramBlock::SetColor(TColor Value) {
  if (StoreValue(FColor, Value)) Redraw();
}
void TCustomDiagramBlock::SetSelColor(TColor Value) {
  if (StoreValue(FSelColor, Value)) Redraw();
}
void TCustomDiagramBlock::SetTransparent(bool Value) {
  if (StoreValue(FTransparent, Value)) Redraw();
}
void TCustomDiagramBlock::SetClipText(bool Value) {
  if (StoreValue(FClipText, Value)) Redraw();
}
void TCustomDiagramBlock::SetBitmapMode(TBitmapMode Value) {
  if (StoreValue(FBitmapMode, Value)) Redraw();
}
void TCustomDiagramBlock::SetPictureMode(TPictureMode Value) {
  if (StoreValue(FPictureMode, Value)) Redraw();
}
void TCustomDiagramBlock::SetHorizontalFlip(bool Value) {
  if (StoreValue(FHorizontalFlip, Value)) {
    NotifyAnchoreds(acPosition);
    Redraw();
  }
}
void TCustomDiagramBlock::SetVerticalFlip(bool Value) {
  if (StoreValue(FVerticalFlip, Value)) {
    NotifyAnchoreds(acPosition);
    Redraw();
  }
}

void TCustomDiagramBlock::SetMinWidth(int Value) { FMinWidth = Value < 5 ? 5 : Value; }
void TCustomDiagramBlock::SetMinHeight(int Value) { FMinHeight = Value < 5 ? 5 : Value; }

void TCustomDiagramBlock::SetRotationStep(int Value) {
  FRotationStep = Value <= 0 ? 1 : (Value > 180 ? 180 : Value);
}

// Object values are copied; the owned objects' OnChange repaints.
void TCustomDiagramBlock::SetBrush(TBrush* Value) { FBrush->Assign(Value); }
void TCustomDiagramBlock::SetSelBrush(TBrush* Value) { GetSelBrush()->Assign(Value); }
void TCustomDiagramBlock::SetPen(TPen* Value) { FPen->Assign(Value); }
void TCustomDiagramBlock::SetShadow(TBlockShadow* Value) { FShadow->Assign(Value); }
void TCustomDiagramBlock::SetGradient(TDiagramGradient* Value) { FGradient->Assign(Value); }
void TCustomDiagramBlock::GraphicChanged() const {
  FDgrGraphicsStale = true;
  const_cast<TCustomDiagramBlock*>(this)->Redraw();
}

TBitmap* TCustomDiagramBlock::GetBitmap() const {
  if (!FBitmap) {
    FBitmap = MakeOwned<TBitmap>();
    FBitmap->OnChange = [this](TObject*) { GraphicChanged(); };
  }
  return FBitmap.get();
}

TMetafile* TCustomDiagramBlock::GetMetafile() const {
  if (!FMetafile) {
    FMetafile = MakeOwned<TMetafile>();
    FMetafile->OnChange = [this](TObject*) { GraphicChanged(); };
  }
  return FMetafile.get();
}

TPicture* TCustomDiagramBlock::GetPicture() const {
  if (!FPicture) {
    FPicture = MakeOwned<TPicture>();
    FPicture->OnChange = [this](TObject*) { GraphicChanged(); };
  }
  return FPicture.get();
}

TBitmap* TCustomDiagramBlock::StreamedBitmap() const { return FBitmap || !IsWriting() ? GetBitmap() : nullptr; }
TMetafile* TCustomDiagramBlock::StreamedMetafile() const {
  return FMetafile || !IsWriting() ? GetMetafile() : nullptr;
}
TPicture* TCustomDiagramBlock::StreamedPicture() const {
  return FPicture || !IsWriting() ? GetPicture() : nullptr;
}

void TCustomDiagramBlock::SetBitmap(TBitmap* Value) {
  GetBitmap()->Assign(Value);
  Redraw();
}
void TCustomDiagramBlock::SetMetafile(TMetafile* Value) {
  GetMetafile()->Assign(Value);
  Redraw();
}
void TCustomDiagramBlock::SetPicture(TPicture* Value) {
  GetPicture()->Assign(Value);
  Redraw();
}
void TCustomDiagramBlock::SetLinkPoints(TLinkPoints* Value) { GetLinkPoints()->Assign(Value); }

bool TCustomDiagramBlock::GetBitmapTransparent() const { return FBitmap && FBitmap->GetTransparent(); }
void TCustomDiagramBlock::SetBitmapTransparent(bool Value) {
  if (GetBitmapTransparent() == Value) return;
  GetBitmap()->SetTransparent(Value);
  Redraw();
}

// ---- Views of the default text cell ----

TStrings* TCustomDiagramBlock::GetStrings() {
  if (!FStrings) {
    FStrings = MakeOwned<TStringList>();
    FStrings->OnChange = [this](TObject*) {
      if (!FSyncingStrings) StringsChanged();
    };
  }
  // The cell may have been edited directly since the list was last read.
  const QString text = DefaultTextCell()->GetText();
  if (FStrings->GetText() != text) {
    FSyncingStrings = true;
    FStrings->SetText(text);
    FSyncingStrings = false;
  }
  return FStrings.get();
}

void TCustomDiagramBlock::SetStrings(TStrings* Value) {
  if (!Value) return;
  GetStrings()->Assign(Value);
  StringsChanged();
}

void TCustomDiagramBlock::StringsChanged() {
  if (FStrings) DefaultTextCell()->SetText(FStrings->GetText());
  Redraw();
}

TAlignment TCustomDiagramBlock::GetAlignment() { return DefaultTextCell()->GetAlignment(); }
void TCustomDiagramBlock::SetAlignment(TAlignment Value) { DefaultTextCell()->SetAlignment(Value); }
TVertAlign TCustomDiagramBlock::GetVertAlign() { return DefaultTextCell()->GetVertAlign(); }
void TCustomDiagramBlock::SetVertAlign(TVertAlign Value) { DefaultTextCell()->SetVertAlign(Value); }
bool TCustomDiagramBlock::GetWordWrap() { return DefaultTextCell()->GetWordWrap(); }
void TCustomDiagramBlock::SetWordWrap(bool Value) { DefaultTextCell()->SetWordWrap(Value); }
bool TCustomDiagramBlock::GetRotateFont() { return DefaultTextCell()->GetRotateFont(); }
void TCustomDiagramBlock::SetRotateFont(bool Value) { DefaultTextCell()->SetRotateFont(Value); }

// ---- Diagram membership and loading ----

void TCustomDiagramBlock::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  // Handles already laid out for the new diagram's style stay as they are: documents join
  // thousands of blocks to one diagram.
  if (HandlesNeedLayout(ANew)) UpdateBlockHandles();
  if (AOld) {
    NotifyAnchoreds(acRemoval);
    DiagramHostOf(AOld)->RemoveBlock(this);
  }
  TDiagramControl::DiagramChanged(AOld, ANew);
  if (ANew) {
    // Adding the block raises the diagram's Modified.
    DiagramHostOf(ANew)->AddBlock(this);
    ApplyParentShowHint();
  }
}

void TCustomDiagramBlock::SelectedChanged() {
  if (GetDiagramHost()) Redraw();
}

void TCustomDiagramBlock::Loaded() {
  TDiagramControl::Loaded();
  ApplyParentShowHint();
}

}  // namespace tarnwick
