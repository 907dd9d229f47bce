#pragma once
// TFont: a text font as documents store it (family name, height in pixels, style bits,
// colour...). The QFont painting uses is built on first use and dropped on every change,
// so painting with an unchanged font allocates nothing.
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <optional>

#include "platform/core/Colors.h"
#include "platform/core/Events.h"
#include "platform/core/Persistent.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle, uint8_t>;
enum TFontQuality {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};

const TEnumTypeInfo& FontPitchType();
const TEnumTypeInfo& FontStyleType();
const TEnumTypeInfo& FontQualityType();

class TFont : public TPersistent {
  TARNWICK_CLASS(TFont)

 public:
  static constexpr int DefaultPixelsPerInch = 96;
  static constexpr const char* DefaultName = "Tahoma";
  static constexpr int DefaultHeight = -11;  // 8 points at 96 pixels per inch

  TFont() = default;

  // Copies every font attribute from another TFont and fires OnChange once when anything
  // differed. When the two fonts measure at different pixels per inch the point size is
  // what carries over.
  void Assign(TPersistent* Source) override;

  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  // Negative: the character height in pixels; positive: the cell height (character height
  // plus internal leading); 0: the default height.
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  const QString& GetName() const { return FName; }
  // An empty name is ignored: a font always names a family.
  void SetName(const QString& Value);
  // Angle of the text's base line in tenths of a degree, counter-clockwise.
  int GetOrientation() const { return FOrientation; }
  void SetOrientation(int Value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  // Size in points, derived from Height and PixelsPerInch: Size = -MulDiv(Height, 72, PPI).
  int GetSize() const;
  void SetSize(int Value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TFontQuality GetQuality() const { return FQuality; }
  void SetQuality(TFontQuality Value);

  // The resolution Size is measured against. Changing it keeps Height (the pixels) and so
  // changes Size; values below 1 are ignored.
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int Value);

  // The font's pixel height for painting: |Height|, or the default height for 0.
  int PixelHeight() const;
  // The cached QFont (pixel sized, so text measures the same on every screen) and its
  // metrics. Orientation is not part of the QFont; the canvas turns the text itself.
  const QFont& Handle() const;
  const QFontMetrics& Metrics() const;

  TNotifyEvent OnChange;

 protected:
  virtual void Changed();

 private:
  template <class T>
  void Store(T& field, const T& value);

  TFontCharset FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  int FHeight = DefaultHeight;
  QString FName = QString::fromLatin1(DefaultName);
  int FOrientation = 0;
  TFontPitch FPitch = fpDefault;
  TFontStyles FStyle;
  TFontQuality FQuality = fqDefault;
  int FPixelsPerInch = DefaultPixelsPerInch;

  mutable std::optional<QFont> FHandle;
  mutable std::optional<QFontMetrics> FMetrics;
};

}  // namespace tarnwick
