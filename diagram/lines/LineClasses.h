#pragma once
// The published line classes: the base that publishes a line's properties, the straight
// line, the poly line drawn point by point, the orthogonal side line, the arc and the
// Bezier curve. Each only picks its style and text cell mode; the behaviour is the
// line's, chosen by LineStyle.
#include "diagram/lines/CustomLine.h"

namespace tarnwick {

class TBaseDiagramLine : public TCustomDiagramLine {
  TARNWICK_CLASS(TBaseDiagramLine)

 public:
  explicit TBaseDiagramLine(TComponent* AOwner) : TCustomDiagramLine(AOwner) {}
};

class TDiagramLine : public TBaseDiagramLine {
  TARNWICK_CLASS(TDiagramLine)

 public:
  explicit TDiagramLine(TComponent* AOwner) : TBaseDiagramLine(AOwner) {}
};

// Inserted by drawing: every click adds a point. Its inner handles stay where the user
// put them and move only with the whole line.
class TDiagramPolyLine : public TDiagramLine {
  TARNWICK_CLASS(TDiagramPolyLine)

 public:
  explicit TDiagramPolyLine(TComponent* AOwner);
  void CalcHandles(TStretchHandles* AHandles, const TLineHandlesInfo& AInfo) override;
  void UpdateDraw(TControlDrawInfo& AInfo) override;
};

class TDiagramSideLine : public TBaseDiagramLine {
  TARNWICK_CLASS(TDiagramSideLine)

 public:
  explicit TDiagramSideLine(TComponent* AOwner);
};

class TDiagramArc : public TBaseDiagramLine {
  TARNWICK_CLASS(TDiagramArc)

 public:
  explicit TDiagramArc(TComponent* AOwner);
  TArcType GetArcType() const { return FArcType; }
  // Switches between the two arc styles while the line is an arc.
  void SetArcType(TArcType Value);

 private:
  TArcType FArcType = atParabolic;
};

class TDiagramBezier : public TBaseDiagramLine {
  TARNWICK_CLASS(TDiagramBezier)

 public:
  explicit TDiagramBezier(TComponent* AOwner);
};

}  // namespace tarnwick
