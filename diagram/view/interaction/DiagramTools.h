#pragma once
// The diagram's mouse tools and the interaction state they share: the mouse state that
// picks the active tool, where a drag started, the control waiting to be inserted, and
// the control, link point and handle the mouse is working on.
#include <memory>
#include <vector>

#include "diagram/view/DiagramTypes.h"
#include "diagram/view/interaction/DiagramTool.h"
#include "geometry/Dot.h"
#include "platform/core/Colors.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TClassInfo;
class TDiagramControl;
class TLinkPoint;
class TStretchHandle;
class TBrowseTool;
class TMoveTool;
class TResizeTool;
class TRubberBandTool;
class TInsertTool;
class TPanZoomTool;
class TDrawTool;

class TDiagramTools {
 public:
  // Registers the standard tools; the browse tool serves every state no other tool claims.
  explicit TDiagramTools(TdvDiagram& ADiagram);
  ~TDiagramTools();
  TDiagramTools(const TDiagramTools&) = delete;
  TDiagramTools& operator=(const TDiagramTools&) = delete;

  // A later tool wins over an earlier one for the states both serve.
  void Register(std::unique_ptr<TDiagramTool> ATool);
  // The tool serving the current mouse state.
  TDiagramTool& Active() const;
  // A control leaving the diagram is forgotten by the interaction state.
  void Forget(TDiagramControl* AControl);

  TMouseState FMouseState = msBrowsing;
  // Canvas pixels where the current drag started.
  TDot FDragStart;
  // Canvas pixels of the last step shown; invalid while no step has been shown.
  TDot FOldDragPos = InvalidDot();
  TDiagramControl* FInsertDControl = nullptr;
  TDiagramControl* FPreviousDControl = nullptr;
  TDiagramControl* FDControlClicked = nullptr;
  TLinkPoint* FLinkPoint = nullptr;
  TStretchHandle* FHandle = nullptr;
  bool FKeepInserting = false;
  int FConnOff = 10;
  // The window's pointer shape at the press, put back when an operation ends.
  TCursor FOldScreenCursor = crDefault;
  TZoomingState FZoomingState = zsZoomIn;

  TBrowseTool* FBrowse = nullptr;
  TMoveTool* FMove = nullptr;
  TResizeTool* FResize = nullptr;
  TRubberBandTool* FRubberBand = nullptr;
  TInsertTool* FInsert = nullptr;
  TPanZoomTool* FPanZoom = nullptr;
  TDrawTool* FDraw = nullptr;

 private:
  std::vector<std::unique_ptr<TDiagramTool>> FTools;
};

}  // namespace tarnwick
