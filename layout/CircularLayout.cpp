#include "layout/CircularLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <unordered_map>
#include <vector>

#include "layout/AreaGeometry.h"

namespace tarnwick {

namespace {

using TAdjacency = std::vector<std::vector<size_t>>;

TAdjacency NeighboursOf(const TLayoutArea& AArea) {
  std::unordered_map<const TLayoutBlock*, size_t> index;
  for (size_t i = 0; i < AArea.Blocks.size(); ++i) index.emplace(AArea.Blocks[i].get(), i);
  TAdjacency adjacency(AArea.Blocks.size());
  for (const auto& edge : AArea.Connections) {
    const size_t a = index.at(edge->FromBlock), b = index.at(edge->ToBlock);
    if (a == b) continue;
    adjacency[a].push_back(b);
    adjacency[b].push_back(a);
  }
  return adjacency;
}

// The connected groups, each in depth-first order from its first block, largest first.
std::vector<std::vector<size_t>> GroupsOf(const TAdjacency& AAdjacency) {
  std::vector<std::vector<size_t>> groups;
  std::vector<bool> seen(AAdjacency.size(), false);
  std::vector<size_t> stack;
  for (size_t start = 0; start < AAdjacency.size(); ++start) {
    if (seen[start]) continue;
    groups.emplace_back();
    stack.push_back(start);
    while (!stack.empty()) {
      const size_t v = stack.back();
      stack.pop_back();
      if (seen[v]) continue;
      seen[v] = true;
      groups.back().push_back(v);
      // Reversed, so the first neighbour is visited first.
      for (auto it = AAdjacency[v].rbegin(); it != AAdjacency[v].rend(); ++it)
        if (!seen[*it]) stack.push_back(*it);
    }
  }
  std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
  return groups;
}

double Diameter(const TLayoutBlock& B) { return std::hypot(B.Width, B.Height); }

// Puts one group's blocks on a circle with its centre at the origin. Every block gets an
// arc as long as its diagonal plus the gap; the radius grows until neighbouring blocks'
// enclosing circles are a gap apart on the chord as well.
void PlaceOnCircle(TLayoutArea& AArea, const std::vector<size_t>& AGroup, int AGap) {
  auto& nodes = AArea.Blocks;
  if (AGroup.size() == 1) {
    TLayoutBlock& only = *nodes[AGroup[0]];
    only.Left = -only.Width / 2;
    only.Top = -only.Height / 2;
    return;
  }
  std::vector<double> arc(AGroup.size());
  double total = 0;
  for (size_t k = 0; k < AGroup.size(); ++k) total += arc[k] = Diameter(*nodes[AGroup[k]]) + AGap;
  double radius = total / (2 * std::numbers::pi);
  const auto fits = [&](double r) {
    for (size_t k = 0; k < AGroup.size(); ++k) {
      const size_t next = (k + 1) % AGroup.size();
      const double angle = (arc[k] + arc[next]) / 2 / r;
      const double chord = angle >= std::numbers::pi ? 2 * r : 2 * r * std::sin(angle / 2);
      if (chord < (Diameter(*nodes[AGroup[k]]) + Diameter(*nodes[AGroup[next]])) / 2 + AGap) return false;
    }
    return true;
  };
  for (int i = 0; i < 64 && !fits(radius); ++i) radius *= 1.1;
  double along = 0;
  for (size_t k = 0; k < AGroup.size(); ++k) {
    const double angle = (along + arc[k] / 2) / total * 2 * std::numbers::pi - std::numbers::pi / 2;
    along += arc[k];
    TLayoutBlock& block = *nodes[AGroup[k]];
    block.Left = static_cast<int>(std::lround(radius * std::cos(angle) - block.Width / 2.0));
    block.Top = static_cast<int>(std::lround(radius * std::sin(angle) - block.Height / 2.0));
  }
}

}  // namespace

void TCircularLayout::Execute(TLayoutArea& AArea) {
  if (AArea.Blocks.empty()) return;
  const TAreaBounds before = BoundsOf(AArea);
  const int gap = std::max(FSpacing, 0);
  const auto groups = GroupsOf(NeighboursOf(AArea));

  // Each group is laid out alone, then moved into rows about as wide as the groups would
  // be in a square.
  std::vector<TAreaBounds> bounds;
  double area = 0;
  for (const auto& group : groups) {
    PlaceOnCircle(AArea, group, gap);
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    TAreaBounds b{kMax, kMax, kMin, kMin};
    for (size_t v : group) {
      const TLayoutBlock& n = *AArea.Blocks[v];
      b = {std::min(b.Left, n.Left), std::min(b.Top, n.Top), std::max(b.Right, n.Left + n.Width),
           std::max(b.Bottom, n.Top + n.Height)};
    }
    bounds.push_back(b);
    area += double(b.Right - b.Left + gap) * (b.Bottom - b.Top + gap);
  }
  const double rowWidth = std::max(std::sqrt(area) * 1.2, double(bounds.front().Right - bounds.front().Left));
  double x = 0, y = 0, rowHeight = 0;
  for (size_t g = 0; g < groups.size(); ++g) {
    const TAreaBounds& b = bounds[g];
    const int w = b.Right - b.Left, h = b.Bottom - b.Top;
    if (x > 0 && x + w > rowWidth) {
      x = 0;
      y += rowHeight + gap;
      rowHeight = 0;
    }
    for (size_t v : groups[g]) {
      AArea.Blocks[v]->Left += static_cast<int>(x) - b.Left;
      AArea.Blocks[v]->Top += static_cast<int>(y) - b.Top;
    }
    x += w + gap;
    rowHeight = std::max(rowHeight, double(h));
  }
  SpreadNodesApart(AArea, gap);
  MoveAreaTo(AArea, before.Left, before.Top);
  ApplyNodes(AArea);
}

}  // namespace tarnwick
