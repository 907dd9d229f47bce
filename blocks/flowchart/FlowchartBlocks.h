#pragma once
// The flowchart symbols: decision, action, terminal, data, document, input and database
// (TFlowchartBlock and its kinds), and the comment note and the list box, which are plain
// blocks of their own. Each kind is fixed by its class: its outline, link points and text
// cell layout come from the class, so a document stores none of its link points.
#include <span>

#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TFont;

// A link point a class puts on its blocks, in the block's original coordinates.
struct TFlowLinkPoint {
  TAnchorOrientation Orientation;
  TDot At;
};

// What sets one flowchart kind apart from the others, given as data.
struct TFlowchartKind {
  // The outline polygon in the original rectangle (0, 0, 100, 100); empty where the class
  // builds a curved outline in code.
  std::span<const TDot> Outline;
  std::span<const TFlowLinkPoint> LinkPoints;
};

// The four points in the middles of the original rectangle's sides: up, down, left, right.
extern const TFlowchartKind StandardFlowchartKind;

class TFlowchartBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TFlowchartBlock)

 public:
  explicit TFlowchartBlock(TComponent* AOwner) : TFlowchartBlock(AOwner, StandardFlowchartKind) {}

  // Puts back the class's link points (and only those), in the class's order.
  void SetDefaultLinkPoints();
  void BuildOutline(TOutlineSink& AOutline) override;

 protected:
  TFlowchartBlock(TComponent* AOwner, const TFlowchartKind& AKind);

 private:
  const TFlowchartKind& FKind;
};

class TFlowDecisionBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TFlowDecisionBlock)

 public:
  explicit TFlowDecisionBlock(TComponent* AOwner);
};

class TFlowActionBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TFlowActionBlock)

 public:
  explicit TFlowActionBlock(TComponent* AOwner);
};

class TFlowDataBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TFlowDataBlock)

 public:
  explicit TFlowDataBlock(TComponent* AOwner);
};

class TFlowInputBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TFlowInputBlock)

 public:
  explicit TFlowInputBlock(TComponent* AOwner);
};

// Rounded ends: the short sides are half circles whatever the block's proportions.
class TFlowTerminalBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TFlowTerminalBlock)

 public:
  explicit TFlowTerminalBlock(TComponent* AOwner);
  void BuildOutline(TOutlineSink& AOutline) override;
};

// A sheet with a wavy bottom edge.
class TFlowDocumentBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TFlowDocumentBlock)

 public:
  explicit TFlowDocumentBlock(TComponent* AOwner);
  void BuildOutline(TOutlineSink& AOutline) override;
};

// A cylinder; the lid's front rim is drawn over the body.
class TDatabaseBlock : public TFlowchartBlock {
  TARNWICK_CLASS(TDatabaseBlock)

 public:
  explicit TDatabaseBlock(TComponent* AOwner);
  void BuildOutline(TOutlineSink& AOutline) override;
};

// A yellow note with a folded corner. Its link points are a plain block's (none until
// added) and are stored like a plain block's.
class TFlowCommentBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TFlowCommentBlock)

 public:
  explicit TFlowCommentBlock(TComponent* AOwner);
  void BuildOutline(TOutlineSink& AOutline) override;
};

// A box with a caption band over its top tenth: text cell 1 is the caption, text cell 0
// the body.
class TFlowListBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TFlowListBlock)

 public:
  explicit TFlowListBlock(TComponent* AOwner);

  TColor GetCaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor Value);
  QString GetCaption();
  void SetCaption(const QString& Value);
  TFont* GetCaptionFont();
  void SetCaptionFont(TFont* Value);
  // Text cell 1; added (a copy of cell 0 over the band) while the block has fewer cells.
  TTextCell* CaptionCell();

  void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
  void Loaded() override;

 private:
  // Gives a list read with fewer than two cells the body and caption cells of a new one.
  void MakeMissingCells();

  TColor FCaptionColor = 0x800000;
};

// Registers the set's classes in the control registry, category "Flowchart".
void RegisterFlowchartBlocks();

}  // namespace tarnwick
