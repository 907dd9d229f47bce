// The figures and layouts of the electric symbols, in each symbol's source coordinates.
// The first set (resistor, capacitor, diode) keeps the common layout of 80 x 40 with a
// terminal at each end; the classes of the second set show the block's pictures and
// gradient on the integer canvas too.
#include <array>

#include "blocks/electric/ElectricBlocks.h"

namespace tarnwick {

namespace {

constexpr TSquare Box(double X, double Y, double W, double H) { return TSquare{X, Y, X + W, Y + H}; }

template <class T>
TClassInfo SymbolClassInfo(const char* AName) {
  return TClassInfo(AName, &TElectricBlock::StaticClassInfo(), {}, [](TComponent* owner) { return Create<T>(owner); });
}

// ---- Layouts ----

constexpr std::array<TSymbolLinkPoint, 4> ComparatorPoints{
    {{aoLeft, {0, 0}}, {aoLeft, {0, 80}}, {aoRight, {80, 80}}, {aoRight, {80, 40}}}};
constexpr std::array<TSymbolLinkPoint, 2> InductorPoints{{{aoNone, {0, 20}}, {aoNone, {60, 20}}}};
constexpr std::array<TSymbolLinkPoint, 1> GroundPoints{{{aoNone, {10, 0}}}};
constexpr std::array<TSymbolLinkPoint, 3> TransistorPoints{{{aoNone, {80, 80}}, {aoNone, {0, 40}}, {aoNone, {80, 0}}}};
constexpr std::array<TSymbolLinkPoint, 2> PinPoints{{{aoNone, {80, 40}}, {aoNone, {0, 40}}}};
constexpr std::array<TSymbolLinkPoint, 3> ThyristorPoints{{{aoNone, {80, 40}}, {aoNone, {0, 40}}, {aoNone, {80, 80}}}};
constexpr std::array<TSymbolLinkPoint, 4> SwitchPoints{
    {{aoLeft, {0, 0}}, {aoLeft, {0, 40}}, {aoRight, {40, 40}}, {aoRight, {40, 0}}}};
constexpr std::array<TSymbolLinkPoint, 4> DuoCoilPoints{
    {{aoLeft, {0, 0}}, {aoLeft, {0, 60}}, {aoRight, {40, 0}}, {aoRight, {40, 60}}}};
constexpr std::array<TSymbolLinkPoint, 6> TriCoilPoints{{{aoLeft, {0, 0}},
                                                         {aoLeft, {0, 60}},
                                                         {aoRight, {40, 0}},
                                                         {aoRight, {40, 20}},
                                                         {aoRight, {40, 40}},
                                                         {aoRight, {40, 60}}}};
constexpr std::array<TSymbolLinkPoint, 2> SourcePoints{{{aoDown, {20, 60}}, {aoUp, {20, 0}}}};

const TSymbolLayout ComparatorLayout{{0, 0, 80, 80}, 40, 40, ComparatorPoints};
const TSymbolLayout InductorLayout{{0, 0, 60, 20}, 60, 20, InductorPoints};
const TSymbolLayout GroundLayout{{0, 0, 20, 40}, 20, 40, GroundPoints};
const TSymbolLayout TransistorLayout{{0, 0, 80, 80}, 40, 40, TransistorPoints};
const TSymbolLayout PinLayout{{0, 0, 80, 80}, 40, 40, PinPoints};
const TSymbolLayout ThyristorLayout{{0, 0, 80, 80}, 40, 40, ThyristorPoints};
const TSymbolLayout SwitchLayout{{0, 0, 40, 40}, 40, 40, SwitchPoints};
const TSymbolLayout DuoCoilLayout{{0, 0, 40, 60}, 40, 60, DuoCoilPoints};
const TSymbolLayout TriCoilLayout{{0, 0, 40, 60}, 40, 60, TriCoilPoints};
const TSymbolLayout SourceLayout{{0, 0, 40, 60}, 40, 60, SourcePoints};

// ---- Shared figures ----

constexpr TSquare SymbolCircle = Box(5, 5, 70, 70);
constexpr TDot OutwardHead[] = {{80, 80}, {75, 70}, {70, 75}};
constexpr TDot InwardHead[] = {{45, 45}, {55, 50}, {50, 55}};

void InductorFigure(TSymbolSink& S) {
  S.Figure({{0, 20}, {7, 20}});
  for (double x = 7; x <= 47; x += 10) {
    S.Arc(Box(x, 5, 6, 8), 180, 180);
    S.Lines({{x + 6, 20}, {x + 10, 20}});
  }
  S.Lines({{59, 20}, {60, 20}});
}

// Collector and emitter from the base junction, the circle and the arrow head.
void TransistorBody(TSymbolSink& S, std::span<const TDot> AHead) {
  S.Circle(SymbolCircle);
  S.Figure({{40, 40}, {80, 0}});
  S.Figure({{40, 40}, {80, 80}});
  S.Figure({{40, 20}, {40, 60}});
  S.Filled(AHead);
}

void BipolarFigures(TSymbolSink& S, std::span<const TDot> AHead) {
  S.Figure({{40, 40}, {0, 40}});
  TransistorBody(S, AHead);
}

void IGBTFigures(TSymbolSink& S, std::span<const TDot> AHead) {
  S.Figure({{0, 40}, {30, 40}});
  S.Lines({{30, 20}, {30, 60}});
  TransistorBody(S, AHead);
}

// A coil of semicircles along a spine at ASpineX, bulging away from it by ABulge (negative
// to the left), through the hump tops AFrom, AFrom + AStep, ... below ATo.
void CoilHumps(TSymbolSink& S, double ASpineX, double ABoxX, double AFrom, double ATo, double AStep, double ASweep) {
  for (double y = AFrom; y + 6 <= ATo; y += AStep) {
    S.Arc(Box(ABoxX, y, 6, 6), 270, ASweep);
    S.Lines({{ASpineX, y + 6}, {ASpineX, std::min(y + AStep, ATo)}});
  }
}

void LeftCoil(TSymbolSink& S) {
  S.Figure({{0, 0}, {18, 0}, {18, 7}});
  CoilHumps(S, 18, 10, 7, 57, 10, -180);
  S.Lines({{18, 60}, {0, 60}});
}

}  // namespace

#define TARNWICK_SYMBOL_CLASS(Class, Body)                         \
  const TClassInfo& Class::StaticClassInfo() {                     \
    static const TClassInfo info = SymbolClassInfo<Class>(#Class); \
    return info;                                                   \
  }                                                                \
  bool Class::PaintsBodyOnCanvas() const { return Body; }

TARNWICK_SYMBOL_CLASS(TResistorBlock, false)
TARNWICK_SYMBOL_CLASS(TCapacitorBlock, false)
TARNWICK_SYMBOL_CLASS(TDiodeBlock, false)
TARNWICK_SYMBOL_CLASS(TZenerDiodeBlock, true)
TARNWICK_SYMBOL_CLASS(TComparatorBlock, true)
TARNWICK_SYMBOL_CLASS(TInductorBlock, true)
TARNWICK_SYMBOL_CLASS(TNonLinearInductorBlock, true)
TARNWICK_SYMBOL_CLASS(TGroundBlock, true)
TARNWICK_SYMBOL_CLASS(TNPNTransistorBlock, true)
TARNWICK_SYMBOL_CLASS(TPNPTransistorBlock, true)
TARNWICK_SYMBOL_CLASS(TPTIGBTBlock, true)
TARNWICK_SYMBOL_CLASS(TNPTIGBTBlock, true)
TARNWICK_SYMBOL_CLASS(TPinBlock, true)
TARNWICK_SYMBOL_CLASS(TThyristorBlock, true)
TARNWICK_SYMBOL_CLASS(TMosfetBlock, true)
TARNWICK_SYMBOL_CLASS(TSwitchBlock, true)
TARNWICK_SYMBOL_CLASS(TDuoCoilXFormBlock, true)
TARNWICK_SYMBOL_CLASS(TTriCoilXFormBlock, true)
TARNWICK_SYMBOL_CLASS(TDCVoltageSourceBlock, true)
TARNWICK_SYMBOL_CLASS(TDCCurrentSourceBlock, true)

#undef TARNWICK_SYMBOL_CLASS

// ---- First set ----

TResistorBlock::TResistorBlock(TComponent* AOwner) : TElectricBlock(AOwner) {}

void TResistorBlock::AddFigures(TSymbolSink& S) const {
  S.Figure({{0, 20}, {10, 20}, {15, 0}, {25, 40}, {35, 0}, {45, 40}, {55, 0}, {65, 40}, {70, 20}, {80, 20}});
}

TCapacitorBlock::TCapacitorBlock(TComponent* AOwner) : TElectricBlock(AOwner) {}

void TCapacitorBlock::AddFigures(TSymbolSink& S) const {
  for (double lead : {0.0, 80.0}) {
    const double plate = lead == 0 ? 35 : 45;
    S.Figure({{lead, 20}, {plate, 20}});
    S.LegacyPenWidth(3);
    S.Lines({{plate, 5}, {plate, 35}});
    S.LegacyPenWidth(0);
  }
}

TDiodeBlock::TDiodeBlock(TComponent* AOwner) : TElectricBlock(AOwner) {}

void TDiodeBlock::AddFigures(TSymbolSink& S) const {
  S.Filled({{0, 20},
            {35, 20},
            {35, 0},
            {55, 20},
            {35, 40},
            {35, 20},
            {80, 20},
            {55, 20},
            {55, 0},
            {55, 40},
            {55, 20},
            {0, 20}});
}

// ---- Second set ----

TZenerDiodeBlock::TZenerDiodeBlock(TComponent* AOwner) : TElectricBlock(AOwner) {}

void TZenerDiodeBlock::AddFigures(TSymbolSink& S) const {
  S.Filled({{0, 20},
            {35, 20},
            {35, 0},
            {55, 20},
            {35, 40},
            {35, 20},
            {80, 20},
            {55, 20},
            {55, 0},
            {49, 0},
            {55, 0},
            {55, 40},
            {60, 40},
            {55, 40},
            {55, 20},
            {0, 20}});
}

TComparatorBlock::TComparatorBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(ComparatorLayout); }

void TComparatorBlock::AddFigures(TSymbolSink& S) const {
  S.Filled({{80, 40},
            {60, 40},
            {20, 80},
            {20, 0},
            {0, 0},
            {20, 0},
            {60, 40},
            {40, 40},
            {40, 80},
            {80, 80},
            {40, 80},
            {40, 40},
            {20, 80},
            {0, 80},
            {20, 80},
            {40, 40},
            {80, 40}});
}

TInductorBlock::TInductorBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(InductorLayout); }

void TInductorBlock::AddFigures(TSymbolSink& S) const { InductorFigure(S); }

TNonLinearInductorBlock::TNonLinearInductorBlock(TComponent* AOwner) : TElectricBlock(AOwner) {
  Layout(InductorLayout);
}

void TNonLinearInductorBlock::AddFigures(TSymbolSink& S) const {
  InductorFigure(S);
  S.Figure({{6, 18}, {54, 7}});
}

TGroundBlock::TGroundBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(GroundLayout); }

void TGroundBlock::AddFigures(TSymbolSink& S) const {
  if (S.Legacy()) {
    S.Figure({{10, 0}, {10, 30}});
    // Solid bars two units high, which stay visible on a small block.
    for (const TSquare& bar : {TSquare{0, 29, 20, 31}, TSquare{3, 34, 17, 36}, TSquare{7, 39, 13, 41}})
      S.Filled({{bar.Left, bar.Top}, {bar.Right, bar.Top}, {bar.Right, bar.Bottom}, {bar.Left, bar.Bottom}});
    return;
  }
  S.Figure({{10, 0}, {10, 30}});
  S.Lines({{0, 30}, {20, 30}});
  S.Figure({{3, 35}, {17, 35}});
  S.Figure({{7, 40}, {13, 40}});
}

TNPNTransistorBlock::TNPNTransistorBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(TransistorLayout); }

void TNPNTransistorBlock::AddFigures(TSymbolSink& S) const { BipolarFigures(S, OutwardHead); }

TPNPTransistorBlock::TPNPTransistorBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(TransistorLayout); }

void TPNPTransistorBlock::AddFigures(TSymbolSink& S) const { BipolarFigures(S, InwardHead); }

TPTIGBTBlock::TPTIGBTBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(TransistorLayout); }

void TPTIGBTBlock::AddFigures(TSymbolSink& S) const { IGBTFigures(S, OutwardHead); }

TNPTIGBTBlock::TNPTIGBTBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(TransistorLayout); }

void TNPTIGBTBlock::AddFigures(TSymbolSink& S) const { IGBTFigures(S, InwardHead); }

TPinBlock::TPinBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(PinLayout); }

void TPinBlock::AddFigures(TSymbolSink& S) const {
  S.Circle(SymbolCircle);
  S.Filled({{40, 40}, {20, 60}, {20, 20}, {40, 40}, {40, 20}, {40, 60}, {40, 40}, {0, 40}, {80, 40}});
}

TThyristorBlock::TThyristorBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(ThyristorLayout); }

void TThyristorBlock::AddFigures(TSymbolSink& S) const {
  S.Circle(SymbolCircle);
  S.Filled(
      {{40, 40}, {80, 80}, {40, 40}, {20, 60}, {20, 20}, {40, 40}, {40, 20}, {40, 60}, {40, 40}, {0, 40}, {80, 40}});
}

TMosfetBlock::TMosfetBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(TransistorLayout); }

void TMosfetBlock::AddFigures(TSymbolSink& S) const {
  S.Circle(SymbolCircle);
  S.Figure({{0, 40}, {30, 40}, {30, 20}, {30, 60}});
  S.Figure({{80, 0}, {80, 20}, {40, 20}, {40, 60}, {80, 60}, {80, 80}, {80, 40}, {40, 40}});
  S.Filled({{40, 40}, {50, 35}, {50, 45}});
}

TSwitchBlock::TSwitchBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(SwitchLayout); }

void TSwitchBlock::AddFigures(TSymbolSink& S) const {
  S.Figure({{0, 0}, {15, 0}, {15, 40}, {0, 40}});
  S.Figure({{40, 0}, {25, 0}, {25, 5}});
  S.Figure({{25, 35}, {25, 40}, {40, 40}});
  S.Figure({{7, 5}, {7, 11}});
  S.Figure({{4, 8}, {10, 8}});
  S.Figure({{20, 5}, {30, 5}, {30, 35}, {20, 35}, {20, 5}});
}

TDuoCoilXFormBlock::TDuoCoilXFormBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(DuoCoilLayout); }

void TDuoCoilXFormBlock::AddFigures(TSymbolSink& S) const {
  LeftCoil(S);
  S.Figure({{40, 0}, {22, 0}, {22, 7}});
  CoilHumps(S, 22, 24, 7, 57, 10, 180);
  S.Lines({{22, 60}, {40, 60}});
}

TTriCoilXFormBlock::TTriCoilXFormBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(TriCoilLayout); }

void TTriCoilXFormBlock::AddFigures(TSymbolSink& S) const {
  LeftCoil(S);
  // Two short coils of two humps each, one per pair of right-hand terminals.
  for (double top : {0.0, 40.0}) {
    S.Figure({{40, top}, {22, top}, {22, top + 7}});
    CoilHumps(S, 22, 24, top + 7, top + 20, 6, 180);
    S.Lines({{22, top + 20}, {40, top + 20}});
  }
}

TDCVoltageSourceBlock::TDCVoltageSourceBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(SourceLayout); }

void TDCVoltageSourceBlock::AddFigures(TSymbolSink& S) const {
  S.Circle(Box(5, 15, 30, 30));
  S.Figure({{20, 0}, {20, 15}});
  S.Figure({{20, 45}, {20, 60}});
  S.Figure({{16, 24}, {24, 24}});
  S.Figure({{20, 20}, {20, 28}});
  S.Figure({{16, 37}, {23, 37}});
}

TDCCurrentSourceBlock::TDCCurrentSourceBlock(TComponent* AOwner) : TElectricBlock(AOwner) { Layout(SourceLayout); }

void TDCCurrentSourceBlock::AddFigures(TSymbolSink& S) const {
  S.Circle(Box(5, 15, 30, 30));
  S.Figure({{20, 0}, {20, 60}});
  S.Filled({{20, 15}, {22, 24}, {18, 24}});
}

}  // namespace tarnwick
