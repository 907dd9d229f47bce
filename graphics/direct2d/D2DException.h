#pragma once
// The Direct2D engine's own error, and the support check every entry point of the engine
// (block drawer, paint engine) runs before it builds anything.
#include "platform/core/Exception.h"

namespace tarnwick {

TARNWICK_EXCEPTION(EDirect2DException, Exception);

// Raises EDirect2DException "Direct2D not supported." unless the platform reports support.
void RequireDirect2D();

}  // namespace tarnwick
