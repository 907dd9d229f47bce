#pragma once
// Where an error must not travel further (a slot of a button, a menu command, the event
// loop), it is turned into its message here and shown or logged by the caller.
#include <QString>
#include <functional>
#include <optional>

namespace tarnwick {

// Runs AWork. Nothing when it ran through; the message of the error it raised otherwise
// (ours or the standard library's).
std::optional<QString> ErrorOf(const std::function<void()>& AWork);

}  // namespace tarnwick
