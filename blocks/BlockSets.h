#pragma once
// The ready-made block sets (flowchart symbols, arrows, ...): their classes become known for
// streaming, and their entries join the control registry after the core entries, set by
// set in start-up order, the order palettes list them in. The program and the command-line
// tool call it at start; an embedding application that wants these blocks on its palette,
// or documents holding them read back, calls it once after RegisterAllClasses.
namespace tarnwick {

// The work is done on the first call only; it registers the core classes first when that
// has not happened yet, so the sets always follow the core entries.
void RegisterBlockSets();

}  // namespace tarnwick
