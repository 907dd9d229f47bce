#include "layout/GraphvizLayout.h"

#include <graphviz/gvc.h>

#include <QString>
#include <cmath>
#include <memory>

#include "layout/AreaGeometry.h"
#include "platform/core/Exception.h"

namespace tarnwick {

namespace {

// Graphviz measures node sizes in inches and places in points.
constexpr double kPointsPerInch = 72.0;
// Above this many blocks the layered layout trades some polish for time.
constexpr size_t kLargeGraph = 200;

QByteArray Inches(double APoints) { return QByteArray::number(APoints / kPointsPerInch, 'f', 4); }

// Graphviz's C interface takes non-const strings it does not change.
char* Text(const QByteArray& AText) { return const_cast<char*>(AText.constData()); }
char* Text(const char* AText) { return const_cast<char*>(AText); }

struct TGraphCloser {
  GVC_t* Context;
  void operator()(Agraph_t* AGraph) const {
    gvFreeLayout(Context, AGraph);
    agclose(AGraph);
  }
};

struct TContextCloser {
  void operator()(GVC_t* AContext) const { gvFreeContext(AContext); }
};

}  // namespace

void TGraphvizLayout::Execute(TLayoutArea& AArea) {
  if (AArea.Blocks.empty()) return;
  const TAreaBounds before = BoundsOf(AArea);

  // Warnings (such as a cycle broken for ranking) are Graphviz talking to itself; errors
  // still reach standard error and fail the layout below.
  agseterr(AGERR);
  std::unique_ptr<GVC_t, TContextCloser> context(gvContext());
  if (!context) throw Exception("The layout could not start.");
  std::unique_ptr<Agraph_t, TGraphCloser> graph(agopen(Text("layout"), Agdirected, nullptr),
                                                TGraphCloser{context.get()});
  Agraph_t* g = graph.get();
  for (const auto& [name, value] : GraphAttributes(AArea.Blocks.size())) agattr(g, AGRAPH, Text(name), Text(value));
  agattr(g, AGNODE, Text("shape"), Text("box"));
  agattr(g, AGNODE, Text("fixedsize"), Text("true"));
  agattr(g, AGNODE, Text("label"), Text(""));
  Agsym_t* width = agattr(g, AGNODE, Text("width"), Text("1"));
  Agsym_t* height = agattr(g, AGNODE, Text("height"), Text("1"));
  agattr(g, AGEDGE, Text("dir"), Text("none"));

  std::vector<Agnode_t*> nodes;
  nodes.reserve(AArea.Blocks.size());
  for (size_t i = 0; i < AArea.Blocks.size(); ++i) {
    const TLayoutBlock& block = *AArea.Blocks[i];
    Agnode_t* n = agnode(g, Text(QByteArray::number(static_cast<qulonglong>(i))), 1);
    // A block of no extent still needs room of its own, or Graphviz stacks such blocks.
    agxset(n, width, Text(Inches(std::max(block.Width, 1))));
    agxset(n, height, Text(Inches(std::max(block.Height, 1))));
    nodes.push_back(n);
    AArea.Blocks[i]->FIntObj = n;
  }
  for (const auto& edge : AArea.Connections) {
    // A block joined to itself says nothing about where it goes.
    if (edge->FromBlock == edge->ToBlock) continue;
    agedge(g, static_cast<Agnode_t*>(edge->FromBlock->FIntObj), static_cast<Agnode_t*>(edge->ToBlock->FIntObj),
           nullptr, 1);
  }
  for (auto& block : AArea.Blocks) block->FIntObj = nullptr;

  if (gvLayout(context.get(), g, Engine().constData()) != 0)
    throw Exception("The layout \"%s\" failed.", QString::fromLatin1(Engine()));

  // Graphviz's y axis points up; the diagram's points down.
  for (size_t i = 0; i < nodes.size(); ++i) {
    TLayoutBlock& block = *AArea.Blocks[i];
    const pointf centre = ND_coord(nodes[i]);
    block.Left = static_cast<int>(std::lround(centre.x - block.Width / 2.0));
    block.Top = static_cast<int>(std::lround(-centre.y - block.Height / 2.0));
  }
  SpreadNodesApart(AArea, RequiredGap());
  MoveAreaTo(AArea, before.Left, before.Top);
  ApplyNodes(AArea);
}

TGraphvizLayout::TAttributes TLayeredLayout::GraphAttributes(size_t ABlockCount) const {
  const QByteArray gap = Inches(std::max(Spacing(), 1));
  TAttributes attributes{{"rankdir", FDirection == ldLeftToRight ? "LR" : "TB"},
                         {"nodesep", gap},
                         {"ranksep", gap},
                         {"splines", "false"}};
  // Crossing reduction and the two network-simplex passes grow much faster than the graph;
  // on a large one a fifth of their usual rounds keeps the wait near a second for a
  // thousand blocks, and the first rounds are the ones that remove most crossings.
  if (ABlockCount > kLargeGraph)
    attributes.insert(attributes.end(), {{"mclimit", "0.2"}, {"nslimit", "0.2"}, {"nslimit1", "0.2"}});
  return attributes;
}

TGraphvizLayout::TAttributes TForceLayout::GraphAttributes(size_t ABlockCount) const {
  // sep is the margin kept around each box while overlaps are removed, in points.
  // Prism moves overlapping boxes the least, but its triangulations take most of the time
  // on a large graph; there a uniform scale does it at a fraction of the cost.
  TAttributes attributes{{"overlap", ABlockCount > kLargeGraph ? "scale" : "prism"},
                         {"sep", "+" + QByteArray::number(std::max(Spacing(), 1) / 2)},
                         {"K", Inches(std::max(Spacing(), 1) * 2.0)},
                         {"splines", "false"},
                         {"start", "1"}};
  return attributes;
}

}  // namespace tarnwick
