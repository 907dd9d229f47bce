#pragma once
// The published surface of the diagram: the view objects and settings a document stores,
// with their accessors, and the events. TdvDiagram derives from it and keeps the work
// itself; a setter that makes the diagram react (repaint, new scroll ranges, new engine
// drawers) is defined with the diagram's property code in DiagramProperties.cpp. Getters
// that the controls reach through the diagram host are the diagram's own.
#include <QString>
#include <functional>

#include "diagram/model/DiagramControlTypes.h"
#include "diagram/printing/PageLines.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/DiagramTypes.h"
#include "diagram/view/SnapGrid.h"
#include "diagram/view/WindowProperties.h"
#include "platform/widgets/WinControl.h"

namespace tarnwick {

class TFont;
class TdvDiagram;

class TDiagramPublished : public TWinControl {
 public:
  // ---- The view objects; the setters copy the given object's values into the diagram's.
  TDiagramBackground* GetBackground() const { return FBackground.get(); }
  void SetBackground(TDiagramBackground* Value);
  TSnapGrid* GetSnapGrid() const { return FSnapGrid.get(); }
  void SetSnapGrid(TSnapGrid* Value);
  TDiagramRuler* GetLeftRuler() const { return FLeftRuler.get(); }
  void SetLeftRuler(TDiagramRuler* Value);
  TDiagramRuler* GetTopRuler() const { return FTopRuler.get(); }
  void SetTopRuler(TDiagramRuler* Value);
  TDiagramScrollBar* GetVertScrollBar() const { return FVertScrollBar.get(); }
  void SetVertScrollBar(TDiagramScrollBar* Value);
  TDiagramScrollBar* GetHorzScrollBar() const { return FHorzScrollBar.get(); }
  void SetHorzScrollBar(TDiagramScrollBar* Value);
  TPageLines* GetPageLines() const { return FPageLines.get(); }
  void SetPageLines(TPageLines* Value);
  TDiagramPageSettings* GetPageSettings() const { return FPageSettings.get(); }
  void SetPageSettings(TDiagramPageSettings* Value);

  // ---- Settings ----
  bool GetPaintLinesFirst() const { return FPaintLinesFirst; }
  void SetPaintLinesFirst(bool Value);
  int GetNettoExportOffset() const { return FNettoExportOffset; }
  void SetNettoExportOffset(int Value) { FNettoExportOffset = Value; }
  void SetAutomaticNodes(bool Value);
  bool GetAutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  bool GetAutoPage() const { return FAutoPage; }
  void SetAutoPage(bool Value);
  bool GetShowLinkPoints() const { return FShowLinkPoints; }
  void SetShowLinkPoints(bool Value);
  TColor GetBorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TMouseWheelMode GetMouseWheelMode() const { return FMouseWheelMode; }
  void SetMouseWheelMode(TMouseWheelMode Value) { FMouseWheelMode = Value; }
  TCursor GetLinkCursor() const { return FLinkCursor; }
  void SetLinkCursor(TCursor Value) { FLinkCursor = Value; }
  TCursor GetPanCursor() const { return FPanCursor; }
  void SetPanCursor(TCursor Value) { FPanCursor = Value; }
  TCursor GetZoomCursor() const { return FZoomCursor; }
  void SetZoomCursor(TCursor Value) { FZoomCursor = Value; }
  bool GetIgnoreScreenDPI() const { return FIgnoreScreenDPI; }
  void SetIgnoreScreenDPI(bool Value);
  void SetShowCrossIndicators(bool Value);
  TDiagramKeyActions GetKeyActions() const { return FKeyActions; }
  void SetKeyActions(TDiagramKeyActions Value) { FKeyActions = Value; }
  void SetHandlesStyle(TDiagramHandlesStyle Value);
  TDgrSmoothMode GetSmoothMode() const { return FSmoothMode; }
  void SetSmoothMode(TDgrSmoothMode Value);
  TDgrTextRenderingMode GetTextRenderingMode() const { return FTextRenderingMode; }
  void SetTextRenderingMode(TDgrTextRenderingMode Value);
  TDiagramSelectionMode GetSelectionMode() const { return FSelectionMode; }
  void SetSelectionMode(TDiagramSelectionMode Value);
  bool GetCanMoveOutOfBounds() const { return FCanMoveOutOfBounds; }
  void SetCanMoveOutOfBounds(bool Value) { FCanMoveOutOfBounds = Value; }
  bool GetRulerAutoUnit() const { return FRulerAutoUnit; }
  void SetRulerAutoUnit(bool Value);
  virtual TDiagramMeasUnit GetMeasUnit() const { return FIntMeasUnit; }
  void SetMeasUnit(TDiagramMeasUnit Value);
  bool GetWheelZoom() const { return FWheelZoom; }
  void SetWheelZoom(bool Value) { FWheelZoom = Value; }
  int GetWheelZoomIncrement() const { return FWheelZoomIncrement; }
  void SetWheelZoomIncrement(int Value) { FWheelZoomIncrement = Value; }
  int GetWheelZoomMin() const { return FWheelZoomMin; }
  void SetWheelZoomMin(int Value) { FWheelZoomMin = Value; }
  int GetWheelZoomMax() const { return FWheelZoomMax; }
  void SetWheelZoomMax(int Value) { FWheelZoomMax = Value; }
  double GetFixedPageWidth() const { return FFixedPageWidth; }
  void SetFixedPageWidth(double Value) { FFixedPageWidth = Value; }
  double GetFixedPageHeight() const { return FFixedPageHeight; }
  void SetFixedPageHeight(double Value) { FFixedPageHeight = Value; }
  int GetFixedPageCols() const { return FFixedPageCols; }
  void SetFixedPageCols(int Value) { FFixedPageCols = Value; }
  int GetFixedPageRows() const { return FFixedPageRows; }
  void SetFixedPageRows(int Value) { FFixedPageRows = Value; }
  int GetPasteOffsetX() const { return FPasteOffsetX; }
  void SetPasteOffsetX(int Value) { FPasteOffsetX = Value; }
  int GetPasteOffsetY() const { return FPasteOffsetY; }
  void SetPasteOffsetY(int Value) { FPasteOffsetY = Value; }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // Copies the font; the diagram then no longer takes its parent's font.
  void SetFont(TFont* Value);
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value) { FParentFont = Value; }
  // Every control following the diagram's ShowHint takes the new value.
  void SetShowHint(bool Value);
  // The window properties a form designer writes (WindowProperties.h).
  TWindowLayout& GetWindowLayout() { return FWindowLayout; }
  TSizeConstraints* GetConstraints() const { return FConstraints.get(); }
  void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }
  bool GetParentColor() const { return FWindowLayout.ParentColor; }
  void SetParentColor(bool Value) { FWindowLayout.ParentColor = Value; }
  bool GetParentCtl3D() const { return FWindowLayout.ParentCtl3D; }
  void SetParentCtl3D(bool Value) { FWindowLayout.ParentCtl3D = Value; }
  bool GetCtl3D() const { return FWindowLayout.Ctl3D; }
  // The width of the flat frame the diagram paints around its window: 1 for a single
  // border without 3-D look, else 0.
  int BorderWidth() const;
  // The diagram has no menu of its own; a reference a document makes is read and dropped.
  TComponent* GetPopupMenu() const { return nullptr; }
  void SetPopupMenu(TComponent*) {}

  void SetDesignMode(TDiagramDesignMode Value);
  // The controls rebuild their engine drawers, then the subscribers hear of it.
  void SetGraphicLib(TDgrGraphicLib Value);
  bool GetPathDrawingMode() const { return FGraphicLib != dglGDI; }
  bool GetUseGdiPlus() const { return FGraphicLib == dglGDIPlus; }
  void SetUseGdiPlus(bool Value) { SetGraphicLib(Value ? dglGDIPlus : dglGDI); }
  TDiagramDragStyle GetDragStyle() const { return FDragStyle; }
  void SetDragStyle(TDiagramDragStyle Value) { FDragStyle = Value; }
  void SetFixedSideLines(bool Value) { FFixedSideLines = Value; }
  void SetStoreEmptyCells(bool Value) { FStoreEmptyCells = Value; }
  const QString& GetClipboardNamePrefix() const { return FClipPrefix; }
  void SetClipboardNamePrefix(const QString& Value) { FClipPrefix = Value; }
  TColor GetExportBackgroundColor() const { return FExportBackgroundColor; }
  void SetExportBackgroundColor(TColor Value) { FExportBackgroundColor = Value; }
  const QString& GetConnectionLineId() const { return FConnectionLineId; }
  void SetConnectionLineId(const QString& Value) { FConnectionLineId = Value; }
  TMovementRestrictions GetRestrictMovementWithCtrl() const { return FRestrictMovementWithCtrl; }
  void SetRestrictMovementWithCtrl(TMovementRestrictions Value) { FRestrictMovementWithCtrl = Value; }
  // Streaming flags: controls are written only while one is set (or while designing);
  // with the clipboard flag only the controls whose names carry the clipboard prefix.
  void SetInternalStreaming(bool Value) { FInternalStreaming = Value; }
  void SetClipboardStreaming(bool Value) { FClipboardStreaming = Value; }

  // ---- Events ----
  TBlockEvent OnInsertBlock;
  TDControlEvent OnInsertDControl;
  TDControlEvent OnRemoveDControl;
  TDControlEvent OnSelectDControl;
  TDControlEvent OnUnselectDControl;
  TLinkEvent OnInsertLink;
  TNotifyEvent OnSelectionChanging;
  TNotifyEvent OnSelectionChanged;
  TNotifyEvent OnModified;
  TDrawBlockEvent OnDrawBlock;
  TDrawBlockEvent OnDrawShape;
  TDrawBlockEvent OnAfterDrawBlock;
  TGetSurroundPtsEvent OnGetSurroundPts;
  TDControlMouseEvent OnDControlMouseDown;
  TDControlMouseEvent OnDControlMouseUp;
  TDControlMouseMoveEvent OnDControlMouseMove;
  TBlockEvent OnBlockMouseEnter;
  TBlockEvent OnBlockMouseLeave;
  TDControlEvent OnDControlClick;
  TDControlEvent OnDControlDblClick;
  TDiagramLinkEvent OnLinkAdded;
  TDiagramLinkEvent OnLinkRemoved;
  TAcceptAnchorEvent OnAcceptAnchor;
  TAcceptLinkEvent OnAcceptLink;
  TNotifyEvent OnBeforeMove;
  TNotifyEvent OnAfterMove;
  TDiagramPosEvent OnMoving;
  TDiagramPosEvent OnDControlResizing;
  TNotifyEvent OnBeforeResize;
  TNotifyEvent OnAfterResize;
  TDiagramPaintEvent OnBeforePaint;
  TDiagramPaintEvent OnAfterPaint;
  // A second after-paint hook, for a companion overview of the diagram.
  TDiagramPaintEvent InternalAfterPaint;
  TDiagramDrawLinkPointEvent OnDrawLinkPoint;
  TDiagramOpenEditorEvent OnOpenEditor;
  TDiagramEditCellEvent OnEditCell;
  TDiagramCloseEditorEvent OnCloseEditor;
  TBeforeCreateControlEvent OnBeforeCreateControl;
  TNotifyEvent OnHorzScrolled;
  TNotifyEvent OnVertScrolled;
  TFindDControlNameEvent OnFindDControlName;
  // Private hooks of companion components (design-time tracking, mouse-down with handle).
  TDiagramDesignEvent OnDesignEvent;
  TDControlMouseEventEx OnDControlMouseDownEx;
  // Called once when the outermost bracket of a user operation closes (also when the
  // operation failed part-way), with the operation's label: the point where the undo
  // stack records the document's state.
  std::function<void(TdvDiagram* Sender, const QString& ALabel)> OnOperationEnd;

 protected:
  explicit TDiagramPublished(TComponent* AOwner);
  ~TDiagramPublished() override;
  // Every published surface is a diagram's.
  TdvDiagram& AsDiagram();

  TOwned<TFont> FFont;
  TOwned<TDiagramPageSettings> FPageSettings;
  TOwned<TDiagramScrollBar> FHorzScrollBar;
  TOwned<TDiagramScrollBar> FVertScrollBar;
  TOwned<TSnapGrid> FSnapGrid;
  TOwned<TPageLines> FPageLines;
  TOwned<TDiagramBackground> FBackground;
  TOwned<TDiagramRuler> FTopRuler;
  TOwned<TDiagramRuler> FLeftRuler;

  // Published settings and documents.
  bool FInternalStreaming = false;
  bool FClipboardStreaming = false;
  bool FIgnoreScreenDPI = false;
  TDiagramMeasUnit FIntMeasUnit = duCenti;
  bool FRulerAutoUnit = false;
  TBorderStyle FBorderStyle = bsSingle;
  TColor FBorderColor = clGray;
  TDgrSmoothMode FSmoothMode = smAntiAlias;
  TDgrTextRenderingMode FTextRenderingMode = tmAntiAlias;
  TDgrGraphicLib FGraphicLib = dglGDIPlus;
  bool FPaintLinesFirst = false;
  bool FShowLinkPoints = true;
  bool FShowCrossIndicators = false;
  bool FAutomaticNodes = false;
  TDiagramHandlesStyle FHandlesStyle = hsClassic;
  TDiagramDragStyle FDragStyle = dsOutline;
  bool FParentFont = true;
  bool FShowHint = false;
  TWindowLayout FWindowLayout;
  TOwned<TSizeConstraints> FConstraints = MakeOwned<TSizeConstraints>();

  // Behaviour switches.
  bool FAutoScroll = true;
  bool FAutoPage = false;
  bool FCanMoveOutOfBounds = true;
  bool FFixedSideLines = false;
  bool FWheelZoom = false;
  bool FStoreEmptyCells = true;
  int FWheelZoomIncrement = 10;
  int FWheelZoomMin = 10;
  int FWheelZoomMax = 500;
  TMouseWheelMode FMouseWheelMode = mwOff;
  TDiagramKeyActions FKeyActions{kaEscape, kaMove, kaPage, kaResize, kaSelect};
  TDiagramSelectionMode FSelectionMode = slmMultiple;
  TMovementRestrictions FRestrictMovementWithCtrl{mrBlocks, mrLineHandles};
  TDiagramDesignMode FDesignMode = ddmEditable;
  QString FConnectionLineId;
  TCursor FLinkCursor = crHandPoint;
  TCursor FPanCursor = crHandPoint;
  TCursor FZoomCursor = crDefault;

  // Export, paste and pages.
  QString FClipPrefix = QStringLiteral("___clip___");
  TColor FExportBackgroundColor = clWhite;
  int FNettoExportOffset = 3;
  int FPasteOffsetX = 20;
  int FPasteOffsetY = 20;
  int FFixedPageRows = 0;
  int FFixedPageCols = 0;
  double FFixedPageHeight = 0;
  double FFixedPageWidth = 0;
};

}  // namespace tarnwick
