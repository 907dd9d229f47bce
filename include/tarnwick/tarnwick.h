#pragma once
// Tarnwick: the whole public programming interface of the diagram component in one
// include. Embedding applications link Tarnwick::tarnwick and include <tarnwick/tarnwick.h>.

// Platform: object model, streams, string lists, colours, fonts, pens, brushes, canvas.
#include "platform/core/ClassInfo.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Collection.h"
#include "platform/core/Colors.h"
#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/core/Exception.h"
#include "platform/core/Filer.h"
#include "platform/core/Format.h"
#include "platform/core/List.h"
#include "platform/core/Math.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/Properties.h"
#include "platform/core/Set.h"
#include "platform/core/Stream.h"
#include "platform/core/Strings.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Types.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/EncodedImage.h"
#include "platform/gui/Font.h"
#include "platform/gui/Graphic.h"
#include "platform/gui/GraphicFormats.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/Pen.h"
#include "platform/gui/Picture.h"

// Window glue: a component that owns a QWidget created on demand; timers.
#include "platform/widgets/Timer.h"
#include "platform/widgets/WinControl.h"

// Object streams: the binary form, its text form and the converters between them.
#include "streaming/ObjectStream.h"
#include "streaming/Reader.h"
#include "streaming/TextConvert.h"
#include "streaming/ValueType.h"
#include "streaming/Writer.h"

// Graphics layer: the engine-neutral drawing surface.
#include "graphics/BlockPath.h"
#include "graphics/BlockTransform.h"
#include "graphics/Transparency.h"

// Geometry kernel: points and rectangles in diagram units, curves, the rotated frame.
#include "geometry/DiagramUtils.h"

// Diagram component: the diagram and its view objects (rulers, snap grid, scroll bars,
// background, page settings and page lines), the built-in blocks and lines, and the
// registration of the built-in classes (a TdvDiagram does it when constructed) and the
// control registry that maps control identifiers to classes.
#include "diagram/Registration.h"
#include "diagram/layout/DiagramLayout.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/printing/PageLines.h"
#include "diagram/printing/PageSettings.h"
#include "diagram/model/CustomBlock.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/RegDControls.h"
#include "diagram/model/TextBlock.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramBackground.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramScrollBar.h"
#include "diagram/view/SnapGrid.h"
#include "diagram/view/actions/DiagramAlign.h"

// Ready-made block sets (flowchart symbols, arrows): RegisterBlockSets makes them known to
// documents and palettes.
#include "blocks/BlockSets.h"
#include "blocks/arrows/ArrowBlocks.h"
#include "blocks/flowchart/FlowchartBlocks.h"
