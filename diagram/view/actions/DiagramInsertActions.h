#pragma once
// The inserting commands of the diagram action family: arm the insertion of a registered
// object, cancel it, and choose the line drawn out of a link point.
#include <QString>
#include <functional>

#include "diagram/view/actions/DiagramAction.h"

namespace tarnwick {

// Whether the diagram stays armed for another object of the kind after one is placed.
enum TKeepInsertingMode { kmNever, kmAlways, kmOnShiftPressed, kmLinesOnly };

// Arms insertion of the object registered under DControlID; checked while that kind is
// being inserted.
class TDiagramInsertBlock : public TDiagramAction {
 public:
  explicit TDiagramInsertBlock(QObject* AParent = nullptr);
  const QString& GetDControlID() const { return FDControlID; }
  void SetDControlID(const QString& Value) { FDControlID = Value; }
  TKeepInsertingMode GetKeepInsertingMode() const { return FKeepInsertingMode; }
  void SetKeepInsertingMode(TKeepInsertingMode Value) { FKeepInsertingMode = Value; }
  bool Execute() override;
  bool Update() override;

  // Whether the shift key is down, for kmOnShiftPressed; by default the keyboard's state.
  std::function<bool()> ShiftPressed;

 private:
  bool KeepInserting() const;

  QString FDControlID;
  TKeepInsertingMode FKeepInsertingMode = kmNever;
};

// Disarms insertion; checked while nothing is being inserted.
class TDiagramCancelInsert : public TDiagramAction {
 public:
  explicit TDiagramCancelInsert(QObject* AParent = nullptr);
  bool Execute() override;
  bool Update() override;
};

// Makes ConnectionLineID the line drawn out of a link point, or, when it already is,
// switches drawing lines out of link points off; checked while it is the one.
class TDiagramConnectionId : public TDiagramAction {
 public:
  explicit TDiagramConnectionId(QObject* AParent = nullptr);
  const QString& GetConnectionLineID() const { return FConnectionLineID; }
  void SetConnectionLineID(const QString& Value) { FConnectionLineID = Value; }
  bool Execute() override;
  bool Update() override;

 private:
  QString FConnectionLineID;
};

}  // namespace tarnwick
