#include "diagram/model/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarnwick {

std::vector<QString> SplitTextLines(const QString& AText) {
  std::vector<QString> lines;
  const int n = static_cast<int>(AText.size());
  int start = 0;
  for (int i = 0; i < n; ++i) {
    const QChar c = AText[i];
    if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
    lines.push_back(AText.mid(start, i - start));
    if (c == QLatin1Char('\r') && i + 1 < n && AText[i + 1] == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < n) lines.push_back(AText.mid(start));
  return lines;
}

namespace {

// The remainder cut off a line goes before what was cut off earlier, one space between.
void Carry(QString& ACarry, const QString& ARemainder) {
  if (ARemainder.isEmpty()) return;
  ACarry = ACarry.isEmpty() ? ARemainder : ARemainder + QLatin1Char(' ') + ACarry;
}

// The number of leading characters of AText that fit into AWidth (0 when none does).
int FittingPrefix(const QString& AText, double AWidth, const TTextMeasure& AMeasure) {
  int lo = 0, hi = static_cast<int>(AText.size());
  // Widths grow with the prefix, so the longest fitting prefix is found by halving.
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    if (AMeasure(AText.left(mid)) <= AWidth)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

}  // namespace

std::vector<QString> WrapLines(const std::vector<QString>& ALines, double AWidth, const TTextMeasure& AMeasure) {
  std::vector<QString> out;
  bool unbroken = false;
  for (const QString& line : ALines) {
    if (unbroken) {
      out.push_back(line);
      continue;
    }
    QString part = line;
    QString carry;
    for (;;) {
      while (AMeasure(part) > AWidth) {
        // A space at the very start would leave an empty line behind; it does not count.
        const int space = static_cast<int>(part.lastIndexOf(QLatin1Char(' ')));
        if (space > 0) {
          Carry(carry, part.mid(space + 1));
          part.truncate(space);
          continue;
        }
        const int fit = FittingPrefix(part, AWidth, AMeasure);
        if (fit == 0) {
          unbroken = true;
          break;
        }
        Carry(carry, part.mid(fit));
        part.truncate(fit);
      }
      if (unbroken) {
        // Not even one character fits: whatever is left stays together on this line.
        if (!carry.isEmpty()) part += QLatin1Char(' ') + carry;
        out.push_back(part);
        break;
      }
      out.push_back(part);
      if (carry.isEmpty()) break;
      part = carry;
      carry.clear();
    }
  }
  return out;
}

TTextLayout LayoutText(const QString& AText, const TSquare& ARect, const TTextLayoutOptions& AOptions,
                       const TTextMeasure& AMeasure, double ALineHeight) {
  TTextLayout layout;
  layout.LineHeight = ALineHeight;
  std::vector<QString> lines = SplitTextLines(AText);
  if (AOptions.WordWrap) lines = WrapLines(lines, ARect.Right - ARect.Left, AMeasure);
  if (lines.empty()) {
    layout.Bounds = ARect;
    return layout;
  }

  const double total = ALineHeight * static_cast<double>(lines.size());
  double y = ARect.Top;
  if (AOptions.VertAlign == vaBottom)
    y = ARect.Bottom - total;
  else if (AOptions.VertAlign == vaCenter)
    y = ARect.Top + (ARect.Bottom - ARect.Top - total) / 2;

  const bool turned = AOptions.Angle != 0;
  const double rad = AOptions.Angle * std::numbers::pi / 180;
  const double s = std::sin(rad), c = std::cos(rad);
  const TDot centre = AOptions.RotationCenter;

  TSquare bounds{2147483647.0, 2147483647.0, -2147483647.0, -2147483647.0};
  layout.Lines.reserve(lines.size());
  for (QString& text : lines) {
    TTextLayoutLine line;
    line.Width = AMeasure(text);
    double x = ARect.Left;
    if (AOptions.Alignment == taRightJustify)
      x = ARect.Right - line.Width + 1;
    else if (AOptions.Alignment == taCenter)
      x = ARect.Left + (ARect.Right - ARect.Left - line.Width) / 2;
    line.Origin = TDot{x, y};
    line.Start = line.Origin;
    if (turned) {
      // Clockwise on the screen, whose y axis points down.
      const double dx = x - centre.X, dy = y - centre.Y;
      line.Start = TDot{centre.X + dx * c - dy * s, centre.Y + dx * s + dy * c};
    }
    bounds.Left = std::min(bounds.Left, x);
    bounds.Top = std::min(bounds.Top, y);
    bounds.Right = std::max(bounds.Right, x + line.Width);
    bounds.Bottom = std::max(bounds.Bottom, y + ALineHeight);
    line.Text = std::move(text);
    layout.Lines.push_back(std::move(line));
    y += ALineHeight;
  }
  layout.Bounds = bounds;
  return layout;
}

}  // namespace tarnwick
