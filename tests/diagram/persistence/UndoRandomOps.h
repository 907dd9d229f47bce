#pragma once
// Random operations against the undo history. A seeded generator edits a shown diagram
// through its public interface (and its window, for mouse moves), recording the document's
// bytes after every operation; it then undoes the round's steps and checks each state byte
// for byte, and redoes them all and checks again. The history holds ten states, so a round
// is at most nine operations; runs are any number of rounds.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

namespace tarnwick::test {

struct TMouseFixture;

class TUndoRandomRun {
 public:
  TUndoRandomRun(TMouseFixture& AFixture, uint32_t ASeed);

  // Runs operations in rounds until ACount have been made or a check fails. Returns the
  // first failure, described with the seed, round and operation; empty when all held.
  QString Run(int ACount);

  // How often each kind of operation ran, and the undo/redo steps checked.
  const std::map<QString, int>& KindCounts() const { return FKindCounts; }
  int StepsChecked() const { return FStepsChecked; }

 private:
  enum TOpKind {
    okInsertBlock,
    okInsertLine,
    okDelete,
    okMove,
    okMouseMove,
    okResize,
    okRotate,
    okConnect,
    okGroup,
    okUngroup,
    okAlign,
    okEditText,
    okLayer,
    okPaste,
    okCut,
    okKindCount
  };

  QString Round(int AOperations);
  // Runs one operation; returns its name for reports.
  QString Operate(TOpKind AKind);
  QByteArray State() const;
  // Where two document states first differ, in their text form.
  QString Difference(const QByteArray& AExpected, const QByteArray& AActual) const;
  QString Where(const QString& AWhat) const;

  int Random(int ABelow) { return std::uniform_int_distribution<int>(0, ABelow - 1)(FRandom); }
  double Coordinate(double AMin, double AMax) { return AMin + Random(int(AMax - AMin) + 1); }
  void SelectRandomBlocks(int ACount);

  void InsertBlock();
  void InsertLine(bool AAnchored);
  void DeleteSome();
  void SelectSome();
  // Copies a few controls and pastes them back (through the application's clipboard).
  void CopyPaste();
  void Cut();
  void MoveSelection();
  void MoveWithMouse();
  void Resize();
  void Rotate();
  void Group();
  void Ungroup();
  void Align();
  void EditText();
  void ChangeLayer();

  TMouseFixture& F;
  uint32_t FSeed;
  std::mt19937 FRandom;
  int FRound = 0;
  int FOperation = 0;
  QString FCurrentOp;
  std::map<QString, int> FKindCounts;
  int FStepsChecked = 0;
};

}  // namespace tarnwick::test
