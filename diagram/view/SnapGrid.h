#pragma once
// TSnapGrid: the grid positions are rounded to (Active), blocks joining the diagram are
// put on (Force), and that can be painted as dots, lines or ruler-aligned lines.
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"

namespace tarnwick {

class TCanvas;
class TCustomRuler;
class TPen;
class TdvDiagram;

enum TGridStyle { gsDots, gsLines, gsRuler };

const TEnumTypeInfo& GridStyleType();

class TSnapGrid : public TPersistent {
  TARNWICK_CLASS(TSnapGrid)

 public:
  static constexpr double DefaultSize = 8.0;

  explicit TSnapGrid(TdvDiagram* ADiagram = nullptr);
  ~TSnapGrid() override;

  // Active, Visible, SizeX, SizeY, Style and Pen; Force and SnapToRuler stay as they are.
  void Assign(TPersistent* Source) override;

  // Active and Force only store: neither changes what is painted.
  bool GetActive() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  bool GetForce() const { return FForce; }
  void SetForce(bool Value) { FForce = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // Diagram units; 0 or less switches snapping and painting off on that axis. Values that
  // are not finite are ignored.
  double GetSizeX() const { return FSizeX; }
  void SetSizeX(double Value);
  double GetSizeY() const { return FSizeY; }
  void SetSizeY(double Value);
  TGridStyle GetStyle() const { return FStyle; }
  void SetStyle(TGridStyle Value);
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  bool GetSnapToRuler() const { return FSnapToRuler; }
  // Setting it runs UpdateFromRuler.
  void SetSnapToRuler(bool Value);

  // With SnapToRuler and a diagram: the sizes follow the tick spacing of the top and the
  // left ruler, in diagram pixels.
  void UpdateFromRuler();
  // The diagram's rulers; not owned. The diagram clears them before freeing either side.
  void SetRulers(TCustomRuler* ATop, TCustomRuler* ALeft);

  TdvDiagram* GetDiagram() const { return FDiagram; }

  // Paints the dots or lines of the grid from the diagram origin over the paint clip (the
  // ruler style is painted by the rulers). Nothing without a diagram, with a size that is
  // not positive, or with a step too small to show; a dot grid that would take more than
  // MaxGridDots pixels is left out too. The canvas pen is as it was afterwards.
  void DrawGrid(TCanvas& Canvas);
  static constexpr int MaxGridDots = 1000000;

  // The distance in canvas pixels between grid lines for a size: Size x ZoomRatio x
  // ScreenDPIRatio.
  static double PixelStep(double Size, double ZoomRatio, double ScreenDPIRatio) noexcept;
  // Whether a grid with this pixel step is painted: a step that is not positive switches
  // the grid off, and one below two pixels would only fill the area while costing a
  // primitive per pixel or fraction of one.
  static bool IsPaintedStep(double Step) noexcept;

 private:
  void RequestRedraw();

  bool FForce = false;
  bool FActive = false;
  bool FVisible = false;
  double FSizeX = DefaultSize;
  double FSizeY = DefaultSize;
  TdvDiagram* FDiagram;
  TOwned<TPen> FPen;
  TGridStyle FStyle = gsDots;
  bool FSnapToRuler = false;
  TCustomRuler* FTopRuler = nullptr;
  TCustomRuler* FLeftRuler = nullptr;
};

}  // namespace tarnwick
