// Sizing a compartment box to its text: the visible compartments are measured with their
// fonts, stacked from the top, and the box takes the widest line plus margins; the
// template box hangs over the upper-right corner.
#include <algorithm>

#include "blocks/umlclass/UmlBaseClassBlock.h"
#include "diagram/model/TextCellPainter.h"
#include "platform/core/Math.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

namespace {

struct TMeasure {
  double Width = 10;
  double Height = 10;
};

// Blanks only: a trailing line break must survive, so the empty line after it is
// measured too.
QString TrimBlanks(const QString& S) {
  qsizetype b = 0, e = S.size();
  while (b < e && (S[b] == ' ' || S[b] == '\t')) ++b;
  while (e > b && (S[e - 1] == ' ' || S[e - 1] == '\t')) --e;
  return S.mid(b, e - b);
}

// The mirror of R about the centre of ABounds on the flipped axes.
TSquare Mirrored(const TSquare& R, const TSquare& ABounds, bool AHorizontal, bool AVertical) {
  TSquare m = R;
  if (AHorizontal) {
    m.Left = ABounds.Left + ABounds.Right - R.Right;
    m.Right = ABounds.Left + ABounds.Right - R.Left;
  }
  if (AVertical) {
    m.Top = ABounds.Top + ABounds.Bottom - R.Bottom;
    m.Bottom = ABounds.Top + ABounds.Bottom - R.Top;
  }
  return m;
}

TSquare Union(const TSquare& A, const TSquare& B) {
  return TSquare{std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                 std::max(A.Bottom, B.Bottom)};
}

}  // namespace

void TUMLBaseClassBlock::LayoutCells() {
  if (FBuilding || !GetDiagram()) return;
  FBuilding = true;
  TCanvas canvas;
  const TSquare bounds = GetBoundsRect();
  auto measure = [&](TTextCell* ACell) {
    TMeasure m;
    QString text = TrimBlanks(ACell->GetText());
    if (text.isEmpty()) text = QStringLiteral("gh");
    if (text.endsWith('\n')) text += QStringLiteral("gh");
    TCellTextParams params;
    params.Rect = bounds;
    params.Alignment = taLeftJustify;
    params.VertAlign = vaTop;
    params.WordWrap = ACell->GetWordWrap();
    const TSquare r = DrawCellText(&canvas, ACell->GetFont(), text, params, false);
    m.Width = r.Right - r.Left;
    m.Height = r.Bottom - r.Top;
    return m;
  };

  TTextCell* templ = TemplateCell();
  const bool showTemplate = templ && templ->GetVisible();
  const TMeasure templMeasure = showTemplate ? measure(templ) : TMeasure{};

  struct TPlaced {
    TTextCell* Cell;
    double Top, Height;
  };
  std::vector<TPlaced> placed;
  double widest = 0, total = 0;
  TTextCells* cells = GetTextCells();
  for (int i = 0; i < cells->Count(); ++i) {
    TTextCell* cell = cells->GetItems(i);
    if (cell == templ || !cell->GetVisible()) continue;
    const TMeasure m = measure(cell);
    double h = m.Height + 10;
    if (i == 0 && showTemplate) h += templMeasure.Height;
    placed.push_back({cell, total, h});
    total += h;
    widest = std::max(widest, m.Width);
  }
  const double W = widest + 10;
  // A box with every compartment hidden keeps the height of a new one rather than
  // collapsing to a line nobody can pick.
  const double H = placed.empty() ? 20 : total;
  const double bw = W + 10, bh = H;

  // Cells are kept in the original rectangle (0, 0, 100, 100), which maps onto the bounds.
  const TSquare o = GetOriginalRect();
  const double sx = (o.Right - o.Left) / bw, sy = (o.Bottom - o.Top) / bh;
  for (const TPlaced& p : placed) p.Cell->SetBounds(o.Left, o.Top + p.Top * sy, o.Right - o.Left, p.Height * sy);
  if (templ) {
    const double th = templMeasure.Height + 10, tw = std::max(templMeasure.Width + 20, 100.0);
    // Its left edge 50 units inside the right edge, centred on the top edge.
    templ->SetBounds(o.Left + (bw - 50) * sx, o.Top - th / 2 * sy, tw * sx, th * sy);
  }
  SetBoundsRect(TSquare{bounds.Left, bounds.Top, bounds.Left + bw, bounds.Top + bh});
  SetMinWidth(Round(bw));
  SetMinHeight(Round(bh));
  FBuilding = false;
  Redraw();
}

TSquare TUMLBaseClassBlock::TemplateRect() {
  TTextCell* templ = TemplateCell();
  if (!templ || !templ->GetVisible()) return TSquare{};
  return templ->GetDiagramRect();
}

TSquare TUMLBaseClassBlock::ControlRect() {
  TSquare r = TCustomDiagramBlock::ControlRect();
  TTextCell* templ = TemplateCell();
  if (!templ || !templ->GetVisible()) return r;
  // A flipped block draws its cells mirrored; the box counts on both sides then.
  const TSquare t = TemplateRect();
  r = Union(r, t);
  if (GetHorizontalFlip() || GetVerticalFlip())
    r = Union(r, Mirrored(t, GetBoundsRect(), GetHorizontalFlip(), GetVerticalFlip()));
  return r;
}

}  // namespace tarnwick
