#include "platform/gui/Font.h"

#include <algorithm>

#include "platform/core/Math.h"
#include "platform/core/Properties.h"

namespace tarnwick {

const TEnumTypeInfo& FontPitchType() {
  static const TEnumTypeInfo t("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return t;
}

const TEnumTypeInfo& FontStyleType() {
  static const TEnumTypeInfo t("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return t;
}

const TEnumTypeInfo& FontQualityType() {
  static const TEnumTypeInfo t("TFontQuality", {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased",
                                                "fqAntialiased", "fqClearType", "fqClearTypeNatural"});
  return t;
}

const TClassInfo& TFont::StaticClassInfo() {
  // Size is never stored: Height carries the same information in pixels, which is what a
  // document must keep to look the same on every screen. Charset, Color and Style carry no
  // default, so every stored font spells them out and documents read the same anywhere.
  static const TClassInfo info(
      "TFont", &TPersistent::StaticClassInfo(),
      {IntProp("Charset", &TFont::GetCharset, &TFont::SetCharset, NoDefault, &CharsetIdents()),
       ColorProp("Color", &TFont::GetColor, &TFont::SetColor),
       IntProp("Height", &TFont::GetHeight, &TFont::SetHeight),
       StringProp("Name", &TFont::GetName, &TFont::SetName),
       IntProp("Orientation", &TFont::GetOrientation, &TFont::SetOrientation, 0),
       EnumProp("Pitch", FontPitchType(), &TFont::GetPitch, &TFont::SetPitch, fpDefault),
       IntProp("Size", &TFont::GetSize, &TFont::SetSize).NotStored(),
       SetProp("Style", FontStyleType(), &TFont::GetStyle, &TFont::SetStyle),
       EnumProp("Quality", FontQualityType(), &TFont::GetQuality, &TFont::SetQuality, fqDefault)},
      [](TComponent*) -> TPersistent* { return Create<TFont>(); });
  return info;
}

template <class T>
void TFont::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TFont::SetCharset(TFontCharset Value) { Store(FCharset, Value); }
void TFont::SetColor(TColor Value) { Store(FColor, Value); }
void TFont::SetHeight(int Value) { Store(FHeight, Value); }
void TFont::SetOrientation(int Value) { Store(FOrientation, Value); }
void TFont::SetPitch(TFontPitch Value) { Store(FPitch, Value); }
void TFont::SetStyle(TFontStyles Value) { Store(FStyle, Value); }
void TFont::SetQuality(TFontQuality Value) { Store(FQuality, Value); }

void TFont::SetName(const QString& Value) {
  if (!Value.isEmpty()) Store(FName, Value);
}

int TFont::GetSize() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetPixelsPerInch(int Value) {
  if (Value > 0) FPixelsPerInch = Value;
}

void TFont::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TFont*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  int height = src->FHeight;
  if (src->FPixelsPerInch != FPixelsPerInch) height = -MulDiv(src->GetSize(), FPixelsPerInch, 72);
  bool same = FCharset == src->FCharset && FColor == src->FColor && FHeight == height && FName == src->FName &&
              FOrientation == src->FOrientation && FPitch == src->FPitch && FStyle == src->FStyle &&
              FQuality == src->FQuality;
  if (same) return;
  FCharset = src->FCharset;
  FColor = src->FColor;
  FHeight = height;
  FName = src->FName;
  FOrientation = src->FOrientation;
  FPitch = src->FPitch;
  FStyle = src->FStyle;
  FQuality = src->FQuality;
  Changed();
}

void TFont::Changed() {
  FMetrics.reset();
  FHandle.reset();
  Fire(OnChange, this);
}

int TFont::PixelHeight() const {
  if (FHeight == 0) return MulDiv(-DefaultHeight, FPixelsPerInch, DefaultPixelsPerInch);
  // std::abs of INT_MIN is undefined; such a height is clamped long before it matters.
  return FHeight > 0 ? FHeight : (FHeight == INT32_MIN ? INT32_MAX : -FHeight);
}

const QFont& TFont::Handle() const {
  if (!FHandle) {
    QFont f(FName);
    // Families not installed here (documents name fonts of other desktops) fall back to a
    // sans-serif face, or a fixed one when the font asks for fixed pitch.
    f.setStyleHint(FPitch == fpFixed ? QFont::TypeWriter : QFont::SansSerif);
    f.setFixedPitch(FPitch == fpFixed);
    f.setPixelSize(std::max(1, PixelHeight()));
    f.setBold(FStyle.Contains(fsBold));
    f.setItalic(FStyle.Contains(fsItalic));
    f.setUnderline(FStyle.Contains(fsUnderline));
    f.setStrikeOut(FStyle.Contains(fsStrikeOut));
    // Text widths are measured per character run, as the integer drawing path expects.
    f.setKerning(false);
    switch (FQuality) {
      case fqNonAntialiased:
        f.setStyleStrategy(QFont::NoAntialias);
        break;
      case fqAntialiased:
      case fqClearType:
      case fqClearTypeNatural:
        f.setStyleStrategy(QFont::PreferAntialias);
        break;
      default:
        break;
    }
    FHandle = f;
  }
  return *FHandle;
}

const QFontMetrics& TFont::Metrics() const {
  if (!FMetrics) FMetrics.emplace(Handle());
  return *FMetrics;
}

}  // namespace tarnwick
