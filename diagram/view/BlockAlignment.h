#pragma once
// Lining up, sizing and spacing the selected blocks: the fifteen alignments of the editor's
// alignment command, worked on the diagram's selection. The first block of the selection
// is the reference ("champion") the others take their edges, centres and sizes from.
#include <QString>
#include <vector>

namespace tarnwick {

class TdvDiagram;
class TCustomDiagramBlock;

enum TBlocksAlignment {
  baLeft,
  baRight,
  baTop,
  baBottom,
  baHorzCenter,
  baVertCenter,
  baSameWidth,
  baSameHeight,
  baSameSize,
  baSameSpaceHorz,
  baSameSpaceVert,
  baIncHorzSpace,
  baIncrVertSpace,
  baDecHorzSpace,
  baDecVertSpace
};

// The command's caption, also its hint: "Align left edges", "Space equally vertically".
QString BlocksAlignmentCaption(TBlocksAlignment AAlignment);

// True for the six spacing alignments, which need three blocks rather than two.
bool IsSpacingAlignment(TBlocksAlignment AAlignment);

// The blocks an alignment works on: the selected blocks that are not treated as members
// of a selected group, in selection order; the first is the champion.
class TBlockList {
 public:
  void Fill(TdvDiagram* ADiagram);
  int Count() const { return static_cast<int>(FBlocks.size()); }
  TCustomDiagramBlock* GetBlock(int Index) const { return FBlocks.at(static_cast<size_t>(Index)); }
  TCustomDiagramBlock* GetChampion() const { return FBlocks.empty() ? nullptr : FBlocks.front(); }
  // Stable: equal keys keep their order, as the alignments need.
  void SortByLeft();
  void SortByTop();
  std::vector<TCustomDiagramBlock*>& Blocks() { return FBlocks; }

 private:
  std::vector<TCustomDiagramBlock*> FBlocks;
};

// Whether the alignment can run on the diagram's selection: two blocks, or three for the
// spacing alignments.
bool CanAlignBlocks(TdvDiagram* ADiagram, TBlocksAlignment AAlignment);

// Runs the alignment on the diagram's selection (nothing with fewer than two blocks);
// AList is the caller's scratch list, left sorted by the spacing alignments. Returns
// whether anything ran, so the caller records one undo step for it.
bool AlignBlocks(TdvDiagram* ADiagram, TBlocksAlignment AAlignment, TBlockList& AList);

}  // namespace tarnwick
