#pragma once
// Whole object trees to and from streams.
#include "platform/core/Component.h"
#include "platform/core/Stream.h"

namespace tarnwick {

// Writes the signature and Root's record (with its children) at the stream's position.
// SplitChildren as TWriter::SetSplitChildren: a root with that many children or more is
// written on two threads.
void WriteComponent(TStream& Stream, TComponent* Root, size_t SplitChildren = 0);

// Applies the object stream at the stream's position to Root and returns it. With Root
// null, the root is created (without owner) from the class the stream names; the caller
// then owns it. Errors are the reader's; a created root is freed when reading fails.
TComponent* ReadComponent(TStream& Stream, TComponent* Root);

}  // namespace tarnwick
