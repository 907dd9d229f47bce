#include "graphics/QtGraphicsPath.h"

namespace tarnwick {

int TQtGraphicsPath::AddRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3) {
  // Clockwise from the top-right corner.
  if (const int status = AddArc(X2 - X3, Y1, X3, Y3, 270, 90)) return status;
  AddArc(X2 - X3, Y2 - Y3, X3, Y3, 0, 90);
  AddArc(X1, Y2 - Y3, X3, Y3, 90, 90);
  AddArc(X1, Y1, X3, Y3, 180, 90);
  return 0;
}

}  // namespace tarnwick
