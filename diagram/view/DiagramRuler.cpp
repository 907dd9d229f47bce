#include "diagram/view/DiagramRuler.h"

#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "diagram/view/Diagram.h"
#include "diagram/view/SnapGrid.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TEnumTypeInfo& RulerUnitsType() {
  static const TEnumTypeInfo t("TRulerUnits", {"unMili", "unCenti", "unInch", "unPixel"});
  return t;
}

const TEnumTypeInfo& RulerPositionType() {
  static const TEnumTypeInfo t("TRulerPosition", {"rpTop", "rpLeft"});
  return t;
}

int DefaultDivisions(TRulerUnits Units) noexcept {
  switch (Units) {
    case unInch:
      return 8;
    case unPixel:
      return 10;
    default:
      return 5;
  }
}

double RulerAutoFactor(int Zoom) noexcept {
  struct Row {
    int UpTo;
    double Factor;
  };
  // Zoom percentages from the previous row's bound + 1 up to UpTo share a factor.
  static constexpr Row rows[] = {{1, 100}, {2, 50},  {5, 25},    {8, 20},     {12, 10},   {25, 5},    {35, 4},
                                 {50, 2},  {125, 1}, {300, 0.5}, {400, 0.25}, {500, 0.2}, {1000, 0.1}};
  if (Zoom < 1 || Zoom > 1000) return 1.0;
  for (const Row& r : rows)
    if (Zoom <= r.UpTo) return r.Factor;
  return 1.0;
}

TTickSpacing CalcTickSpacing(TRulerUnits Units, int PPI, int Divisions, int Zoom, bool AutoFactor) noexcept {
  const double d = std::max(Divisions, 1);
  const double z = Zoom / 100.0;
  double step = 0.0;
  switch (Units) {
    case unInch:
      step = PPI / d * z;
      break;
    case unPixel:
      step = 50 / d * z;
      break;
    case unMili:
    case unCenti:
      step = PPI / d * z / 2.54;
      break;
  }
  const double f = AutoFactor ? RulerAutoFactor(Zoom) : 1.0;
  TTickSpacing out;
  out.Step = step * f;
  out.LabelStep = f;
  if (Units == unMili) out.LabelStep = f * 10;
  if (Units == unPixel) out.LabelStep = f * 50;
  return out;
}

TRulerGridDensity CalcGridDensity(double Step, int Divisions, double PixelScale) noexcept {
  TRulerGridDensity out;
  const int64_t d = std::max(Divisions, 1);
  int64_t b = 1;
  // Ends at the latest when b outgrows Divisions, whatever the step.
  while (b * Step < 10 * PixelScale) {
    b *= 2;
    if (d % b != 0) {
      out.Coarse = true;
      break;
    }
  }
  out.Every = static_cast<int>(std::min<int64_t>(b, INT32_MAX));
  return out;
}

QString RulerLabel(int64_t TickIndex, int Divisions, double LabelStep) {
  double v = static_cast<double>(TickIndex) / std::max(Divisions, 1) * LabelStep;
  if (!std::isfinite(v)) return QStringLiteral("0");
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  std::string s(buf, res.ptr);
  // "0.##": at most two decimals, no trailing zeros, no separator without decimals.
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

TTickRun CalcTickRun(double Lo, double Hi, double Step, int OffsetPixels, int TempOffset, double RulerRange,
                     bool Inverse) noexcept {
  TTickRun run;
  if (!std::isfinite(Step) || Step < MinTickSpacing) return run;
  // Index and position of the first tick inside the strip, measured from the tick with
  // index 0 (the diagram origin, or the end of the scroll range for an inverse ruler).
  double origin, first;
  if (!Inverse) {
    origin = Lo - OffsetPixels - static_cast<double>(TempOffset);
    first = (Lo - origin) / Step;
  } else {
    origin = RulerRange - (static_cast<double>(TempOffset) - OffsetPixels);
    first = (origin - Hi) / Step;
  }
  if (!std::isfinite(first) || std::fabs(first) > 1e15) return run;
  run.FirstIndex = static_cast<int64_t>(std::trunc(first));
  const double r = static_cast<double>(run.FirstIndex);
  double count;
  if (!Inverse) {
    run.FirstPos = origin + r * Step;
    run.Step = Step;
    count = std::ceil((Hi - run.FirstPos) / Step);
  } else {
    run.FirstPos = origin - r * Step;
    run.Step = -Step;
    count = std::ceil((run.FirstPos - Lo) / Step);
  }
  if (!(count > 0)) return run;
  run.Count = static_cast<int>(std::min(count, double{INT32_MAX}));
  return run;
}

// ---- TCustomRuler ----

const TClassInfo& TCustomRuler::StaticClassInfo() {
  static const TClassInfo info("TCustomRuler", &TPersistent::StaticClassInfo(), {});
  return info;
}

TCustomRuler::TCustomRuler() : FFont(Create<TFont>()), FFont0(Create<TFont>()), FFont90(Create<TFont>()) {
  FFont->SetName(QStringLiteral("Arial"));
  FFont->SetSize(7);
  FDivisions = DefaultDivisions(FUnits);
  FontChanged();
  FFont->OnChange = [this](TObject*) {
    FontChanged();
    Changed();
  };
}

TCustomRuler::~TCustomRuler() = default;

void TCustomRuler::FontChanged() {
  FFont0->Assign(FFont.get());
  FFont0->SetOrientation(0);
  FFont90->Assign(FFont.get());
  FFont90->SetOrientation(900);
}

template <class T>
void TCustomRuler::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

int TCustomRuler::ScreenPPI() const { return TFont::DefaultPixelsPerInch; }

int TCustomRuler::OffsetPixels() const { return Round(FOffset); }

TTickSpacing TCustomRuler::TickSpacing() const {
  return CalcTickSpacing(GetUnits(), ScreenPPI(), FDivisions, FZoom, FAutoFactor);
}

void TCustomRuler::SetSize(int Value) { Store(FSize, Value); }
void TCustomRuler::SetZoom(int Value) { Store(FZoom, Value); }
void TCustomRuler::SetFont(TFont* Value) { FFont->Assign(Value); }
void TCustomRuler::SetMajorTickLength(int Value) { Store(FMajorTickLength, Value); }
void TCustomRuler::SetMinorTickLength(int Value) { Store(FMinorTickLength, Value); }
void TCustomRuler::SetPosition(TRulerPosition Value) { Store(FPosition, Value); }
void TCustomRuler::SetColor(TColor Value) { Store(FColor, Value); }
void TCustomRuler::SetTickColor(TColor Value) { Store(FTickColor, Value); }
void TCustomRuler::SetAutoFactor(bool Value) { Store(FAutoFactor, Value); }
void TCustomRuler::SetGridColor(TColor Value) { Store(FGridColor, Value); }
void TCustomRuler::SetInverse(bool Value) { Store(FInverse, Value); }

void TCustomRuler::SetOffset(double Value) {
  if (!std::isfinite(Value)) return;
  Store(FOffset, Value);
}

void TCustomRuler::SetDivisions(int Value) { Store(FDivisions, std::max(Value, 1)); }

void TCustomRuler::SetUnits(TRulerUnits Value) {
  if (Value < unMili || Value > unPixel || FUnits == Value) return;
  FUnits = Value;
  if (!IsReading()) FDivisions = DefaultDivisions(Value);
  Changed();
}

// ---- Painting ----

namespace {

// Non-negative remainder, so that ticks left of the origin keep the same pattern.
int64_t Mod(int64_t a, int64_t b) {
  const int64_t m = a % b;
  return m < 0 ? m + b : m;
}

}  // namespace

void TCustomRuler::Draw(TCanvas& Canvas, const TRect& ARect, int TempOffset, int MaxSize, double RulerRange,
                        bool ADrawGrid) {
  if (FSize == 0) SetSize(0);
  const TOwned<TPen> savedPen = MakeOwned<TPen>();
  const TOwned<TBrush> savedBrush = MakeOwned<TBrush>();
  const TOwned<TFont> savedFont = MakeOwned<TFont>();
  savedPen->Assign(Canvas.GetPen());
  savedBrush->Assign(Canvas.GetBrush());
  savedFont->Assign(Canvas.GetFont());

  const bool top = FPosition == rpTop;
  Canvas.GetBrush()->SetStyle(bsSolid);
  Canvas.GetBrush()->SetColor(FColor);
  Canvas.FillRect(ARect);
  Canvas.GetBrush()->SetStyle(bsClear);
  Canvas.SetFont(top ? FFont0.get() : FFont90.get());

  const TTickSpacing spacing = TickSpacing();
  const int64_t divisions = std::max(FDivisions, 1);
  const double scale = PixelScale();
  const TRulerGridDensity density = CalcGridDensity(spacing.Step, FDivisions, scale);
  const double lo = top ? ARect.Left : ARect.Top, hi = top ? ARect.Right : ARect.Bottom;
  const TTickRun run = CalcTickRun(lo, hi, spacing.Step, OffsetPixels(), TempOffset, RulerRange, FInverse);
  const int count = std::min(run.Count, MaxRulerTicks);

  // Ticks grow from the inner edge (the one next to the drawing) towards the outer one.
  const int inner = top ? ARect.Bottom : ARect.Right;
  const int outer = top ? ARect.Top : ARect.Left;
  const int halfEnd = Round(inner - scale * FMajorTickLength - 1);
  const int minorEnd = Round(inner - scale * FMinorTickLength - 1);
  const double majorSpacing = spacing.Step * static_cast<double>(divisions);
  const bool labels = majorSpacing >= MinRulerGridStep;
  const bool majorGrid = ADrawGrid && labels;
  const double fineSpacing = density.Coarse ? majorSpacing / 2 : spacing.Step * density.Every;
  const bool fineGrid = ADrawGrid && fineSpacing >= MinRulerGridStep;
  const bool gridRoom = MaxSize > inner + 1;

  TPen* pen = Canvas.GetPen();
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  auto line = [&](int at, int from, int to) {
    if (top) {
      Canvas.MoveTo(at, from);
      Canvas.LineTo(at, to);
    } else {
      Canvas.MoveTo(from, at);
      Canvas.LineTo(to, at);
    }
  };
  auto useTickPen = [&] {
    pen->SetStyle(psSolid);
    pen->SetColor(FTickColor);
  };
  useTickPen();

  // Lines in the dot-dash pen are collected and drawn together afterwards, under one
  // painter state of their own.
  std::vector<int> fineLines;
  for (int i = 0; i < count; ++i) {
    const int64_t r = run.FirstIndex + i;
    const double s = run.FirstPos + i * run.Step;
    const int t = Round(s);
    if (Mod(r, divisions) == 0) {
      line(t, inner, outer);
      if (labels) {
        const QString text = RulerLabel(r, FDivisions, spacing.LabelStep);
        const int width = Canvas.TextWidth(text);
        if (top)
          Canvas.TextOut(FInverse ? t - 2 - width : t + 2, ARect.Top, text);
        else
          Canvas.TextOut(ARect.Left, FInverse ? t - 2 : t + width + 2, text);
      }
      if (majorGrid && gridRoom) {
        pen->SetStyle(psDot);
        pen->SetColor(FGridColor);
        line(t, inner + 1, MaxSize);
        useTickPen();
      }
      if (density.Coarse && fineGrid) {
        // Half a major interval back towards the start of the run.
        const double back = s - run.Step * static_cast<double>(divisions) / 2;
        if (back >= lo && back < hi) fineLines.push_back(Round(back));
      }
      continue;
    }
    if (divisions % 2 == 0 && Mod(r, divisions / 2) == 0)
      line(t, inner, halfEnd);
    else
      line(t, inner, minorEnd);
    // Fine lines keep to the tick index, so they stay put while the ruler scrolls.
    if (!density.Coarse && fineGrid && Mod(r, density.Every) == 0) fineLines.push_back(t);
  }

  QPainter* painter = Canvas.GetHandle();
  if (!fineLines.empty() && gridRoom && painter && painter->isActive()) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen fine(ColorToQColor(FGridColor));
    fine.setCosmetic(true);
    fine.setWidth(1);
    fine.setStyle(Qt::DashDotLine);
    fine.setCapStyle(Qt::FlatCap);
    painter->setPen(fine);
    // Through pixel centres, so an anti-aliased line of one pixel covers one column or row.
    for (int t : fineLines) {
      const double c = t + 0.5;
      if (top)
        painter->drawLine(QPointF(c, inner + 1), QPointF(c, MaxSize));
      else
        painter->drawLine(QPointF(inner + 1, c), QPointF(MaxSize, c));
    }
    painter->restore();
  }

  Canvas.SetPen(savedPen.get());
  Canvas.SetBrush(savedBrush.get());
  Canvas.SetFont(savedFont.get());
}

// ---- TDiagramRuler ----

const TClassInfo& TDiagramRuler::StaticClassInfo() {
  // Units comes before Divisions: setting Units resets Divisions, so a reader applying the
  // properties in table order must meet the stored Divisions last.
  static const TClassInfo info(
      "TDiagramRuler", &TCustomRuler::StaticClassInfo(),
      {BoolProp("Visible", &TDiagramRuler::GetVisible, &TDiagramRuler::SetVisible),
       EnumProp("Units", RulerUnitsType(), &TCustomRuler::GetStoredUnits, &TCustomRuler::SetUnits),
       IntProp("Divisions", &TCustomRuler::GetDivisions, &TCustomRuler::SetDivisions),
       ObjectProp("Font", TFont::StaticClassInfo(), &TCustomRuler::GetFont, &TCustomRuler::SetFont),
       IntProp("MinorTickLength", &TCustomRuler::GetMinorTickLength, &TCustomRuler::SetMinorTickLength),
       IntProp("MajorTickLength", &TCustomRuler::GetMajorTickLength, &TCustomRuler::SetMajorTickLength),
       ColorProp("Color", &TCustomRuler::GetColor, &TCustomRuler::SetColor),
       ColorProp("TickColor", &TCustomRuler::GetTickColor, &TCustomRuler::SetTickColor),
       IntProp("Size", &TCustomRuler::GetSize, &TCustomRuler::SetSize),
       FloatProp("Offset", ftDouble, &TCustomRuler::GetOffset, &TCustomRuler::SetOffset, true),
       BoolProp("Inverse", &TCustomRuler::GetInverse, &TCustomRuler::SetInverse, false),
       BoolProp("AutoFactor", &TCustomRuler::GetAutoFactor, &TCustomRuler::SetAutoFactor),
       ColorProp("GridColor", &TCustomRuler::GetGridColor, &TCustomRuler::SetGridColor)},
      [](TComponent*) -> TPersistent* { return Create<TDiagramRuler>(); });
  return info;
}

TDiagramRuler::TDiagramRuler(TdvDiagram* ADiagram, TRulerPosition APosition) : FDiagram(ADiagram) {
  FPosition = APosition;
}

bool TDiagramRuler::IsReading() const { return FDiagram && FDiagram->IsLoading(); }

double TDiagramRuler::PixelScale() const { return FDiagram ? FDiagram->GetScreenDPIRatio() : 1.0; }

int TDiagramRuler::ScreenPPI() const { return FDiagram ? FDiagram->GetScreenPPI() : TCustomRuler::ScreenPPI(); }

int TDiagramRuler::OffsetPixels() const {
  if (!FDiagram) return TCustomRuler::OffsetPixels();
  return Round(FDiagram->GetZoomRatio() * FOffset * FDiagram->GetScreenDPIRatio());
}

TRulerUnits TDiagramRuler::GetUnits() const {
  if (FDiagram && FDiagram->GetRulerAutoUnit()) {
    switch (FDiagram->GetMeasUnit()) {
      case duMili:
        return unMili;
      case duCenti:
        return unCenti;
      case duInch:
        return unInch;
    }
  }
  return FUnits;
}

void TDiagramRuler::SetVisible(bool Value) { Store(FVisible, Value); }

void TDiagramRuler::SetSize(int Value) {
  if (FDiagram && FDiagram->HandleAllocated()) {
    const int textHeight = FFont->Metrics().height();
    Value = std::max(Value, Round(textHeight + PixelScale() * FMinorTickLength));
  }
  Store(FSize, Value);
}

void TDiagramRuler::Changed() {
  const int before = FSize;
  SetSize(FSize);
  // A raised Size already ran the whole of Changed once.
  if (FSize != before) return;
  if (!FDiagram) return;
  if (FSnapGrid) FSnapGrid->UpdateFromRuler();
  FDiagram->RequestRedraw();
}

void TDiagramRuler::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDiagramRuler*>(Source);
  if (!src) {
    TCustomRuler::Assign(Source);
    return;
  }
  if (src == this) return;
  FVisible = src->FVisible;
  SetDivisions(src->FDivisions);
  FUnits = src->FUnits;
  FMinorTickLength = src->FMinorTickLength;
  FMajorTickLength = src->FMajorTickLength;
  FColor = src->FColor;
  FSize = src->FSize;
  FFont->Assign(src->FFont.get());
  Changed();
}

}  // namespace tarnwick
