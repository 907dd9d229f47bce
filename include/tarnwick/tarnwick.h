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

// Geometry kernel: points and rectangles in diagram units, curves, the rotated frame.
#include "geometry/DiagramUtils.h"
