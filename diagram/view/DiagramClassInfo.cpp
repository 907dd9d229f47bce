// The diagram's published properties: the head of every document, in this order.
#include "diagram/view/Diagram.h"
#include "platform/core/Properties.h"
#include "platform/gui/Font.h"

namespace tarnwick {

const TEnumTypeInfo& DiagramMeasUnitType() {
  static const TEnumTypeInfo t("TDiagramMeasUnit", {"duMili", "duCenti", "duInch"});
  return t;
}

const TEnumTypeInfo& MouseWheelModeType() {
  static const TEnumTypeInfo t("TMouseWheelMode", {"mwOff", "mwHorizontal", "mwVertical"});
  return t;
}

const TEnumTypeInfo& DiagramSelectionModeType() {
  static const TEnumTypeInfo t("TDiagramSelectionMode", {"slmMultiple", "slmGroup"});
  return t;
}

const TEnumTypeInfo& DiagramKeyActionType() {
  static const TEnumTypeInfo t("TDiagramKeyAction", {"kaEscape", "kaMove", "kaPage", "kaResize", "kaSelect"});
  return t;
}

const TEnumTypeInfo& BorderStyleType() {
  static const TEnumTypeInfo t("TBorderStyle", {"bsNone", "bsSingle"});
  return t;
}

const TEnumTypeInfo& MouseStateType() {
  static const TEnumTypeInfo t("TMouseState", {"msBrowsing", "msSelecting", "msInserting", "msToInsert", "msMoving",
                                               "msLink", "msResizing", "msToDraw", "msDrawing", "msToPan", "msPanning",
                                               "msClickingNode", "msToZoom", "msZooming"});
  return t;
}

namespace {
// The diagram's own properties, then those of its window.
std::vector<TPropInfo> WithWindowProperties(std::vector<TPropInfo> AOwn) {
  for (TPropInfo& p : TdvDiagram::WindowPropertyTable()) AOwn.push_back(std::move(p));
  return AOwn;
}
}  // namespace

// Entries without a default are written always; the view sub-objects are written as their
// own entries ("SnapGrid.SizeX"), by their tables.
const TClassInfo& TdvDiagram::StaticClassInfo() {
  using D = TdvDiagram;
  static const TClassInfo info(
      "TdvDiagram", &TComponent::StaticClassInfo(),
      WithWindowProperties({
          BoolProp("PaintLinesFirst", &D::GetPaintLinesFirst, &D::SetPaintLinesFirst, false),
          IntProp("NettoExportOffset", &D::GetNettoExportOffset, &D::SetNettoExportOffset),
          BoolProp("AutomaticNodes", &D::GetAutomaticNodes, &D::SetAutomaticNodes),
          BoolProp("AutoScroll", &D::GetAutoScroll, &D::SetAutoScroll),
          BoolProp("AutoPage", &D::GetAutoPage, &D::SetAutoPage),
          ObjectProp("Background", TDiagramBackground::StaticClassInfo(), &D::GetBackground, &D::SetBackground),
          ObjectProp("SnapGrid", TSnapGrid::StaticClassInfo(), &D::GetSnapGrid, &D::SetSnapGrid),
          BoolProp("ShowLinkPoints", &D::GetShowLinkPoints, &D::SetShowLinkPoints),
          ObjectProp("LeftRuler", TDiagramRuler::StaticClassInfo(), &D::GetLeftRuler, &D::SetLeftRuler),
          ObjectProp("TopRuler", TDiagramRuler::StaticClassInfo(), &D::GetTopRuler, &D::SetTopRuler),
          IntProp("Zoom", &D::GetZoom, &D::SetZoom),
          ColorProp("BorderColor", &D::GetBorderColor, &D::SetBorderColor),
          ObjectProp("VertScrollBar", TDiagramScrollBar::StaticClassInfo(), &D::GetVertScrollBar, &D::SetVertScrollBar),
          ObjectProp("HorzScrollBar", TDiagramScrollBar::StaticClassInfo(), &D::GetHorzScrollBar, &D::SetHorzScrollBar),
          EnumProp("MouseWheelMode", MouseWheelModeType(), &D::GetMouseWheelMode, &D::SetMouseWheelMode),
          Int64Prop("ActiveLayers", &D::GetActiveLayers, &D::SetActiveLayers),
          ObjectProp("Layers", TDiagramLayers::StaticClassInfo(), &D::GetLayers, &D::SetLayers),
          CursorProp("LinkCursor", &D::GetLinkCursor, &D::SetLinkCursor),
          CursorProp("PanCursor", &D::GetPanCursor, &D::SetPanCursor),
          CursorProp("ZoomCursor", &D::GetZoomCursor, &D::SetZoomCursor),
          BoolProp("IgnoreScreenDPI", &D::GetIgnoreScreenDPI, &D::SetIgnoreScreenDPI),
          BoolProp("ShowCrossIndicators", &D::GetShowCrossIndicators, &D::SetShowCrossIndicators),
          ObjectProp("PageLines", TPageLines::StaticClassInfo(), &D::GetPageLines, &D::SetPageLines),
          SetProp("KeyActions", DiagramKeyActionType(), &D::GetKeyActions, &D::SetKeyActions),
          EnumProp("HandlesStyle", DiagramHandlesStyleType(), &D::GetHandlesStyle, &D::SetHandlesStyle),
          EnumProp("SmoothMode", DgrSmoothModeType(), &D::GetSmoothMode, &D::SetSmoothMode),
          EnumProp("TextRenderingMode", DgrTextRenderingModeType(), &D::GetTextRenderingMode,
                   &D::SetTextRenderingMode),
          EnumProp("SelectionMode", DiagramSelectionModeType(), &D::GetSelectionMode, &D::SetSelectionMode),
          BoolProp("CanMoveOutOfBounds", &D::GetCanMoveOutOfBounds, &D::SetCanMoveOutOfBounds),
          ObjectProp("PageSettings", TDiagramPageSettings::StaticClassInfo(), &D::GetPageSettings, &D::SetPageSettings),
          BoolProp("RulerAutoUnit", &D::GetRulerAutoUnit, &D::SetRulerAutoUnit),
          EnumProp("MeasUnit", DiagramMeasUnitType(), &D::GetMeasUnit, &D::SetMeasUnit),
          BoolProp("WheelZoom", &D::GetWheelZoom, &D::SetWheelZoom),
          IntProp("WheelZoomIncrement", &D::GetWheelZoomIncrement, &D::SetWheelZoomIncrement),
          IntProp("WheelZoomMin", &D::GetWheelZoomMin, &D::SetWheelZoomMin),
          IntProp("WheelZoomMax", &D::GetWheelZoomMax, &D::SetWheelZoomMax),
          FloatProp("FixedPageWidth", ftDouble, &D::GetFixedPageWidth, &D::SetFixedPageWidth, true),
          FloatProp("FixedPageHeight", ftDouble, &D::GetFixedPageHeight, &D::SetFixedPageHeight, true),
          IntProp("FixedPageCols", &D::GetFixedPageCols, &D::SetFixedPageCols, 0),
          IntProp("FixedPageRows", &D::GetFixedPageRows, &D::SetFixedPageRows, 0),
          IntProp("PasteOffsetX", &D::GetPasteOffsetX, &D::SetPasteOffsetX, 20),
          IntProp("PasteOffsetY", &D::GetPasteOffsetY, &D::SetPasteOffsetY, 20),
          EventProp("OnInsertBlock", &D::OnInsertBlock),
          EventProp("OnInsertDControl", &D::OnInsertDControl),
          EventProp("OnRemoveDControl", &D::OnRemoveDControl),
          EventProp("OnSelectDControl", &D::OnSelectDControl),
          EventProp("OnUnselectDControl", &D::OnUnselectDControl),
          EventProp("OnInsertLink", &D::OnInsertLink),
          EventProp("OnSelectionChanging", &D::OnSelectionChanging),
          EventProp("OnSelectionChanged", &D::OnSelectionChanged),
          EventProp("OnModified", &D::OnModified),
          EventProp("OnDrawBlock", &D::OnDrawBlock),
          EventProp("OnDrawShape", &D::OnDrawShape),
          EventProp("OnAfterDrawBlock", &D::OnAfterDrawBlock),
          EventProp("OnGetSurroundPts", &D::OnGetSurroundPts),
          EventProp("OnDControlMouseDown", &D::OnDControlMouseDown),
          EventProp("OnDControlMouseUp", &D::OnDControlMouseUp),
          EventProp("OnDControlMouseMove", &D::OnDControlMouseMove),
          EventProp("OnBlockMouseEnter", &D::OnBlockMouseEnter),
          EventProp("OnBlockMouseLeave", &D::OnBlockMouseLeave),
          EventProp("OnDControlClick", &D::OnDControlClick),
          EventProp("OnDControlDblClick", &D::OnDControlDblClick),
          EventProp("OnLinkAdded", &D::OnLinkAdded),
          EventProp("OnLinkRemoved", &D::OnLinkRemoved),
          EventProp("OnAcceptAnchor", &D::OnAcceptAnchor),
          EventProp("OnAcceptLink", &D::OnAcceptLink),
          EventProp("OnBeforeMove", &D::OnBeforeMove),
          EventProp("OnAfterMove", &D::OnAfterMove),
          EventProp("OnMoving", &D::OnMoving),
          EventProp("OnDControlResizing", &D::OnDControlResizing),
          EventProp("OnBeforeResize", &D::OnBeforeResize),
          EventProp("OnAfterResize", &D::OnAfterResize),
          EventProp("OnBeforePaint", &D::OnBeforePaint),
          EventProp("OnAfterPaint", &D::OnAfterPaint),
          EventProp("OnDrawLinkPoint", &D::OnDrawLinkPoint),
          EventProp("OnOpenEditor", &D::OnOpenEditor),
          EventProp("OnEditCell", &D::OnEditCell),
          EventProp("OnCloseEditor", &D::OnCloseEditor),
          EventProp("OnBeforeCreateControl", &D::OnBeforeCreateControl),
      }),
      [](TComponent* owner) { return Create<TdvDiagram>(owner); });
  return info;
}

}  // namespace tarnwick
