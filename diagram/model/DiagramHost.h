#pragma once
// The diagram as its controls see it. Controls, link points, handles, text cells and
// layers are model code and never depend on the windowed diagram class itself; they reach
// their diagram through this interface, which TdvDiagram implements. A control keeps both
// pointers: TdvDiagram* for callers that know the diagram, and this host for itself.
#include <vector>

#include "diagram/model/DiagramControlTypes.h"

namespace tarnwick {

class TComponent;
class TFont;
class TDiagramLayers;

class TDiagramHost {
 public:
  // The diagram itself.
  virtual TdvDiagram* GetHostDiagram() = 0;
  virtual TComponent* GetHostComponent() = 0;

  // Membership: a control joins and leaves only through its Diagram property, which
  // calls these. Blocks and lines add themselves to the typed lists from DiagramChanged.
  virtual void AddDControl(TDiagramControl* AControl) = 0;
  virtual void RemoveDControl(TDiagramControl* AControl) = 0;
  virtual void AddBlock(TDiagramControl* ABlock) = 0;
  virtual void RemoveBlock(TDiagramControl* ABlock) = 0;
  virtual void AddLink(TDiagramControl* ALink) = 0;
  virtual void RemoveLink(TDiagramControl* ALink) = 0;
  virtual int DControlCount() const = 0;
  virtual TDiagramControl* GetDControls(int Index) const = 0;

  // Selection.
  virtual void BeginUpdateSel() = 0;
  virtual void EndUpdateSel() = 0;
  virtual void DControlSelected(TDiagramControl* AControl) = 0;
  virtual void DControlUnselected(TDiagramControl* AControl) = 0;
  // Unselects every selected control that is no longer visible.
  virtual void UnselectInvisibleControls() = 0;
  // Group-selection mode with more than one selected control: the selection block's
  // handles stand for the whole selection.
  virtual bool IsShowingGroupSelection() const = 0;
  virtual TDiagramControl* GetSelBlockControl() const = 0;
  // The selected controls in selection order. This default walks the control list, so
  // it answers in z-order; a diagram that keeps its selection list answers from it.
  virtual std::vector<TDiagramControl*> SelectedControls() const;
  // A control joined AGroup: a diagram brings the selection state of the group hierarchy
  // in line (a member of a selected group is selected with it). Nothing by default.
  virtual void GroupMembershipChanged(TDiagramControl* /*AGroup*/) {}

  // Repaint requests and change reports.
  virtual void RequestRedraw() = 0;
  virtual void Modified() = 0;

  // Settings the controls follow.
  virtual TDiagramDesignMode GetDesignMode() const = 0;
  virtual TDgrGraphicLib GetGraphicLib() const = 0;
  virtual TFont* GetFont() const = 0;
  virtual bool GetShowHint() const = 0;
  virtual TDiagramHandlesStyle GetHandlesStyle() const = 0;
  virtual double GetScreenDPIRatio() const = 0;
  // Diagram units to canvas pixels for the paint pass in progress.
  virtual TDot ClientToCanvas(TDot APoint) const = 0;
  virtual bool GetAutomaticNodes() const = 0;
  // Settings lines follow. The diagram's getters of the same names answer these; the
  // defaults here are the diagram's own defaults, for hosts that keep no such settings.
  // The application's drawing hooks around a block: true when the application painted the
  // block's body (or outline) itself and the block leaves it out.
  virtual bool DoDrawBlock(TDiagramControl*, const TDiagramDrawInfo&, const TDiagramDrawBlockInfo&) { return false; }
  virtual bool DoDrawShape(TDiagramControl*, const TDiagramDrawInfo&, const TDiagramDrawBlockInfo&) { return false; }
  virtual void DoAfterDrawBlock(TDiagramControl*, const TDiagramDrawInfo&, const TDiagramDrawBlockInfo&) {}
  // The application's drawing of one link point marker; sets ADone when it painted it.
  virtual void DoDrawLinkPoint(TCanvas*, TLinkPoint*, const TPoint&, bool&) {}
  virtual bool GetFixedSideLines() const { return false; }
  virtual bool GetShowCrossIndicators() const { return false; }
  virtual bool GetStoreEmptyCells() const { return true; }
  virtual bool LayerActive(int ALayer) const = 0;
  virtual TDiagramLayers* GetLayers() const = 0;

  // Diagram-level link events, fired after the control's own.
  virtual void DoLinkAdded(TDiagramControl* AControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint) = 0;
  virtual void DoLinkRemoved(TDiagramControl* AControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint) = 0;

  // Operations a control forwards to its diagram.
  virtual void BringToFront(TDiagramControl* AControl) = 0;
  virtual void SendToBack(TDiagramControl* AControl) = 0;
  virtual void MakeControlVisible(TDiagramControl* AControl) = 0;
  // The in-place text editor: opening it on a control, the cell it covers on screen (the
  // painting leaves that cell out), and a cell going away under it.
  virtual void EditControlText(TDiagramControl* /*AControl*/) {}
  virtual TTextCell* CellCoveredByEditor() const { return nullptr; }
  virtual void TextCellDestroying(TTextCell* /*ACell*/) {}

 protected:
  ~TDiagramHost() = default;
};

// Conversions between the diagram class and its host side; defined with the diagram, so
// model code needs neither its declaration nor the window classes behind it.
TDiagramHost* DiagramHostOf(TdvDiagram* ADiagram);
// The component as a diagram, or null when it is none.
TdvDiagram* DiagramFromComponent(TComponent* AComponent);

}  // namespace tarnwick
