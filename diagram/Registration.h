#pragma once
// The one place that makes the built-in control classes known: each is registered for
// streaming, so a document naming it can be read, and the control registry
// (diagram/model/RegDControls.h) receives the core entries in start-up order, the order
// palettes list them in. The program and the command-line tool call it at start; an
// embedding application never has to, since constructing a TdvDiagram calls it.
namespace tarnwick {

// The work is done on the first call only: later calls cost a check. A class record an
// application registered under a built-in class name is never replaced.
void RegisterAllClasses();

}  // namespace tarnwick
