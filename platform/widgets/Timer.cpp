#include "platform/widgets/Timer.h"

#include <QTimer>

#include "platform/widgets/WinControl.h"

namespace tarnwick {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FTimer(std::make_unique<QTimer>()) {
  QObject::connect(FTimer.get(), &QTimer::timeout, [this] {
    try {
      Fire(OnTimer, this);
    } catch (const Exception& e) {
      ShowException(e);
    } catch (const std::exception& e) {
      ShowException(Exception(QString::fromUtf8(e.what())));
    }
  });
  UpdateTimer();
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  FTimer->stop();
  // A zero interval would spin the event loop; such a timer simply never fires.
  if (FEnabled && FInterval > 0) FTimer->start(FInterval);
}

}  // namespace tarnwick
