#pragma once
// An image to paint on through the integer canvas, and pixel queries over it.
#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/core/Colors.h"
#include "platform/core/Object.h"
#include "platform/gui/Canvas.h"

namespace tarnwick::testing {

struct TPaintTarget {
  ::QImage Image;
  QPainter Painter;
  TOwned<TCanvas> Canvas;

  TPaintTarget(int W, int H, TColor Fill = clWhite) : Image(W, H, ::QImage::Format_RGB32) {
    Image.fill(QColor(GetRValue(Fill), GetGValue(Fill), GetBValue(Fill)));
    Painter.begin(&Image);
    Canvas.reset(Create<TCanvas>(&Painter));
  }
  ~TPaintTarget() {
    Canvas.reset();
    if (Painter.isActive()) Painter.end();
  }
  TCanvas& C() { return *Canvas; }

  TColor At(int X, int Y) const {
    const QRgb p = Image.pixel(X, Y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
  }
  // The columns (rows with Columns false) in [From, To) whose pixel on line Across has Color.
  std::vector<int> Where(TColor Color, int Across, int From, int To, bool Columns = true) const {
    std::vector<int> out;
    for (int i = From; i < To; ++i)
      if (At(Columns ? i : Across, Columns ? Across : i) == Color) out.push_back(i);
    return out;
  }
  // How many pixels of the rectangle [L, R) x [T, B) have Color.
  int Count(TColor Color, int L, int T, int R, int B) const {
    int n = 0;
    for (int y = T; y < B; ++y)
      for (int x = L; x < R; ++x) n += At(x, y) == Color;
    return n;
  }
};

}  // namespace tarnwick::testing
