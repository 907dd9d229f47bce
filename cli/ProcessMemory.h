#pragma once
// How a command's process deals with its memory: room on the heap for the document,
// backed by huge pages where the system gives them on request, and no freeing at the end.
#include <cstdint>

namespace tarnwick::cli {

// Whether the process frees its document before it exits. Freeing tens of thousands of
// objects one by one takes a twentieth of a large export, for memory the system takes back
// at once when the process ends. Builds with a leak checker free everything, so that it
// still sees every leak.
bool FreesBeforeExit();

// Grows the heap by about ABytes and asks for huge pages on that stretch. A large
// document's objects, text and bands otherwise fault their memory in 4 KB at a time, and
// on a virtual machine each fault is dear: at 20 MB of text the faults were a third of
// the loading time. The heap keeps the room once it is freed again (the trimming
// threshold is raised to match); pages never touched cost no memory.
void ReserveHeap(int64_t ABytes);

}  // namespace tarnwick::cli
