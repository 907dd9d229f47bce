// The diagram as a container: construction and teardown, the control lists, membership,
// naming, and the controls pending insertion.
#include "diagram/view/Diagram.h"

#include <QPainter>
#include <QWidget>
#include <limits>

#include "diagram/Registration.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"
#include "platform/gui/Picture.h"
#include "streaming/Reader.h"

namespace tarnwick {

TDiagramHost* DiagramHostOf(TdvDiagram* ADiagram) { return ADiagram; }

TdvDiagram* DiagramFromComponent(TComponent* AComponent) { return dynamic_cast<TdvDiagram*>(AComponent); }

TdvDiagram::TdvDiagram(TComponent* AOwner) : TWinControl(AOwner) {
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
    for (TDiagramControl* c : FDControls)
      if (c->GetDiagramFont()) c->ApplyDiagramFont();
    RequestRedraw();
  };
  FGraphicLib = DefaultGraphicLib();
  FCurrentPPI = GetScreenPPI();
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
}

TdvDiagram::~TdvDiagram() = default;

void TdvDiagram::BeforeDestruction() {
  Destroying();
  FInsertDControl = nullptr;
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
  FOriginalPPI = 96;
  FMouseState = msBrowsing;
  FShowLinkPoints = true;
  FPreviewZoom = 1.0;
  ApplyZoomRatio(1.0);
  FPageSettings->ResetToDefaults();
  FBackground->SetVisible(false);
  FBackground->GetBitmap()->SetSize(0, 0);
  FBackground->GetPicture()->SetGraphic(nullptr);
  FSnapGrid->SetVisible(false);
  FSnapGrid->SetActive(false);
  FPageLines->SetVisible(false);
  RequestRedraw();
}

// ---- Lists ----

int TdvDiagram::GetDiagramWidth() {
  int result = 0;
  for (TDiagramControl* c : FDControls) result = std::max(result, Round(c->SurroundRect().Right));
  return result;
}

int TdvDiagram::GetDiagramHeight() {
  int result = 0;
  for (TDiagramControl* c : FDControls) result = std::max(result, Round(c->SurroundRect().Bottom));
  return result;
}

int TdvDiagram::MinLeft() {
  int result = std::numeric_limits<int>::max();
  for (TDiagramControl* c : FDControls) result = std::min(result, Round(c->SurroundRect().Left));
  return result;
}

int TdvDiagram::MinTop() {
  int result = std::numeric_limits<int>::max();
  for (TDiagramControl* c : FDControls) result = std::min(result, Round(c->SurroundRect().Top));
  return result;
}

// ---- Finding and naming ----

TDiagramControl* TdvDiagram::FindDControl(const QString& AName) const {
  for (TDiagramControl* c : FDControls)
    if (c->GetName().compare(AName, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

TDiagramControl* TdvDiagram::FindBlock(const QString& AName) const {
  for (TDiagramControl* c : FBlocks)
    if (c->GetName().compare(AName, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

bool TdvDiagram::IsForeignOwned(TDiagramControl* AControl) const {
  TComponent* owner = AControl->GetOwner();
  return owner != GetOwner() && owner != this;
}

QString TdvDiagram::FindCompName(TComponent* AComponent, QString ABaseName) {
  if (ABaseName.isEmpty() && AComponent) {
    ABaseName = AComponent->ClassName();
    if (ABaseName.startsWith(u'T')) ABaseName.remove(0, 1);
  }
  // Names are taken by the components of the component's owner, of the diagram's owner
  // and of the diagram, and by the controls on the diagram.
  std::vector<TComponent*> owners;
  if (AComponent && AComponent->GetOwner()) owners.push_back(AComponent->GetOwner());
  if (GetOwner()) owners.push_back(GetOwner());
  owners.push_back(this);
  auto taken = [&](const QString& name) {
    for (TComponent* o : owners)
      if (o->FindComponent(name)) return true;
    // A miscount (an owner changed while on the diagram) only costs the walk.
    return FForeignOwnedControls != 0 && FindDControl(name) != nullptr;
  };
  // Every taken name is carried by one of finitely many components, so one of the first
  // (count + 1) numbers is free.
  int limit = FDControls.Count() + 1;
  for (TComponent* o : owners) limit += o->GetComponentCount();
  const QString hintKey = ABaseName.toCaseFolded();
  QString result;
  for (int n = FNameHints.value(hintKey, 0) + 1; n <= limit + 1; ++n) {
    QString candidate = ABaseName + QString::number(n);
    if (!taken(candidate)) {
      result = candidate;
      FNameHints.insert(hintKey, n - 1);
      break;
    }
  }
  if (OnFindDControlName) OnFindDControlName(this, AComponent, ABaseName, result);
  return result;
}

// ---- Membership ----

void TdvDiagram::AddDControl(TDiagramControl* AControl) {
  if (!AControl) return;
  const bool loading = IsLoading();
  if (AControl->GetName().isEmpty() && !loading) AControl->SetName(FindCompName(AControl, QString()));
  if (!AControl->FInControlList) {
    FDControls.Add(AControl);
    AControl->FInControlList = true;
    if (IsForeignOwned(AControl)) ++FForeignOwnedControls;
  }
  if (AControl->GetSelected() && !FSelecteds.Contains(AControl)) FSelecteds.Add(AControl);
  if (!loading) Fire(OnInsertDControl, this, AControl);
  if (!loading && FSnapGrid->GetActive() && FSnapGrid->GetForce() && AControl->FInBlockList)
    AControl->SnapToGrid(FSnapGrid->GetSizeX(), FSnapGrid->GetSizeY());
  UpdateScrollRanges();
  RequestRedraw();
  Modified();
}

void TdvDiagram::RemoveDControl(TDiagramControl* AControl) {
  if (FPreviousDControl == AControl) FPreviousDControl = nullptr;
  if (FDControlClicked == AControl) FDControlClicked = nullptr;
  if (FLinkPoint && FLinkPoint->GetDControl() == AControl) FLinkPoint = nullptr;
  if (FHandle && FHandle->GetDControl() == AControl) FHandle = nullptr;
  if (AControl->FInControlList) {
    FDControls.RemoveUnique(AControl);
    AControl->FInControlList = false;
    if (IsForeignOwned(AControl)) --FForeignOwnedControls;
  }
  FSelecteds.RemoveUnique(AControl);
  FNameHints.clear();  // its name, and lower numbers, may be free again
  const bool destroying = IsDestroying();
  if (!destroying) Fire(OnRemoveDControl, this, AControl);
  if (!destroying && !FUpdates->Inside(ukPosition)) {
    UpdateScrollRanges();
    RequestRedraw();
  }
  Modified();
}

void TdvDiagram::AddBlock(TDiagramControl* ABlock) {
  if (!ABlock || ABlock->FInBlockList) return;
  FBlocks.Add(ABlock);
  ABlock->FInBlockList = true;
  if (!IsLoading()) Fire(OnInsertBlock, this, ABlock);
  Modified();
}

void TdvDiagram::RemoveBlock(TDiagramControl* ABlock) {
  if (!ABlock || !ABlock->FInBlockList) return;
  FBlocks.RemoveUnique(ABlock);
  ABlock->FInBlockList = false;
}

void TdvDiagram::AddLink(TDiagramControl* ALink) {
  if (!ALink || ALink->FInLinkList) return;
  FLinks.Add(ALink);
  ALink->FInLinkList = true;
  if (!IsLoading()) Fire(OnInsertLink, this, ALink);
  Modified();
}

void TdvDiagram::RemoveLink(TDiagramControl* ALink) {
  if (!ALink || !ALink->FInLinkList) return;
  FLinks.RemoveUnique(ALink);
  ALink->FInLinkList = false;
}

void TdvDiagram::ClearDControls() {
  while (!FDControls.Empty()) {
    TDiagramControl* c = FDControls[0];
    if (c->IsMember())
      if (TDiagramControl* master = c->GetMasterGroup()) c = master;
    const int before = FDControls.Count();
    c->Free();
    // A control always leaves the lists while it is freed; should an override keep it
    // from doing so, it is dropped here rather than freed again.
    if (FDControls.Count() < before) continue;
    FDControls.Remove(c);
    FBlocks.Remove(c);
    FLinks.Remove(c);
    FSelecteds.Remove(c);
  }
}

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
  FKeepInserting = AKeepInserting;
  if (FInsertDControl && FInsertDControl != ADControl) {
    TDiagramControl* pending = FInsertDControl;
    FInsertDControl = nullptr;
    pending->Free();
  }
  FInsertDControl = ADControl;
  if (ADControl) ADControl->FreeNotification(this);
  UnselectAll();
  FMouseState = ADControl && ADControl->GetInsertStyle() == isDraw ? msToDraw : msToInsert;
}

void TdvDiagram::CancelInsertingBlock() {
  TDiagramControl* pending = FInsertDControl;
  FInsertDControl = nullptr;
  if (pending) pending->Free();
  FMouseState = msBrowsing;
}

void TdvDiagram::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FInsertDControl) FInsertDControl = nullptr;
}

// ---- Streaming hooks ----

void TdvDiagram::GetChildren(const TGetChildProc& Proc, TComponent*) {
  if (!IsDesigning() && !FInternalStreaming && !FClipboardStreaming) return;
  for (TDiagramControl* c : FDControls)
    if (!FClipboardStreaming || c->GetName().contains(FClipPrefix)) Proc(c);
}

void TdvDiagram::DefineProperties(TFiler* Filer) {
  TWinControl::DefineProperties(Filer);
  // Older documents carry the screen density they were made at; it has no effect.
  Filer->DefineProperty(
      "OriginalPPI", [this](TReader& R) { FOriginalPPI = R.ReadInteger(); }, nullptr, false);
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
  for (TDiagramControl* c : FDControls) {
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

// ---- Window ----

bool TdvDiagram::HasParentWindow() const {
  if (!HandleAllocated()) return false;
  return const_cast<TdvDiagram*>(this)->GetHandle()->parentWidget() != nullptr;
}

void TdvDiagram::InvalidateWindow() {
  if (HasParentWindow()) Invalidate();
}

void TdvDiagram::Resize() {
  TWinControl::Resize();
  UpdateScrollRanges();
  // The drawing area changed size: the bars re-clamp also where no ranges are worked out.
  UpdateScrollBars();
  LayoutWindowScrollBars();
}

}  // namespace tarnwick
