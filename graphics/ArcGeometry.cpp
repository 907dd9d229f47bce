#include "graphics/ArcGeometry.h"

#include <cmath>
#include <numbers>

namespace tarnwick {

namespace {
constexpr double Rad = std::numbers::pi / 180.0;

double Wrap180(double A) noexcept { return A - 360.0 * std::floor((A + 180.0) / 360.0); }
}  // namespace

double ParametricAngle(const QRectF& Box, double ADirection) noexcept {
  const double a = Box.width() / 2;
  const double b = Box.height() / 2;
  if (!(a > 0) || !(b > 0) || a == b) return ADirection;
  const double t = std::atan2(a * std::sin(ADirection * Rad), b * std::cos(ADirection * Rad)) / Rad;
  return ADirection + Wrap180(t - ADirection);
}

QPointF EllipsePointAt(const QRectF& Box, double ADirection) noexcept {
  const double t = ParametricAngle(Box, ADirection) * Rad;
  const QPointF c = Box.center();
  return QPointF(c.x() + Box.width() / 2 * std::cos(t), c.y() + Box.height() / 2 * std::sin(t));
}

void AppendArc(QPainterPath& APath, const QRectF& Box, double AStart, double ASweep, bool AJoin) {
  const double t0 = ParametricAngle(Box, AStart);
  const double t1 = ParametricAngle(Box, AStart + ASweep);
  double sweep = t1 - t0;
  // Whole turns are lost by the conversion of the end angle; put them back.
  if (std::abs(ASweep) >= 360.0) sweep = ASweep;
  if (!AJoin) APath.moveTo(EllipsePointAt(Box, AStart));
  // Qt measures counter-clockwise on the screen.
  APath.arcTo(Box, -t0, -sweep);
}

}  // namespace tarnwick
