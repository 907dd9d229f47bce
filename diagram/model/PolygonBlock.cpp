// The polygon block's parts and properties, its stream form, and how the vertices, the
// bounds, the original rectangle and the rotation centre are kept in line.
#include "diagram/model/PolygonBlock.h"

#include "diagram/model/DiagramHost.h"
#include "geometry/BlockDrawer.h"
#include "geometry/Squares.h"
#include "platform/core/Properties.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

namespace {

constexpr TSquare PercentRect{0, 0, 100, 100};

// The block's published entry of that name, left out of the stream. A polygon has no
// shape to choose, is always read back visible and takes its layer by name; its vertices
// are stored as drawn, so a flip (which would mirror the outline away from the vertex
// handles) is not carried either.
TPropInfo Unpublished(const char* AName) {
  const TPropInfo* p = TCustomDiagramBlock::StaticClassInfo().FindProperty(QString::fromLatin1(AName));
  return TPropInfo(*p).NotStored();
}

}  // namespace

const TClassInfo& TCustomPolygonBlock::StaticClassInfo() {
  using P = TCustomPolygonBlock;
  static const TClassInfo info(
      "TCustomPolygonBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {Unpublished("Shape"), Unpublished("Visible"), Unpublished("Layer"), Unpublished("HorizontalFlip"),
       Unpublished("VerticalFlip"), ColorProp("PointColor", &P::GetPointColor, &P::SetPointColor, 0x00FF00)});
  return info;
}

const TClassInfo& TPolygonBlock::StaticClassInfo() {
  static const TClassInfo info("TPolygonBlock", &TCustomPolygonBlock::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TPolygonBlock>(owner); });
  return info;
}

TCustomPolygonBlock::TCustomPolygonBlock(TComponent* AOwner)
    : TCustomDiagramBlock(AOwner),
      FPolygon(MakeOwned<TPolygonPoints>(this)),
      FCursorPolygon(MakeOwned<TPolygonPoints>(this)),
      FSavePolygon(MakeOwned<TPolygonPoints>(this)) {
  SetShape(bsNoShape);
  SetAlignment(taCenter);
  SetVertAlign(vaCenter);
  SetInsertStyle(isDraw);
  SetShapeCursor(true);
}

TCustomPolygonBlock::~TCustomPolygonBlock() = default;

void TCustomPolygonBlock::BeforeDestruction() {
  for (int i = 0; i < FPolygon->Count(); ++i)
    if (TStretchHandle* h = FPolygon->GetItems(i)->GetHandle()) h->Free();
  TCustomDiagramBlock::BeforeDestruction();
}

void TCustomPolygonBlock::SetPointColor(TColor Value) {
  if (FPointColor == Value) return;
  FPointColor = Value;
  Redraw();
}

void TCustomPolygonBlock::ChangePolygon(TPolygonPoints*) { RecalcPolygon(); }

void TCustomPolygonBlock::NotifyHandleDestroying(TStretchHandle* AHandle) {
  // The vertices must not keep a handle that is gone; the lists may already be freed when
  // the block itself is torn down.
  for (TPolygonPoints* list : {FPolygon.get(), FSavePolygon.get()})
    for (int i = 0; list && i < list->Count(); ++i)
      if (list->GetItems(i)->GetHandle() == AHandle) list->GetItems(i)->SetHandle(nullptr);
  TCustomDiagramBlock::NotifyHandleDestroying(AHandle);
}

bool TCustomPolygonBlock::IsVertexHandle(const TStretchHandle* AHandle) const {
  return AHandle && AHandle->GetData() == -1 && FPolygon->PointOfHandle(AHandle);
}

// ---- Keeping the geometry in line with the vertices ----

TDot TCustomPolygonBlock::CarryRotationCenter(const TSquare& R) const {
  const TSquare o = GetOriginalRect();
  const TDot rc = GetRotationCenter();
  TBlockDrawer d;
  d.SetOriginalRect(o);
  d.SetCurRect(R);
  return TDot{d.PXS(rc.X + o.Left) - R.Left, d.PYS(rc.Y + o.Top) - R.Top};
}

void TCustomPolygonBlock::RecalcPolygon() {
  const TSquare box = PolygonBounds(*FPolygon);
  SetRotationCenter(CarryRotationCenter(box));
  SetOriginalRect(box);
  UpdateBlockHandles();
  TStretchHandles* handles = GetHandles();
  for (int i = 0; i < FPolygon->Count(); ++i) {
    TPolygonPoint* p = FPolygon->GetItems(i);
    if (!p->GetHandle()) p->SetHandle(handles->Add(p->GetX(), p->GetY(), crHandPoint, -1, hsSize));
    p->GetHandle()->SetData(-1);
    p->GetHandle()->SetOrPoint(p->GetP());
  }
  // Vertices taken out of the list (a new drawing, a caller's edit) leave handles that no
  // vertex drags any more; they go, so every vertex handle shown moves a vertex.
  for (int i = handles->Count() - 1; i >= 0; --i) {
    TStretchHandle* h = handles->GetItems(i);
    if (h->GetData() == -1 && !FPolygon->PointOfHandle(h)) h->Free();
  }
}

void TCustomPolygonBlock::FitBoundsToPolygon() {
  const TSquare box = PolygonBounds(*FPolygon);
  SetRotationCenter(CarryRotationCenter(box));
  SetOriginalRect(box);
  SetBoundsRect(box);
  RecalcPolygon();
}

void TCustomPolygonBlock::BoundsChanged(const TSquare& AOld, const TSquare& ANew) {
  TCustomDiagramBlock::BoundsChanged(AOld, ANew);
  TDotArray pts = FPolygon->Dots();
  MapPolygonToRect(pts, ANew);
  FPolygon->SetDots(pts);
  RecalcPolygon();
}

void TCustomPolygonBlock::Loaded() {
  TCustomDiagramBlock::Loaded();
  RecalcPolygon();
}

// ---- Frames ----

TDot TCustomPolygonBlock::GetRotationCenterPoint() {
  const TSquare b = GetBoundsRect();
  const TDot rc = GetRotationCenter();
  return TurnDot(TDot{b.Left + rc.X, b.Top + rc.Y}, SquareCenter(b), GetAngle());
}

// Text cells keep the (0, 0, 100, 100) frame of other blocks, whatever the vertices' box.
TSquare TCustomPolygonBlock::CellRectToDiagram(TTextCell*, const TSquare& R) {
  TBlockDrawer d;
  d.SetOriginalRect(PercentRect);
  d.SetCurRect(GetBoundsRect());
  const TDot a = d.PP(R.Left, R.Top), b = d.PP(R.Right, R.Bottom);
  return TSquare{a.X, a.Y, b.X, b.Y};
}

TSquare TCustomPolygonBlock::ToOriginalRect(const TSquare& R) {
  TBlockDrawer d;
  d.SetOriginalRect(PercentRect);
  d.SetCurRect(GetBoundsRect());
  const TDot a = d.UnPP(R.Left, R.Top), b = d.UnPP(R.Right, R.Bottom);
  return TSquare{a.X, a.Y, b.X, b.Y};
}

TDot TCustomPolygonBlock::GetHandlePoint(TStretchHandle* AHandle) {
  if (!AHandle) return InvalidDot();
  if (AHandle->GetStyle() == hsRotCenter) return GetRotationCenterPoint();
  if (AHandle->GetData() != -1) return TCustomDiagramBlock::GetHandlePoint(AHandle);
  // Read from the vertex rather than written into the handle first: during a shape-style
  // drag the preview vertices stand in, and changing a handle while painting would ask
  // for another paint.
  const TPolygonPoint* p = FPolygon->PointOfHandle(AHandle);
  const TDot at = p ? p->GetP() : AHandle->GetOrPoint();
  return TurnDot(at, SquareCenter(GetBoundsRect()), GetAngle());
}

// ---- Stream ----

void TCustomPolygonBlock::DefineProperties(TFiler* Filer) {
  TCustomDiagramBlock::DefineProperties(Filer);
  Filer->DefineProperty(
      "Polygon", [this](TReader& R) { ReadPolygon(R); }, [this](TWriter& W) { WritePolygon(W); }, true);
}

void TCustomPolygonBlock::ReadPolygon(TReader& R) {
  R.CheckValue(vaCollection);
  R.ReadCollection(FPolygon.get());
}

void TCustomPolygonBlock::WritePolygon(TWriter& W) { W.WriteCollection(FPolygon.get()); }

}  // namespace tarnwick
