#include "diagram/lines/LineClasses.h"

#include "diagram/model/DiagramHost.h"
#include "geometry/Conversions.h"
#include "platform/core/Properties.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TClassInfo& TBaseDiagramLine::StaticClassInfo() {
  using L = TCustomDiagramLine;
  using C = TDiagramControl;
  // Stream order is the order of this table.
  static const TClassInfo info(
      "TBaseDiagramLine", &TCustomDiagramLine::StaticClassInfo(),
      {ObjectProp("Pen", TPen::StaticClassInfo(), &L::GetPen, &L::SetPen),
       ObjectProp("SelPen", TPen::StaticClassInfo(), &L::GetSelPen, &L::SetSelPen),
       ObjectProp("SourceArrow", TLineArrow::StaticClassInfo(), &L::GetSourceArrow, &L::SetSourceArrow),
       ObjectProp("TargetArrow", TLineArrow::StaticClassInfo(), &L::GetTargetArrow, &L::SetTargetArrow),
       CursorProp("Cursor", &C::GetCursor, &C::SetCursor),
       ObjectProp("TextCells", TTextCells::StaticClassInfo(), &C::GetTextCells, &C::SetTextCells)
           .StoredIf([](TPersistent& o) { return static_cast<L&>(o).IsTextCellsStored(); }),
       ObjectProp("Font", TFont::StaticClassInfo(), &C::GetFont, &C::SetFont).StoredIf([](TPersistent& o) {
         return static_cast<L&>(o).IsFontStored();
       }),
       StringProp("StringData", &C::GetStringData, &C::SetStringData, true),
       BoolProp("Visible", &C::GetVisible, &C::SetVisible), IntProp("Layer", &C::GetLayer, &C::SetLayer),
       StringProp("LayerName", &C::GetLayerName, &C::SetLayerName, true),
       IntProp("Transparency", &C::GetTransparency, &C::SetTransparency),
       EnumProp("LineStyle", DiagramLineStyleType(), &L::GetLineStyle, &L::SetLineStyle),
       EnumProp("Orientation1", AnchorOrientationType(), &L::GetOrientation1, &L::SetOrientation1)
           .StoredIf([](TPersistent& o) { return static_cast<L&>(o).GetLineStyle() == lsSideLine; }),
       EnumProp("Orientation2", AnchorOrientationType(), &L::GetOrientation2, &L::SetOrientation2)
           .StoredIf([](TPersistent& o) { return static_cast<L&>(o).GetLineStyle() == lsSideLine; })});
  return info;
}

const TClassInfo& TDiagramLine::StaticClassInfo() {
  static const TClassInfo info("TDiagramLine", &TBaseDiagramLine::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDiagramLine>(owner); });
  return info;
}

// ---- Poly line ----

const TClassInfo& TDiagramPolyLine::StaticClassInfo() {
  static const TClassInfo info("TDiagramPolyLine", &TDiagramLine::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDiagramPolyLine>(owner); });
  return info;
}

TDiagramPolyLine::TDiagramPolyLine(TComponent* AOwner) : TDiagramLine(AOwner) { SetInsertStyle(isDraw); }

void TDiagramPolyLine::CalcHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) {
  if (FLineStyle != lsLine || !AHandles) {
    TDiagramLine::CalcHandles(AHandles, AInfo);
    return;
  }
  const TUpdateScope update(AHandles);
  while (AHandles->Count() < 2) AHandles->Add(0, 0, crSizeNWSE, 0, hsSize);
  const int last = AHandles->Count() - 1;
  AHandles->GetItems(0)->SetOrPoint(AInfo.P1);
  AHandles->GetItems(last)->SetOrPoint(AInfo.P2);
  const int dragged = AInfo.Handle ? AInfo.Handle->GetIndex() : -1;
  for (int i = 1; i < last; ++i) {
    TStretchHandle* h = AHandles->GetItems(i);
    if (AInfo.Mode == lhmMove || (AInfo.Mode == lhmHandle && i == dragged))
      h->SetOrPoint(TDot{h->GetOrX() + AInfo.Delta.X, h->GetOrY() + AInfo.Delta.Y});
  }
}

void TDiagramPolyLine::UpdateDraw(TControlDrawInfo& AInfo) {
  TDiagramHost* host = AInfo.Diagram ? DiagramHostOf(AInfo.Diagram) : nullptr;
  auto onScreen = [host](TDot P) { return host ? PointToDot(DotToPoint(host->ClientToCanvas(P))) : P; };
  TStretchHandles* handles = GetHandles();
  switch (AInfo.Action) {
    case daStart:
      handles->BeginUpdate();
      handles->Clear();
      handles->Add(AInfo.P1.X, AInfo.P1.Y, crSizeNWSE, 0, hsSize);
      handles->EndUpdate();
      break;
    case daStep: {
      handles->Add(AInfo.P2.X, AInfo.P2.Y, crSizeNWSE, 0, hsSize);
      if (AInfo.Canvas && handles->Count() >= 2) {
        // The new segment shows at once; the whole line paints when it is inserted.
        const TPoint a = DotToPoint(onScreen(handles->GetItems(handles->Count() - 2)->GetOrPoint()));
        const TPoint b = DotToPoint(onScreen(handles->GetItems(handles->Count() - 1)->GetOrPoint()));
        AInfo.Canvas->SetPen(CurrentPen());
        AInfo.Canvas->MoveTo(a.X, a.Y);
        AInfo.Canvas->LineTo(b.X, b.Y);
      }
      break;
    }
    case daDrawCursor: {
      TStretchHandles* temp = GetTempHandles();
      temp->BeginUpdate();
      temp->Clear();
      const TDot a = onScreen(AInfo.P1), b = onScreen(AInfo.P2);
      temp->Add(a.X, a.Y, crSizeNWSE, 0, hsSize);
      temp->Add(b.X, b.Y, crSizeNWSE, 0, hsSize);
      temp->EndUpdate();
      DrawOutline(AInfo.Canvas, temp);
      break;
    }
    case daEraseCursor:
      DrawOutline(AInfo.Canvas, GetTempHandles());
      break;
    case daInserted:
      EnsureLinkPoints();
      GetSourceLinkPoint()->SetAnchorLink(AInfo.AnchorPoint1);
      GetTargetLinkPoint()->SetAnchorLink(AInfo.AnchorPoint2);
      break;
  }
}

// ---- Side line, arc, Bezier ----

const TClassInfo& TDiagramSideLine::StaticClassInfo() {
  static const TClassInfo info("TDiagramSideLine", &TBaseDiagramLine::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDiagramSideLine>(owner); });
  return info;
}

TDiagramSideLine::TDiagramSideLine(TComponent* AOwner) : TBaseDiagramLine(AOwner) {
  SetTextCellsMode(tmSegments);
  SetLineStyle(lsSideLine);
}

const TClassInfo& TDiagramArc::StaticClassInfo() {
  static const TClassInfo info("TDiagramArc", &TBaseDiagramLine::StaticClassInfo(),
                               {EnumProp("ArcType", ArcTypeType(), &TDiagramArc::GetArcType, &TDiagramArc::SetArcType)},
                               [](TComponent* owner) { return Create<TDiagramArc>(owner); });
  return info;
}

TDiagramArc::TDiagramArc(TComponent* AOwner) : TBaseDiagramLine(AOwner) {
  FArcType = atParabolic;
  SetLineStyle(lsParabolicArc);
  TLineHandlesInfo info;
  info.P1 = TDot{50, 50};
  info.P2 = TDot{100, 100};
  CalcHandles(GetHandles(), info);
  SetTextCellsMode(tmSingle);
}

void TDiagramArc::SetArcType(TArcType Value) {
  if (FArcType == Value) return;
  FArcType = Value;
  if (FLineStyle == lsParabolicArc || FLineStyle == lsCircularArc)
    SetLineStyle(Value == atCircular ? lsCircularArc : lsParabolicArc);
}

const TClassInfo& TDiagramBezier::StaticClassInfo() {
  static const TClassInfo info("TDiagramBezier", &TBaseDiagramLine::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TDiagramBezier>(owner); });
  return info;
}

TDiagramBezier::TDiagramBezier(TComponent* AOwner) : TBaseDiagramLine(AOwner) {
  SetTextCellsMode(tmSingle);
  SetLineStyle(lsBezier);
}

}  // namespace tarnwick
