#pragma once
#include "platform/core/TypeInfo.h"

namespace tarnwick {

enum TDiagramPageOrientation { dpoPortrait, dpoLandscape };

const TEnumTypeInfo& DiagramPageOrientationType();

}  // namespace tarnwick
