#pragma once
// The one place that makes the built-in control classes known, so a document naming any of
// them can be read. The program and the command-line tool call it at start; an embedding
// application never has to, since constructing a TdvDiagram calls it.
#include <span>

#include "platform/core/ClassInfo.h"

namespace tarnwick {

// A built-in control class and how a palette presents it. An empty caption stands for the
// class name; an empty category for none.
struct TBuiltInControl {
  const TClassInfo* ClassInfo;
  const char* Caption;
  const char* Category;
};

// The built-in control classes in start-up order, which is also the order palettes list
// them in.
std::span<const TBuiltInControl> BuiltInControls();

// Registers every built-in control class with the streaming class registry. The work is done
// on the first call only: later calls cost a check, and never undo a class record an
// application registered in place of a built-in one in the meantime.
void RegisterAllClasses();

}  // namespace tarnwick
