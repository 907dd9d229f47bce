#pragma once
// The hook for automatic layout. An algorithm never sees controls: it works on a plain
// graph of integer rectangles (the layout area), built from the diagram before it runs and
// written back afterwards. The diagram itself ships no algorithm; layout/ holds real ones.
#include <functional>
#include <memory>
#include <vector>

namespace tarnwick {

class TCustomDiagramBlock;
class TDiagramLayout;
class TDiagramLayoutExecuter;
class TdvDiagram;

// One node: a block's rectangle in diagram units, rounded to integers.
class TLayoutBlock {
public:
  TLayoutBlock(int ALeft, int ATop, int AWidth, int AHeight)
      : Left(ALeft), Top(ATop), Width(AWidth), Height(AHeight) {}
  int Left;
  int Top;
  int Width;
  int Height;
  // The block the node stands for.
  TCustomDiagramBlock* Obj = nullptr;
  // Free for the algorithm's own per-node data; the executer leaves it empty.
  void* FIntObj = nullptr;
};

// One edge, from the node of a line's source anchor to the node of its target anchor.
class TLayoutConnection {
public:
  TLayoutConnection(TLayoutBlock* AFrom, TLayoutBlock* ATo) : FromBlock(AFrom), ToBlock(ATo) {}
  TLayoutBlock* FromBlock;
  TLayoutBlock* ToBlock;
  // Free for the algorithm; the executer leaves it empty.
  void* Obj = nullptr;
};

// The graph. It owns its nodes and edges.
class TLayoutArea {
public:
  TLayoutBlock* AddBlock(int ALeft, int ATop, int AWidth, int AHeight);
  TLayoutConnection* AddConnection(TLayoutBlock* AFrom, TLayoutBlock* ATo);
  std::vector<std::unique_ptr<TLayoutBlock>> Blocks;
  std::vector<std::unique_ptr<TLayoutConnection>> Connections;
};

using TDiagramAreaEvent = std::function<void(TDiagramLayout* Layout, TLayoutArea* Area)>;
using TDiagramLayoutStepEvent =
    std::function<void(TDiagramLayoutExecuter* Executer, TDiagramLayout* Layout, TLayoutArea* Area)>;

// An algorithm: it changes Left and Top of the nodes, and may fire OnApplyNodes whenever it
// wants intermediate positions shown.
class TDiagramLayout {
public:
  virtual ~TDiagramLayout() = default;
  virtual void Execute(TLayoutArea& ADiagram) = 0;
  TDiagramAreaEvent OnApplyNodes;

protected:
  void ApplyNodes(TLayoutArea& AArea) {
    if (OnApplyNodes) OnApplyNodes(this, &AArea);
  }
};

// Builds the area from a diagram, runs a layout on it and writes the positions back.
class TDiagramLayoutExecuter {
public:
  explicit TDiagramLayoutExecuter(TdvDiagram* ADiagram) : FDiagram(ADiagram) {}
  void ApplyLayout(TDiagramLayout& ALayout);
  // Moves every node's block to the node's Left and Top; width and height stay. Public so
  // that an OnLayoutStep handler can show intermediate states.
  void ApplyAreaInDiagram(const TLayoutArea& AArea);
  // The graph of the diagram as it stands: a node per block in block-list order, an edge
  // per line whose both ends are anchored to blocks, in line-list order.
  std::unique_ptr<TLayoutArea> BuildArea() const;
  TDiagramLayoutStepEvent OnLayoutStep;

private:
  TdvDiagram* FDiagram;
};

}  // namespace tarnwick
