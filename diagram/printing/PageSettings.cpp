#include "diagram/printing/PageSettings.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Exception.h"
#include "platform/core/Math.h"
#include "platform/core/Properties.h"
#include "streaming/FloatText.h"

namespace tarnwick {

namespace {
constexpr double MinPrintableMM = 10.0;
constexpr double SmallPaperMM = 100.0;
constexpr double MMPerInch = 25.4;
}  // namespace

const TClassInfo& TDiagramPageSettings::StaticClassInfo() {
  using P = TDiagramPageSettings;
  // PaperName is written even when empty: left out, it would read back as the name of
  // the default paper while id and size say otherwise. A paper size of 0 is left out and
  // means "the default paper", which the diagram applies when loading ends.
  static const TClassInfo info(
      "TDiagramPageSettings", &TPersistent::StaticClassInfo(),
      {StringProp("PaperName", &P::GetPaperName, &P::SetPaperName), IntProp("PaperId", &P::GetPaperId, &P::SetPaperId),
       FloatProp("PaperWidth", ftExtended, &P::GetPaperWidth, &P::SetPaperWidth, true),
       FloatProp("PaperHeight", ftExtended, &P::GetPaperHeight, &P::SetPaperHeight, true),
       EnumProp("Orientation", DiagramPageOrientationType(), &P::GetOrientation, &P::SetOrientation),
       StringProp("LeftMarginStr", &P::GetLeftMarginStr, &P::SetLeftMarginStr),
       StringProp("TopMarginStr", &P::GetTopMarginStr, &P::SetTopMarginStr),
       StringProp("RightMarginStr", &P::GetRightMarginStr, &P::SetRightMarginStr),
       StringProp("BottomMarginStr", &P::GetBottomMarginStr, &P::SetBottomMarginStr)},
      [](TComponent*) -> TPersistent* { return Create<TDiagramPageSettings>(); });
  return info;
}

TDiagramPageSettings::TDiagramPageSettings(TdvDiagram* ADiagram) : FDiagram(ADiagram) { ResetToDefaults(nullptr); }

template <class T>
void TDiagramPageSettings::Store(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TDiagramPageSettings::SetPaperName(const QString& Value) { Store(FPaperName, Value); }
void TDiagramPageSettings::SetPaperId(int Value) { Store(FPaperId, Value); }

void TDiagramPageSettings::SetOrientation(TDiagramPageOrientation Value) {
  if (Value < dpoPortrait || Value > dpoLandscape) return;
  Store(FOrientation, Value);
}

// Sizes and margins that are not finite would turn every page computation into NaN.
void TDiagramPageSettings::SetPaperWidth(double Value) {
  if (std::isfinite(Value)) Store(FPaperWidth, Value);
}
void TDiagramPageSettings::SetPaperHeight(double Value) {
  if (std::isfinite(Value)) Store(FPaperHeight, Value);
}
void TDiagramPageSettings::SetLeftMargin(double Value) {
  if (std::isfinite(Value)) Store(FLeftMargin, Value);
}
void TDiagramPageSettings::SetTopMargin(double Value) {
  if (std::isfinite(Value)) Store(FTopMargin, Value);
}
void TDiagramPageSettings::SetRightMargin(double Value) {
  if (std::isfinite(Value)) Store(FRightMargin, Value);
}
void TDiagramPageSettings::SetBottomMargin(double Value) {
  if (std::isfinite(Value)) Store(FBottomMargin, Value);
}

QString TDiagramPageSettings::MarginText(double Value) { return QString::fromStdString(floattext::GeneralText(Value)); }

double TDiagramPageSettings::ParseMargin(const QString& Text) {
  const QByteArray utf8 = Text.trimmed().toUtf8();
  double v = 0.0;
  if (floattext::ParseDouble(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), v) !=
      floattext::ParseResult::Ok)
    throw EConvertError(QStringLiteral("'%s' is not a valid floating point value"), Text);
  return v;
}

void TDiagramPageSettings::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDiagramPageSettings*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  SetPaperName(src->FPaperName);
  SetPaperId(src->FPaperId);
  SetPaperWidth(src->FPaperWidth);
  SetPaperHeight(src->FPaperHeight);
  SetOrientation(src->FOrientation);
  SetLeftMargin(src->FLeftMargin);
  SetTopMargin(src->FTopMargin);
  SetRightMargin(src->FRightMargin);
  SetBottomMargin(src->FBottomMargin);
}

void TDiagramPageSettings::ResetToDefaults() { ResetToDefaults(CurrentDevice()); }

void TDiagramPageSettings::ResetToDefaults(const TPageDevice* Device) {
  SetLeftMargin(DefaultMargin);
  SetTopMargin(DefaultMargin);
  SetRightMargin(DefaultMargin);
  SetBottomMargin(DefaultMargin);
  SetPaperName(QStringLiteral("Letter"));
  SetPaperId(1);
  SetPaperWidth(215.9);
  SetPaperHeight(279.4);
  SetOrientation(dpoPortrait);
  if (!Device) return;
  const TPaperSize& def = Device->DefPaper;
  if (def.Id <= 0 || !(def.Width > 0) || !(def.Height > 0)) return;
  SetPaperId(def.Id);
  SetPaperWidth(def.Width);
  SetPaperHeight(def.Height);
  SetPaperName(def.Name);
  SetOrientation(Device->DefOrientation);
  if (FPaperWidth < SmallPaperMM) {
    const double m = std::max(Device->MinLeftMargin, 0.254 * FPaperWidth);
    SetLeftMargin(m);
    SetRightMargin(m);
  }
  if (FPaperHeight < SmallPaperMM) {
    const double m = std::max(Device->MinTopMargin, 0.254 * FPaperHeight);
    SetTopMargin(m);
    SetBottomMargin(m);
  }
}

void TDiagramPageSettings::ChangePaperID(int APaperID) { ChangePaperID(APaperID, CurrentDevice()); }

void TDiagramPageSettings::ChangePaperID(int APaperID, const TPageDevice* Device) {
  SetPaperId(APaperID);
  if (const TPaperSize* paper = FindPaper(PaperList(Device), APaperID)) {
    SetPaperWidth(paper->Width);
    SetPaperHeight(paper->Height);
    SetPaperName(paper->Name);
  }
}

TSquare TDiagramPageSettings::PrintableRect() const { return PrintableRect(CurrentDevice()); }

TSquare TDiagramPageSettings::PrintableRect(const TPageDevice* Device) const {
  TPoint dpi = EffectiveDPI(Device);
  double left, top, right, bottom;
  if (FOrientation == dpoPortrait) {
    left = std::max(0.0, FLeftMargin);
    top = std::max(0.0, FTopMargin);
    right = std::min(FPaperWidth, FPaperWidth - FRightMargin);
    bottom = std::min(FPaperHeight, FPaperHeight - FBottomMargin);
  } else {
    std::swap(dpi.X, dpi.Y);
    left = std::max(0.0, FBottomMargin);
    top = std::max(0.0, FLeftMargin);
    right = std::min(FPaperHeight, FPaperHeight - FTopMargin);
    bottom = std::min(FPaperWidth, FPaperWidth - FRightMargin);
  }
  right = std::max(left, right);
  bottom = std::max(top, bottom);
  // The widening is limited by PaperWidth and PaperHeight in both orientations.
  if (right - left < MinPrintableMM) {
    right = std::min(right + (MinPrintableMM - (right - left)), FPaperWidth);
    left = std::min(right - MinPrintableMM, left);
  }
  if (bottom - top < MinPrintableMM) {
    bottom = std::min(bottom + (MinPrintableMM - (bottom - top)), FPaperHeight);
    top = std::min(bottom - MinPrintableMM, top);
  }
  return Square(left / MMPerInch * dpi.X, top / MMPerInch * dpi.Y, right / MMPerInch * dpi.X,
                bottom / MMPerInch * dpi.Y);
}

TPoint TDiagramPageSettings::PaperSizePixels() const { return PaperSizePixels(CurrentDevice()); }

TPoint TDiagramPageSettings::PaperSizePixels(const TPageDevice* Device) const {
  TPoint dpi = EffectiveDPI(Device);
  if (FOrientation == dpoPortrait)
    return Point(Trunc(FPaperWidth / MMPerInch * dpi.X), Trunc(FPaperHeight / MMPerInch * dpi.Y));
  std::swap(dpi.X, dpi.Y);
  return Point(Trunc(FPaperHeight / MMPerInch * dpi.X), Trunc(FPaperWidth / MMPerInch * dpi.Y));
}

}  // namespace tarnwick
