// The line's parts and properties: construction and teardown, setters that repaint,
// joining a diagram, and what a line writes into documents besides its published table.
#include "diagram/lines/CustomLine.h"

#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"
#include "platform/gui/Pen.h"
#include "streaming/Reader.h"
#include "streaming/ValueType.h"
#include "streaming/Writer.h"

namespace tarnwick {

// Publishes nothing: TBaseDiagramLine publishes the line's table.
const TClassInfo& TCustomDiagramLine::StaticClassInfo() {
  static const TClassInfo info("TCustomDiagramLine", &TDiagramControl::StaticClassInfo(), {});
  return info;
}

TCustomDiagramLine::TCustomDiagramLine(TComponent* AOwner) : TDiagramControl(AOwner) {
  FPen = MakeOwned<TPen>();
  FPen->SetColor(clBlack);
  FPen->SetStyle(psSolid);
  FPen->OnChange = [this](TObject*) {
    PenChanged();
    Redraw();
  };
  FSelPen = MakeOwned<TPen>();
  FSelPen->Assign(FPen.get());
  FSelPen->OnChange = [this](TObject*) {
    SelPenChanged();
    Redraw();
  };
  FSourceArrow = MakeOwned<TLineArrow>(this);
  FTargetArrow = MakeOwned<TLineArrow>(this);
  FTempHandles = MakeOwned<TStretchHandles>(nullptr);
  FTextCellsMode = tmSingle;
  EnsureLinkPoints();
  TLineHandlesInfo info;
  info.P1 = TDot{0, 0};
  info.P2 = TDot{100, 50};
  CalcHandles(GetHandles(), info);
}

TCustomDiagramLine::~TCustomDiagramLine() = default;

void TCustomDiagramLine::BeforeDestruction() {
  TDiagramControl::BeforeDestruction();
  FSourceArrow.reset();
  FTargetArrow.reset();
  FTempHandles.reset();
  FPen.reset();
  FSelPen.reset();
}

// ---- Parts ----

void TCustomDiagramLine::EnsureLinkPoints() {
  TLinkPoints* points = GetLinkPoints();
  while (points && points->Count() < 2) points->Add();
}

void TCustomDiagramLine::EnsureHandles() {
  TStretchHandles* h = GetHandles();
  if (!h) return;
  if (h->Count() == 0) h->Add(0, 0, crSizeNWSE, 0, hsSize);
  if (h->Count() == 1) h->Add(100, 50, crSizeNWSE, 0, hsSize);
}

TStretchHandle* TCustomDiagramLine::GetSourceHandle() const {
  TStretchHandles* h = GetHandles();
  return h && h->Count() > 0 ? h->GetItems(0) : nullptr;
}

TStretchHandle* TCustomDiagramLine::GetTargetHandle() const {
  TStretchHandles* h = GetHandles();
  return h && h->Count() > 0 ? h->GetItems(h->Count() - 1) : nullptr;
}

TLinkPoint* TCustomDiagramLine::GetSourceLinkPoint() const {
  TLinkPoints* p = GetLinkPoints();
  return p && p->Count() > 0 ? p->GetItems(0) : nullptr;
}

TLinkPoint* TCustomDiagramLine::GetTargetLinkPoint() const {
  TLinkPoints* p = GetLinkPoints();
  return p && p->Count() > 1 ? p->GetItems(1) : nullptr;
}

TStretchHandles* TCustomDiagramLine::ActiveHandles() const {
  return FInCursorState && FTempHandles ? FTempHandles.get() : GetHandles();
}

// ---- Properties ----

void TCustomDiagramLine::SetLineStyle(TDiagramLineStyle Value) {
  if (FLineStyle == Value) return;
  FLineStyle = Value;
  RecalcHandles();
  Redraw();
}

void TCustomDiagramLine::SetOrientation1(TAnchorOrientation Value) {
  if (FOrientation1 == Value) return;
  FOrientation1 = Value;
  if (!IsLoading()) RecalcHandles();
  Redraw();
}

void TCustomDiagramLine::SetOrientation2(TAnchorOrientation Value) {
  if (FOrientation2 == Value) return;
  FOrientation2 = Value;
  if (!IsLoading()) RecalcHandles();
  Redraw();
}

void TCustomDiagramLine::SetPen(TPen* Value) { FPen->Assign(Value); }
void TCustomDiagramLine::SetSelPen(TPen* Value) { FSelPen->Assign(Value); }
void TCustomDiagramLine::SetSourceArrow(TLineArrow* Value) { FSourceArrow->Assign(Value); }
void TCustomDiagramLine::SetTargetArrow(TLineArrow* Value) { FTargetArrow->Assign(Value); }

TPen* TCustomDiagramLine::CurrentPen() const { return GetSelected() ? FSelPen.get() : FPen.get(); }

void TCustomDiagramLine::SetCenterTextCellOffset(int Value) {
  if (FCenterTextCellOffset == Value) return;
  FCenterTextCellOffset = Value;
  UpdateTextCells();
  Redraw();
}

bool TCustomDiagramLine::IsTextCellsStored() const {
  TDiagramHost* host = GetDiagramHost();
  if (!host || host->GetStoreEmptyCells()) return true;
  TTextCells* cells = GetTextCells();
  for (int i = 0; i < cells->Count(); ++i)
    if (!cells->GetItems(i)->GetText().isEmpty()) return true;
  return false;
}

// ---- Diagram membership ----

void TCustomDiagramLine::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  if (AOld) {
    // Lines anchored to this line's ends let go before it leaves.
    NotifyAnchoreds(acRemoval);
    DiagramHostOf(AOld)->RemoveLink(this);
  }
  TDiagramControl::DiagramChanged(AOld, ANew);
  if (ANew) DiagramHostOf(ANew)->AddLink(this);
}

// ---- Streaming ----

void TCustomDiagramLine::DefineProperties(TFiler* Filer) {
  TDiagramControl::DefineProperties(Filer);
  Filer->DefineProperty(
      QStringLiteral("Handles"), [this](TReader& R) { ReadHandles(R); }, [this](TWriter& W) { WriteHandles(W); }, true);
  Filer->DefineProperty(
      QStringLiteral("LinkPoints"), [this](TReader& R) { ReadLinkPoints(R); }, [this](TWriter& W) { WriteLinkPoints(W); }, true);
}

void TCustomDiagramLine::ReadHandles(TReader& R) {
  R.CheckValue(vaCollection);
  R.ReadCollection(GetHandles());
}

void TCustomDiagramLine::WriteHandles(TWriter& W) { W.WriteCollection(GetHandles()); }

void TCustomDiagramLine::ReadLinkPoints(TReader& R) {
  R.CheckValue(vaCollection);
  R.ReadCollection(GetLinkPoints());
}

void TCustomDiagramLine::WriteLinkPoints(TWriter& W) { W.WriteCollection(GetLinkPoints()); }

void TCustomDiagramLine::Loaded() {
  TDiagramControl::Loaded();
  UpdateFromAnchors();
}

}  // namespace tarnwick
