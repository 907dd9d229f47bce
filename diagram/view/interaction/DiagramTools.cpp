// The tool registry and the active-tool slot.
#include "diagram/view/interaction/DiagramTools.h"

#include "diagram/model/LinkPoints.h"
#include "diagram/model/StretchHandles.h"
#include "diagram/view/interaction/BrowseTool.h"
#include "diagram/view/interaction/DrawTool.h"
#include "diagram/view/interaction/InsertTool.h"
#include "diagram/view/interaction/MoveTool.h"
#include "diagram/view/interaction/PanZoomTool.h"
#include "diagram/view/interaction/ResizeTool.h"
#include "diagram/view/interaction/RubberBandTool.h"

namespace tarnwick {

namespace {
template <class T>
T* Add(TDiagramTools& ATools, TdvDiagram& ADiagram) {
  auto tool = std::make_unique<T>(ADiagram);
  T* raw = tool.get();
  ATools.Register(std::move(tool));
  return raw;
}
}  // namespace

TDiagramTools::TDiagramTools(TdvDiagram& ADiagram) {
  FBrowse = Add<TBrowseTool>(*this, ADiagram);
  FMove = Add<TMoveTool>(*this, ADiagram);
  FResize = Add<TResizeTool>(*this, ADiagram);
  FRubberBand = Add<TRubberBandTool>(*this, ADiagram);
  FInsert = Add<TInsertTool>(*this, ADiagram);
  FPanZoom = Add<TPanZoomTool>(*this, ADiagram);
  FDraw = Add<TDrawTool>(*this, ADiagram);
}

TDiagramTools::~TDiagramTools() = default;

void TDiagramTools::Register(std::unique_ptr<TDiagramTool> ATool) {
  if (ATool) FTools.push_back(std::move(ATool));
}

TDiagramTool& TDiagramTools::Active() const {
  for (auto it = FTools.rbegin(); it != FTools.rend(); ++it)
    if ((*it)->Serves(FMouseState)) return **it;
  return *FTools.front();
}

void TDiagramTools::Forget(TDiagramControl* AControl) {
  if (FPreviousDControl == AControl) FPreviousDControl = nullptr;
  if (FDControlClicked == AControl) FDControlClicked = nullptr;
  if (FLinkPoint && FLinkPoint->GetDControl() == AControl) FLinkPoint = nullptr;
  if (FHandle && FHandle->GetDControl() == AControl) FHandle = nullptr;
}

}  // namespace tarnwick
