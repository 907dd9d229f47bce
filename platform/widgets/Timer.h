#pragma once
// TTimer: fires OnTimer every Interval milliseconds while Enabled. Errors from the handler
// are shown like every other event error and stop nothing.
#include <memory>

#include "platform/core/Component.h"
#include "platform/core/Events.h"

class QTimer;

namespace tarnwick {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  int GetInterval() const { return FInterval; }
  void SetInterval(int Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);

  TNotifyEvent OnTimer;

 private:
  void UpdateTimer();
  std::unique_ptr<QTimer> FTimer;
  int FInterval = 1000;
  bool FEnabled = true;
};

}  // namespace tarnwick
