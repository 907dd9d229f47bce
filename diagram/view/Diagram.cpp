// The diagram as a container: construction and teardown, membership, the controls
// pending insertion, streaming hooks, and the window's events handed to the collaborators.
#include "diagram/view/Diagram.h"

#include <QPainter>
#include <QWidget>

#include "diagram/Registration.h"
#include "diagram/view/DiagramClipboard.h"
#include "diagram/view/DiagramExporter.h"
#include "diagram/view/DiagramPainter.h"
#include "diagram/view/DiagramSelection.h"
#include "diagram/view/DiagramUndoStack.h"
#include "diagram/view/DiagramTextEditor.h"
#include "diagram/view/DiagramViewport.h"
#include "diagram/view/DiagramWindow.h"
#include "diagram/view/interaction/BrowseTool.h"
#include "diagram/view/interaction/DiagramTools.h"
#include <QWidget>
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"
#include "platform/gui/Picture.h"
#include "streaming/Reader.h"

namespace tarnwick {

TDiagramHost* DiagramHostOf(TdvDiagram* ADiagram) { return ADiagram; }

TdvDiagram* DiagramFromComponent(TComponent* AComponent) { return dynamic_cast<TdvDiagram*>(AComponent); }

TdvDiagram::TdvDiagram(TComponent* AOwner)
    : TDiagramPublished(AOwner),
      FUpdates(std::make_unique<TDiagramUpdates>(*this)),
      FControls(std::make_unique<TDiagramControlList>(*this)),
      FSelection(std::make_unique<TDiagramSelection>(*this)),
      FViewport(std::make_unique<TDiagramViewport>(*this)),
      FPainter(std::make_unique<TDiagramPainter>(*this)),
      FExporter(std::make_unique<TDiagramExporter>(*this)),
      FWindow(std::make_unique<TDiagramWindow>(*this)),
      FTools(std::make_unique<TDiagramTools>(*this)),
      FUndoStack(std::make_unique<TDiagramUndoStack>(*this)),
      FTextEditor(std::make_unique<TDiagramTextEditor>(*this)),
      FClipboard(std::make_unique<TDiagramClipboard>(*this)) {
  // A diagram can load any document of built-in controls without its user registering them.
  RegisterAllClasses();
  FLayers = MakeOwned<TDiagramLayers>(this);
  // Without a printer layer the page settings know no printer and use the fallback
  // resolution and the built-in paper table.
  FPageSettings = MakeOwned<TDiagramPageSettings>(this);
  FPageSettings->ResetToDefaults();
  FFont = MakeOwned<TFont>();
  FFont->OnChange = [this](TObject*) {
    FParentFont = false;
    // Controls that follow the diagram's font take it over.
    for (TDiagramControl* c : FControls->FDControls)
      if (c->GetDiagramFont()) c->ApplyDiagramFont();
    RequestRedraw();
  };
  FGraphicLib = DefaultGraphicLib();
  FViewport->FCurrentPPI = GetScreenPPI();
  FHorzScrollBar = MakeOwned<TDiagramScrollBar>(this, sbHorizontal);
  FVertScrollBar = MakeOwned<TDiagramScrollBar>(this, sbVertical);
  FSnapGrid = MakeOwned<TSnapGrid>(this);
  FPageLines = MakeOwned<TPageLines>(this);
  FBackground = MakeOwned<TDiagramBackground>(this);
  FTopRuler = MakeOwned<TDiagramRuler>(this, rpTop);
  FLeftRuler = MakeOwned<TDiagramRuler>(this, rpLeft);
  // The grid follows the rulers' tick spacing (SnapToRuler), and the rulers tell it when
  // that spacing changes.
  FSnapGrid->SetRulers(FTopRuler.get(), FLeftRuler.get());
  FTopRuler->SetSnapGrid(FSnapGrid.get());
  FLeftRuler->SetSnapGrid(FSnapGrid.get());
  SetBounds(GetLeft(), GetTop(), 200, 200);
  ResetToDefaults();
  FSelection->CreateSelBlock();
}

TdvDiagram::~TdvDiagram() = default;

void TdvDiagram::BeforeDestruction() {
  Destroying();
  FSelection->FreeSelBlock();
  FTextEditor->DiagramDestroying();
  FTools->FInsertDControl = nullptr;
  FPageSettings.reset();
  ClearDControls();
  FSubList.clear();
  TWinControl::BeforeDestruction();
  // The view objects outlive the window, so nothing it reports while it goes reaches a
  // freed one. The snap grid goes before the rulers it follows, so the two forget each
  // other first.
  FSnapGrid->SetRulers(nullptr, nullptr);
  FTopRuler->SetSnapGrid(nullptr);
  FLeftRuler->SetSnapGrid(nullptr);
  FBackground.reset();
  FSnapGrid.reset();
  FPageLines.reset();
  FTopRuler.reset();
  FLeftRuler.reset();
  FHorzScrollBar.reset();
  FVertScrollBar.reset();
  FLayers.reset();
  FFont.reset();
}

void TdvDiagram::ResetToDefaults() {
  FViewport->FOriginalPPI = 96;
  FTools->FMouseState = msBrowsing;
  FShowLinkPoints = true;
  FViewport->FPreviewZoom = 1.0;
  FViewport->ApplyZoomRatio(1.0);
  FPageSettings->ResetToDefaults();
  FBackground->SetVisible(false);
  FBackground->GetBitmap()->SetSize(0, 0);
  FBackground->GetPicture()->SetGraphic(nullptr);
  FSnapGrid->SetVisible(false);
  FSnapGrid->SetActive(false);
  FPageLines->SetVisible(false);
  // Layers belong to the document: one read in (or a step of the history) that has none
  // must not keep the previous document's.
  FLayers->Clear();
  RequestRedraw();
}

// ---- Lists and finding ----

int TdvDiagram::GetDiagramWidth() { return FControls->MaxRight(); }
int TdvDiagram::GetDiagramHeight() { return FControls->MaxBottom(); }
TDiagramControl* TdvDiagram::FindDControl(const QString& AName) const { return FControls->FindDControl(AName); }
TDiagramControl* TdvDiagram::FindBlock(const QString& AName) const { return FControls->FindBlock(AName); }
bool TdvDiagram::IsForeignOwned(TDiagramControl* AControl) const { return FControls->IsForeignOwned(AControl); }
QString TdvDiagram::FindCompName(TComponent* AComponent, QString ABaseName) {
  return FControls->FindCompName(AComponent, std::move(ABaseName));
}
TDiagramControl* TdvDiagram::LinkBetweenBlocks(TDiagramControl* ABlock1, TDiagramControl* ABlock2) const {
  return FControls->LinkBetween(ABlock1, ABlock2);
}
TSquare TdvDiagram::ContentBounds() { return FControls->ContentBounds(); }
void TdvDiagram::ClearDControls() { FControls->Clear(); }

// ---- Membership ----

void TdvDiagram::AddDControl(TDiagramControl* AControl) {
  if (!AControl || IsSelBlock(AControl)) return;
  const bool loading = IsLoading();
  if (AControl->GetName().isEmpty() && !loading) AControl->SetName(FindCompName(AControl, QString()));
  FControls->AddDControl(AControl);
  FSelection->Adopt(AControl);
  if (!loading) Fire(OnInsertDControl, this, AControl);
  if (!loading && FSnapGrid->GetActive() && FSnapGrid->GetForce() && AControl->FInBlockList)
    AControl->SnapToGrid(FSnapGrid->GetSizeX(), FSnapGrid->GetSizeY());
  if (!FViewport->RangesCover(AControl)) UpdateScrollRanges();
  RequestRedraw();
  Modified();
}

void TdvDiagram::RemoveDControl(TDiagramControl* AControl) {
  FTextEditor->ControlLeaving(AControl);
  if (IsSelBlock(AControl)) return;
  FTools->Forget(AControl);
  FControls->RemoveDControl(AControl);
  FSelection->FSelecteds.RemoveUnique(AControl);
  const bool destroying = IsDestroying();
  if (!destroying) Fire(OnRemoveDControl, this, AControl);
  if (!destroying && !FUpdates->Inside(ukPosition)) {
    UpdateScrollRanges();
    RequestRedraw();
  }
  Modified();
}

void TdvDiagram::AddBlock(TDiagramControl* ABlock) {
  if (IsSelBlock(ABlock) || !FControls->AddBlock(ABlock)) return;
  if (!IsLoading()) Fire(OnInsertBlock, this, ABlock);
  Modified();
}

void TdvDiagram::RemoveBlock(TDiagramControl* ABlock) { FControls->RemoveBlock(ABlock); }

void TdvDiagram::AddLink(TDiagramControl* ALink) {
  if (!FControls->AddLink(ALink)) return;
  if (!IsLoading()) Fire(OnInsertLink, this, ALink);
  Modified();
}

void TdvDiagram::RemoveLink(TDiagramControl* ALink) { FControls->RemoveLink(ALink); }

// ---- Inserting ----

TDiagramControl* TdvDiagram::CreateDControl(const TClassInfo* ADControlClass, const QString& ADControlID) {
  if (!ADControlClass || !ADControlClass->CanCreate() ||
      !ADControlClass->InheritsFrom(TDiagramControl::StaticClassInfo()))
    return nullptr;
  QString baseName;
  if (OnBeforeCreateControl) OnBeforeCreateControl(this, ADControlID, baseName);
  TComponent* owner = GetChildOwner() ? GetChildOwner() : this;
  auto* control = dynamic_cast<TDiagramControl*>(ADControlClass->CreateInstance(owner));
  if (!control) return nullptr;
  // A control that cannot be named is not handed out half made.
  TScopeExit freeControl([control] { control->Free(); });
  control->SetName(FindCompName(control, baseName));
  control->SetDControlID(ADControlID);
  freeControl.Dismiss();
  return control;
}

void TdvDiagram::StartInsertingControl(const TClassInfo* ADControlClass, bool AKeepInserting) {
  StartInsertingControl(CreateDControl(ADControlClass, QString()), AKeepInserting);
}

void TdvDiagram::StartInsertingControl(TDiagramControl* ADControl, bool AKeepInserting) {
  TDiagramTools& t = *FTools;
  t.FKeepInserting = AKeepInserting;
  if (t.FInsertDControl && t.FInsertDControl != ADControl) {
    TDiagramControl* pending = t.FInsertDControl;
    t.FInsertDControl = nullptr;
    pending->Free();
  }
  t.FInsertDControl = ADControl;
  if (ADControl) ADControl->FreeNotification(this);
  UnselectAll();
  t.FMouseState = ADControl && ADControl->GetInsertStyle() == isDraw ? msToDraw : msToInsert;
}

void TdvDiagram::CancelInsertingBlock() {
  TDiagramControl* pending = FTools->FInsertDControl;
  FTools->FInsertDControl = nullptr;
  if (pending) pending->Free();
  FTools->FMouseState = msBrowsing;
}

TDiagramControl* TdvDiagram::GetInsertDControl() const { return FTools->FInsertDControl; }
TMouseState TdvDiagram::GetMouseState() const { return FTools->FMouseState; }
void TdvDiagram::SetMouseState(TMouseState Value) { FTools->FMouseState = Value; }
TDot TdvDiagram::GetMovingStartPoint() const { return FTools->FDragStart; }
void TdvDiagram::StartPanning() {
  FTools->Active().Cancel();
  FTools->FMouseState = msToPan;
  SetCursor(FPanCursor);
}

void TdvDiagram::CancelPanning() {
  if (FTools->FMouseState != msToPan && FTools->FMouseState != msPanning) return;
  FTools->FMouseState = msBrowsing;
  SetCursor(crDefault);
}

void TdvDiagram::StartZooming(TZoomingState AZoomingState) {
  FTools->Active().Cancel();
  FTools->FZoomingState = AZoomingState;
  UnselectAll();
  FTools->FMouseState = msToZoom;
  SetCursor(FZoomCursor);
}

void TdvDiagram::CancelZooming() {
  if (FTools->FMouseState != msToZoom && FTools->FMouseState != msZooming) return;
  FTools->FMouseState = msBrowsing;
  SetCursor(crDefault);
  RequestRedraw();
}

void TdvDiagram::RegisterTool(std::unique_ptr<TDiagramTool> ATool) { FTools->Register(std::move(ATool)); }
TDiagramTool& TdvDiagram::GetActiveTool() const { return FTools->Active(); }

void TdvDiagram::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FTools->FInsertDControl) FTools->FInsertDControl = nullptr;
}

// ---- Streaming hooks ----

void TdvDiagram::GetChildren(const TGetChildProc& Proc, TComponent*) {
  if (!IsDesigning() && !FInternalStreaming && !FClipboardStreaming) return;
  for (TDiagramControl* c : FControls->FDControls)
    if (!FClipboardStreaming || (c->GetName().startsWith(FClipPrefix) && FClipboard->Writes(c))) Proc(c);
}

void TdvDiagram::DefineProperties(TFiler* Filer) {
  TWinControl::DefineProperties(Filer);
  // Older documents carry the screen density they were made at; it has no effect.
  Filer->DefineProperty(
      "OriginalPPI", [this](TReader& R) { FViewport->FOriginalPPI = R.ReadInteger(); }, nullptr, false);
  // Documents saved by a diagram hosted in a docked window carry the window's last
  // explicit bounds; they describe the window, not the document, so they are accepted and
  // not written back.
  for (const char* name : {"ExplicitLeft", "ExplicitTop", "ExplicitWidth", "ExplicitHeight"})
    Filer->DefineProperty(name, [](TReader& R) { R.ReadInteger(); }, nullptr, false);
  Filer->DefineProperty(
      "DesignSize",
      [](TReader& R) {
        R.ReadListBegin();
        while (!R.EndOfList()) R.ReadInteger();
        R.ReadListEnd();
      },
      nullptr, false);
  Filer->DefineProperty("IsControl", [](TReader& R) { R.ReadBoolean(); }, nullptr, false);
}

void TdvDiagram::Loaded() {
  TWinControl::Loaded();
  for (TDiagramControl* c : FControls->FDControls) {
    if (c->GetName().isEmpty()) c->SetName(FindCompName(c, QString()));
    // A layer name read before its layer existed is resolved against the loaded layers.
    if (!c->GetPendingLayerName().isEmpty()) {
      QString pending = c->FLayerNameFix;
      c->FLayerNameFix.clear();
      c->SetLayerObj(FLayers->FindByName(pending));
    }
  }
  // A document without a paper size (older ones, or one written with the default paper)
  // gets the default paper.
  if (FPageSettings->GetPaperWidth() == 0 || FPageSettings->GetPaperHeight() == 0) FPageSettings->ResetToDefaults();
  UpdateScrollRanges();
}

// ---- Window and input ----

bool TdvDiagram::HasParentWindow() const { return FWindow->HasParentWindow(); }

void TdvDiagram::InvalidateWindow() {
  if (HasParentWindow()) Invalidate();
}

int TdvDiagram::ScrollBarThickness() const { return FWindow->PlatformScrollBarThickness(); }

void TdvDiagram::CreateWnd() {
  TWinControl::CreateWnd();
  FWindow->CreateScrollBars();
}

void TdvDiagram::Resize() {
  TWinControl::Resize();
  UpdateScrollRanges();
  // The drawing area changed size: the bars re-clamp also where no ranges are worked out.
  UpdateScrollBars();
  FWindow->LayoutScrollBars();
}

void TdvDiagram::PaintWindow(QPainter& Painter, const TRect& UpdateRect) {
  TCanvas canvas(&Painter);
  Painter.save();
  TScopeExit restore([&Painter] { Painter.restore(); });
  Painter.setClipRect(UpdateRect.Left, UpdateRect.Top, UpdateRect.Width(), UpdateRect.Height());
  PaintAs(canvas, psScreen, TDot{0, 0});
  FPainter->PaintBorder(canvas);
  FTextEditor->AfterPaint();
}

void TdvDiagram::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!IsDesigning()) CloseEditor(true);
  TWinControl::MouseDown(Button, Shift, X, Y);
  if (!IsDesigning())
    if (QWidget* w = GetHandle(); w && w->focusPolicy() != Qt::NoFocus) w->setFocus(Qt::MouseFocusReason);
  FTools->FOldScreenCursor = GetCursor();
  FTools->Active().MouseDown(Button, Shift, TPoint{X, Y});
}

void TdvDiagram::MouseMove(TShiftState Shift, int X, int Y) {
  TWinControl::MouseMove(Shift, X, Y);
  FTools->FBrowse->Hover(Shift, TPoint{X, Y});
  FTools->Active().MouseMove(Shift, TPoint{X, Y});
}

void TdvDiagram::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TWinControl::MouseUp(Button, Shift, X, Y);
  FTools->Active().MouseUp(Button, Shift, TPoint{X, Y});
  FTools->FDControlClicked = nullptr;
}

void TdvDiagram::KeyDown(uint16_t& Key, TShiftState Shift) {
  TWinControl::KeyDown(Key, Shift);
  // A key the application's handler consumed (set to 0) never reaches the tool.
  if (Key != 0 && FTools->Active().KeyDown(Key, Shift)) {
    Key = 0;
  } else if (Key == vk::ESCAPE && FKeyActions.Contains(kaEscape)) {
    // Escape drops the drag in progress; modes (pan, zoom, a pending insert) stay armed.
    FTools->Active().Cancel();
    Key = 0;
  } else if (Key != 0 && EditingKeyDown(Key, Shift)) {
    Key = 0;
  }
}

void TdvDiagram::PaintToolOverlay(TCanvas& ACanvas) { FTools->Active().PaintOverlay(ACanvas); }

bool TdvDiagram::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  return FTools->Active().MouseWheel(Shift, WheelDelta, MousePos);
}

}  // namespace tarnwick
