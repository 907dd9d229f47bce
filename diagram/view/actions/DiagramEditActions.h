#pragma once
// The editing commands of the diagram action family: delete, cut, copy, paste, undo,
// redo, select all and edit text.
//
// The commands a text box also understands (delete, the clipboard, undo and redo) carry
// OnlyFocused. Set, they act only while the diagram has the input focus, and otherwise
// report the command as not handled (Execute returns false), so the platform can hand
// the key to the control that has the focus.
#include "diagram/view/actions/DiagramAction.h"

namespace tarnwick {

class TDiagramControl;

class TDiagramFocusedAction : public TDiagramAction {
 public:
  using TDiagramAction::TDiagramAction;
  bool GetOnlyFocused() const { return FOnlyFocused; }
  void SetOnlyFocused(bool Value) { FOnlyFocused = Value; }

 protected:
  // A diagram is set and the focus rule lets the command act.
  bool Acts() const;

 private:
  bool FOnlyFocused = false;
};

// Enabled with a selection, no mouse operation and no in-place edit; while a mouse
// operation or an edit runs it reports the command as not handled, whatever the state.
class TDiagramDelete : public TDiagramFocusedAction {
 public:
  explicit TDiagramDelete(QObject* AParent = nullptr);
  bool Execute() override;
  bool Update() override;
};

// Cut and copy share their rule: enabled while the diagram can copy.
class TDiagramCopyBase : public TDiagramFocusedAction {
 public:
  using TDiagramFocusedAction::TDiagramFocusedAction;
  bool Execute() override;
  bool Update() override;

 protected:
  virtual void Run(TdvDiagram& ADiagram) = 0;
};

class TDiagramCut : public TDiagramCopyBase {
 public:
  explicit TDiagramCut(QObject* AParent = nullptr);

 protected:
  void Run(TdvDiagram& ADiagram) override;
};

class TDiagramCopy : public TDiagramCopyBase {
 public:
  explicit TDiagramCopy(QObject* AParent = nullptr);

 protected:
  void Run(TdvDiagram& ADiagram) override;
};

class TDiagramPaste : public TDiagramFocusedAction {
 public:
  explicit TDiagramPaste(QObject* AParent = nullptr);
  bool Execute() override;
  bool Update() override;
};

// Enabled while there is a step to take back.
class TDiagramUndoAction : public TDiagramFocusedAction {
 public:
  using TDiagramFocusedAction::TDiagramFocusedAction;
  bool Execute() override;
  bool Update() override;
};

// Enabled while there is a step to take again.
class TDiagramRedoAction : public TDiagramFocusedAction {
 public:
  using TDiagramFocusedAction::TDiagramFocusedAction;
  bool Execute() override;
  bool Update() override;
};

// Enabled with a diagram and no mouse operation.
class TDiagramSelectAll : public TDiagramAction {
 public:
  using TDiagramAction::TDiagramAction;
  bool Execute() override;
  bool Update() override;
};

// Opens the in-place editor on the first selected control, or on the outermost group it
// belongs to; enabled when that control may be edited and no mouse operation runs.
class TDiagramEditText : public TDiagramAction {
 public:
  explicit TDiagramEditText(QObject* AParent = nullptr);
  bool Execute() override;
  bool Update() override;

 private:
  TDiagramControl* Target() const;
};

}  // namespace tarnwick
