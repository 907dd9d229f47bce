#pragma once
// The three colour selectors: fill colour of blocks, line colour of blocks and lines, text
// colour of any control. They share one palette: "Automatic" (black), forty swatches and,
// with ShowMoreColors, "More Colors..." which asks OnMoreColorsOption for a colour.
#include <functional>

#include "editor/selectors/CustomSelector.h"

namespace tarnwick {

class TDgrCustomColorSelector : public TDgrCustomSelector {
 public:
  explicit TDgrCustomColorSelector(QWidget* AParent = nullptr);

  TColor GetSelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  bool GetShowSelectedColor() const { return FShowSelectedColor; }
  void SetShowSelectedColor(bool Value);
  bool GetShowRGBHint() const { return FShowRGBHint; }
  void SetShowRGBHint(bool Value);
  bool GetShowMoreColors() const { return FShowMoreColors; }
  void SetShowMoreColors(bool Value);

  // "More Colors...": may supply a colour and accept it (it is then applied) or decline.
  std::function<void(TDgrCustomColorSelector* Sender, TColor& AColor, bool& AAccept)> OnMoreColorsOption;

  static constexpr const char* MoreColorsValue = "_morecolors_";

 protected:
  bool Prepare(int& AIndex) override;
  QIcon FaceIcon() const override;
  // The picture the face shows over (or beside) the selected colour.
  virtual void PaintGlyph(class QPainter& APainter, const QColor& AColor) const;

 private:
  void BuildItems();

  TColor FSelectedColor = clNone;
  bool FShowSelectedColor = true;
  bool FShowRGBHint = true;
  bool FShowMoreColors = false;
};

// Blocks: Color and SelColor.
class TDgrColorSelector : public TDgrCustomColorSelector {
 public:
  explicit TDgrColorSelector(QWidget* AParent = nullptr);

 protected:
  void Apply(TdvDiagram& ADiagram) override;
};

// Blocks: the pen colour; lines: the pen and the selection pen colour.
class TDgrPenColorSelector : public TDgrCustomColorSelector {
 public:
  explicit TDgrPenColorSelector(QWidget* AParent = nullptr);

 protected:
  void Apply(TdvDiagram& ADiagram) override;
  void PaintGlyph(QPainter& APainter, const QColor& AColor) const override;
};

// Every selected control: the font colour.
class TDgrTextColorSelector : public TDgrCustomColorSelector {
 public:
  explicit TDgrTextColorSelector(QWidget* AParent = nullptr);

 protected:
  void Apply(TdvDiagram& ADiagram) override;
  void PaintGlyph(QPainter& APainter, const QColor& AColor) const override;
};

// The forty swatches of the palette, in rows of eight.
const std::vector<TColor>& SelectorPaletteColors();
// A square icon filled with AColor (a cross for clNone).
QIcon SwatchIcon(TColor AColor, int ASize = 14);

}  // namespace tarnwick
