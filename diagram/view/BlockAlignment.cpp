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

// The first and last blocks stay; the inner ones are placed so every gap is the same.
// Restrictions are not consulted: spacing moves blocks the user chose to space.
void DistributeHorizontally(TBlockList& AList) {
  AList.SortByLeft();
  const int n = AList.Count();
  if (n < 2) return;
  double widths = 0;
  for (int i = 0; i < n; ++i) widths += AList.GetBlock(i)->GetWidth();
  const double gap = (Right(AList.GetBlock(n - 1)) - AList.GetBlock(0)->GetLeft() - widths) / (n - 1);
  for (int i = 1; i < n - 1; ++i) AList.GetBlock(i)->SetLeft(Right(AList.GetBlock(i - 1)) + gap);
}

void DistributeVertically(TBlockList& AList) {
  AList.SortByTop();
  const int n = AList.Count();
  if (n < 2) return;
  double heights = 0;
  for (int i = 0; i < n; ++i) heights += AList.GetBlock(i)->GetHeight();
  const double gap = (Bottom(AList.GetBlock(n - 1)) - AList.GetBlock(0)->GetTop() - heights) / (n - 1);
  for (int i = 1; i < n - 1; ++i) AList.GetBlock(i)->SetTop(Bottom(AList.GetBlock(i - 1)) + gap);
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
  auto last = [&AList] { return AList.GetBlock(AList.Count() - 1); };
  switch (AAlignment) {
    case baSameSpaceHorz:
      DistributeHorizontally(AList);
      break;
    case baSameSpaceVert:
      DistributeVertically(AList);
      break;
    case baIncHorzSpace:
      AList.SortByLeft();
      last()->SetLeft(last()->GetLeft() + stepX);
      DistributeHorizontally(AList);
      break;
    case baIncrVertSpace:
      AList.SortByTop();
      last()->SetTop(last()->GetTop() + stepY);
      DistributeVertically(AList);
      break;
    case baDecHorzSpace:
      AList.SortByLeft();
      last()->SetLeft(last()->GetLeft() - stepX);
      // Spacing cannot go below nothing: once the last block reaches the first, the
      // blocks line up on their left edges instead.
      if (last()->GetLeft() > AList.GetBlock(0)->GetLeft())
        DistributeHorizontally(AList);
      else
        AlignEdges(AList, baLeft);
      break;
    case baDecVertSpace:
      AList.SortByTop();
      last()->SetTop(last()->GetTop() - stepY);
      if (last()->GetTop() > AList.GetBlock(0)->GetTop())
        DistributeVertically(AList);
      else
        AlignEdges(AList, baTop);
      break;
    default:
      AlignEdges(AList, AAlignment);
      break;
  }
  return true;
}

}  // namespace tarnwick
