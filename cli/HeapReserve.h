#pragma once
// Room on the heap for a command's document, backed by huge pages where the system gives
// them on request.
#include <cstdint>

namespace tarnwick::cli {

// Grows the heap by about ABytes and asks for huge pages on that stretch. A large
// document's objects, text and bands otherwise fault their memory in 4 KB at a time, and
// on a virtual machine each fault is dear: at 20 MB of text the faults were a third of
// the loading time. The heap keeps the room once it is freed again (the trimming
// threshold is raised to match); pages never touched cost no memory.
void ReserveHeap(int64_t ABytes);

}  // namespace tarnwick::cli
