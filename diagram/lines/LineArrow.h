#pragma once
// TLineArrow: the head drawn at one end of a line (a filled or open arrow, a diamond, a
// square, a circle, a half arrow), with its own pen and brush. The line tells it which
// two points of its polyline form the end segment before each paint.
#include "diagram/lines/LineTypes.h"
#include "platform/core/Persistent.h"

namespace tarnwick {

class TBrush;
class TPen;
class TCustomDiagramLine;

class TLineArrow : public TPersistent {
  TARNWICK_CLASS(TLineArrow)

 public:
  explicit TLineArrow(TCustomDiagramLine* ADiagramLine);
  ~TLineArrow() override;

  // Copies shape, width, height, brush and pen.
  void Assign(TPersistent* Source) override;
  // A plain black head of no shape; inside a diagram the fill and pen follow the line's pen.
  void RestoreDefaults();

  TArrowShape GetShape() const { return FShape; }
  void SetShape(TArrowShape Value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value);
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value);
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  bool GetShowGuide() const { return FShowGuide; }
  void SetShowGuide(bool Value);
  TCustomDiagramLine* GetDiagramLine() const { return FDiagramLine; }
  TDot GetDrawFrom() const { return FDrawFrom; }
  TDot GetDrawTo() const { return FDrawTo; }
  // The end segment in diagram units; FDrawTo is the line's end point.
  void SetDrawPoints(TDot AFrom, TDot ATo) {
    FDrawFrom = AFrom;
    FDrawTo = ATo;
  }

  virtual void DrawArrow(const TDiagramDrawInfo& AInfo, const TArrowDrawInfo& ADraw);

 protected:
  // The engine path: diagram units, through the line's engine drawer.
  virtual void DrawArrowEngine(const TDiagramDrawInfo& AInfo, const TArrowDrawInfo& ADraw);
  // The canvas path: canvas pixels, size scaled with the diagram's zoom.
  virtual void DrawArrowCanvas(const TDiagramDrawInfo& AInfo, const TArrowDrawInfo& ADraw);

 private:
  void Changed();

  TArrowShape FShape = asNone;
  int FHeight = 10;
  int FWidth = 10;
  TOwned<TBrush> FBrush;
  TOwned<TPen> FPen;
  TCustomDiagramLine* FDiagramLine = nullptr;
  TDot FDrawFrom;
  TDot FDrawTo;
  bool FShowGuide = false;
};

}  // namespace tarnwick
