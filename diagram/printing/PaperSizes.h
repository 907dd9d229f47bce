#pragma once
// Papers: the built-in table that numbers PaperId everywhere (the generic printer's paper
// list, and the fallback when no printer tells its own), and the record a printer's paper
// list is made of.
#include <QString>
#include <vector>

namespace tarnwick {

// A paper in portrait position: Width is the short side for the standard sizes.
struct TPaperSize {
  int Id = 0;
  QString Name;
  double Width = 0.0;   // millimetres
  double Height = 0.0;  // millimetres
};

// Id of a paper of a custom size; it is never in a paper list.
inline constexpr int CustomPaperId = 256;

// The 68 built-in papers in id order (ids 48, 49 and 256 are not among them).
const std::vector<TPaperSize>& BuiltInPapers();

// The paper with the id in a list, or null.
const TPaperSize* FindPaper(const std::vector<TPaperSize>& Papers, int Id);

}  // namespace tarnwick
