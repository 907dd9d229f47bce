#include "diagram/view/BlockAlignment.h"

#include <algorithm>
#include <array>

#include "diagram/model/CustomBlock.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Math.h"

namespace tarnwick {

namespace {

constexpr std::array<const char*, 15> Captions = {
    "Align left edges",         "Align right edges",          "Align top edges",
    "Align bottom edges",       "Align horizontal centers",   "Align vertical centers",
    "Make same width",          "Make same height",           "Make same size",
    "Space equally horizontally", "Space equally vertically", "Increment horizontal space",
    "Increment vertical space", "Decrement horizontal space", "Decrement vertical space"};

bool Movable(const TCustomDiagramBlock* B) { return !B->GetRestrictions().Contains(crNoMove); }
bool Resizable(const TCustomDiagramBlock* B) {
  return !B->GetRestrictions().Contains(crNoResize) && !B->GetRestrictions().Contains(crKeepRatio);
}
double Right(const TCustomDiagramBlock* B) { return B->GetLeft() + B->GetWidth(); }
double Bottom(const TCustomDiagramBlock* B) { return B->GetTop() + B->GetHeight(); }

// The two directions spacing works in: a block's position and size along one axis.
struct TAxis {
  double (TCustomDiagramBlock::*Pos)() const;
  void (TCustomDiagramBlock::*SetPos)(double);
  double (TCustomDiagramBlock::*Size)() const;
  void (TBlockList::*Sort)();
};
constexpr TAxis Horizontal{&TCustomDiagramBlock::GetLeft, &TCustomDiagramBlock::SetLeft, &TCustomDiagramBlock::GetWidth,
                           &TBlockList::SortByLeft};
constexpr TAxis Vertical{&TCustomDiagramBlock::GetTop, &TCustomDiagramBlock::SetTop, &TCustomDiagramBlock::GetHeight,
                         &TBlockList::SortByTop};

double Pos(const TCustomDiagramBlock* B, const TAxis& A) { return (B->*A.Pos)(); }
double End(const TCustomDiagramBlock* B, const TAxis& A) { return (B->*A.Pos)() + (B->*A.Size)(); }

// The first and last blocks stay; the inner ones are placed so every gap is the same.
// Restrictions are not consulted: spacing moves blocks the user chose to space.
void Distribute(TBlockList& AList, const TAxis& A) {
  (AList.*A.Sort)();
  const int n = AList.Count();
  double sizes = 0;
  for (int i = 0; i < n; ++i) sizes += (AList.GetBlock(i)->*A.Size)();
  const double gap = (End(AList.GetBlock(n - 1), A) - Pos(AList.GetBlock(0), A) - sizes) / (n - 1);
  for (int i = 1; i < n - 1; ++i) (AList.GetBlock(i)->*A.SetPos)(End(AList.GetBlock(i - 1), A) + gap);
}

// Every block takes something from the champion, whose values are read again for each
// block (the champion is in the list and receives its own values).
template <class F>
void ForEachBlock(TBlockList& AList, F&& AOperation) {
  for (int i = 0; i < AList.Count(); ++i) AOperation(AList.GetChampion(), AList.GetBlock(i));
}

void AlignEdges(TBlockList& AList, TBlocksAlignment AAlignment) {
  ForEachBlock(AList, [AAlignment](TCustomDiagramBlock* c, TCustomDiagramBlock* b) {
    const bool move = Movable(b), size = Resizable(b);
    switch (AAlignment) {
      case baLeft:
        if (move) b->SetLeft(c->GetLeft());
        break;
      case baRight:
        if (move) b->SetLeft(Right(c) - b->GetWidth());
        break;
      case baTop:
        if (move) b->SetTop(c->GetTop());
        break;
      case baBottom:
        if (move) b->SetTop(Bottom(c) - b->GetHeight());
        break;
      case baHorzCenter:
        if (move) b->SetLeft(c->GetLeft() + c->GetWidth() / 2 - b->GetWidth() / 2);
        break;
      case baVertCenter:
        if (move) b->SetTop(c->GetTop() + c->GetHeight() / 2 - b->GetHeight() / 2);
        break;
      case baSameWidth:
        if (size) b->SetWidth(c->GetWidth());
        break;
      case baSameHeight:
        if (size) b->SetHeight(c->GetHeight());
        break;
      case baSameSize:
        if (size) {
          b->SetWidth(c->GetWidth());
          b->SetHeight(c->GetHeight());
        }
        break;
      default:
        break;
    }
  });
}

}  // namespace

QString BlocksAlignmentCaption(TBlocksAlignment AAlignment) {
  const auto i = static_cast<size_t>(AAlignment);
  return i < Captions.size() ? QString::fromLatin1(Captions[i]) : QString();
}

bool IsSpacingAlignment(TBlocksAlignment AAlignment) { return AAlignment >= baSameSpaceHorz; }

void TBlockList::Fill(TdvDiagram* ADiagram) {
  FBlocks.clear();
  if (!ADiagram) return;
  for (int i = 0; i < ADiagram->SelectedCount(); ++i)
    if (auto* b = dynamic_cast<TCustomDiagramBlock*>(ADiagram->GetSelecteds(i)); b && !b->AsMember())
      FBlocks.push_back(b);
}

void TBlockList::SortByLeft() {
  std::stable_sort(FBlocks.begin(), FBlocks.end(),
                   [](const TCustomDiagramBlock* a, const TCustomDiagramBlock* b) { return a->GetLeft() < b->GetLeft(); });
}

void TBlockList::SortByTop() {
  std::stable_sort(FBlocks.begin(), FBlocks.end(),
                   [](const TCustomDiagramBlock* a, const TCustomDiagramBlock* b) { return a->GetTop() < b->GetTop(); });
}

bool CanAlignBlocks(TdvDiagram* ADiagram, TBlocksAlignment AAlignment) {
  if (!ADiagram) return false;
  return ADiagram->SelectedBlockCount(cfIgnoreAsMembers) > (IsSpacingAlignment(AAlignment) ? 2 : 1);
}

bool AlignBlocks(TdvDiagram* ADiagram, TBlocksAlignment AAlignment, TBlockList& AList) {
  AList.Fill(ADiagram);
  if (AList.Count() < 2) return false;
  // The spacing steps follow the grid as the user sees it at the current zoom, active or not.
  const int stepX = Round(ADiagram->GetZoom() * ADiagram->GetSnapGrid()->GetSizeX() / 100);
  const int stepY = Round(ADiagram->GetZoom() * ADiagram->GetSnapGrid()->GetSizeY() / 100);
  // Moves the last block by ADelta along the axis, then spaces the blocks again; spacing
  // cannot go below nothing, so once the last block reaches the first they line up.
  auto step = [&AList](const TAxis& A, double ADelta, bool AIncrement, TBlocksAlignment ALineUp) {
    (AList.*A.Sort)();
    TCustomDiagramBlock* last = AList.GetBlock(AList.Count() - 1);
    (last->*A.SetPos)(Pos(last, A) + ADelta);
    if (AIncrement || Pos(last, A) > Pos(AList.GetBlock(0), A))
      Distribute(AList, A);
    else
      AlignEdges(AList, ALineUp);
  };
  switch (AAlignment) {
    case baSameSpaceHorz:
      Distribute(AList, Horizontal);
      break;
    case baSameSpaceVert:
      Distribute(AList, Vertical);
      break;
    case baIncHorzSpace:
      step(Horizontal, stepX, true, baLeft);
      break;
    case baIncrVertSpace:
      step(Vertical, stepY, true, baTop);
      break;
    case baDecHorzSpace:
      step(Horizontal, -stepX, false, baLeft);
      break;
    case baDecVertSpace:
      step(Vertical, -stepY, false, baTop);
      break;
    default:
      AlignEdges(AList, AAlignment);
      break;
  }
  return true;
}

}  // namespace tarnwick
