#pragma once
// The choice of graphics engine and the engine settings a diagram hands to every paint
// pass. The engines themselves live in the graphics layer; the diagram and its controls
// only store and compare these values, so they are declared here, next to the code that
// selects an engine.
#include "platform/core/TypeInfo.h"

namespace tarnwick {

enum TDgrGraphicLib { dglGDI, dglGDIPlus, dglDirect2D };
enum TDgrSmoothMode { smAntiAlias, smInactive, smHighSpeed, smHighQuality };
enum TDgrTextRenderingMode { tmAntiAlias, tmAntiAliasHint, tmDefault, tmNormal, tmNormalHint, tmClearType };

const TEnumTypeInfo& DgrGraphicLibType();
const TEnumTypeInfo& DgrSmoothModeType();
const TEnumTypeInfo& DgrTextRenderingModeType();

// Whether the platform offers the Direct2D engine. It does not by default: its substitute
// is switched on explicitly (by tests that exercise both engines, or an application).
bool IsDirect2DSupported();
void SetDirect2DSupported(bool Value);

// The engine every new diagram and every control without a diagram starts with:
// Direct2D where supported, otherwise GDI+.
TDgrGraphicLib DefaultGraphicLib();

}  // namespace tarnwick
