#pragma once
// Scope guards for brackets that must close however a scope is left. Begin/End pairs
// (update counts, flags that mark "inside", values a pass borrows) used to be closed by
// hand-written catch blocks that repeated the closing code; these do it once.
//
// The closing runs from a destructor. On the normal path an error it raises goes to the
// caller, exactly as a closing call written after the work would. While an error is
// already leaving the scope, the closing still runs but an error of its own is dropped,
// so the first error is the one that arrives (two at once would end the program).
#include <exception>
#include <utility>

namespace tarnwick {

// Runs the closing of a scope from a destructor. AUncaught is std::uncaught_exceptions()
// as it was when the scope opened: more now means an error is leaving the scope.
template <class F>
void CloseScope(int AUncaught, F&& AClose) {
  if (std::uncaught_exceptions() > AUncaught) {
    try {
      AClose();
    } catch (...) {
      // The error already leaving the scope is the one to report.
    }
  } else {
    AClose();
  }
}

// Runs a closing function when the scope ends, unless it was dismissed (the "undo on
// failure" pattern: dismiss once the work succeeded) or already closed.
template <class F>
class TScopeExit {
 public:
  explicit TScopeExit(F AClose) : FClose(std::move(AClose)), FUncaught(std::uncaught_exceptions()) {}
  ~TScopeExit() noexcept(false) {
    if (!FActive) return;
    FActive = false;
    CloseScope(FUncaught, FClose);
  }
  // The closing will not run.
  void Dismiss() noexcept { FActive = false; }
  // Runs the closing now instead of at the end of the scope.
  void Close() {
    if (!FActive) return;
    FActive = false;
    FClose();
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F FClose;
  int FUncaught;
  bool FActive = true;
};

template <class F>
TScopeExit(F) -> TScopeExit<F>;

// Gives a variable a value for the length of a scope and then the value it had. Used for
// "inside" flags (painting, notifying, applying a font) and for values a pass borrows.
template <class T>
class TScopedValue {
 public:
  TScopedValue(T& AVariable, T AValue) : FVariable(AVariable), FSaved(std::move(AVariable)) {
    FVariable = std::move(AValue);
  }
  ~TScopedValue() { FVariable = std::move(FSaved); }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& FVariable;
  T FSaved;
};

// Counts a nesting level up for the length of a scope.
template <class T>
class TScopedCount {
 public:
  explicit TScopedCount(T& ACounter) : FCounter(ACounter) { ++FCounter; }
  ~TScopedCount() { --FCounter; }
  TScopedCount(const TScopedCount&) = delete;
  TScopedCount& operator=(const TScopedCount&) = delete;

 private:
  T& FCounter;
};

// BeginUpdate() now, EndUpdate() when the scope ends: for collections and anything else
// with that pair, so the owner hears of a batch once.
template <class T>
class TUpdateScope {
 public:
  explicit TUpdateScope(T* AObject) : FObject(AObject), FUncaught(std::uncaught_exceptions()) {
    FObject->BeginUpdate();
  }
  ~TUpdateScope() noexcept(false) {
    CloseScope(FUncaught, [this] { FObject->EndUpdate(); });
  }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  T* FObject;
  int FUncaught;
};

}  // namespace tarnwick
