#pragma once
// Arcs as the drawing surface defines them: angles in degrees, clockwise on the screen from
// +x, and on a non-circular ellipse an angle is the direction from the centre to the arc
// point. Qt's arcs take parametric angles, counter-clockwise; these helpers convert.
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

namespace tarnwick {

// The point of the ellipse inscribed in Box that lies in direction ADirection from its centre.
QPointF EllipsePointAt(const QRectF& Box, double ADirection) noexcept;

// The ellipse's parametric angle (clockwise degrees) of the point in direction ADirection,
// kept within 90 degrees of ADirection so that sweeps keep their sign and their turns.
double ParametricAngle(const QRectF& Box, double ADirection) noexcept;

// Appends the arc to APath. With AJoin the current figure is joined to the arc's start by a
// straight segment; without it the arc starts a new figure.
void AppendArc(QPainterPath& APath, const QRectF& Box, double AStart, double ASweep, bool AJoin);

}  // namespace tarnwick
