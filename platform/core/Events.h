#pragma once
// Events are plain std::function fields, fired only when assigned.
#include <functional>

namespace tarnwick {

class TObject;
using TNotifyEvent = std::function<void(TObject* Sender)>;

template <class F, class... Args>
inline void Fire(const F& event, Args&&... args) {
  if (event) event(std::forward<Args>(args)...);
}

}  // namespace tarnwick
