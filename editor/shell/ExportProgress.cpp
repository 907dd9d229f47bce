#include "editor/shell/ExportProgress.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <algorithm>
#include <exception>

#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"
#include "platform/gui/Progress.h"

namespace tarnwick {

namespace {

// The dialog shows once the export is estimated to take longer than this.
constexpr int ShowAfterMs = 400;
// The dialog's scale: fine enough for a smooth bar, coarse enough that most reports do
// not change the value (an unchanged value costs the dialog nothing).
constexpr int Steps = 1000;

// Holds back every paint but the dialog's while it lives, then asks every widget to paint
// again. The dialog's event loop runs between bands and, for vector images, between
// controls; a window painting the diagram then would find it set up for the export (and
// set it back to the screen's settings half-way through the image).
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

bool ExportWithProgress(QWidget* AParent, TdvDiagram& ADiagram, const QString& AFileName, TExportFormat AFormat,
                        TExportSize ASize, QString* AError) {
  const QString label = QStringLiteral("Exporting %1").arg(QFileInfo(AFileName).fileName()) + QChar(0x2026);
  QProgressDialog dialog(label, QStringLiteral("Cancel"), 0, Steps, AParent);
  dialog.setWindowTitle(QStringLiteral("Export"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setMinimumDuration(ShowAfterMs);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  // Starts the dialog's clock; it shows itself from a later value once the export is
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
    return false;
  };
  try {
    ADiagram.ExportToFile(AFileName, AFormat, ASize);
  } catch (const EOperationCancelled&) {
    return fail(QStringLiteral("Export cancelled"));
  } catch (const Exception& E) {
    return fail(E.Message());
  } catch (const std::exception& E) {
    return fail(QString::fromUtf8(E.what()));
  }
  if (AError) AError->clear();
  return true;
}

}  // namespace tarnwick
