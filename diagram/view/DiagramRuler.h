#pragma once
// The two rulers of a diagram (top and left): a scale in millimetres, centimetres, inches
// or pixels that follows the zoom and the scroll position. This file holds their data, the
// published table and the numbers their painting is built on (tick spacing, label step,
// grid density, where the ticks of a run start).
#include <QString>
#include <cstdint>

#include "platform/core/Colors.h"
#include "platform/core/Object.h"
#include "platform/core/Persistent.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TCanvas;
class TFont;
class TSnapGrid;
class TdvDiagram;

enum TRulerUnits { unMili, unCenti, unInch, unPixel };
enum TRulerPosition { rpTop, rpLeft };

const TEnumTypeInfo& RulerUnitsType();
const TEnumTypeInfo& RulerPositionType();

// Ticks between two labels for a unit: 8 per inch, 10 per 50 pixels, 5 otherwise.
int DefaultDivisions(TRulerUnits Units) noexcept;

// The scale factor that keeps ticks a readable distance apart at a zoom percentage.
double RulerAutoFactor(int Zoom) noexcept;

struct TTickSpacing {
  double Step = 0.0;       // pixels between neighbouring ticks
  double LabelStep = 1.0;  // units a major tick (every Divisions ticks) stands for
};

TTickSpacing CalcTickSpacing(TRulerUnits Units, int PPI, int Divisions, int Zoom, bool AutoFactor) noexcept;

// Every how many ticks a fine grid line is due. When the doubling reaches a value that
// does not divide Divisions the grid is coarse: lines only at major ticks and half way.
struct TRulerGridDensity {
  int Every = 1;
  bool Coarse = false;
};

TRulerGridDensity CalcGridDensity(double Step, int Divisions, double PixelScale) noexcept;

// The label of the major tick with index TickIndex: TickIndex / Divisions * LabelStep in
// the "0.##" pattern, with '.' as separator whatever the locale.
QString RulerLabel(int64_t TickIndex, int Divisions, double LabelStep);

// The ticks of one ruler strip: Count ticks, the first with index FirstIndex at FirstPos,
// each next one Step further (Step is negative for an inverse ruler, which runs backwards).
struct TTickRun {
  int64_t FirstIndex = 0;
  double FirstPos = 0.0;
  double Step = 0.0;
  int Count = 0;
};

// Ticks closer together than this are not drawn: they would merge into a solid bar, and a
// spacing near 0 (a zoom of 0, absurd Divisions) would otherwise mean millions of ticks.
inline constexpr double MinTickSpacing = 0.1;
// At most this many ticks are drawn in one strip, whatever its length.
inline constexpr int MaxRulerTicks = 100000;
// Grid lines and labels closer together than this are left out: they would only paint
// the drawing over (or the labels over each other) at the cost of a line or text apiece.
inline constexpr double MinRulerGridStep = 2.0;

// Lo and Hi bound the strip along the ruler (left/right for the top ruler, top/bottom
// for the left one); TempOffset is the scroll position, RulerRange the length labelled.
TTickRun CalcTickRun(double Lo, double Hi, double Step, int OffsetPixels, int TempOffset, double RulerRange,
                     bool Inverse) noexcept;

class TCustomRuler : public TPersistent {
  TARNWICK_CLASS(TCustomRuler)

 public:
  TCustomRuler();
  ~TCustomRuler() override;

  // Screen pixels per diagram pixel; 1 without a diagram.
  virtual double PixelScale() const { return 1.0; }
  // The units the scale is drawn in.
  virtual TRulerUnits GetUnits() const { return FUnits; }
  // Runs after every change of a setting.
  virtual void Changed() {}
  virtual void SetSize(int Value);
  virtual int ScreenPPI() const;
  // The Offset in screen pixels.
  virtual int OffsetPixels() const;

  TTickSpacing TickSpacing() const;

  // Paints the ruler into ARect: the background, ticks and labels, and with ADrawGrid the
  // grid lines across the drawing up to MaxSize (the drawing's extent across the ruler).
  // TempOffset is the scroll position, RulerRange the length an inverse ruler counts from.
  // The canvas pen, brush and font are as they were afterwards.
  void Draw(TCanvas& Canvas, const TRect& ARect, int TempOffset, int MaxSize, double RulerRange, bool ADrawGrid);

  int GetZoom() const { return FZoom; }
  void SetZoom(int Value);
  void SetUnits(TRulerUnits Value);
  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* Value);
  // The ruler font upright (top ruler) and turned by 90 degrees (left ruler), rebuilt
  // whenever the font changes.
  const TFont& UprightFont() const { return *FFont0; }
  const TFont& TurnedFont() const { return *FFont90; }
  double GetOffset() const { return FOffset; }
  void SetOffset(double Value);
  int GetMajorTickLength() const { return FMajorTickLength; }
  void SetMajorTickLength(int Value);
  int GetMinorTickLength() const { return FMinorTickLength; }
  void SetMinorTickLength(int Value);
  TRulerPosition GetPosition() const { return FPosition; }
  void SetPosition(TRulerPosition Value);
  int GetDivisions() const { return FDivisions; }
  // At least 1: every tick computation divides by it.
  void SetDivisions(int Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  int GetSize() const { return FSize; }
  TColor GetTickColor() const { return FTickColor; }
  void SetTickColor(TColor Value);
  bool GetAutoFactor() const { return FAutoFactor; }
  void SetAutoFactor(bool Value);
  TColor GetGridColor() const { return FGridColor; }
  void SetGridColor(TColor Value);
  bool GetInverse() const { return FInverse; }
  void SetInverse(bool Value);
  // The stored units (GetUnits may follow the diagram's measurement unit instead).
  TRulerUnits GetStoredUnits() const { return FUnits; }

 protected:
  // While a document is read, Units only stores: Divisions comes from the document too.
  virtual bool IsReading() const { return false; }
  void FontChanged();

  template <class T>
  void Store(T& Field, T Value);

  int FZoom = 100;
  TRulerUnits FUnits = unCenti;
  TOwned<TFont> FFont;
  TOwned<TFont> FFont0;
  TOwned<TFont> FFont90;
  double FOffset = 0.0;
  int FMajorTickLength = 6;
  int FMinorTickLength = 4;
  TRulerPosition FPosition = rpTop;
  int FDivisions = 5;
  TColor FColor = clWhite;
  int FSize = 0;
  TColor FTickColor = clBlack;
  bool FAutoFactor = true;
  TColor FGridColor = clSilver;
  bool FInverse = false;
};

class TDiagramRuler : public TCustomRuler {
  TARNWICK_CLASS(TDiagramRuler)

 public:
  explicit TDiagramRuler(TdvDiagram* ADiagram = nullptr, TRulerPosition APosition = rpTop);

  // Visible, Divisions (through the setter), Units, the two tick lengths, Color, Size and
  // Font, then Changed. Units is copied as it stands, so the copied Divisions survive.
  void Assign(TPersistent* Source) override;

  double PixelScale() const override;
  TRulerUnits GetUnits() const override;
  // Re-applies Size (so the minimum holds), then updates the snap grid and repaints.
  void Changed() override;
  // With a window the ruler is never lower than its labels plus the minor tick length.
  void SetSize(int Value) override;
  int ScreenPPI() const override;
  int OffsetPixels() const override;

  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // Size when Visible, else 0.
  int VisibleSize() const { return FVisible ? FSize : 0; }
  TdvDiagram* GetDiagram() const { return FDiagram; }
  // The grid that follows the rulers' tick spacing (SnapToRuler); not owned.
  void SetSnapGrid(TSnapGrid* Value) { FSnapGrid = Value; }

 protected:
  bool IsReading() const override;

 private:
  TdvDiagram* FDiagram;
  bool FVisible = false;
  TSnapGrid* FSnapGrid = nullptr;
};

}  // namespace tarnwick
