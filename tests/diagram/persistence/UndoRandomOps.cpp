#include "UndoRandomOps.h"

#include <QStringList>

#include "../interaction/MouseFixture.h"
#include "diagram/lines/LineClasses.h"
#include "diagram/model/GroupBlock.h"
#include "diagram/model/LinkPoints.h"
#include "diagram/model/TextCells.h"
#include "diagram/view/DiagramRuler.h"
#include "diagram/view/DiagramUndoStack.h"
#include "diagram/view/SnapGrid.h"
#include "diagram/view/actions/DiagramAlign.h"
#include "platform/core/Stream.h"
#include "streaming/TextConvert.h"

namespace tarnwick::test {

namespace {

// Beyond this many controls inserting gives way to deleting, so long runs stay small.
constexpr int MaxControls = 40;
// The operations stay where the fixture's window shows them, so the mouse can reach them,
// and away from the left and top edges: content pushed into negative space makes a shown
// view shift it back and scroll, a view change the history does not reproduce.
constexpr double AreaLeft = 60, AreaRight = 520, AreaBottom = 330;

const QString TextSamples[] = {QStringLiteral("Start"), QString(), QStringLiteral("Zwei Wörter"),
                               QStringLiteral("line one\nline two"), QStringLiteral("価格 ≥ 10 €"),
                               QStringLiteral("a much longer label that wraps inside its block")};

bool IsGroup(TDiagramControl* C) { return dynamic_cast<TGroupBlock*>(C) != nullptr; }

}  // namespace

TUndoRandomRun::TUndoRandomRun(TMouseFixture& AFixture, uint32_t ASeed)
    : F(AFixture), FSeed(ASeed), FRandom(ASeed) {
  // A few blocks and lines to work on; the document is read back once so that the settings
  // a diagram built in code holds take their stored form before the history starts.
  for (int i = 0; i < 6; ++i) InsertBlock();
  for (int i = 0; i < 3; ++i) InsertLine(true);
  // A screen pass gives the rulers the grid's colour, which is stored with the document:
  // they get it beforehand, so painting changes nothing behind the history's back.
  const TColor grid = F.Diagram->GetSnapGrid()->GetPen()->GetColor();
  F.Diagram->GetLeftRuler()->SetGridColor(grid);
  F.Diagram->GetTopRuler()->SetGridColor(grid);
  TMemoryStream s;
  F.Diagram->SaveToStream(s, false);
  s.SetPosition(0);
  F.Diagram->LoadFromStream(s, false);
}

QString TUndoRandomRun::Run(int ACount) {
  int done = 0;
  while (done < ACount) {
    const int n = std::min(ACount - done, 1 + Random(TDiagramUndoStack::MaxItems - 1));
    ++FRound;
    if (QString failure = Round(n); !failure.isEmpty()) return failure;
    done += n;
  }
  return {};
}

QString TUndoRandomRun::Round(int AOperations) {
  std::vector<QByteArray> states{State()};
  QStringList labels;
  for (int i = 0; i < AOperations; ++i) {
    ++FOperation;
    const qsizetype before = F.Operations.size();
    FCurrentOp = Operate(static_cast<TOpKind>(Random(okKindCount)));
    ++FKindCounts[FCurrentOp];
    F.Diagram->UnselectAll();
    const qsizetype steps = F.Operations.size() - before;
    QByteArray now = State();
    if (steps == 0) {
      // Nothing recorded: then nothing may have changed either.
      if (now != states.back()) return Where("changed the document without an undo step: " +
                                             Difference(states.back(), now));
      continue;
    }
    if (steps > 1) return Where(QStringLiteral("recorded %1 undo steps").arg(steps));
    states.push_back(std::move(now));
    labels << F.Operations.back();
  }

  for (qsizetype i = states.size() - 1; i > 0; --i) {
    if (F.Diagram->NextUndoAction() != labels[i - 1])
      return Where(QStringLiteral("next undo is \"%1\", expected \"%2\"").arg(F.Diagram->NextUndoAction(),
                                                                              labels[i - 1]));
    F.Diagram->Undo();
    ++FStepsChecked;
    if (QByteArray now = State(); now != states[i - 1])
      return Where(QStringLiteral("undo to state %1 of the round: ").arg(i - 1) + Difference(states[i - 1], now));
  }
  for (qsizetype i = 1; i < static_cast<qsizetype>(states.size()); ++i) {
    if (F.Diagram->NextRedoAction() != labels[i - 1])
      return Where(QStringLiteral("next redo is \"%1\", expected \"%2\"").arg(F.Diagram->NextRedoAction(),
                                                                              labels[i - 1]));
    F.Diagram->Redo();
    ++FStepsChecked;
    if (QByteArray now = State(); now != states[i])
      return Where(QStringLiteral("redo to state %1 of the round: ").arg(i) + Difference(states[i], now));
  }
  if (!F.Diagram->NextRedoAction().isEmpty()) return Where(QStringLiteral("a redo is left after the last"));
  return {};
}

QString TUndoRandomRun::Operate(TOpKind AKind) {
  // A full diagram takes deletions instead of insertions.
  if ((AKind == okInsertBlock || AKind == okInsertLine || AKind == okConnect || AKind == okPaste) &&
      F.Diagram->DControlCount() >= MaxControls)
    AKind = okDelete;
  switch (AKind) {
    case okInsertBlock:
      InsertBlock();
      return QStringLiteral("insert block");
    case okInsertLine:
      InsertLine(false);
      return QStringLiteral("insert line");
    case okConnect:
      InsertLine(true);
      return QStringLiteral("connect");
    case okDelete:
      DeleteSome();
      return QStringLiteral("delete");
    case okMove:
      MoveSelection();
      return QStringLiteral("move");
    case okMouseMove:
      MoveWithMouse();
      return QStringLiteral("mouse move");
    case okResize:
      Resize();
      return QStringLiteral("resize");
    case okRotate:
      Rotate();
      return QStringLiteral("rotate");
    case okGroup:
      Group();
      return QStringLiteral("group");
    case okUngroup:
      Ungroup();
      return QStringLiteral("ungroup");
    case okAlign:
      Align();
      return QStringLiteral("align");
    case okEditText:
      EditText();
      return QStringLiteral("text edit");
    case okLayer:
      ChangeLayer();
      return QStringLiteral("layer");
    case okPaste:
      CopyPaste();
      return QStringLiteral("paste");
    case okCut:
      Cut();
      return QStringLiteral("cut");
    case okKindCount:
      break;
  }
  return {};
}

QByteArray TUndoRandomRun::State() const {
  TMemoryStream s;
  F.Diagram->SaveToStream(s, false);
  return s.Bytes();
}

QString TUndoRandomRun::Difference(const QByteArray& AExpected, const QByteArray& AActual) const {
  auto text = [](const QByteArray& ABinary) {
    TMemoryStream in(ABinary), out;
    ConvertBinaryToText(in, out);
    return QString::fromUtf8(out.Bytes()).split(u'\n');
  };
  const QStringList a = text(AExpected), b = text(AActual);
  for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
    const QString x = i < a.size() ? a[i] : QStringLiteral("<end>");
    const QString y = i < b.size() ? b[i] : QStringLiteral("<end>");
    if (x != y) return QStringLiteral("line %1: expected \"%2\", got \"%3\"").arg(i + 1).arg(x.trimmed(), y.trimmed());
  }
  return QStringLiteral("same text, different bytes");
}

QString TUndoRandomRun::Where(const QString& AWhat) const {
  return QStringLiteral("seed %1, round %2, operation %3 (%4): %5")
      .arg(FSeed)
      .arg(FRound)
      .arg(FOperation)
      .arg(FCurrentOp, AWhat);
}

void TUndoRandomRun::SelectRandomBlocks(int ACount) {
  TDiagramUpdate selection(*F.Diagram, ukSelection);
  F.Diagram->UnselectAll();
  for (int i = 0; i < ACount && F.Diagram->BlockCount() > 0; ++i)
    F.Diagram->GetBlocks(Random(F.Diagram->BlockCount()))->SetSelected(true);
}

void TUndoRandomRun::InsertBlock() {
  TDiagramUpdate operation(*F.Diagram, QStringLiteral("insert"));
  auto* b = static_cast<TDiagramBlock*>(F.Diagram->CreateDControl(&TDiagramBlock::StaticClassInfo(), QString()));
  const double x = Coordinate(AreaLeft, AreaRight - 60), y = Coordinate(AreaLeft, AreaBottom - 40);
  b->SetBoundsRect(TSquare{x, y, x + 30 + Random(40), y + 20 + Random(30)});
  b->GetLinkPoints()->Add(100, 50, aoRight);
  b->GetLinkPoints()->Add(0, 50, aoLeft);
  if (Random(2)) b->GetLinkPoints()->Add(50, 0, aoUp);
  b->DefaultTextCell()->SetText(TextSamples[Random(std::size(TextSamples))]);
  b->SetDiagram(F.Diagram);
}

void TUndoRandomRun::InsertLine(bool AAnchored) {
  TDiagramUpdate operation(*F.Diagram, AAnchored ? QStringLiteral("connect") : QStringLiteral("insert"));
  TLinkPoint *from = nullptr, *to = nullptr;
  if (AAnchored && F.Diagram->BlockCount() >= 2) {
    TLinkPoints* a = F.Diagram->GetBlocks(Random(F.Diagram->BlockCount()))->GetLinkPoints();
    TLinkPoints* b = F.Diagram->GetBlocks(Random(F.Diagram->BlockCount()))->GetLinkPoints();
    if (a && a->Count() > 0 && b && b->Count() > 0) {
      from = a->GetItems(Random(a->Count()));
      to = b->GetItems(Random(b->Count()));
    }
  }
  auto* line = F.Diagram->CreateDControl(&TDiagramLine::StaticClassInfo(), QString());
  line->SetDiagram(F.Diagram);
  TControlInsertInfo info;
  info.Action = iaInserted;
  info.P1 = from ? from->DiagramPoint() : TDot{Coordinate(AreaLeft, AreaRight), Coordinate(AreaLeft, AreaBottom)};
  info.P2 = to ? to->DiagramPoint() : TDot{Coordinate(AreaLeft, AreaRight), Coordinate(AreaLeft, AreaBottom)};
  info.AnchorPoint1 = from;
  info.AnchorPoint2 = to;
  line->UpdateInsert(info);
}

void TUndoRandomRun::SelectSome() {
  TDiagramUpdate selection(*F.Diagram, ukSelection);
  F.Diagram->UnselectAll();
  const int count = 1 + Random(3);
  for (int i = 0; i < count && F.Diagram->DControlCount() > 0; ++i)
    F.Diagram->GetDControls(Random(F.Diagram->DControlCount()))->SetSelected(true);
}

void TUndoRandomRun::DeleteSome() {
  SelectSome();
  F.Diagram->DeleteSelecteds();
}

void TUndoRandomRun::CopyPaste() {
  SelectSome();
  F.Diagram->CopyToClipboard();
  F.Diagram->PasteFromClipboard();
}

void TUndoRandomRun::Cut() {
  SelectSome();
  F.Diagram->CutToClipboard();
}

void TUndoRandomRun::MoveSelection() {
  SelectRandomBlocks(1 + Random(3));
  TDiagramUpdate operation(*F.Diagram, QStringLiteral("move"));
  F.Diagram->MoveBlocks(Random(41) - 20, Random(41) - 20, true, true);
}

void TUndoRandomRun::MoveWithMouse() {
  F.Diagram->UnselectAll();
  if (F.Diagram->BlockCount() == 0) return;
  const TSquare r = F.Diagram->GetBlocks(Random(F.Diagram->BlockCount()))->ControlRect();
  const double cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  // Whatever lies on top at the block's centre is what the mouse takes hold of.
  F.DragFromTo(F.At(cx, cy), F.At(cx + Random(61) - 30, cy + Random(61) - 30));
}

void TUndoRandomRun::Resize() {
  if (F.Diagram->BlockCount() == 0) return;
  TDiagramUpdate operation(*F.Diagram, QStringLiteral("resize"));
  auto* b = static_cast<TCustomDiagramBlock*>(F.Diagram->GetBlocks(Random(F.Diagram->BlockCount())));
  const TSquare r = b->ControlRect();
  b->SetBoundsRect(TSquare{r.Left, r.Top, r.Left + 20 + Random(80), r.Top + 15 + Random(60)});
}

void TUndoRandomRun::Rotate() {
  if (F.Diagram->BlockCount() == 0) return;
  TDiagramUpdate operation(*F.Diagram, QStringLiteral("rotate"));
  const double angles[] = {0, 15, 30, 45, 90, 135, 180, 270, 333.5};
  F.Diagram->GetBlocks(Random(F.Diagram->BlockCount()))->SetAngle(angles[Random(std::size(angles))]);
}

void TUndoRandomRun::Group() {
  SelectRandomBlocks(2 + Random(2));
  F.Diagram->GroupSelectedBlocks();
}

void TUndoRandomRun::Ungroup() {
  std::vector<TDiagramControl*> groups;
  for (int i = 0; i < F.Diagram->BlockCount(); ++i)
    if (IsGroup(F.Diagram->GetBlocks(i))) groups.push_back(F.Diagram->GetBlocks(i));
  F.Diagram->UnselectAll();
  if (!groups.empty()) F.Diagram->SetGroupSelected(groups[Random(int(groups.size()))], true);
  F.Diagram->UngroupSelectedBlocks();
}

void TUndoRandomRun::Align() {
  SelectRandomBlocks(2 + Random(3));
  TDiagramAlign align;
  align.SetDiagram(F.Diagram);
  align.SetBlockAlignment(static_cast<TBlocksAlignment>(Random(baDecVertSpace + 1)));
  align.Execute();
}

void TUndoRandomRun::EditText() {
  if (F.Diagram->DControlCount() == 0) return;
  TDiagramControl* c = F.Diagram->GetDControls(Random(F.Diagram->DControlCount()));
  TDiagramUpdate operation(*F.Diagram, QStringLiteral("text edit"));
  c->DefaultTextCell()->SetText(TextSamples[Random(std::size(TextSamples))] + QString::number(Random(100)));
}

void TUndoRandomRun::ChangeLayer() {
  if (F.Diagram->DControlCount() == 0) return;
  TDiagramUpdate operation(*F.Diagram, QStringLiteral("layer"));
  F.Diagram->GetDControls(Random(F.Diagram->DControlCount()))->SetLayer(Random(4));
}

}  // namespace tarnwick::test
