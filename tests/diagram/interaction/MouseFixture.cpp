#include "MouseFixture.h"

#include <QMouseEvent>
#include <QtTest/QTest>
#include <cmath>

namespace tarnwick::test {

TMouseFixture::TMouseFixture() {
  ShowInWindow();
  Diagram->SetBounds(0, 0, 600, 400);
  Window->show();
  Diagram->OnOperationEnd = [this](TdvDiagram*, const QString& ALabel) { Operations << ALabel; };
}

QPoint TMouseFixture::At(double X, double Y) const {
  const TDot c = Diagram->ClientToCanvas(TDot{X, Y});
  return QPoint(int(std::lround(c.X)), int(std::lround(c.Y)));
}

void TMouseFixture::Press(QPoint P, Qt::KeyboardModifiers M, Qt::MouseButton B) { QTest::mousePress(W(), B, M, P); }

void TMouseFixture::Drag(QPoint P, Qt::KeyboardModifiers M) {
  // QTest's own move carries no modifiers, so the move is built here with the button held.
  QMouseEvent e(QEvent::MouseMove, QPointF(P), QPointF(W()->mapToGlobal(P)), Qt::NoButton, Qt::LeftButton, M);
  QCoreApplication::sendEvent(W(), &e);
}

void TMouseFixture::Release(QPoint P, Qt::KeyboardModifiers M, Qt::MouseButton B) {
  QTest::mouseRelease(W(), B, M, P);
}

void TMouseFixture::DragFromTo(QPoint A, QPoint B, Qt::KeyboardModifiers M) {
  Press(A, M);
  Drag((A + B) / 2, M);
  Drag(B, M);
  Release(B, M);
}

void TMouseFixture::Escape() { QTest::keyClick(W(), Qt::Key_Escape); }

void TMouseFixture::UseGrid(double ASize) {
  Diagram->GetSnapGrid()->SetActive(true);
  Diagram->GetSnapGrid()->SetSizeX(ASize);
  Diagram->GetSnapGrid()->SetSizeY(ASize);
}

}  // namespace tarnwick::test
