#pragma once
// Layouts computed by Graphviz's libraries. The area becomes a Graphviz graph of fixed-size
// boxes (one point per diagram unit), an engine places them, and the centres come back as
// the nodes' positions. Subclasses name the engine and its graph attributes.
#include <QByteArray>
#include <cstddef>
#include <utility>
#include <vector>

#include "diagram/layout/DiagramLayout.h"
#include "layout/LayoutOptions.h"

namespace tarnwick {

class TGraphvizLayout : public TDiagramLayout {
 public:
  explicit TGraphvizLayout(int ASpacing) : FSpacing(ASpacing) {}
  // Places the nodes, keeps them apart by the spacing and leaves the result's top-left
  // corner where the nodes' was. Raises an error when Graphviz fails; the area then
  // stays as it was.
  void Execute(TLayoutArea& AArea) override;
  int Spacing() const { return FSpacing; }

 protected:
  using TAttributes = std::vector<std::pair<QByteArray, QByteArray>>;
  virtual QByteArray Engine() const = 0;
  // ABlockCount lets an engine spend less effort on a large graph.
  virtual TAttributes GraphAttributes(size_t ABlockCount) const = 0;
  // The gap the result must keep between any two blocks.
  virtual int RequiredGap() const { return FSpacing; }

 private:
  int FSpacing;
};

// Ranks along the edges (dot): the source of every edge above (or left of) its target
// wherever the graph has no cycle.
class TLayeredLayout : public TGraphvizLayout {
 public:
  TLayeredLayout(int ASpacing, TLayoutDirection ADirection) : TGraphvizLayout(ASpacing), FDirection(ADirection) {}

 protected:
  QByteArray Engine() const override { return "dot"; }
  TAttributes GraphAttributes(size_t ABlockCount) const override;

 private:
  TLayoutDirection FDirection;
};

// Springs along the edges, repulsion between every pair (fdp), overlaps removed.
class TForceLayout : public TGraphvizLayout {
 public:
  using TGraphvizLayout::TGraphvizLayout;

 protected:
  QByteArray Engine() const override { return "fdp"; }
  TAttributes GraphAttributes(size_t ABlockCount) const override;
};

}  // namespace tarnwick
