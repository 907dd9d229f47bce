#pragma once
// The rotated drawing frame. A shape is described in its own coordinate system (the
// original rectangle); the frame maps it onto the current rectangle (usually a control's
// bounds) and turns it there by an angle. Controls use it for coordinate mapping in every
// engine, and the legacy integer canvas path draws through it.
//
// The two-step mapping used throughout: a point P of the original system appears at
// RotX(PP(P)); a screen point S is taken back with UnPP(UnrotX(S)).
#include <initializer_list>
#include <vector>

#include "geometry/Dot.h"
#include "platform/core/Object.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;

class TBlockDrawer : public TObject {
 public:
  TBlockDrawer();
  ~TBlockDrawer() override;

  // Degrees; positive angles turn clockwise on the screen (the y axis points down).
  double GetAngle() const noexcept { return FAngle; }
  void SetAngle(double Value) noexcept;
  TRotationType GetRotationType() const noexcept { return FRotationType; }
  void SetRotationType(TRotationType Value) noexcept { FRotationType = Value; }
  TDot GetRotationCenter() const noexcept { return FRotationCenter; }
  void SetRotationCenter(TDot Value) noexcept { FRotationCenter = Value; }
  const TSquare& GetOriginalRect() const noexcept { return FOrRect; }
  void SetOriginalRect(const TSquare& Value) noexcept { FOrRect = Value; }
  const TSquare& GetCurRect() const noexcept { return FRect; }
  void SetCurRect(const TSquare& Value) noexcept { FRect = Value; }
  // Borrowed; nullptr turns every drawing operation into a no-op.
  TCanvas* GetCanvas() const noexcept { return FCanvas; }
  void SetCanvas(TCanvas* Value) noexcept { FCanvas = Value; }
  // Mirror flags kept for the owning control; the mapping here does not apply them.
  bool GetHorizontalFlip() const noexcept { return FHorizontalFlip; }
  void SetHorizontalFlip(bool Value) noexcept { FHorizontalFlip = Value; }
  bool GetVerticalFlip() const noexcept { return FVerticalFlip; }
  void SetVerticalFlip(bool Value) noexcept { FVerticalFlip = Value; }

  // ---- From the original rectangle to the current one (scaling, no rotation) ----
  double PXS(double AX) const noexcept;
  double PYS(double AY) const noexcept;
  virtual int PX(double AX) const;
  virtual int PY(double AY) const;
  TDot PP(TDot AP) const noexcept;
  TDot PP(double AX, double AY) const noexcept;
  TDot PPX(TDot AP) const noexcept { return PP(AP); }
  TDot PPX(double AX, double AY) const noexcept { return PP(AX, AY); }
  TDotArray PPPoints(const TDotArray& Pts) const;

  // ---- Back from the current rectangle to the original one ----
  double UnPXS(double AX) const noexcept;
  double UnPYS(double AY) const noexcept;
  int UnPx(double AX) const noexcept;
  int UnPY(double AY) const noexcept;
  TDot UnPP(TDot AP) const noexcept;
  TDot UnPP(double AX, double AY) const noexcept;
  TDot UnPPX(TDot AP) const noexcept { return UnPP(AP); }
  TDot UnPPX(double AX, double AY) const noexcept { return UnPP(AX, AY); }

  // ---- Pure translations that keep the left/top or the right/bottom edges together ----
  int LX(double AX) const noexcept;
  int LY(double AY) const noexcept;
  TPoint LP(double AX, double AY) const noexcept;
  int RX(double AX) const noexcept;
  int RY(double AY) const noexcept;
  TPoint RP(double AX, double AY) const noexcept;

  // ---- Rotation about the centre of CurRect or about RotationCenter ----
  TDot RotX(double AX, double AY) const noexcept;
  TDot RotX(TDot AP) const noexcept { return RotX(AP.X, AP.Y); }
  TDot UnrotX(double AX, double AY) const noexcept;
  TDot UnrotX(TDot AP) const noexcept { return UnrotX(AP.X, AP.Y); }
  TPoint Rot(TPoint AP) const noexcept;
  TPoint Rot(double AX, double AY) const noexcept;
  TDotArray RotPoly(const TDotArray& Pts) const;
  // R moved (not turned) so that its centre follows the rotation.
  TSquare RotByCenter(const TSquare& R) const noexcept;

  // ---- Drawing on Canvas, coordinates in canvas pixels ----
  // At angle 0 these use the canvas primitives, whose right/bottom edges are exclusive, so
  // the given right/bottom coordinates are widened by one to be drawn; turned shapes become
  // polygons.
  void DrawRotRect(double X1, double Y1, double X2, double Y2);
  void DrawRotEllipse(int X1, int Y1, int X2, int Y2);
  void DrawRotRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3);
  void DrawRotPoly(const TDotArray& P);
  void DrawRotPoly(std::initializer_list<TDot> P);

  // ---- Drawing with coordinates in the original system ----
  void AutoRotRect(double X1, double Y1, double X2, double Y2);
  void AutoEllipse(double X1, double Y1, double X2, double Y2);
  // X3, Y3 are the corner ellipse's size in the original system.
  void AutoRoundRect(double X1, double Y1, double X2, double Y2, double X3, double Y3);
  void AutoMoveTo(double X, double Y);
  void AutoLineTo(double X, double Y);
  void CanvasPolygon(const TPointArray& APoints);
  void CanvasPolyLine(const TPointArray& APoints);

  // ---- State ----
  // Saves what Assign copies; PopState restores the newest saved state. Popping more than
  // was pushed does nothing.
  void PushState();
  void PopState();
  // Copies angle, rotation type, rotation centre, both rectangles and canvas; not the flip
  // flags and not the saved states.
  void Assign(const TBlockDrawer& Source) noexcept;

 private:
  struct TState {
    TSquare Rect;
    TSquare OrRect;
    double Angle = 0.0;
    double RadAngle = 0.0;
    double SinAngle = 0.0;
    double CosAngle = 1.0;
    TCanvas* Canvas = nullptr;
    TRotationType RotationType = rtCurRectCenter;
    TDot RotationCenter;
  };

  TDot Center() const noexcept;
  TState SaveState() const noexcept;
  void RestoreState(const TState& S) noexcept;
  TPointArray RotatedPoints(const TDotArray& Pts) const;

  TSquare FRect;
  TSquare FOrRect;
  double FAngle = 0.0;
  double FRadAngle = 0.0;
  TCanvas* FCanvas = nullptr;
  double FSinAngle = 0.0;
  double FCosAngle = 1.0;
  TRotationType FRotationType = rtCurRectCenter;
  TDot FRotationCenter;
  std::vector<TState> FStack;
  bool FHorizontalFlip = false;
  bool FVerticalFlip = false;
};

}  // namespace tarnwick
