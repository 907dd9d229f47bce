#include "editor/shell/ProgressRun.h"

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <algorithm>
#include <exception>

#include "platform/core/Exception.h"
#include "platform/gui/Progress.h"

namespace tarnwick {

namespace {

// The dialog shows once the work is estimated to take longer than this.
constexpr int ShowAfterMs = 400;
// The dialog's scale: fine enough for a smooth bar, coarse enough that most reports do
// not change the value (an unchanged value costs the dialog nothing).
constexpr int Steps = 1000;

// Holds back every paint but the dialog's while it lives, then asks every widget to paint
// again.
class TPaintHold : public QObject {
 public:
  explicit TPaintHold(QWidget* AKeep) : FKeep(AKeep) { qApp->installEventFilter(this); }
  ~TPaintHold() override {
    qApp->removeEventFilter(this);
    if (FHeld)
      for (QWidget* w : QApplication::allWidgets()) w->update();
  }

 protected:
  bool eventFilter(QObject* AObject, QEvent* AEvent) override {
    if (AEvent->type() != QEvent::Paint || !AObject->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(AObject);
    if (FKeep && (w == FKeep || FKeep->isAncestorOf(w))) return false;
    FHeld = true;
    return true;
  }

 private:
  QPointer<QWidget> FKeep;
  bool FHeld = false;
};

}  // namespace

TProgressOutcome RunWithProgress(QWidget* AParent, const QString& ATitle, const QString& ALabel,
                                 const std::function<void()>& AWork, QString* AError) {
  QProgressDialog dialog(ALabel, QStringLiteral("Cancel"), 0, Steps, AParent);
  dialog.setWindowTitle(ATitle);
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(ShowAfterMs);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  // Starts the dialog's clock; it shows itself from a later value once the work is
  // estimated to last longer than ShowAfterMs.
  dialog.setValue(0);

  const TPaintHold hold(&dialog);
  const TProgressScope scope([&dialog](qint64 ADone, qint64 ATotal) {
    const qint64 value = ATotal > 0 ? std::clamp<qint64>(ADone * Steps / ATotal, 0, Steps) : 0;
    // A modal dialog that shows runs the event loop here, so Cancel can be pressed.
    dialog.setValue(static_cast<int>(value));
    return !dialog.wasCanceled();
  });

  const auto fail = [AError](const QString& AMessage) {
    if (AError) *AError = AMessage;
    return TProgressOutcome::Failed;
  };
  try {
    AWork();
  } catch (const EOperationCancelled&) {
    return TProgressOutcome::Cancelled;
  } catch (const Exception& E) {
    return fail(E.Message());
  } catch (const std::exception& E) {
    return fail(QString::fromUtf8(E.what()));
  }
  if (AError) AError->clear();
  return TProgressOutcome::Done;
}

}  // namespace tarnwick
