#pragma once
// The style commands of the diagram action family: shape colour, line colour, block
// picture, arrow shapes, z-order and text font. Each run that changes the document is
// one undoable step; the arrow shape command takes one step per line it changes.
#include "diagram/lines/LineTypes.h"
#include "diagram/view/actions/DiagramAction.h"

namespace tarnwick {

class IDiagramChooser;

// A command that asks the user something first (DiagramChooser.h).
class TDiagramChooserAction : public TDiagramAction {
 public:
  using TDiagramAction::TDiagramAction;
  // Null: the process-wide chooser. The caller keeps ownership.
  IDiagramChooser* GetChooser() const { return FChooser; }
  void SetChooser(IDiagramChooser* Value) { FChooser = Value; }

 protected:
  IDiagramChooser& Chooser() const;

 private:
  IDiagramChooser* FChooser = nullptr;
};

// Fill and selection colour of the selected blocks; enabled with a selected block that
// is not a group.
class TDiagramShapeColor : public TDiagramChooserAction {
 public:
  using TDiagramChooserAction::TDiagramChooserAction;
  bool Execute() override;
  bool Update() override;
};

// Pen colour of the selected blocks, pen and selection pen colour of the selected lines.
class TDiagramLineColor : public TDiagramChooserAction {
 public:
  using TDiagramChooserAction::TDiagramChooserAction;
  bool Execute() override;
  bool Update() override;
};

// A picture file for the selected blocks: a bitmap file becomes the blocks' Bitmap, any
// other picture their Picture. A file that does not load changes nothing.
class TDiagramBlockPicture : public TDiagramChooserAction {
 public:
  using TDiagramChooserAction::TDiagramChooserAction;
  bool Execute() override;
  bool Update() override;
};

// The font of the selected controls, starting from the first one's.
class TDiagramControlFont : public TDiagramChooserAction {
 public:
  using TDiagramChooserAction::TDiagramChooserAction;
  bool Execute() override;
  bool Update() override;
};

// One arrow shape at the source or target end of every selected line; checked when all
// selected lines already carry it there.
class TDiagramArrowShape : public TDiagramAction {
 public:
  explicit TDiagramArrowShape(QObject* AParent = nullptr);
  TArrowShape GetShape() const { return FShape; }
  void SetShape(TArrowShape Value) { FShape = Value; }
  bool GetSource() const { return FSource; }
  void SetSource(bool Value) { FSource = Value; }
  bool Execute() override;
  bool Update() override;

 private:
  TArrowShape FShape = asNone;
  bool FSource = false;
};

// Z-order of the selection; enabled with a selection.
class TDiagramZOrderAction : public TDiagramAction {
 public:
  using TDiagramAction::TDiagramAction;
  bool Execute() override;
  bool Update() override;

 protected:
  virtual void Run(TdvDiagram& ADiagram) = 0;
  virtual QString UndoLabel() const = 0;
};

class TDiagramBringToFront : public TDiagramZOrderAction {
 public:
  using TDiagramZOrderAction::TDiagramZOrderAction;

 protected:
  void Run(TdvDiagram& ADiagram) override;
  QString UndoLabel() const override { return QStringLiteral("bring to front"); }
};

class TDiagramSendToBack : public TDiagramZOrderAction {
 public:
  using TDiagramZOrderAction::TDiagramZOrderAction;

 protected:
  void Run(TdvDiagram& ADiagram) override;
  QString UndoLabel() const override { return QStringLiteral("send to back"); }
};

}  // namespace tarnwick
