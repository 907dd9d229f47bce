#pragma once
// What a user chooses for an automatic layout: the algorithm, the direction of a layered
// layout and the room left between blocks.
#include <QString>
#include <optional>

namespace tarnwick {

enum TLayoutAlgorithm { laLayered, laForce, laCircular };
enum TLayoutDirection { ldTopToBottom, ldLeftToRight };

struct TLayoutOptions {
  TLayoutAlgorithm Algorithm = laLayered;
  TLayoutDirection Direction = ldTopToBottom;
  // The least gap between two blocks, in diagram units.
  int Spacing = 40;
  static constexpr int MinSpacing = 0;
  static constexpr int MaxSpacing = 1000;
};

// "layered", "force" and "circular", the names the command line takes.
QString AlgorithmName(TLayoutAlgorithm AAlgorithm);
std::optional<TLayoutAlgorithm> AlgorithmFromName(const QString& AName);
QString DirectionName(TLayoutDirection ADirection);
std::optional<TLayoutDirection> DirectionFromName(const QString& AName);

}  // namespace tarnwick
