#pragma once
// Progress of a long operation (an image export) for whoever started it, and a way for
// them to stop it. The observer is per thread and scoped, so the code doing the work needs
// no extra parameter through every layer: it reports, and without an observer reporting
// costs a test of one pointer.
//
// The observer runs on the working thread between units of work. It may run an event loop
// (a progress dialog does), but whatever that loop delivers must not touch the object being
// worked on: a window painting the diagram mid-export would see it in the export's state.
#include <QtGlobal>
#include <functional>

#include "platform/core/Exception.h"

namespace tarnwick {

// Raised by the work when its observer asked to stop. Nothing was finished: a file being
// written is left as it was before.
TARNWICK_EXCEPTION(EOperationCancelled, Exception);

// Receives Done out of Total units; returns false to stop the operation.
using TProgressObserver = std::function<bool(qint64 ADone, qint64 ATotal)>;

// Installs an observer for this thread while it exists. Scopes nest: the innermost one
// hears the reports.
class TProgressScope {
 public:
  explicit TProgressScope(TProgressObserver AObserver);
  ~TProgressScope();
  TProgressScope(const TProgressScope&) = delete;
  TProgressScope& operator=(const TProgressScope&) = delete;

 private:
  friend bool ReportProgress(qint64, qint64);
  TProgressObserver FObserver;
  TProgressScope* FOuter;
};

// Tells this thread's observer; false when it asks to stop. True when nobody observes.
bool ReportProgress(qint64 ADone, qint64 ATotal);

// Reports, and raises EOperationCancelled when the observer asks to stop.
void CheckProgress(qint64 ADone, qint64 ATotal);

// Counts steps of work whose number is known before it starts but which happen deep in
// code that knows nothing of the total (the controls a vector export paints). Reports
// about a hundred times over the whole count and once at the end; ProgressStep() outside
// such a scope does nothing.
class TProgressSteps {
 public:
  explicit TProgressSteps(qint64 ATotal);
  ~TProgressSteps();
  TProgressSteps(const TProgressSteps&) = delete;
  TProgressSteps& operator=(const TProgressSteps&) = delete;

  // Reports the whole count done (raising EOperationCancelled when asked to stop).
  void Finish();

 private:
  friend void ProgressStep();
  qint64 FTotal;
  qint64 FDone = 0;
  qint64 FEvery;
  TProgressSteps* FOuter;
};

// One step of the innermost TProgressSteps of this thread; may raise EOperationCancelled.
void ProgressStep();

}  // namespace tarnwick
