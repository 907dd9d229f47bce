#include "layout/AreaGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace tarnwick {

namespace {

double CentreX(const TLayoutBlock& B) { return B.Left + B.Width / 2.0; }
double CentreY(const TLayoutBlock& B) { return B.Top + B.Height / 2.0; }

// The factor by which the centre distance of A and B must grow to leave AGap between them.
double FactorFor(const TLayoutBlock& A, const TLayoutBlock& B, int AGap) {
  const double dx = std::abs(CentreX(A) - CentreX(B)), dy = std::abs(CentreY(A) - CentreY(B));
  const double needX = (A.Width + B.Width) / 2.0 + AGap, needY = (A.Height + B.Height) / 2.0 + AGap;
  if (dx >= needX || dy >= needY) return 1.0;
  const double fx = dx > 0 ? needX / dx : std::numeric_limits<double>::infinity();
  const double fy = dy > 0 ? needY / dy : std::numeric_limits<double>::infinity();
  return std::min(fx, fy);
}

// Calls AVisit(i, j) for every pair of nodes that come closer than AGap along x, found by a
// sweep over the nodes sorted by their left edge, so a spread-out area costs about n log n.
// AVisit returns false to stop.
template <typename Visit>
void ForEachCloseInX(const TLayoutArea& AArea, int AGap, Visit AVisit) {
  const auto& nodes = AArea.Blocks;
  std::vector<size_t> order(nodes.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return nodes[a]->Left < nodes[b]->Left; });
  for (size_t i = 0; i < order.size(); ++i) {
    const TLayoutBlock& a = *nodes[order[i]];
    const long long reach = static_cast<long long>(a.Left) + a.Width + AGap;
    for (size_t j = i + 1; j < order.size() && nodes[order[j]]->Left < reach; ++j)
      if (!AVisit(order[i], order[j])) return;
  }
}

// Nodes on the same centre cannot be spread by a factor; they are laid in a row first.
void SeparateCoincidentCentres(TLayoutArea& AArea, int AGap) {
  std::map<std::pair<double, double>, int> seen;
  for (auto& node : AArea.Blocks) {
    const auto key = std::make_pair(CentreX(*node), CentreY(*node));
    auto [it, fresh] = seen.emplace(key, 0);
    if (fresh) continue;
    node->Left += ++it->second * (node->Width + AGap + 1);
  }
}

// Pushes each overlapping pair apart along the axis that needs the shorter move, half each
// way. Local, so one close pair does not blow the whole drawing up; it may not settle, so
// the caller still spreads by a factor after it.
void PushPairsApart(TLayoutArea& AArea, int AGap, int ARounds) {
  auto& nodes = AArea.Blocks;
  for (int round = 0; round < ARounds; ++round) {
    bool moved = false;
    ForEachCloseInX(AArea, AGap, [&](size_t i, size_t j) {
        TLayoutBlock& a = *nodes[i];
        TLayoutBlock& b = *nodes[j];
        if (!NodesOverlap(a, b, AGap)) return true;
        const double dx = CentreX(b) - CentreX(a), dy = CentreY(b) - CentreY(a);
        const double pushX = (a.Width + b.Width) / 2.0 + AGap - std::abs(dx);
        const double pushY = (a.Height + b.Height) / 2.0 + AGap - std::abs(dy);
        const bool alongX = pushX <= pushY;
        const int step = static_cast<int>(std::ceil((alongX ? pushX : pushY) / 2.0)) + 1;
        const int sign = (alongX ? dx : dy) < 0 ? -1 : 1;
        (alongX ? a.Left : a.Top) -= sign * step;
        (alongX ? b.Left : b.Top) += sign * step;
        moved = true;
        return true;
      });
    if (!moved) return;
  }
}

}  // namespace

TAreaBounds BoundsOf(const TLayoutArea& AArea) {
  if (AArea.Blocks.empty()) return {};
  TAreaBounds b{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
  for (const auto& node : AArea.Blocks) {
    b.Left = std::min(b.Left, node->Left);
    b.Top = std::min(b.Top, node->Top);
    b.Right = std::max(b.Right, node->Left + node->Width);
    b.Bottom = std::max(b.Bottom, node->Top + node->Height);
  }
  return b;
}

bool NodesOverlap(const TLayoutBlock& A, const TLayoutBlock& B, int AGap) {
  return A.Left < B.Left + B.Width + AGap && B.Left < A.Left + A.Width + AGap &&
         A.Top < B.Top + B.Height + AGap && B.Top < A.Top + A.Height + AGap;
}

bool AnyNodesOverlap(const TLayoutArea& AArea, int AGap) {
  bool found = false;
  ForEachCloseInX(AArea, AGap, [&](size_t i, size_t j) {
    found = NodesOverlap(*AArea.Blocks[i], *AArea.Blocks[j], AGap);
    return !found;
  });
  return found;
}

void SpreadNodesApart(TLayoutArea& AArea, int AGap) {
  auto& nodes = AArea.Blocks;
  if (nodes.size() < 2) return;
  SeparateCoincidentCentres(AArea, AGap);
  if (!AnyNodesOverlap(AArea, AGap)) return;
  PushPairsApart(AArea, AGap, 20);
  // Rounding the spread centres back to integers can take up to a unit from a gap, so a
  // second round with the rounded positions closes what the first left.
  for (int round = 0; round < 4 && AnyNodesOverlap(AArea, AGap); ++round) {
    double factor = 1.0;
    ForEachCloseInX(AArea, AGap + 1, [&](size_t i, size_t j) {
      factor = std::max(factor, FactorFor(*nodes[i], *nodes[j], AGap + 1));
      return true;
    });
    if (!std::isfinite(factor)) return;
    const TAreaBounds b = BoundsOf(AArea);
    const double cx = (b.Left + b.Right) / 2.0, cy = (b.Top + b.Bottom) / 2.0;
    for (auto& node : nodes) {
      node->Left = static_cast<int>(std::lround(cx + (CentreX(*node) - cx) * factor - node->Width / 2.0));
      node->Top = static_cast<int>(std::lround(cy + (CentreY(*node) - cy) * factor - node->Height / 2.0));
    }
  }
}

void MoveAreaTo(TLayoutArea& AArea, int ALeft, int ATop) {
  const TAreaBounds b = BoundsOf(AArea);
  for (auto& node : AArea.Blocks) {
    node->Left += ALeft - b.Left;
    node->Top += ATop - b.Top;
  }
}

}  // namespace tarnwick
