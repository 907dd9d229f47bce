#pragma once
// The view commands of the diagram action family: the two rulers, the snap grid and a
// fixed zoom. Each change is one undoable step; only the grid reports a change of the
// document, the rulers and the zoom belong to the view.
#include "diagram/view/actions/DiagramAction.h"

namespace tarnwick {

class TDiagramRuler;

// Shows or hides one ruler; checked while it is shown.
class TDiagramViewRuler : public TDiagramAction {
 public:
  explicit TDiagramViewRuler(QObject* AParent = nullptr);
  bool Execute() override;
  bool Update() override;

 protected:
  virtual TDiagramRuler* Ruler(TdvDiagram& ADiagram) const = 0;
  virtual QString UndoLabel() const = 0;
};

class TDiagramViewTopRuler : public TDiagramViewRuler {
 public:
  using TDiagramViewRuler::TDiagramViewRuler;

 protected:
  TDiagramRuler* Ruler(TdvDiagram& ADiagram) const override;
  QString UndoLabel() const override { return QStringLiteral("view top ruler"); }
};

class TDiagramViewLeftRuler : public TDiagramViewRuler {
 public:
  using TDiagramViewRuler::TDiagramViewRuler;

 protected:
  TDiagramRuler* Ruler(TdvDiagram& ADiagram) const override;
  QString UndoLabel() const override { return QStringLiteral("view left ruler"); }
};

// Shows or hides the snap grid; checked while it is shown.
class TDiagramGrid : public TDiagramAction {
 public:
  explicit TDiagramGrid(QObject* AParent = nullptr);
  bool Execute() override;
  bool Update() override;
};

// Sets the diagram's zoom to a fixed percentage, captioned like "150%".
class TDiagramSetZoom : public TDiagramAction {
 public:
  static constexpr int MinZoom = 1;
  static constexpr int MaxZoom = 1000;

  // Starts at 100%.
  explicit TDiagramSetZoom(QObject* AParent = nullptr);
  int GetZoom() const { return FZoom; }
  // Clamped to MinZoom..MaxZoom; the caption follows.
  void SetZoom(int Value);
  bool Execute() override;
  bool Update() override;

 private:
  int FZoom = 0;
};

}  // namespace tarnwick
