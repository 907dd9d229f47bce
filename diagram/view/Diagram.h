#pragma once
// TdvDiagram: the diagram component. It owns the document (every control placed on it)
// and is the one interface to it, with the names documents and programs use. The work is
// done by collaborators it owns, each in its own file: the control lists and naming
// (DiagramControlList.h), the selection (DiagramSelection.h), the viewport with zoom,
// scrolling and coordinates (DiagramViewport.h), the paint pipeline (DiagramPainter.h),
// the exporter (DiagramExporter.h), the window's widgets (DiagramWindow.h), the update
// brackets (UpdateGuard.h) and the mouse tools (interaction/). It works without a window:
// a document can be built, searched, streamed and exported headless.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "diagram/model/Layers.h"
#include "diagram/printing/PageLines.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/printing/Pagination.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/DiagramControlList.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/DiagramTypes.h"
#include "diagram/view/SnapGrid.h"
#include "diagram/view/UpdateGuard.h"
#include "diagram/view/WindowProperties.h"
#include "platform/core/Stream.h"
#include "platform/core/List.h"
#include "platform/widgets/WinControl.h"

namespace tarnwick {

class TBitmap;
class TDiagramExporter;
class TDiagramPainter;
class TDiagramSelection;
class TDiagramTool;
class TDiagramTools;
class TDiagramViewport;
class TDiagramWindow;
class TFont;

class TdvDiagram : public TWinControl, public TDiagramHost {
  TARNWICK_CLASS(TdvDiagram)

 public:
  explicit TdvDiagram(TComponent* AOwner);
  ~TdvDiagram() override;
  void BeforeDestruction() override;
  // The values ResetToDefaults restores (also used when a document is cleared).
  void ResetToDefaults();

  // ---- Lists ----
  int DControlCount() const override { return FControls->FDControls.Count(); }
  int BlockCount() const { return FControls->FBlocks.Count(); }
  int LinkCount() const { return FControls->FLinks.Count(); }
  TDiagramControl* GetDControls(int Index) const override { return FControls->FDControls[Index]; }
  TDiagramControl* GetBlocks(int Index) const { return FControls->FBlocks[Index]; }
  TDiagramControl* GetLinks(int Index) const { return FControls->FLinks[Index]; }
  TDiagramControl* GetSelecteds(int Index) const;
  int SelectedCount(TDiagramControlFilter AFilter = cfAll) const;
  int SelectedBlockCount(TDiagramControlFilter AFilter = cfAll) const;
  int SelectedLinkCount() const;
  // The largest rounded right (bottom) edge of any control's surround rectangle; 0 when
  // there are none.
  int GetDiagramWidth();
  int GetDiagramHeight();

  // ---- Finding ----
  // Letter case ignored.
  TDiagramControl* FindDControl(const QString& AName) const;
  TDiagramControl* FindBlock(const QString& AName) const;
  // A fresh name for AComponent: ABaseName (the class name without its leading "T" when
  // empty) followed by the first number that no component and no control carries.
  QString FindCompName(TComponent* AComponent, QString ABaseName);
  // A control owned neither by the diagram's owner nor by the diagram.
  bool IsForeignOwned(TDiagramControl* AControl) const;
  TDiagramControl* DControlAtPos(const TDot& Pos, TControlSearchMode SearchMode = csmAll,
                                 TDiagramControlFilter AGroupFilter = cfAll);
  TLinkPoint* LinkPointAtPos(const TDot& Pos, TDiagramControl* ADControl = nullptr, bool OnlyUnselected = false,
                             bool OnlyNodes = false, bool OnlyAcceptAnchoreds = false);
  TLinkPoint* LinkNodeAtPos(const TDot& Pos) { return LinkPointAtPos(Pos, nullptr, false, true, false); }
  TStretchHandle* HandleAtPos(const TDot& Pos, bool AIgnoreZoom = false);
  // The first line from ABlock1 to ABlock2 or back; null when either is null.
  TDiagramControl* LinkBetweenBlocks(TDiagramControl* ABlock1, TDiagramControl* ABlock2) const;
  bool AreBlocksLinked(TDiagramControl* ABlock1, TDiagramControl* ABlock2) const {
    return LinkBetweenBlocks(ABlock1, ABlock2) != nullptr;
  }
  // The hint of the topmost control at a canvas point, and the canvas area in which it
  // stays valid; false when no control there shows a hint.
  bool ControlHintAt(TPoint CanvasPos, QString& AHint, TRect& AArea);

  // ---- Membership (called by the controls' Diagram property) ----
  void AddDControl(TDiagramControl* AControl) override;
  void RemoveDControl(TDiagramControl* AControl) override;
  void AddBlock(TDiagramControl* ABlock) override;
  void RemoveBlock(TDiagramControl* ABlock) override;
  void AddLink(TDiagramControl* ALink) override;
  void RemoveLink(TDiagramControl* ALink) override;
  // Frees every control, a member's master group first.
  void ClearDControls();

  // ---- Inserting ----
  // Makes a control of the class, owned by the child owner and named, not yet on the
  // diagram; null for a class that cannot make a control.
  TDiagramControl* CreateDControl(const TClassInfo* ADControlClass, const QString& ADControlID);
  void StartInsertingControl(const TClassInfo* ADControlClass, bool AKeepInserting);
  void StartInsertingControl(TDiagramControl* ADControl, bool AKeepInserting);
  void CancelInsertingBlock();
  TDiagramControl* GetInsertDControl() const;
  TMouseState GetMouseState() const;
  void SetMouseState(TMouseState Value);
  TDot GetMovingStartPoint() const;
  // Pan mode: a left drag scrolls the view until CancelPanning.
  void StartPanning();
  void CancelPanning();
  // Zoom mode: a left drag zooms into (or out of) a rectangle until CancelZooming.
  void StartZooming(TZoomingState AZoomingState);
  void CancelZooming();
  // The class of the lines drawn out of a link point with the mouse; null (the default)
  // disables connecting.
  const TClassInfo* GetConnectionLineClass() const;
  void SetConnectionLineClass(const TClassInfo* Value);
  // The mouse tools: the window's input goes to the one serving the mouse state.
  void RegisterTool(std::unique_ptr<TDiagramTool> ATool);
  TDiagramTool& GetActiveTool() const;
  // The feedback of the drag in progress, over the finished picture of a screen pass.
  void PaintToolOverlay(TCanvas& ACanvas);

  // ---- Z-order ----
  void MoveControlIndex(TDiagramControl* ADControl, int NewIndex);
  void BringToFront(TDiagramControl* ADControl) override;
  void SendToBack(TDiagramControl* ADControl) override;
  // Every selected control not treated as a member, in selection order.
  void BringToFront();
  void SendToBack();

  // ---- Selection ----
  void SelectAll();
  void UnselectAll();
  void BeginUpdateSel() override;
  void EndUpdateSel() override;
  void DControlSelected(TDiagramControl* AControl) override;
  void DControlUnselected(TDiagramControl* AControl) override;
  void UnselectInvisibleControls() override;
  bool IsShowingGroupSelection() const override;
  TDiagramControl* GetSelBlockControl() const override;
  // Selects or unselects a control and, for a group, all its members at any depth, in one
  // selection bracket; the flags are written directly, bypassing CanSelect.
  void SetGroupSelected(TDiagramControl* AControl, bool AValue);

  // ---- Updates and notifications ----
  // Brackets: TDiagramUpdate (UpdateGuard.h) opens one for a scope; these are the same
  // update bracket for callers that open and close it themselves.
  void BeginUpdate();
  // Outermost level: recomputes the extent; with AOptimize repaints only when redraws were
  // requested and returns their number, else repaints and returns -1. Nested: -1.
  int EndUpdate(bool AOptimize = false);
  bool IsUpdating() const;
  TDiagramUpdates& GetUpdates();
  // Inside an update bracket only counted; otherwise the window is invalidated (unless
  // it is painting or has no parent).
  void RequestRedraw() override;
  // Reports a change of the document (OnModified), except while loading, destroying or
  // inside programmatic batches.
  void Modified() override;
  // Moves every control by the delta, except as the flags say; members move with their
  // selected group.
  void MoveBlocks(double ADeltaX, double ADeltaY, bool AOnlySelected, bool AOnlyMovable);
  void AddSubscriber(std::shared_ptr<IDiagramSubscriber> ASubscriber);
  void RemoveSubscriber(IDiagramSubscriber* ASubscriber);
  void RefreshToolbars();

  // ---- Links ----
  bool AcceptAnchor(TLinkPoint* ALinkPoint, TLinkPoint* AAnchor);
  virtual bool DoAcceptLink(TDiagramControl* ALink, TLinkPoint* Anchor1, TLinkPoint* Anchor2);
  virtual void ClickLinkNode(TLinkPoint* ALinkPoint);
  void DoLinkAdded(TDiagramControl* AControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint) override;
  void DoLinkRemoved(TDiagramControl* AControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint) override;

  // ---- Layers ----
  int64_t GetActiveLayers() const { return FActiveLayers; }
  void SetActiveLayers(int64_t Value);
  // Layer 0 is always active; numbers outside 1..63 never are.
  bool LayerActive(int ALayer) const override;
  void ActivateLayer(int ALayer);
  // Also unselects the controls the layer hid.
  void DeactivateLayer(int ALayer);
  TDiagramLayers* GetLayers() const override { return FLayers.get(); }
  // Copies the layers (the diagram keeps its own collection).
  void SetLayers(TDiagramLayers* Value);
  void DeleteLayerControls(TDiagramLayer* ALayer);

  // ---- Coordinates (diagram units are "client" coordinates) ----
  TDot ClientToCanvas(TDot APoint) const override;
  TPoint ClientToCanvas(TPoint APoint) const;
  TRect ClientToCanvas(const TRect& ARect) const;
  TSquare ClientToCanvas(const TSquare& ARect) const;
  TDot CanvasToClient(TDot APoint) const;
  TPoint CanvasToClient(TPoint APoint) const;
  TSquare CanvasToClient(const TSquare& ARect) const;
  // The canvas position of the diagram origin.
  TDot GetCanvasOrigin() const { return ClientToCanvas(TDot{0, 0}); }
  int GetScreenPPI() const;
  double GetScreenDPIRatio() const override;
  double ClientToInches(double X) const;
  double ClientToMilimeters(double X) const;
  double InchesToClient(double X) const;
  double MilimetersToClient(double X) const;
  double MeasUnitToMM(double AUnit) const;
  double MMToMeasUnit(double AMM) const;
  QString GetUnitSymbol() const;
  // Rescales the fonts the diagram is responsible for to a new screen density (0: the
  // current screen's).
  void ScaleForPPI(int NewPPI);

  // ---- Zoom ----
  // Percent, the integer part of the ratio.
  int GetZoom() const;
  void SetZoom(int Value);
  double GetZoomRatio() const;
  void ZoomIn(const TSquare& ARect);
  void ZoomOut(const TSquare& ARect);
  void ZoomMoveToFit(int AMargin);
  // The union of the surround rectangles of the visible controls; all zero without any.
  TSquare ContentBounds();

  // ---- Snapping ----
  TDot SnapDeltaPoint(TDot APoint) const;
  TDot SnapCanvasPoint(TDot APoint) const;

  // ---- Extent and scrolling ----
  void UpdateScrollRanges();
  // Tells each scroll bar the extent of the drawing area along it, so its position stays
  // within Range minus that extent. The extents come from the client size, with or without
  // a window: a diagram used headless keeps its positions within its ranges too.
  void UpdateScrollBars();
  void MakeControlVisible(TDiagramControl* AControl) override;
  // After interactive moves and resizes: unless controls may leave the drawing, the
  // selection is pushed back into positive space.
  void KeepInBounds();

  // ---- Pages ----
  // The page size in canvas pixels at the current zoom and the columns and rows that
  // cover the content (WithContent) or an unbounded drawing.
  TPageGrid CalcPageGrid(bool WithContent);
  // Pages across and down the drawing at the printable size, whatever the zoom and the
  // fixed page properties; a drawing ending on a page boundary gets another, empty page.
  int GetPageColCount();
  int GetPageRowCount();
  int GetPageCount();

  // ---- Painting state ----
  TPaintStyle GetPaintStyle() const;
  // Set by preview, print and export passes; every pass restores psScreen.
  void SetPaintPass(TPaintStyle AStyle, TDot AOffset, double APrintConvX = 1, double APrintConvY = 1);
  void SetPreviewZoom(double Value);
  void SetAdjustRatio(double AX, double AY);
  bool IsPainting() const;
  // One pass of the whole diagram onto ACanvas in a paint style; the style returns to
  // psScreen afterwards, also when painting fails.
  void PaintAs(TCanvas& ACanvas, TPaintStyle AStyle, TDot AOffset);
  // The layers in order: base colour, background, rulers and grid (screen), the controls
  // (through the pass's engine), drag previews, handles, the rulers again.
  virtual void DrawDiagram(TCanvas& ACanvas);
  // ---- Image export (DiagramExport.cpp) ----
  // The pixel size of an export and the offset (diagram units) its drawing is moved by.
  void ExportFrame(TExportSize AExportSize, int& AWidth, int& AHeight, TDot& AOffset);
  // Sizes the bitmap and renders the diagram into it.
  void PaintToBitmap(TBitmap* ABitmap, TExportSize AExportSize);
  void ExportAsBMP(const QString& AFileName, TExportSize AExportSize);
  void ExportAsBMPStream(TStream& AStream, TExportSize AExportSize);
  // 8-bit RGBA; rendered and encoded in bands, so the whole image never sits in memory.
  void ExportAsPNG(const QString& AFileName, TExportSize AExportSize);
  void ExportAsSVG(const QString& AFileName, TExportSize AExportSize);
  // The title of a vector export: the document's file name without its folder.
  QString ExportTitle(const QString& AExportFileName) const;
  void ExportAsPDF(const QString& AFileName, TExportSize AExportSize);
  // Raises: metafiles are not written on this platform yet.
  void ExportAsWMF(const QString& AFileName, TExportSize AExportSize);
  void ExportAsWMFStream(TStream& AStream, TExportSize AExportSize);
  // The format from AExportFormat, or with efAuto from the extension (".wmf"/".emf",
  // ".png", ".svg", ".pdf"; anything else is a BMP).
  void ExportToFile(const QString& AFileName, TExportFormat AExportFormat, TExportSize AExportSize);
  void CopyBitmapToClipboard(TExportSize AExportSize);
  // Renders rows ATop.. of an export (of the frame of AExportSize) into ABand.
  void RenderExportBand(QImage& ABand, int ATop, TDot AOffset);

  // The controls the normal passes paint instead of all of them (a subset in z-order, for
  // one band of an export); nullptr paints all.
  void SetPaintList(const TList<TDiagramControl*>* AList);

  // The drag snapshot: while it is in use a repaint copies it and paints only what moves.
  void BuildCache();
  void DropCache();
  bool UsingCache() const;
  // The canvas-pixel rectangle outside which the pass in progress paints no control: the
  // canvas's clip on screen, the printable page in preview and print, the whole drawing
  // (at least the canvas's clip) in an export.
  TSquare PaintClipSquare(TCanvas& ACanvas);

  // ---- Properties ----
  TdvDiagram* GetHostDiagram() override { return this; }

  // The view sub-objects; the setters copy the given object's values into the diagram's.
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
  TComponent* GetHostComponent() override { return this; }

  bool GetPaintLinesFirst() const { return FPaintLinesFirst; }
  void SetPaintLinesFirst(bool Value);
  int GetNettoExportOffset() const { return FNettoExportOffset; }
  void SetNettoExportOffset(int Value) { FNettoExportOffset = Value; }
  bool GetAutomaticNodes() const override { return FAutomaticNodes; }
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
  bool GetShowCrossIndicators() const override { return FShowCrossIndicators; }
  void SetShowCrossIndicators(bool Value);
  TDiagramKeyActions GetKeyActions() const { return FKeyActions; }
  void SetKeyActions(TDiagramKeyActions Value) { FKeyActions = Value; }
  TDiagramHandlesStyle GetHandlesStyle() const override { return FHandlesStyle; }
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
  TFont* GetFont() const override { return FFont.get(); }
  // Copies the font; the diagram then no longer takes its parent's font.
  void SetFont(TFont* Value);
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value) { FParentFont = Value; }
  bool GetShowHint() const override { return FShowHint; }
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
  static std::vector<TPropInfo> WindowPropertyTable();

  TDiagramDesignMode GetDesignMode() const override { return FDesignMode; }
  void SetDesignMode(TDiagramDesignMode Value);
  TDgrGraphicLib GetGraphicLib() const override { return FGraphicLib; }
  // The controls rebuild their engine drawers, then the subscribers hear of it.
  void SetGraphicLib(TDgrGraphicLib Value);
  bool GetPathDrawingMode() const { return FGraphicLib != dglGDI; }
  bool GetUseGdiPlus() const { return FGraphicLib == dglGDIPlus; }
  void SetUseGdiPlus(bool Value) { SetGraphicLib(Value ? dglGDIPlus : dglGDI); }
  TDiagramDragStyle GetDragStyle() const { return FDragStyle; }
  void SetDragStyle(TDiagramDragStyle Value) { FDragStyle = Value; }
  bool GetFixedSideLines() const override { return FFixedSideLines; }
  void SetFixedSideLines(bool Value) { FFixedSideLines = Value; }
  bool GetStoreEmptyCells() const override { return FStoreEmptyCells; }
  void SetStoreEmptyCells(bool Value) { FStoreEmptyCells = Value; }
  const QString& GetClipboardNamePrefix() const { return FClipPrefix; }
  void SetClipboardNamePrefix(const QString& Value) { FClipPrefix = Value; }
  TColor GetExportBackgroundColor() const { return FExportBackgroundColor; }
  void SetExportBackgroundColor(TColor Value) { FExportBackgroundColor = Value; }
  const QString& GetConnectionLineId() const { return FConnectionLineId; }
  void SetConnectionLineId(const QString& Value) { FConnectionLineId = Value; }
  TMovementRestrictions GetRestrictMovementWithCtrl() const { return FRestrictMovementWithCtrl; }
  void SetRestrictMovementWithCtrl(TMovementRestrictions Value) { FRestrictMovementWithCtrl = Value; }
  int GetOriginalPPI() const;

  // Streaming flags: controls are written only while one is set (or while designing);
  // with the clipboard flag only the controls whose names carry the clipboard prefix.
  void SetInternalStreaming(bool Value) { FInternalStreaming = Value; }
  void SetClipboardStreaming(bool Value) { FClipboardStreaming = Value; }
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return GetOwner(); }
  TComponent* GetChildParent() override { return this; }
  // "OriginalPPI" is read when a document carries it and never written.
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;

  // ---- Documents (diagram/persistence/DiagramDocument.cpp) ----
  // The whole document as an object stream: binary, or its text form.
  virtual void SaveToStream(TStream& AStream, bool TextFormat);
  // Replaces the document by the stream's content. A stream that fails to read leaves
  // the document exactly as it was and the error goes on to the caller.
  virtual void LoadFromStream(TStream& AStream, bool TextFormat);
  // Text form; the file is replaced atomically, so a failed save keeps the old file.
  void SaveToFile(const QString& AFileName);
  void LoadFromFile(const QString& AFileName);
  // The file the document was last read from or saved to (empty for a new one); vector
  // exports take their title from it. A program that reads files itself may set it.
  const QString& GetDocumentFileName() const { return FDocumentFileName; }
  void SetDocumentFileName(const QString& Value) { FDocumentFileName = Value; }
  // Removes every control; with RestoreDefaults also the diagram's own settings.
  void Clear(bool RestoreDefaults);
  // Takes over the published properties of another diagram (not its controls).
  void Assign(TPersistent* Source) override;

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
  bool DoDrawBlock(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                   const TDiagramDrawBlockInfo& ABlockInfo) override;
  bool DoDrawShape(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                   const TDiagramDrawBlockInfo& ABlockInfo) override;
  void DoAfterDrawBlock(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                        const TDiagramDrawBlockInfo& ABlockInfo) override;
  void DoDrawLinkPoint(TCanvas* ACanvas, TLinkPoint* ALinkPoint, const TPoint& APoint, bool& ADone) override;
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
  // Called once when the outermost bracket of a user operation closes (also when the
  // operation failed part-way), with the operation's label: the point where the undo
  // stack records the document's state.
  std::function<void(TdvDiagram* Sender, const QString& ALabel)> OnOperationEnd;
  TDControlMouseEventEx OnDControlMouseDownEx;

 protected:
  // The screen's pixels per inch, as the platform reports it.
  virtual int PlatformScreenPPI() const;
  // Invalidates the window when the diagram sits in a parent window.
  virtual void InvalidateWindow();
  // Fits the selection block around the selection; it arrives with the group classes.
  virtual void UpdateSelBlock() {}
  bool HasParentWindow() const;
  // The thickness of the window's own scroll bars, which take room from the drawing area
  // while they are shown.
  virtual int ScrollBarThickness() const;
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void PaintWindow(QPainter& Painter, const TRect& UpdateRect) override;
  void DropUnresolvedAnchors();
  void Resize() override;
  // Input goes to the active tool after the application's handlers.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

 private:
  friend class TDiagramControlList;
  friend class TDiagramExporter;
  friend class TDiagramPainter;
  friend class TDiagramSelection;
  friend class TDiagramTool;
  friend class TDiagramUpdates;
  friend class TDiagramViewport;
  friend class TDiagramWindow;
  // Runs a programmatic batch of moves: extent and repaint once, anchored lines told
  // once per control at the end; the brackets close even when a move throws.
  void ProgrammaticMove(const std::function<void()>& AMoves);
  void DesignEvent(TDiagramEventType AType);

  // The collaborators.
  std::unique_ptr<TDiagramUpdates> FUpdates;
  std::unique_ptr<TDiagramControlList> FControls;
  std::unique_ptr<TDiagramSelection> FSelection;
  std::unique_ptr<TDiagramViewport> FViewport;
  std::unique_ptr<TDiagramPainter> FPainter;
  std::unique_ptr<TDiagramExporter> FExporter;
  std::unique_ptr<TDiagramWindow> FWindow;
  std::unique_ptr<TDiagramTools> FTools;

  // The view objects, published as the diagram's own properties.
  std::vector<std::shared_ptr<IDiagramSubscriber>> FSubList;
  TOwned<TDiagramLayers> FLayers;
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
  QString FDocumentFileName;
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
  int64_t FActiveLayers = 0;
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
