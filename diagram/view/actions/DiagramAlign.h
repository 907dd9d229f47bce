#pragma once
// TDiagramAlign: the command that lines up, sizes or spaces the selected blocks (one of
// the fifteen alignments of BlockAlignment.h) as one undoable "Align" step. Its caption
// and hint name the alignment. A DefaultAlignment action (typically behind a tool button
// that repeats the last alignment) takes over the alignment, image, caption and hint of
// each alignment that ran.
#include <QPointer>

#include "diagram/view/BlockAlignment.h"
#include "diagram/view/actions/DiagramAction.h"

namespace tarnwick {

class TDiagramAlign : public TDiagramAction {
 public:
  // Starts as "Align horizontal centers".
  explicit TDiagramAlign(QObject* AParent = nullptr);

  TBlocksAlignment GetBlockAlignment() const { return FBlockAlignment; }
  // A new value also becomes the caption and the hint.
  void SetBlockAlignment(TBlocksAlignment Value);
  // Null once the action it names is destroyed.
  TDiagramAlign* GetDefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TDiagramAlign* Value) { FDefaultAlignment = Value; }

  // Runs the alignment on the diagram's selection (nothing for fewer than two blocks);
  // always true.
  bool Execute() override;
  // Enabled with a diagram and more than one selected block not treated as a member
  // (more than two for spacing).
  bool Update() override;

  // The blocks of the last run; the spacing alignments leave it sorted.
  const TBlockList& GetList() const { return FList; }

 private:
  TBlocksAlignment FBlockAlignment = baLeft;
  QPointer<TDiagramAlign> FDefaultAlignment;
  TBlockList FList;
};

}  // namespace tarnwick
