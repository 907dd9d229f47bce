#include "diagram/model/DiagramControl.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrPath.h"
#include "graphics/direct2d/D2DException.h"

#include "diagram/model/DiagramHost.h"
#include "diagram/model/Layers.h"
#include "platform/core/Consts.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

// Keeps a diagram's selection bracket balanced when a notification handler throws.
class TSelectionBracket {
 public:
  explicit TSelectionBracket(TDiagramHost* AHost) : FHost(AHost) { FHost->BeginUpdateSel(); }
  ~TSelectionBracket() { FHost->EndUpdateSel(); }
  TSelectionBracket(const TSelectionBracket&) = delete;
  TSelectionBracket& operator=(const TSelectionBracket&) = delete;

 private:
  TDiagramHost* FHost;
};

constexpr TSquare DefaultOriginalRect{0, 0, 100, 100};

}  // namespace

TDiagramControl::TDiagramControl(TComponent* AOwner) : TDiagramControl(AOwner, TLinkPoint::StaticClassInfo()) {}

TDiagramControl::TDiagramControl(TComponent* AOwner, const TClassInfo& ALinkPointClass) : TComponent(AOwner) {
  FHandles = MakeOwned<TStretchHandles>(this);
  FLinkPoints = MakeOwned<TLinkPoints>(this, ALinkPointClass);
  FDrawer = MakeOwned<TBlockDrawer>();
  FDrawer->SetOriginalRect(DefaultOriginalRect);
  FFont = MakeOwned<TFont>();
  FFont->OnChange = [this](TObject*) { FontChanged(); };
  FTextCells = MakeOwned<TTextCells>(this);
  FGraphicLib = DefaultGraphicLib();
}

TDiagramControl::~TDiagramControl() = default;

// The engine drawer is made on first use (GetDgrDrawer), not here.
void TDiagramControl::AfterConstruction() { TComponent::AfterConstruction(); }

void TDiagramControl::BeforeDestruction() {
  Destroying();
  if (FGroupBlock) {
    TDiagramControl* group = FGroupBlock;
    group->RemoveMember(this);
    FGroupBlock = nullptr;
  }
  SetDiagram(nullptr);
  // The owned parts go in this order while the control is still whole: a dying cell or
  // handle reports to the control's (overridden) hooks, and a dying link point releases
  // the lines anchored to it.
  FTextCells.reset();
  FFont.reset();
  FDrawer.reset();
  FTempDrawer.reset();
  FHandlesAppearance.reset();
  FHandles.reset();
  // The points go while the collection is still reachable through the control: a point
  // anchored to another point of the same control must find it to unregister.
  if (FLinkPoints) FLinkPoints->Clear();
  FLinkPoints.reset();
  FLinkPointPen.reset();
  FLinkPointBrush.reset();
  FreeDgrDrawer();
  TComponent::BeforeDestruction();
}

// ---- Diagram membership ----

void TDiagramControl::SetDiagram(TdvDiagram* Value) {
  if (Value == FDiagram) return;
  TdvDiagram* oldDiagram = FDiagram;
  TDiagramHost* oldHost = FHost;
  FDiagram = Value;
  FHost = Value ? DiagramHostOf(Value) : nullptr;
  DiagramChanged(oldDiagram, Value);
  if (oldHost) oldHost->RemoveDControl(this);
  // A layer object belongs to one diagram.
  FLayerObj = nullptr;
  RecreateDgrDrawer();
  if (FHost) {
    FHost->AddDControl(this);
    if (!FLayerNameFix.isEmpty()) {
      QString pending = FLayerNameFix;
      FLayerNameFix.clear();
      TDiagramLayers* layers = FHost->GetLayers();
      SetLayerObj(layers ? layers->FindByName(pending) : nullptr);
    }
  }
}

void TDiagramControl::DiagramChanged(TdvDiagram*, TdvDiagram* ANew) {
  if (ANew && FDiagramFont) ApplyDiagramFont();
}

// ---- Selection ----

bool TDiagramControl::GetSelected() const { return FSelected && CanSelect(); }

void TDiagramControl::SetSelected(bool Value) {
  if (!CanSelect()) Value = false;
  if (Value == FSelected) return;
  if (Value && !IsVisible()) return;
  FSelected = Value;
  if (FHost) {
    TSelectionBracket bracket(FHost);
    if (Value)
      FHost->DControlSelected(this);
    else
      FHost->DControlUnselected(this);
  }
  SelectedChanged();
}

void TDiagramControl::UnselectIfHidden() {
  if (FSelected && !IsVisible()) SetSelected(false);
}

// ---- Owned parts ----

void TDiagramControl::SetTextCells(TTextCells* Value) { FTextCells->Assign(Value); }
void TDiagramControl::SetLinkPointPen(TPen* Value) { GetLinkPointPen()->Assign(Value); }
void TDiagramControl::SetLinkPointBrush(TBrush* Value) { GetLinkPointBrush()->Assign(Value); }

TPen* TDiagramControl::GetLinkPointPen() const {
  if (!FLinkPointPen) {
    FLinkPointPen = MakeOwned<TPen>();
    FLinkPointPen->SetColor(clBlue);
    FLinkPointPen->SetStyle(psSolid);
  }
  return FLinkPointPen.get();
}

TBrush* TDiagramControl::GetLinkPointBrush() const {
  if (!FLinkPointBrush) {
    FLinkPointBrush = MakeOwned<TBrush>();
    FLinkPointBrush->SetColor(clBlack);
    FLinkPointBrush->SetStyle(bsSolid);
  }
  return FLinkPointBrush.get();
}

void TDiagramControl::SetLinkPointStyle(TLinkPointStyle Value) {
  if (FLinkPointStyle == Value) return;
  FLinkPointStyle = Value;
  Redraw();
}

const TClassInfo& TDiagramControl::LinkPointClass() const { return FLinkPoints->GetItemClass(); }

QString TDiagramControl::GetDControlID() const { return FDControlID.isEmpty() ? ClassName() : FDControlID; }

bool TDiagramControl::HasCustomDControlID() const { return GetDControlID() != ClassName(); }

// ---- Hint and font ----

void TDiagramControl::SetShowHint(bool Value) {
  FShowHint = Value;
  FParentShowHint = false;
}

void TDiagramControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value) ApplyParentShowHint();
}

void TDiagramControl::ApplyParentShowHint() {
  if (FParentShowHint && FHost) FShowHint = FHost->GetShowHint();
}

void TDiagramControl::SetFont(TFont* Value) { FFont->Assign(Value); }

void TDiagramControl::SetDiagramFont(bool Value) {
  if (FDiagramFont == Value) return;
  FDiagramFont = Value;
  if (Value) ApplyDiagramFont();
}

void TDiagramControl::ApplyDiagramFont() {
  if (!FHost || !FFont) return;
  TFont* diagramFont = FHost->GetFont();
  if (!diagramFont) return;
  const TScopedValue<bool> applying(FApplyingDiagramFont, true);
  FFont->Assign(diagramFont);
}

void TDiagramControl::FontChanged() {
  if (!FApplyingDiagramFont) FDiagramFont = false;
  if (FTextCells)
    for (int i = 0; i < FTextCells->Count(); ++i) {
      TTextCell* cell = FTextCells->GetItems(i);
      if (cell->GetDControlFont()) cell->FollowControlFont(FFont.get());
    }
  Redraw();
}

// ---- Visibility and layers ----

void TDiagramControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  UnselectIfHidden();
  Redraw();
}

void TDiagramControl::SetLayer(int Value) {
  if (FLayerInteger == Value) return;
  FLayerInteger = Value;
  UnselectIfHidden();
  Redraw();
}

void TDiagramControl::SetLayerObj(TDiagramLayer* Value) {
  if (Value && (!FHost || Value->GetHost() != FHost)) Value = nullptr;
  if (FLayerObj == Value) return;
  FLayerObj = Value;
  UnselectIfHidden();
  Redraw();
}

QString TDiagramControl::GetLayerName() const { return FLayerObj ? FLayerObj->GetLayerName() : QString(); }

void TDiagramControl::SetLayerName(const QString& Value) {
  FLayerNameFix.clear();
  if (FHost) {
    TDiagramLayers* layers = FHost->GetLayers();
    SetLayerObj(layers ? layers->FindByName(Value) : nullptr);
  } else if (IsLoading()) {
    FLayerNameFix = Value;
  }
}

void TDiagramControl::LayerDestroying(TDiagramLayer* ALayer) {
  if (!ALayer || FLayerObj != ALayer) return;
  if (FHost && FHost->GetHostComponent()->IsLoading()) FLayerNameFix = ALayer->GetLayerName();
  SetLayerObj(nullptr);
}

void TDiagramControl::SetCollapsed(bool Value) { FCollapsed = Value; }

// ---- Appearance and engine ----

void TDiagramControl::SetIsBackgroundControl(bool Value) {
  FIsBackgroundControl = Value;
  Redraw();
}

void TDiagramControl::SetTransparency(int Value) {
  if (FTransparency == Value) return;
  FTransparency = Value;
  Redraw();
}

void TDiagramControl::SetAngle(double Value) {
  if (FAngle == Value) return;
  double old = FAngle;
  FAngle = Value;
  AngleChanged(Value, old);
}

void TDiagramControl::AngleChanged(double, double) { SyncAngle(); }

void TDiagramControl::SyncAngle() {
  if (!FTextCells) return;
  for (int i = 0; i < FTextCells->Count(); ++i) {
    TTextCell* cell = FTextCells->GetItems(i);
    if (cell->GetDControlAngle()) cell->FollowControlAngle(FAngle);
  }
}

void TDiagramControl::SetPaintMode(TDControlPaintMode AMode) {
  FIntPaintMode = AMode;
  if (AsMember()) FGroupBlock->SetPaintMode(AMode);
}

void TDiagramControl::SetGraphicLib(TDgrGraphicLib Value) {
  if (Value == EffectiveGraphicLib()) return;
  // Choosing an engine the platform lacks fails here, before anything changes; a stored
  // document asking for it still loads (its controls draw with GDI+, RecreateDgrDrawer).
  if (Value == dglDirect2D && !GetComponentState().Contains(csReading) && !GetComponentState().Contains(csLoading))
    RequireDirect2D();
  FGraphicLib = Value;
  FCustomGraphicLib = true;
  RecreateDgrDrawer();
  Redraw();
}

TSquare TDiagramControl::GetOriginalRect() const { return FDrawer->GetOriginalRect(); }

void TDiagramControl::SetOriginalRect(const TSquare& R) {
  FDrawer->SetOriginalRect(R);
  // The engine drawer's source rectangle is the same space: a shape stated in it must land
  // on the block alike in every engine.
  if (FDgrDrawer) FDgrDrawer->SetSourceRect(R);
}

// ---- Groups ----

TDiagramControl* TDiagramControl::GetMasterGroup() const {
  const TDiagramControl* start = IsGroup() ? this : FGroupBlock;
  if (!start) return nullptr;
  while (start->FGroupBlock) start = start->FGroupBlock;
  return const_cast<TDiagramControl*>(start);
}

bool TDiagramControl::AsMember() const { return FGroupBlock && FGroupBlock->GetSelected(); }

TDiagramControl* TDiagramControl::GetMember(int Index) const { throw EListError(msg::ListIndexError, Index); }

void TDiagramControl::RemoveMember(TDiagramControl*) {}
void TDiagramControl::MoveMember(TDiagramControl*, int) {}

// ---- Operations ----

void TDiagramControl::BringToFront() {
  if (FHost) FHost->BringToFront(this);
}

void TDiagramControl::SendToBack() {
  if (FHost) FHost->SendToBack(this);
}

void TDiagramControl::MakeVisible() {
  if (FHost) FHost->MakeControlVisible(this);
}

void TDiagramControl::Redraw() {
  if (FHost) FHost->RequestRedraw();
}

void TDiagramControl::TextCellsChanged() { Redraw(); }

TSquare TDiagramControl::CellRectToDiagram(TTextCell*, const TSquare& R) { return R; }

void TDiagramControl::NotifyHandleDestroying(TStretchHandle*) {}

void TDiagramControl::NotifyTextCellDestroying(TTextCell* ACell) {
  if (FHost) FHost->TextCellDestroying(ACell);
}

TLinkPoint* TDiagramControl::HandleLinkPoint(TStretchHandle*) { return nullptr; }

void TDiagramControl::SetupDgrDrawer(TDgrBlockDrawer*) {}
void TDiagramControl::SetupDrawer(TBlockDrawer*) {}
void TDiagramControl::CalcSize(TCanvas*) {}
void TDiagramControl::SnapToGrid(double, double) {}

TDot TDiagramControl::GetHandlePoint(TStretchHandle* AHandle) { return AHandle->GetOrPoint(); }

TDot TDiagramControl::GetLinkPointPoint(TLinkPoint* ALinkPoint) { return ALinkPoint->GetOrPoint(); }

TBlockDrawer* TDiagramControl::GetTempDrawer() const {
  if (!FTempDrawer) {
    FTempDrawer = MakeOwned<TBlockDrawer>();
    FTempDrawer->SetOriginalRect(DefaultOriginalRect);
  }
  return FTempDrawer.get();
}

THandlesAppearance* TDiagramControl::GetHandlesAppearance() const {
  if (!FHandlesAppearance) FHandlesAppearance = MakeOwned<THandlesAppearance>();
  return FHandlesAppearance.get();
}

}  // namespace tarnwick
