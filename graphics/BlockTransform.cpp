#include "graphics/BlockTransform.h"

namespace tarnwick {

namespace {

TDot Centre(const TSquare& R) noexcept { return TDot{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

}  // namespace

void TBlockTransform::SetSourceRect(const TSquare& Value) noexcept {
  FSourceRect = Value;
  UpdateRects();
}

void TBlockTransform::SetDestRect(const TSquare& Value) noexcept {
  FDestRect = Value;
  UpdateRects();
}

void TBlockTransform::UpdateRects() noexcept {
  // Strict comparisons: an empty or inverted rectangle (and NaN) gives no usable scale.
  FValidRects = FSourceRect.Left < FSourceRect.Right && FSourceRect.Top < FSourceRect.Bottom &&
                FDestRect.Left < FDestRect.Right && FDestRect.Top < FDestRect.Bottom;
  if (!FValidRects) return;
  FScaleX = (FDestRect.Right - FDestRect.Left) / (FSourceRect.Right - FSourceRect.Left);
  FScaleY = (FDestRect.Bottom - FDestRect.Top) / (FSourceRect.Bottom - FSourceRect.Top);
  const TDot S = Centre(FSourceRect);
  const TDot D = Centre(FDestRect);
  // Qt composes left to right: A * B applies A first.
  FMap = QTransform::fromTranslate(-S.X, -S.Y) * QTransform::fromScale(FScaleX, FScaleY) *
         QTransform::fromTranslate(D.X, D.Y);
}

QTransform TBlockTransform::FlipTransform() const noexcept {
  if (!FHorizontalFlip && !FVerticalFlip) return QTransform();
  // The exact centre, so that the source rectangle is mirrored onto itself wherever it
  // lies and whatever its size (a rounded half size would push odd-sized shapes out by one
  // unit, and a point measured from the origin would throw offset rectangles elsewhere).
  const TDot H = Centre(FSourceRect);
  return QTransform::fromTranslate(-H.X, -H.Y) *
         QTransform::fromScale(FHorizontalFlip ? -1.0 : 1.0, FVerticalFlip ? -1.0 : 1.0) *
         QTransform::fromTranslate(H.X, H.Y);
}

QTransform TBlockTransform::RotateTransform() const noexcept {
  if (FAngle == 0.0) return QTransform();
  // With the y axis down, Qt's positive rotation takes +x towards +y: clockwise on screen.
  QTransform T;
  T.translate(FRotationCenter.X, FRotationCenter.Y);
  T.rotate(FAngle);
  T.translate(-FRotationCenter.X, -FRotationCenter.Y);
  return T;
}

QTransform TBlockTransform::Transform() const noexcept { return FlipTransform() * FMap * RotateTransform(); }

TDot TBlockTransform::Map(TDot P) const noexcept {
  const QPointF Q = Transform().map(QPointF(P.X, P.Y));
  return TDot{Q.x(), Q.y()};
}

}  // namespace tarnwick
