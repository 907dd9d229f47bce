#include "diagram/model/TextCellPainter.h"

#include <QPainter>
#include <QFont>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <unordered_map>

#include "diagram/model/DiagramControl.h"
#include "diagram/model/DiagramHost.h"
#include "geometry/Squares.h"
#include "geometry/BlockDrawer.h"
#include "graphics/Transparency.h"
#include "platform/core/Math.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

namespace {

bool IsEmptySquare(const TSquare& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

// Diagram units to canvas pixels and back for the paint pass in progress. The mapping is
// a scale and an offset, so two sample points give its inverse.
struct TCanvasMapping {
  const TDiagramHost* Host = nullptr;
  TDot Origin;
  double ScaleX = 1.0, ScaleY = 1.0;

  explicit TCanvasMapping(const TDiagramHost* AHost) : Host(AHost) {
    if (!Host) return;
    Origin = Host->ClientToCanvas(TDot{0, 0});
    ScaleX = Host->ClientToCanvas(TDot{1, 0}).X - Origin.X;
    ScaleY = Host->ClientToCanvas(TDot{0, 1}).Y - Origin.Y;
  }
  TDot ToCanvas(TDot D) const { return Host ? Host->ClientToCanvas(D) : D; }
  TDot ToDiagram(TDot P) const {
    if (!Host || ScaleX == 0 || ScaleY == 0) return P;
    return TDot{(P.X - Origin.X) / ScaleX, (P.Y - Origin.Y) / ScaleY};
  }
};

// Text widths by font: every repaint lays the same cells out again, and measuring a
// piece of text shapes it, which costs more than drawing it. Bounded: past the limit it
// starts over rather than growing with every text ever shown.
class TWidthMemo {
 public:
  int Width(const TCanvas& ACanvas, const QString& AText) {
    const TKey key{ACanvas.GetFont()->Handle(), AText};
    if (auto it = FWidths.find(key); it != FWidths.end()) return it->second;
    if (FWidths.size() >= MaxEntries) FWidths.clear();
    const int width = ACanvas.TextWidth(AText);
    FWidths.emplace(key, width);
    return width;
  }

 private:
  static constexpr size_t MaxEntries = 1 << 15;
  struct TKey {
    QFont Font;
    QString Text;
    bool operator==(const TKey& O) const { return Text == O.Text && Font == O.Font; }
  };
  struct THash {
    size_t operator()(const TKey& K) const { return qHash(K.Text, qHash(K.Font)); }
  };
  std::unordered_map<TKey, int, THash> FWidths;
};

TWidthMemo& Widths() {
  static TWidthMemo memo;
  return memo;
}

}  // namespace

int TextEscapement(double AAngle) {
  double a = std::fmod(-AAngle, 360.0);
  if (a < 0) a += 360.0;
  return Round(a * 10);
}

TSquare DrawCellText(TCanvas* ACanvas, TFont* AFont, const QString& AText, const TCellTextParams& AParams, bool ADraw) {
  if (!ACanvas || !AFont) return AParams.Rect;
  TFont* font = ACanvas->GetFont();
  // The font is made up aside and handed over whole: the canvas keeps the font it built
  // for the previous cell when this one asks for the same, where taking the cell's font
  // and then scaling it would build two fonts for every cell of a zoomed diagram.
  static TFont wanted;
  wanted.SetPixelsPerInch(font->GetPixelsPerInch());
  wanted.Assign(AFont);
  if (AParams.FontScale != 1.0 && AParams.FontScale > 0) {
    // A tiny zoom must not end at size 0, which would mean the default size.
    const int size = Round(AFont->GetSize() * AParams.FontScale);
    wanted.SetSize(size == 0 ? (AFont->GetSize() < 0 ? -1 : 1) : size);
  }
  wanted.SetOrientation(AParams.Angle != 0 ? TextEscapement(AParams.Angle) : 0);
  font->Assign(&wanted);
  const QFontMetrics& metrics = font->Metrics();
  const double lineHeight = metrics.ascent() + metrics.descent();

  TTextLayoutOptions options;
  options.Alignment = AParams.Alignment;
  options.VertAlign = AParams.VertAlign;
  options.WordWrap = AParams.WordWrap;
  options.Angle = AParams.Angle;
  options.RotationCenter = AParams.RotationCenter;
  const TTextLayout layout = LayoutText(
      AText, AParams.Rect, options, [ACanvas](const QString& s) { return double(Widths().Width(*ACanvas, s)); }, lineHeight);
  if (!ADraw || layout.Lines.empty()) return layout.Bounds;

  QPainter* painter = ACanvas->GetHandle();
  const bool clip = AParams.Clip && painter;
  if (clip) {
    const TSquare& r = AParams.Rect;
    QPolygonF area;
    for (TDot corner : {TDot{r.Left, r.Top}, TDot{r.Right, r.Top}, TDot{r.Right, r.Bottom}, TDot{r.Left, r.Bottom}}) {
      const TDot p = TurnDot(corner, AParams.RotationCenter, AParams.Angle);
      area << QPointF(p.X, p.Y);
    }
    QPainterPath path;
    path.addPolygon(area);
    path.closeSubpath();
    painter->save();
    painter->setClipPath(path, Qt::IntersectClip);
  }
  for (const TTextLayoutLine& line : layout.Lines)
    if (!line.Text.isEmpty()) ACanvas->TextOut(Round(line.Start.X), Round(line.Start.Y), line.Text);
  if (clip) painter->restore();
  return layout.Bounds;
}

void DrawTextCell(TCanvas* ACanvas, TTextCell* ACell, const TDot* ABlockCenter) {
  if (!ACanvas || !ACell) return;
  TDiagramControl* control = ACell->GetDControl();
  const TCanvasMapping mapping(control ? control->GetDiagramHost() : nullptr);

  const TSquare cellRect = ACell->GetDiagramRect();
  const TDot a = mapping.ToCanvas(cellRect.TopLeft());
  const TDot b = mapping.ToCanvas(cellRect.BottomRight());
  TSquare r{double(Round(a.X)), double(Round(a.Y)), double(Round(b.X)), double(Round(b.Y))};
  const TDot centre =
      ABlockCenter ? mapping.ToCanvas(*ABlockCenter) : TDot{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  double angle = ACell->GetAngle();

  if (!ACell->GetRotateFont() && angle != 0) {
    // Upright text where the turned cell would be: only the rectangle's centre turns.
    const TDot mid{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    const TDot moved = TurnDot(mid, centre, angle);
    const double dx = Round(moved.X - mid.X), dy = Round(moved.Y - mid.Y);
    r = TSquare{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    angle = 0;
  }

  TCellTextParams params;
  params.Rect = r;
  params.RotationCenter = centre;
  params.Angle = angle;
  params.Alignment = ACell->GetAlignment();
  params.VertAlign = ACell->GetVertAlign();
  params.WordWrap = ACell->GetWordWrap();
  params.Clip = ACell->GetClip();
  params.FontScale = mapping.Host ? mapping.ScaleX : 1.0;

  TTextCellFrame* frame = ACell->GetCellFrame();
  TSquare framed = r;
  if (frame->GetAutoFrame()) {
    framed = TSquare{};
    if (!ACell->GetText().isEmpty()) {
      framed = DrawCellText(ACanvas, ACell->GetFont(), ACell->GetText(), params, false);
      const double m = frame->GetAutoFrameMargin();
      framed = TSquare{framed.Left - m, framed.Top - m, framed.Right + m, framed.Bottom + m};
      // The painted rectangle is kept in the cell's own units, so it stays right when the
      // diagram is zoomed or scrolled before the next paint.
      TSquare diagram{mapping.ToDiagram(framed.TopLeft()).X, mapping.ToDiagram(framed.TopLeft()).Y,
                      mapping.ToDiagram(framed.BottomRight()).X, mapping.ToDiagram(framed.BottomRight()).Y};
      ACell->SetPaintedRect(control ? control->ToOriginalRect(diagram) : diagram);
    }
  }

  if (frame->GetVisible() && !IsEmptySquare(framed)) {
    TOwned<TBrush> savedBrush = MakeOwned<TBrush>();
    savedBrush->Assign(ACanvas->GetBrush());
    TBlockDrawer drawer;
    drawer.SetCanvas(ACanvas);
    drawer.SetAngle(angle);
    drawer.SetRotationType(rtRotationCenter);
    drawer.SetRotationCenter(centre);
    if (!frame->GetTransparent()) {
      ACanvas->SetPen(frame->GetPen());
      ACanvas->GetBrush()->SetStyle(bsSolid);
      ACanvas->GetBrush()->SetColor(frame->GetColor());
      drawer.DrawRotRect(framed.Left, framed.Top, framed.Right, framed.Bottom);
    }
    ACanvas->SetPen(frame->GetPen());
    ACanvas->SetBrush(frame->GetBrush());
    drawer.DrawRotRect(framed.Left, framed.Top, framed.Right, framed.Bottom);
    // The text goes over the frame without a box of its own.
    ACanvas->SetBrush(savedBrush.get());
  }

  // The text is blended by the cell's transparency (or its control's, while the cell
  // follows it) with the engines' alpha rule, so the text looks alike on every path.
  const int transparency =
      ACell->GetParentTransparency() && control ? control->GetTransparency() : ACell->GetTransparency();
  QPainter* painter = transparency != 0 ? ACanvas->GetHandle() : nullptr;
  if (painter) {
    painter->save();
    painter->setOpacity(painter->opacity() * TransparencyToAlpha(transparency) / 255.0);
  }
  DrawCellText(ACanvas, ACell->GetFont(), ACell->GetText(), params, true);
  if (painter) painter->restore();
}

void DrawTextCells(TCanvas* ACanvas, TDiagramControl* AControl, const TDot* ABlockCenter, TTextCell* AEditing) {
  if (!ACanvas || !AControl) return;
  if (!AEditing && AControl->GetDiagramHost()) AEditing = AControl->GetDiagramHost()->CellCoveredByEditor();
  const TBrushStyle saved = ACanvas->GetBrush()->GetStyle();
  ACanvas->GetBrush()->SetStyle(bsClear);
  TTextCells* cells = AControl->GetTextCells();
  for (int i = 0; i < cells->Count(); ++i) {
    TTextCell* cell = cells->GetItems(i);
    if (cell->GetVisible() && cell != AEditing) DrawTextCell(ACanvas, cell, ABlockCenter);
  }
  ACanvas->GetBrush()->SetStyle(saved);
}

}  // namespace tarnwick
