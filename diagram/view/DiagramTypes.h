#pragma once
// The diagram component's own vocabulary: search modes and filters, units, paint styles,
// interaction modes, its event types and the subscriber interface.
#include <QString>
#include <functional>

#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Set.h"
#include "platform/core/Types.h"
#include "platform/core/TypeInfo.h"
#include "platform/widgets/Input.h"

namespace tarnwick {

class TObject;
class TComponent;

enum TControlSearchMode { csmAll, csmIgnoreLines };
enum TDiagramControlFilter { cfAll, cfIgnoreMembers, cfIgnoreGroups, cfIgnoreAsMembers };
enum TDiagramMeasUnit { duMili, duCenti, duInch };
enum TPaintStyle { psScreen, psPreview, psPrint, psBitmap };
// How much of the drawing an export frames: the scrollable area, the drawing with the same
// margin right and bottom as left and top, the drawing with a fixed margin, whole pages.
enum TExportSize { esStandard, esCentered, esNetto, esPage };
// efWMF writes a metafile: WMF for a ".wmf" name, EMF otherwise; efSVG and efPDF are the
// other vector formats.
enum TExportFormat { efAuto, efBMP, efWMF, efPNG, efSVG, efPDF };
enum TMouseWheelMode { mwOff, mwHorizontal, mwVertical };
enum TDiagramSelectionMode { slmMultiple, slmGroup };
enum TMovementRestriction { mrBlocks, mrLineHandles };
using TMovementRestrictions = TSet<TMovementRestriction, uint8_t>;
enum TZoomingState { zsZoomIn, zsZoomOut };
enum TDiagramEventType { etSelectionChanging, etSelectionChanged, etControlSelected, etControlUnselected };
enum TDgrEvent { deLibraryChanged, deGraphicLibChanged };
// msLink is kept for its ordinal: no press enters it.
enum TMouseState {
  msBrowsing,
  msSelecting,
  msInserting,
  msToInsert,
  msMoving,
  msLink,
  msResizing,
  msToDraw,
  msDrawing,
  msToPan,
  msPanning,
  msClickingNode,
  msToZoom,
  msZooming
};
enum TDiagramDragStyle { dsOutline, dsShape };
enum TDiagramKeyAction { kaEscape, kaMove, kaPage, kaResize, kaSelect };
using TDiagramKeyActions = TSet<TDiagramKeyAction, uint8_t>;
enum TBorderStyle { bsNone, bsSingle };

const TEnumTypeInfo& DiagramMeasUnitType();
const TEnumTypeInfo& MouseWheelModeType();
const TEnumTypeInfo& DiagramSelectionModeType();
const TEnumTypeInfo& DiagramKeyActionType();
const TEnumTypeInfo& BorderStyleType();
const TEnumTypeInfo& MouseStateType();

struct TDgrNotificationInfo {
  TDgrEvent Event = deLibraryChanged;
};

// Something (the editor window) that wants to hear about library and engine changes.
// Subscribers are shared: the diagram keeps them alive while they are subscribed.
class IDiagramSubscriber {
 public:
  virtual ~IDiagramSubscriber() = default;
  virtual void DgrNotification(const TDgrNotificationInfo& AInfo) = 0;
};

// Events. Sender is the diagram. Blocks, lines and groups are passed as their control.
using TDControlEvent = std::function<void(TObject* Sender, TDiagramControl* ADControl)>;
using TBlockEvent = std::function<void(TObject* Sender, TDiagramControl* ABlock)>;
using TLinkEvent = std::function<void(TObject* Sender, TDiagramControl* ALink)>;
using TDiagramLinkEvent =
    std::function<void(TObject* Sender, TDiagramControl* ADControl, TDiagramControl* ALink, TLinkPoint* ALinkPoint)>;
using TAcceptAnchorEvent = std::function<void(TObject* Sender, TLinkPoint* ALink, TLinkPoint* AAnchor, bool& Accept)>;
using TAcceptLinkEvent = std::function<void(TObject* Sender, TDiagramControl* ALink, TLinkPoint* Anchor1,
                                            TLinkPoint* Anchor2, bool& Accept)>;
using TDrawBlockEvent = std::function<void(TObject* Sender, TDiagramControl* ABlock, const TDiagramDrawInfo& AInfo,
                                           const TDiagramDrawBlockInfo& ABlockInfo, bool& APainted)>;
using TGetSurroundPtsEvent = std::function<void(TObject* Sender, TDiagramControl* ABlock, TPointArray& APts)>;
using TDControlMouseEvent = std::function<void(TObject* Sender, TDiagramControl* ADControl, TMouseButton Button,
                                               TShiftState Shift, int X, int Y)>;
using TDControlMouseMoveEvent =
    std::function<void(TObject* Sender, TDiagramControl* ADControl, TShiftState Shift, int X, int Y)>;
using TDControlMouseEventEx = std::function<void(TObject* Sender, TDiagramControl* ADControl, TMouseButton Button,
                                                 TShiftState Shift, int X, int Y, TStretchHandle*& AHandle)>;
using TDiagramPosEvent = std::function<void(TObject* Sender, int X, int Y)>;
using TDiagramPaintEvent = std::function<void(TObject* Sender, TCanvas* ACanvas)>;
using TDiagramDrawLinkPointEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TLinkPoint* ALinkPoint,
                                                      const TPoint& APoint, bool& DrawingDone)>;
using TDiagramOpenEditorEvent = std::function<void(TObject* Sender, TTextCell* ATextCell)>;
using TDiagramEditCellEvent = std::function<void(TObject* Sender, TTextCell* ATextCell)>;
using TDiagramCloseEditorEvent = std::function<void(TObject* Sender, TTextCell* ATextCell, bool AUpdate)>;
using TBeforeCreateControlEvent =
    std::function<void(TObject* Sender, const QString& ADControlID, QString& AComponentBaseName)>;
using TFindDControlNameEvent =
    std::function<void(TObject* Sender, TComponent* AComponent, const QString& ABaseName, QString& AName)>;
using TDiagramDesignEvent = std::function<void(TObject* Sender, TDiagramEventType AEventType, int Info)>;

}  // namespace tarnwick
