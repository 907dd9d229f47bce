#include "platform/gui/Progress.h"

#include <algorithm>
#include <utility>

namespace tarnwick {

namespace {

thread_local TProgressScope* CurrentScope = nullptr;
thread_local TProgressSteps* CurrentSteps = nullptr;

}  // namespace

TProgressScope::TProgressScope(TProgressObserver AObserver) : FObserver(std::move(AObserver)), FOuter(CurrentScope) {
  CurrentScope = this;
}

TProgressScope::~TProgressScope() { CurrentScope = FOuter; }

bool ReportProgress(qint64 ADone, qint64 ATotal) {
  TProgressScope* scope = CurrentScope;
  if (!scope || !scope->FObserver) return true;
  return scope->FObserver(ADone, ATotal);
}

void CheckProgress(qint64 ADone, qint64 ATotal) {
  if (!ReportProgress(ADone, ATotal)) throw EOperationCancelled(QStringLiteral("The operation was cancelled."));
}

TProgressSteps::TProgressSteps(qint64 ATotal)
    : FTotal(std::max<qint64>(ATotal, 0)), FEvery(std::max<qint64>(FTotal / 100, 1)), FOuter(CurrentSteps) {
  // Reported before the scope is linked in: a constructor that throws runs no destructor.
  CheckProgress(0, FTotal);
  CurrentSteps = this;
}

TProgressSteps::~TProgressSteps() { CurrentSteps = FOuter; }

void TProgressSteps::Finish() {
  FDone = FTotal;
  CheckProgress(FTotal, FTotal);
}

void ProgressStep() {
  TProgressSteps* steps = CurrentSteps;
  if (!steps) return;
  // More steps than announced (a paint nested in another) must not run past the total:
  // an observer may rely on progress that never goes backwards or beyond the end.
  if (steps->FDone >= steps->FTotal) return;
  ++steps->FDone;
  if (steps->FDone % steps->FEvery == 0 && steps->FDone < steps->FTotal) CheckProgress(steps->FDone, steps->FTotal);
}

}  // namespace tarnwick
