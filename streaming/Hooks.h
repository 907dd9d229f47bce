#pragma once
// The platform leaves the reading and writing of component records and of string lists
// to this library through hooks; every reader and writer installs them before use.
namespace tarnwick {

void EnsureStreamingHooks();

}  // namespace tarnwick
