// The activation bar of sequence diagrams and the associations of static diagrams.
#include <algorithm>
#include <cmath>

#include "blocks/uml/UmlBlocks.h"
#include "blocks/uml/UmlLines.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/model/TextCells.h"
#include "graphics/DgrBlockDrawer.h"
#include "graphics/DgrBrush.h"
#include "graphics/DgrCanvas.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

// Half the bar's width, diagram units.
constexpr double HalfBar = 7;
// The two ends of the line.
constexpr int EndPoints = 2;

}  // namespace

// ---- Activation ----

const TClassInfo& TUMLActivationLine::StaticClassInfo() {
  static const TClassInfo info("TUMLActivationLine", &TUMLLine::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TUMLActivationLine>(owner); });
  return info;
}

TUMLActivationLine::TUMLActivationLine(TComponent* AOwner) : TUMLLine(AOwner) {
  TLineHandlesInfo info;
  info.P1 = TDot{0, 0};
  info.P2 = TDot{0, 200};
  CalcHandles(GetHandles(), info);
  CalcPoints(GetHandles());
  LayOutLinkPoints();
}

TSquare TUMLActivationLine::BarRect() const {
  TStretchHandles* h = ActiveHandles();
  if (!h || h->Count() < 2) return TSquare{};
  const TDot a = h->GetItems(0)->GetOrPoint(), b = h->GetItems(h->Count() - 1)->GetOrPoint();
  return TSquare{std::min(a.X, b.X) - HalfBar, std::min(a.Y, b.Y), std::max(a.X, b.X) + HalfBar, std::max(a.Y, b.Y)};
}

void TUMLActivationLine::LayOutLinkPoints() {
  TStretchHandles* h = GetHandles();
  TLinkPoints* points = GetLinkPoints();
  if (!h || h->Count() < 2 || points->Count() < EndPoints) return;
  const double length = std::fabs(h->GetItems(h->Count() - 1)->GetOrY() - h->GetItems(0)->GetOrY());
  // A bar of a length that is no number, or of a huge one, gets no more points than a
  // lifeline can have.
  const int wanted = std::isfinite(length)
                         ? EndPoints + static_cast<int>(std::min<double>(Round(length / FLinkSpace), MaxUMLLinePoints))
                         : EndPoints;
  if (points->Count() == wanted) return;
  points->BeginUpdate();
  while (points->Count() > wanted && points->GetItems(points->Count() - 1)->AnchoredCount() == 0)
    points->Delete(points->Count() - 1);
  while (points->Count() < wanted) points->Add(0, 0, aoHorz);
  points->EndUpdate();
}

TDot TUMLActivationLine::GetLinkPointPoint(TLinkPoint* ALinkPoint) {
  if (!ALinkPoint || ALinkPoint->GetIndex() < EndPoints) return TUMLLine::GetLinkPointPoint(ALinkPoint);
  TStretchHandles* h = ActiveHandles();
  if (!h || h->Count() < 2) return InvalidDot();
  const TDot a = h->GetItems(0)->GetOrPoint(), b = h->GetItems(h->Count() - 1)->GetOrPoint();
  const double length = std::fabs(b.Y - a.Y), way = b.Y < a.Y ? -1 : 1;
  // Every LinkSpace units from the first end, never beyond the last.
  const double offset = std::min(double(ALinkPoint->GetIndex() - EndPoints + 1) * FLinkSpace, length);
  return TDot{a.X, a.Y + way * offset};
}

void TUMLActivationLine::HandlesChanged() {
  TUMLLine::HandlesChanged();
  if (!IsLoading() && !IsDestroying()) LayOutLinkPoints();
}

void TUMLActivationLine::Loaded() {
  TUMLLine::Loaded();
  LayOutLinkPoints();
}

void TUMLActivationLine::UpdateHandleMove(THandleMoveInfo& AInfo) {
  // The bar stays upright: its ends move only along it.
  AInfo.Delta.X = 0;
  TUMLLine::UpdateHandleMove(AInfo);
}

void TUMLActivationLine::UpdateInsert(TControlInsertInfo& AInfo) {
  // Drawn upright from where the drag started: a slanted drag would make a wide box of
  // the narrow bar. An end dropped on a link point goes there.
  if (!AInfo.AnchorPoint2) AInfo.P2.X = AInfo.P1.X;
  TUMLLine::UpdateInsert(AInfo);
}

bool TUMLActivationLine::PointInControl(TPoint Pos) {
  const TSquare r = BarRect();
  const double x = Pos.X, y = Pos.Y;
  if (x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) return true;
  return TUMLLine::PointInControl(Pos);
}

TSquare TUMLActivationLine::ControlRect() {
  const TSquare r = TUMLLine::ControlRect(), b = BarRect();
  return TSquare{std::min(r.Left, b.Left), std::min(r.Top, b.Top), std::max(r.Right, b.Right),
                 std::max(r.Bottom, b.Bottom)};
}

void TUMLActivationLine::DrawLinePath(const TDiagramDrawInfo& AInfo, TStretchHandles* AHandles, bool) {
  CalcPoints(AHandles);
  const TSquare r = BarRect();
  if (UsesEngine() && AInfo.DgrDrawer && GetPassEngine()) {
    TDgrCanvas* canvas = AInfo.DgrDrawer->GetCanvas();
    EngineTools().UsePen(canvas->GetPen(), CurrentPen(), GetTransparency());
    canvas->GetBrush()->SetBrushMode(bmSolid);
    canvas->GetBrush()->SetColor(clWhite);
    canvas->GetBrush()->SetTransparency(GetTransparency());
    canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    return;
  }
  TCanvas* canvas = AInfo.Canvas;
  if (!canvas) return;
  TDot a{r.Left, r.Top}, b{r.Right, r.Bottom};
  if (TDiagramHost* host = GetDiagramHost()) {
    a = host->ClientToCanvas(a);
    b = host->ClientToCanvas(b);
  }
  canvas->SetPen(CurrentPen());
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(clWhite);
  canvas->Rectangle(Round(a.X), Round(a.Y), Round(b.X) + 1, Round(b.Y) + 1);
}

// ---- Associations ----

namespace {

QString CellText(const TTextCell* ACell) { return ACell ? ACell->GetText() : QString(); }

void SetCellText(TTextCell* ACell, const QString& AText) {
  if (ACell) ACell->SetText(AText);
}

}  // namespace

const TClassInfo& TUMLBaseAssociation::StaticClassInfo() {
  static const TClassInfo info("TUMLBaseAssociation", &TUMLLine::StaticClassInfo(), {});
  return info;
}

TUMLBaseAssociation::TUMLBaseAssociation(TComponent* AOwner) : TUMLLine(AOwner) {
  SetLineStyle(lsSideLine);
  SetTextCellsMode(tmSpecific);
}

QString TUMLBaseAssociation::GetSourceEndName() const { return CellText(GetSourceTextCell()); }
void TUMLBaseAssociation::SetSourceEndName(const QString& Value) { SetCellText(GetSourceTextCell(), Value); }
QString TUMLBaseAssociation::GetSourceMultiplicity() const { return CellText(GetAltSourceTextCell()); }
void TUMLBaseAssociation::SetSourceMultiplicity(const QString& Value) { SetCellText(GetAltSourceTextCell(), Value); }
QString TUMLBaseAssociation::GetTargetEndName() const { return CellText(GetTargetTextCell()); }
void TUMLBaseAssociation::SetTargetEndName(const QString& Value) { SetCellText(GetTargetTextCell(), Value); }
QString TUMLBaseAssociation::GetTargetMultiplicity() const { return CellText(GetAltTargetTextCell()); }
void TUMLBaseAssociation::SetTargetMultiplicity(const QString& Value) { SetCellText(GetAltTargetTextCell(), Value); }

const TClassInfo& TUMLAssociation::StaticClassInfo() {
  static const TClassInfo info("TUMLAssociation", &TUMLBaseAssociation::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TUMLAssociation>(owner); });
  return info;
}

TUMLAssociation::TUMLAssociation(TComponent* AOwner) : TUMLBaseAssociation(AOwner) {
  SetSourceEndName(QStringLiteral("End1"));
  SetTargetEndName(QStringLiteral("End2"));
  SetSourceMultiplicity(QStringLiteral("*"));
  SetTargetMultiplicity(QStringLiteral("*"));
}

const TClassInfo& TUMLComposition::StaticClassInfo() {
  static const TClassInfo info("TUMLComposition", &TUMLBaseAssociation::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TUMLComposition>(owner); });
  return info;
}

TUMLComposition::TUMLComposition(TComponent* AOwner) : TUMLBaseAssociation(AOwner) {
  GetSourceArrow()->SetShape(asAngledDiamond);
  GetSourceArrow()->SetWidth(10);
  GetSourceArrow()->SetHeight(15);
}

const TClassInfo& TUMLClassLink::StaticClassInfo() {
  static const TClassInfo info("TUMLClassLink", &TUMLBaseAssociation::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TUMLClassLink>(owner); });
  return info;
}

TUMLClassLink::TUMLClassLink(TComponent* AOwner) : TUMLBaseAssociation(AOwner) {
  SetSourceEndName(QStringLiteral("End1"));
  SetTargetEndName(QStringLiteral("End2"));
}

}  // namespace tarnwick
