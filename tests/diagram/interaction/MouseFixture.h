#pragma once
// A shown diagram driven through its widget as a user would: presses, moves with the
// button held, releases and keys, at canvas pixel positions.
#include <QPoint>
#include <QStringList>

#include "../blocks/BlockFixture.h"

namespace tarnwick::test {

struct TMouseFixture : TBlockFixture {
  TMouseFixture();

  QWidget* W() const { return Diagram->GetHandle(); }
  // The canvas pixel of a diagram point.
  QPoint At(double X, double Y) const;
  void Press(QPoint P, Qt::KeyboardModifiers M = {}, Qt::MouseButton B = Qt::LeftButton);
  // A move with the left button held.
  void Drag(QPoint P, Qt::KeyboardModifiers M = {});
  void Release(QPoint P, Qt::KeyboardModifiers M = {}, Qt::MouseButton B = Qt::LeftButton);
  void DragFromTo(QPoint A, QPoint B, Qt::KeyboardModifiers M = {});
  void Escape();
  void UseGrid(double ASize);

  // The labels of the operations that ended, in order.
  QStringList Operations;
};

}  // namespace tarnwick::test
