#pragma once
// TDiagramControl: the base of everything that lives in a diagram (blocks, lines, groups).
// It holds what all controls share (diagram link, selection, handles, link points, text
// cells, restrictions, font and hint, visibility and layers, engine choice, the drawers
// that map the control's original coordinate space) and declares the virtual contract
// through which the diagram paints, hit-tests, moves, resizes and inserts controls
// without knowing their kind.
#include <QString>

#include "diagram/model/DiagramControlTypes.h"
#include "diagram/model/HandlesAppearance.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/model/TextCells.h"
#include "geometry/BlockDrawer.h"
#include "platform/core/Component.h"
#include "platform/core/ShiftState.h"

namespace tarnwick {

class TDiagramHost;
class TFont;
class TPen;
class TBrush;

class TDiagramControl : public TComponent {
  TARNWICK_CLASS(TDiagramControl)

 public:
  explicit TDiagramControl(TComponent* AOwner);
  ~TDiagramControl() override;
  void AfterConstruction() override;
  // Leaves the group and the diagram, then frees the owned parts while the control is
  // still whole, so overrides reached from the teardown still run.
  void BeforeDestruction() override;

  // ---- Diagram membership ----
  TdvDiagram* GetDiagram() const { return FDiagram; }
  // The only way a control joins or leaves a diagram.
  void SetDiagram(TdvDiagram* Value);
  TDiagramHost* GetDiagramHost() const { return FHost; }

  // ---- Selection and restrictions ----
  // False whenever CanSelect is False.
  bool GetSelected() const;
  virtual void SetSelected(bool Value);
  TControlRestrictions GetRestrictions() const { return FRestrictions; }
  void SetRestrictions(TControlRestrictions Value) { FRestrictions = Value; }

  // ---- Owned parts ----
  TStretchHandles* GetHandles() const { return FHandles.get(); }
  TLinkPoints* GetLinkPoints() const { return FLinkPoints.get(); }
  TTextCells* GetTextCells() const { return FTextCells.get(); }
  void SetTextCells(TTextCells* Value);
  // Made on first use: most controls are never selected, and the looks of ten handle
  // kinds are a large part of a control's memory.
  THandlesAppearance* GetHandlesAppearance() const;
  // The link point markers' pen and brush are made on first use, like the handle looks.
  TPen* GetLinkPointPen() const;
  void SetLinkPointPen(TPen* Value);
  TBrush* GetLinkPointBrush() const;
  void SetLinkPointBrush(TBrush* Value);
  TLinkPointStyle GetLinkPointStyle() const { return FLinkPointStyle; }
  void SetLinkPointStyle(TLinkPointStyle Value);
  // The item class of the link point collection, fixed when the control is made.
  const TClassInfo& LinkPointClass() const;

  // ---- Identity and free data ----
  // The class name while no registry id was given.
  QString GetDControlID() const;
  void SetDControlID(const QString& Value) { FDControlID = Value; }
  TObject* GetObj() const { return FObj; }
  void SetObj(TObject* Value) { FObj = Value; }
  const QString& GetStringData() const { return FStringData; }
  void SetStringData(const QString& Value) { FStringData = Value; }
  TInsertStyle GetInsertStyle() const { return FInsertStyle; }
  void SetInsertStyle(TInsertStyle Value) { FInsertStyle = Value; }

  // ---- Hint, cursor, font ----
  const QString& GetHint() const { return FHint; }
  void SetHint(const QString& Value) { FHint = Value; }
  bool GetShowHint() const { return FShowHint; }
  // Also stops following the diagram's ShowHint.
  void SetShowHint(bool Value);
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  // Copies the diagram's ShowHint while ParentShowHint is set; the diagram calls it when
  // its own ShowHint changes.
  void ApplyParentShowHint();
  bool IsShowHintStored() const { return !FParentShowHint; }
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  TFont* GetFont() const { return FFont.get(); }
  // Copies the font; any change of the font stops it from following the diagram's.
  void SetFont(TFont* Value);
  bool GetDiagramFont() const { return FDiagramFont; }
  void SetDiagramFont(bool Value);
  bool IsFontStored() const { return !FDiagramFont; }
  // Copies the diagram's font (when there is a diagram) without leaving DiagramFont.
  void ApplyDiagramFont();

  // ---- Visibility and layers ----
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // Visible, on a diagram, on an active numbered layer, not collapsed and not on a
  // hidden layer object.
  bool IsVisible() const;
  int GetLayer() const { return FLayerInteger; }
  void SetLayer(int Value);
  TDiagramLayer* GetLayerObj() const { return FLayerObj; }
  // A layer of another diagram is refused (the control ends up on no layer object).
  void SetLayerObj(TDiagramLayer* Value);
  QString GetLayerName() const;
  void SetLayerName(const QString& Value);
  // The layer name read before the diagram was known, resolved when the control joins.
  const QString& GetPendingLayerName() const { return FLayerNameFix; }
  // The diagram is deleting ALayer: a control on it leaves it, remembering its name as
  // pending while the diagram loads.
  void LayerDestroying(TDiagramLayer* ALayer);
  bool LayerEditable() const;
  bool GetCollapsed() const { return FCollapsed; }
  // Set by the collapsing of a node above the control; hides it like a hidden layer.
  void SetCollapsed(bool Value);

  // ---- Appearance and engine ----
  bool GetAutoCreateLinkPoints() const { return FAutoCreateLinkPoints; }
  void SetAutoCreateLinkPoints(bool Value) { FAutoCreateLinkPoints = Value; }
  bool GetIsBackgroundControl() const { return FIsBackgroundControl; }
  void SetIsBackgroundControl(bool Value);
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value);
  bool GetSelectableTextCells() const { return FSelectableTextCells; }
  void SetSelectableTextCells(bool Value) { FSelectableTextCells = Value; }
  double GetAngle() const { return FAngle; }
  // Stores the angle and runs AngleChanged when it changed.
  virtual void SetAngle(double Value);
  TDControlPaintMode GetIntPaintMode() const { return FIntPaintMode; }
  // Sets the mode here and on every selected group above this control.
  void SetPaintMode(TDControlPaintMode AMode);

  // The engine the control paints with: its own choice when it has one or no diagram,
  // else the diagram's.
  TDgrGraphicLib EffectiveGraphicLib() const;
  bool UsesEngine() const { return EffectiveGraphicLib() != dglGDI; }
  TDgrGraphicLib GetGraphicLib() const { return EffectiveGraphicLib(); }
  void SetGraphicLib(TDgrGraphicLib Value);
  bool GetCustomGraphicLib() const { return FCustomGraphicLib; }

  // The legacy drawers and the engine drawer slots (empty until the engines exist).
  TBlockDrawer* GetDrawer() const { return FDrawer.get(); }
  // The scratch frame for coordinate mapping, made on first use.
  TBlockDrawer* GetTempDrawer() const;
  // The engine drawer and its scratch path are made on first use (the first paint or hit
  // test through an engine), for the engine the control uses then: an engine canvas with
  // its pen, brush and surface is most of what a control would otherwise hold, and most
  // controls of a large document are never painted. Null for a control without an engine
  // and while it is being destroyed.
  TDgrBlockDrawer* GetDgrDrawer() const;
  TDgrGraphicsPath* GetTempPath() const;
  // Whether GetDgrDrawer gives a drawer (the control uses an engine and is not being
  // destroyed), without making it.
  bool HasDgrDrawer() const;
  // Whether the drawer is made already (tests, memory accounting).
  bool DgrDrawerMade() const { return FDgrDrawer != nullptr; }
  // Paints the control in a paint pass: the legacy drawer on ACanvas, the engine drawer on
  // the pass's engine (when the control uses one), Draw, then on screen passes the link
  // point markers (every point when AShowLinkPoints, the node points always).
  void Paint(TCanvas* ACanvas, TDgrPaintEngine* AEngine, bool AScreenPass, bool AShowLinkPoints);
  // The engine of the paint pass painting this control; null outside Paint.
  TDgrPaintEngine* GetPassEngine() const { return FPassEngine; }
  // The control's original coordinate space.
  TSquare GetOriginalRect() const;
  void SetOriginalRect(const TSquare& R);

  // ---- Groups ----
  // The group the control is a direct member of (a group control), or null.
  TDiagramControl* GetGroupBlock() const { return FGroupBlock; }
  // Used by the group classes when members join and leave.
  // The control hears of its group's destruction (and the group of its) directly.
  void SetGroupBlock(TDiagramControl* AGroup) {
    FGroupBlock = AGroup;
    if (AGroup) AGroup->FreeNotification(this);
  }
  // The outermost group: for a group it starts at the group itself, for any other
  // control at its group; null for a control that is neither.
  TDiagramControl* GetMasterGroup() const;
  bool IsMember() const { return FGroupBlock != nullptr; }
  // Member of a selected group.
  bool AsMember() const;
  // A group (not the selection block). Groups override.
  virtual bool IsGroup() const { return false; }
  // The members of a group, in member order; none for other controls.
  virtual int GetMemberCount() const { return 0; }
  virtual TDiagramControl* GetMember(int Index) const;
  // A member is being freed and leaves its group's member list.
  virtual void RemoveMember(TDiagramControl* AControl);
  // Moves a member to another place of the member list (z-order inside a group).
  virtual void MoveMember(TDiagramControl* AMember, int ANewIndex);

  // ---- Kind ----
  // Lines say so: link bookkeeping, searches and anchoring treat their points as ends.
  virtual bool IsLine() const { return false; }
  // Lines that must stay connected keep their ends anchored when the rest moves.
  virtual bool GetRequiresConnections() const { return false; }

  // ---- Permissions ----
  bool CanMove() const;
  bool CanResize() const;
  bool CanRotate() const;
  bool CanEditText() const;
  bool CanMoveRotCenter() const;
  bool CanLink() const;
  bool CanSelect() const;
  bool CanCopy() const;

  // ---- Operations ----
  void BringToFront();
  void SendToBack();
  void MakeVisible();
  // The first text cell, adding one to an empty collection.
  TTextCell* DefaultTextCell();
  bool HasDefaultTextCell() const;
  // The next (or previous) visible, editable cell for Tab navigation, across the whole
  // master group for members; null when there is none.
  TTextCell* SelectNextCell(TTextCell* ACell, bool AForward);
  // Opens the diagram's in-place editor on this control's text; nothing without a diagram.
  void EditText();
  // Tells every link point anchored to this control's points that it changed.
  void NotifyAnchoreds(TAnchorChange AChangeType);
  // Holds NotifyAnchoreds back (counted), while a group carries its members and tells
  // the lines anchored to them once at the end.
  void BeginAnchorNotifySuppression() { ++FNotifying; }
  void EndAnchorNotifySuppression() { --FNotifying; }

  // ---- Streaming ----
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  // Reads the record, then joins the diagram the reader is filling.
  void ReadState(TReader* Reader) override;
  void Loaded() override;
  // "DControlID" (only when it differs from the class name) and "Collapsed" (always).
  void DefineProperties(TFiler* Filer) override;
  bool HasCustomDControlID() const;

  // ---- The virtual contract ----
  // Every control states where it is (ControlRect) and how it moves (MoveBy); everything
  // else has a default that suits a plain control, so a new class overrides only what
  // differs: hooks and drag steps do nothing, the surround rectangle is the control
  // rectangle, a hit is a point inside it (or on a selectable text cell), and painting
  // paints the text cells.
  virtual TSquare ToOriginalRect(const TSquare& R) { return R; }
  virtual void NotifyHandleDestroying(TStretchHandle* AHandle);
  // A cell is being freed; the in-place editor, once the diagram has one, closes on it.
  virtual void NotifyTextCellDestroying(TTextCell* ACell);
  virtual void UnlinkFromUnselected();
  virtual TLinkPoint* HandleLinkPoint(TStretchHandle* AHandle);
  virtual void EnterCursorState() {}
  virtual void LeaveCursorState() {}
  virtual void SetupDgrDrawer(TDgrBlockDrawer* ADrawer);
  virtual void SetupDrawer(TBlockDrawer* ADrawer);
  virtual void TextCellsChanged();
  virtual void HandlesChanged() {}
  virtual TSquare CellRectToDiagram(TTextCell* ACell, const TSquare& R);
  virtual void LinkAdded(TDiagramControl* ALink, TLinkPoint* ALinkPoint);
  virtual void LinkRemoved(TDiagramControl* ALink, TLinkPoint* ALinkPoint);
  virtual void SyncAngle();
  virtual void AngleChanged(double ANew, double AOld);
  virtual void AnchorLinkChanged(TLinkPoint*) {}
  virtual void LinkedAnchorChanged(TLinkPoint*, TAnchorChange) {}
  virtual void Redraw();
  virtual void Draw(const TDiagramDrawInfo& AInfo);
  // Pos in diagram units rounded to integers.
  virtual bool PointInControl(TPoint Pos);
  virtual bool PointInTextCells(TPoint Pos);
  virtual void DblClickHook() {}
  virtual void ClickHook() {}
  virtual void MouseDownHook(TMouseButton, TShiftState, int, int) {}
  virtual void MouseDownExHook(TMouseButton, TShiftState, int, int, TStretchHandle*) {}
  virtual void MouseMoveHook(TShiftState, int, int) {}
  virtual void MouseUpHook(TMouseButton, TShiftState, int, int) {}
  virtual void MoveBy(double ADeltaX, double ADeltaY) = 0;
  virtual TSquare ControlRect() = 0;
  virtual TSquare SurroundRect() { return ControlRect(); }
  virtual void StartMove() {}
  virtual void UpdateMove(TControlMoveInfo&) {}
  virtual void UpdateInsert(TControlInsertInfo&) {}
  virtual void UpdateDraw(TControlDrawInfo&) {}
  virtual void StartResize() {}
  virtual void UpdateHandleMove(THandleMoveInfo&) {}
  virtual void DrawHandles(const TDiagramDrawInfo& AInfo);
  virtual void DrawHandle(const TDiagramDrawInfo& AInfo, TStretchHandle* AHandle);
  virtual TDot GetHandlePoint(TStretchHandle* AHandle);
  virtual TDot GetLinkPointPoint(TLinkPoint* ALinkPoint);
  virtual void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew);
  virtual void SelectedChanged() {}
  // Drops the engine drawer after a change of engine or diagram; the next use makes the
  // drawer of the engine then in force.
  virtual void RecreateDgrDrawer();
  virtual void FreeDgrDrawer();
  virtual void CalcSize(TCanvas* ACanvas);
  // Puts the control on a grid when it joins a diagram whose grid forces it; blocks put
  // their Left and Top on it (SnapCoordinate), other kinds stay where they are.
  virtual void SnapToGrid(double ASizeX, double ASizeY);

  TDControlLinkEvent OnLinkAdded;
  TDControlLinkEvent OnLinkRemoved;

 protected:
  // A control whose link points are of a TLinkPoint subclass passes that class here.
  TDiagramControl(TComponent* AOwner, const TClassInfo& ALinkPointClass);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Refreshes the handle appearance for the diagram's handle style and screen scale.
  void UpdateHandlesAppearance();

 private:
  friend class TdvDiagram;
  friend class TDiagramControlList;
  friend class TDiagramSelection;
  void FontChanged();
  void UnselectIfHidden();

  TdvDiagram* FDiagram = nullptr;
  TDiagramHost* FHost = nullptr;
  bool FSelected = false;
  TOwned<TStretchHandles> FHandles;
  TOwned<TLinkPoints> FLinkPoints;
  TControlRestrictions FRestrictions;
  QString FDControlID;
  mutable TOwned<TBrush> FLinkPointBrush;
  mutable TOwned<TPen> FLinkPointPen;
  double FAngle = 0.0;
  TOwned<TBlockDrawer> FDrawer;
  mutable TOwned<TBlockDrawer> FTempDrawer;
  TLinkPointStyle FLinkPointStyle = ptCross;
  TObject* FObj = nullptr;
  TInsertStyle FInsertStyle = isInsert;
  QString FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TOwned<TFont> FFont;
  bool FDiagramFont = true;
  TOwned<TTextCells> FTextCells;
  int FNotifying = 0;
  QString FStringData;
  bool FVisible = true;
  int FLayerInteger = 0;
  TDiagramLayer* FLayerObj = nullptr;
  bool FCollapsed = false;
  bool FAutoCreateLinkPoints = false;
  bool FIsBackgroundControl = false;
  mutable TOwned<TDgrBlockDrawer> FDgrDrawer;
  mutable TOwned<TDgrGraphicsPath> FTempPath;
  TDgrPaintEngine* FPassEngine = nullptr;
  TDControlPaintMode FIntPaintMode = pmNormal;
  int FTransparency = 0;
  TDiagramControl* FGroupBlock = nullptr;
  QString FLayerNameFix;
  // Kept by the diagram: whether this control is in its control list, so joining a
  // diagram of many controls needs no search of that list.
  bool FInControlList = false;
  bool FInBlockList = false;
  bool FInLinkList = false;
  mutable TOwned<THandlesAppearance> FHandlesAppearance;
  TDgrGraphicLib FGraphicLib = dglGDIPlus;
  bool FCustomGraphicLib = false;
  bool FSelectableTextCells = false;
  bool FApplyingDiagramFont = false;
};

}  // namespace tarnwick
