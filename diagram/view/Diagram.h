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
#include "diagram/printing/Pagination.h"
#include "diagram/view/DiagramControlList.h"
#include "diagram/view/DiagramPublished.h"
#include "diagram/view/DiagramTypes.h"
#include "diagram/view/UpdateGuard.h"
#include "platform/core/List.h"
#include "platform/core/Stream.h"

namespace tarnwick {

class TBitmap;
class TDiagramExporter;
class TDiagramLayout;
class TDiagramPainter;
class TCustomDiagramBlock;
class TDiagramClipboard;
class TDiagramMemo;
class TDiagramSelection;
class TDiagramTextEditor;
class TDiagramTool;
class TDiagramTools;
class TDiagramUndoStack;
class TDiagramViewport;
class TDiagramWindow;
class TFont;
class TGroupBlock;

class TdvDiagram : public TDiagramPublished, public TDiagramHost {
  TARNWICK_CLASS(TdvDiagram)

 public:
  explicit TdvDiagram(TComponent* AOwner);
  ~TdvDiagram() override;
  // The undo history starts with the new diagram's state.
  void AfterConstruction() override;
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
  // The mouse tools: the window's input goes to the one serving the mouse state.
  void RegisterTool(std::unique_ptr<TDiagramTool> ATool);
  TDiagramTool& GetActiveTool() const;
  // The feedback of the drag in progress, over the finished picture of a screen pass.
  void PaintToolOverlay(TCanvas& ACanvas);

  // ---- Registry (DiagramRegistry.cpp; the entries: diagram/model/RegDControls.h) ----
  // Arms insertion of the object registered under the identifier: a library object from its
  // stored text, else an instance of the entry's class (a plain block for an unknown one).
  void StartInsertingControl(const QString& ADControlID, bool AKeepInserting);
  // The class registered under ConnectionLineId when it is a line class, else null (the
  // default), which disables drawing lines out of link points.
  const TClassInfo* GetConnectionLineClass() const;
  // Selects the class by its identifier, the class name, registering it when no entry has
  // that name yet; null clears ConnectionLineId.
  void SetConnectionLineClass(const TClassInfo* Value);

  // ---- Text editing (DiagramTextEditor.h) ----
  void EditTextCell(TTextCell* ACell);
  void EditControlText(TDiagramControl* ADControl) override;
  void EditBlockText(TCustomDiagramBlock* ABlock);
  void CloseEditor(bool AUpdate);
  bool EditingText() const;
  TTextCell* EditingCell() const;
  TDiagramMemo* GetInplaceMemo() const;
  TTextCell* CellCoveredByEditor() const override;
  void TextCellDestroying(TTextCell* ACell) override;

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

  // ---- Editing ----
  // Frees the selected controls that may be deleted and whose layer is editable (nothing
  // in a non-editable diagram); one "delete" operation, also when nothing went.
  void DeleteSelecteds();
  // The box around the selected controls not treated as members, measured in a frame
  // turned by AAngle; inside out (2147483647, 2147483647, 0, 0) for an empty selection.
  TSquare SelectionBounds(bool ABlocksOnly, double AAngle) const;

  // ---- Groups ----
  // A new group on the diagram (CustomGroupBlockClass, or TGroupBlock), without members.
  TGroupBlock* AddGroup();
  // Groups the selected controls that are in no group yet; null (and nothing made) for
  // fewer than two. The new group ends selected.
  TGroupBlock* GroupSelectedBlocks();
  // Frees the selected groups that are in no group; their members stay.
  void UngroupSelectedBlocks();
  const TClassInfo* GetCustomGroupBlockClass() const { return FCustomGroupBlockClass; }
  // Only a class descending from TGroupBlock is taken; it is registered for streaming.
  void SetCustomGroupBlockClass(const TClassInfo* Value);
  std::vector<TDiagramControl*> SelectedControls() const override;
  // A member of a selected group is selected with it.
  void GroupMembershipChanged(TDiagramControl* AGroup) override;

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
  // ---- Image export (DiagramExporter.h) ----
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
  // Brackets an export's bands: what stays the same from band to band is looked up once.
  void SetPaintingBands(bool AOn);

  // The drag snapshot: while it is in use a repaint copies it and paints only what moves.
  void BuildCache();
  void DropCache();
  bool UsingCache() const;
  // The canvas-pixel rectangle outside which the pass in progress paints no control: the
  // canvas's clip on screen, the printable page in preview and print, the whole drawing
  // (at least the canvas's clip) in an export.
  TSquare PaintClipSquare(TCanvas& ACanvas);

  // ---- Properties (the published ones: DiagramPublished.h) ----
  TdvDiagram* GetHostDiagram() override { return this; }
  TComponent* GetHostComponent() override { return this; }
  bool GetAutomaticNodes() const override { return FAutomaticNodes; }
  bool GetShowCrossIndicators() const override { return FShowCrossIndicators; }
  TDiagramHandlesStyle GetHandlesStyle() const override { return FHandlesStyle; }
  TFont* GetFont() const override { return FFont.get(); }
  bool GetShowHint() const override { return FShowHint; }
  static std::vector<TPropInfo> WindowPropertyTable();
  TDiagramDesignMode GetDesignMode() const override { return FDesignMode; }
  TDgrGraphicLib GetGraphicLib() const override { return FGraphicLib; }
  bool GetFixedSideLines() const override { return FFixedSideLines; }
  bool GetStoreEmptyCells() const override { return FStoreEmptyCells; }
  int GetOriginalPPI() const;

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return GetOwner(); }
  TComponent* GetChildParent() override { return this; }
  // "OriginalPPI" is read when a document carries it and never written.
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;

  // ---- Undo (DiagramUndoStack.h) ----
  // Records the current state as the result of the operation; the outermost operation
  // bracket calls it, so every completed operation is one step.
  void PushUndoStack(const QString& AActionName);
  // A mouse operation in progress is cancelled first; a step taken reports a change.
  void Undo();
  void Redo();
  QString NextUndoAction() const;
  QString NextRedoAction() const;
  void ClearUndoStack();
  const TDiagramUndoStack& GetUndoStack() const { return *FUndoStack; }

  // ---- Automatic layout (diagram/layout/DiagramLayout.h) ----
  // Runs ALayout on a graph of the blocks and the lines anchored to two of them, and moves
  // every block to its node's position. Neither records an undo step nor marks the
  // document modified: a command that wants both brackets the call itself.
  void ApplyLayout(TDiagramLayout& ALayout);

  // ---- Clipboard (DiagramClipboard.h) ----
  // With the in-place editor open, cut, copy and paste act on its text.
  void CopyToClipboard();
  // Copies, then deletes what may be deleted: recorded as "delete".
  void CutToClipboard();
  // Recorded as "paste"; a clipboard text that does not read changes nothing.
  void PasteFromClipboard();
  bool CanCopy() const;
  bool CanPaste();
  // The clipboard text of one control (a group with its members).
  QString SerializeObjectToString(TDiagramControl* ADControl);
  // Merges a clipboard text; returns the new controls. All or nothing.
  std::vector<TDiagramControl*> LoadDiagramText(const QString& AText);
  // A control made from a clipboard text, on no diagram and unnamed.
  TDiagramControl* CreateDControlFromData(const QString& AText, const QString& ADControlID);

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
  bool DoDrawBlock(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                   const TDiagramDrawBlockInfo& ABlockInfo) override;
  bool DoDrawShape(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                   const TDiagramDrawBlockInfo& ABlockInfo) override;
  void DoAfterDrawBlock(TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                        const TDiagramDrawBlockInfo& ABlockInfo) override;
  void DoDrawLinkPoint(TCanvas* ACanvas, TLinkPoint* ALinkPoint, const TPoint& APoint, bool& ADone) override;

 protected:
  // The screen's pixels per inch, as the platform reports it.
  virtual int PlatformScreenPPI() const;
  // Invalidates the window when the diagram sits in a parent window.
  virtual void InvalidateWindow();
  // Fits the selection block around the selection when a selection bracket closes.
  virtual void UpdateSelBlock();
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
  friend class TDiagramClipboard;
  friend class TDiagramControlList;
  friend class TDiagramExporter;
  friend class TDiagramPublished;
  friend class TDiagramPainter;
  friend class TDiagramSelection;
  friend class TDiagramTool;
  friend class TDiagramUndoStack;
  friend class TDiagramUpdates;
  friend class TDiagramViewport;
  friend class TDiagramWindow;
  // Runs a programmatic batch of moves: extent and repaint once, anchored lines told
  // once per control at the end; the brackets close even when a move throws. The scroll
  // ranges are settled after it, unless the batch is part of settling them.
  void ProgrammaticMove(const std::function<void()>& AMoves, bool ASettleExtent = true);
  void DesignEvent(TDiagramEventType AType);
  // Replaces the document by a snapshot of the undo history, keeping the history.
  void RestoreSnapshot(TStream& AStream);
  // ---- Editing ----
  // The keyboard's editing keys (moving, selecting, paging); true when the key was used.
  bool EditingKeyDown(uint16_t Key, TShiftState Shift);
  void DeleteSelectedsExcept(TControlRestrictions AMask);
  // Directions: 0 up, 1 left, 2 down, 3 right.
  void SelectNearestBlock(int ADirection);
  bool IsSelBlock(const TDiagramControl* AControl) const;
  // ---- Groups ----
  const TClassInfo* FCustomGroupBlockClass = nullptr;

  // The collaborators.
  std::unique_ptr<TDiagramUpdates> FUpdates;
  std::unique_ptr<TDiagramControlList> FControls;
  std::unique_ptr<TDiagramSelection> FSelection;
  std::unique_ptr<TDiagramViewport> FViewport;
  std::unique_ptr<TDiagramPainter> FPainter;
  std::unique_ptr<TDiagramExporter> FExporter;
  std::unique_ptr<TDiagramWindow> FWindow;
  std::unique_ptr<TDiagramTools> FTools;
  std::unique_ptr<TDiagramUndoStack> FUndoStack;
  std::unique_ptr<TDiagramTextEditor> FTextEditor;
  std::unique_ptr<TDiagramClipboard> FClipboard;

  // Subscribers, layers and the document's file.
  std::vector<std::shared_ptr<IDiagramSubscriber>> FSubList;
  TOwned<TDiagramLayers> FLayers;
  int64_t FActiveLayers = 0;
  QString FDocumentFileName;
};

}  // namespace tarnwick
