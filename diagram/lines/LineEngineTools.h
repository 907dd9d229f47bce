#pragma once
// The pen and brush a line and its arrow heads put on their engine canvas. Some engines
// build their native pen or brush anew after every assignment, so a line that assigned its
// tools on every paint would build native objects on every repaint. The line therefore
// assigns only when what it asks for differs from what the canvas tools last received
// from it and still hold.
#include "platform/core/Colors.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

class TDgrBrush;
class TDgrPen;

class TLineEngineTools {
 public:
  // The platform pen's colour, width and style, at the control's transparency; a clear
  // pen stays invisible whatever the transparency.
  void UsePen(TDgrPen* AEnginePen, const TPen* APen, int ATransparency);
  // The platform brush's colour and style, at the control's transparency.
  void UseBrush(TDgrBrush* AEngineBrush, const TBrush* ABrush, int ATransparency);

 private:
  struct TPenKey {
    const TDgrPen* Target = nullptr;
    TColor Color = clBlack;
    int Width = 0;
    TPenStyle Style = psSolid;
    int Transparency = 0;
    // What the engine pen read back after the assignment: a pen changed behind the line's
    // back (or a new one at the same address) no longer matches and is assigned again.
    TColor SetColor = clBlack;
    double SetWidth = 0;
    int SetTransparency = 0;
    friend bool operator==(const TPenKey&, const TPenKey&) = default;
  };
  struct TBrushKey {
    const TDgrBrush* Target = nullptr;
    TColor Color = clBlack;
    TBrushStyle Style = bsSolid;
    int Transparency = 0;
    TColor SetColor = clBlack;
    int SetMode = 0;
    int SetTransparency = 0;
    friend bool operator==(const TBrushKey&, const TBrushKey&) = default;
  };
  TPenKey FPen;
  TBrushKey FBrush;
  bool FHasPen = false;
  bool FHasBrush = false;
};

}  // namespace tarnwick
