// The nine arrows as data: bounds, defaults and drag factors, the outline, the shaft
// handle and the link points, each for shaft length L and width W in the original
// rectangle (0, 0, 100, 100). "a" is the length of a head, (100 - L) / 2, where two heads
// share what the shaft leaves.
#include <array>

#include "blocks/arrows/ArrowBlocks.h"
#include "diagram/model/RegDControls.h"

namespace tarnwick {

namespace {

using P = TDotArray;

constexpr std::array<TAnchorOrientation, 2> LeftRight{aoLeft, aoRight};
constexpr std::array<TAnchorOrientation, 4> AllFour{aoUp, aoDown, aoLeft, aoRight};
constexpr std::array<TAnchorOrientation, 3> UpLeftRight{aoUp, aoLeft, aoRight};
constexpr std::array<TAnchorOrientation, 2> DownRight{aoDown, aoRight};

void Ends(double, double, P& O) { O.assign({{0, 50}, {100, 50}}); }
void SideMiddles(double, double, P& O) { O.assign({{50, 0}, {50, 100}, {0, 50}, {100, 50}}); }

// Tables: bounds (maximum and minimum length, maximum and minimum width), default length
// and width, width and length factors, then the shape.
// clang-format off
const TArrowKind StandardKind{
    95, 0, 100, 5, 60, 40, -2, 1,
    [](double L, double W, P& O) {
      O.assign({{0, 50 - W / 2}, {L, 50 - W / 2}, {L, 0}, {100, 50}, {L, 100}, {L, 50 + W / 2}, {0, 50 + W / 2}});
    },
    [](double L, double W) { return TDot{L, 50 - W / 2}; }, LeftRight, Ends};

const TArrowKind DoubleKind{
    90, 0, 100, 5, 60, 40, -2, 2,
    [](double L, double W, P& O) {
      const double a = (100 - L) / 2;
      O.assign({{0, 50}, {a, 0}, {a, 50 - W / 2}, {100 - a, 50 - W / 2}, {100 - a, 0}, {100, 50}, {100 - a, 100},
                {100 - a, 50 + W / 2}, {a, 50 + W / 2}, {a, 100}});
    },
    [](double L, double W) { return TDot{100 - (100 - L) / 2, 50 - W / 2}; }, LeftRight, Ends};

const TArrowKind QuadKind{
    70, 0, 100, 5, 60, 40, -2, 2,
    [](double L, double W, P& O) {
      const double a = (100 - L) / 2, h = W / 2, s = W / 4;
      O.assign({{0, 50},           {a, 50 - h},       {a, 50 - s},       {50 - s, 50 - s},  {50 - s, a},
                {50 - h, a},       {50, 0},           {50 + h, a},       {50 + s, a},       {50 + s, 50 - s},
                {100 - a, 50 - s}, {100 - a, 50 - h}, {100, 50},         {100 - a, 50 + h}, {100 - a, 50 + s},
                {50 + s, 50 + s},  {50 + s, 100 - a}, {50 + h, 100 - a}, {50, 100},         {50 - h, 100 - a},
                {50 - s, 100 - a}, {50 - s, 50 + s},  {a, 50 + s},       {a, 50 + h}});
    },
    [](double L, double W) { return TDot{100 - (100 - L) / 2, 50 - W / 4}; }, AllFour,
    [](double, double, P& O) { O.assign({{50, 0}, {50, 100}, {0, 50}, {100, 50}}); }};

// The horizontal arm lies along the bottom: its centre line is c = 100 - W / 2.
const TArrowKind TripleKind{
    70, 0, 100, 5, 60, 40, -2, 2,
    [](double L, double W, P& O) {
      const double a = (100 - L) / 2, h = W / 2, s = W / 4, c = 100 - W / 2;
      O.assign({{0, c},
                {a, c - h},
                {a, c - s},
                {50 - s, c - s},
                {50 - s, a},
                {50 - h, a},
                {50, 0},
                {50 + h, a},
                {50 + s, a},
                {50 + s, c - s},
                {100 - a, c - s},
                {100 - a, c - h},
                {100, c},
                {100 - a, c + h},
                {100 - a, c + s},
                {a, c + s},
                {a, c + h}});
    },
    [](double L, double W) { return TDot{100 - (100 - L) / 2, 100 - W / 2 - W / 4}; }, UpLeftRight,
    [](double, double W, P& O) { O.assign({{50, 0}, {0, 100 - W / 2}, {100, 100 - W / 2}}); }};

const TArrowKind ChevronKind{
    95, 10, 100, 5, 60, 40, -2, -2,
    [](double L, double W, P& O) {
      O.assign({{0, 50 - W / 2}, {100 - L / 2, 50 - W / 2}, {100, 50}, {100 - L / 2, 50 + W / 2}, {0, 50 + W / 2},
                {L / 2, 50}});
    },
    [](double L, double W) { return TDot{100 - L / 2, 50 - W / 2}; }, LeftRight,
    // The left point sits in the notch.
    [](double L, double, P& O) { O.assign({{L / 2, 50}, {100, 50}}); }};

const TArrowKind BlockSingleKind{
    95, 10, 100, 5, 60, 40, -2, -2,
    [](double L, double W, P& O) {
      O.assign({{0, 0},
                {100 - L, 0},
                {100 - L, 50 - W / 2},
                {100 - L / 2, 50 - W / 2},
                {100 - L / 2, W / 6},
                {100, 50},
                {100 - L / 2, 100 - W / 6},
                {100 - L / 2, 50 + W / 2},
                {100 - L, 50 + W / 2},
                {100 - L, 100},
                {0, 100}});
    },
    [](double L, double W) { return TDot{100 - L / 2, 50 - W / 2}; }, AllFour,
    // Up and down sit in the middle of the box.
    [](double L, double, P& O) { O.assign({{(100 - L) / 2, 0}, {(100 - L) / 2, 100}, {0, 50}, {100, 50}}); }};

// A box from L / 2 to 100 - L / 2 with a head on each side, 10 units taller than the shaft
// above and below.
const TArrowKind BlockDoubleKind{
    90, 20, 80, 5, 40, 20, -2, -3,
    [](double L, double W, P& O) {
      const double b = L / 2, t = L / 3, h = W / 2;
      O.assign({{b, 0},
                {100 - b, 0},
                {100 - b, 50 - h},
                {100 - t, 50 - h},
                {100 - t, 40 - h},
                {100, 50},
                {100 - t, 60 + h},
                {100 - t, 50 + h},
                {100 - b, 50 + h},
                {100 - b, 100},
                {b, 100},
                {b, 50 + h},
                {t, 50 + h},
                {t, 60 + h},
                {0, 50},
                {t, 40 - h},
                {t, 50 - h},
                {b, 50 - h}});
    },
    [](double L, double W) { return TDot{100 - L / 3, 50 - W / 2}; }, AllFour, SideMiddles};

const TArrowKind CornerSingleKind{
    95, 0, 100, 5, 60, 40, 1, 1,
    [](double L, double W, P& O) {
      O.assign({{0, 10}, {L, 10}, {L, 0}, {100, 10 + W / 2}, {L, 20 + W}, {L, 10 + W}, {W, 10 + W}, {W, 100}, {0, 100}});
    },
    [](double L, double W) { return TDot{L, 10 + W}; }, DownRight,
    [](double, double W, P& O) { O.assign({{W / 2, 100}, {100, 10 + W / 2}}); }};

const TArrowKind CornerDoubleKind{
    90, 0, 69, 5, 60, 20, 1, 1,
    [](double L, double W, P& O) {
      O.assign({{10, 10},
                {L, 10},
                {L, 0},
                {100, 10 + W / 2},
                {L, 20 + W},
                {L, 10 + W},
                {10 + W, 10 + W},
                {10 + W, L},
                {20 + W, L},
                {10 + W / 2, 100},
                {0, L},
                {10, L}});
    },
    [](double L, double W) { return TDot{L, 10 + W}; }, DownRight,
    [](double, double W, P& O) { O.assign({{10 + W / 2, 100}, {100, 10 + W / 2}}); }};

// clang-format on

template <class T>
TClassInfo ArrowClassInfo(const char* AName) {
  return TClassInfo(AName, &TCustomArrowBlock::StaticClassInfo(), {},
                    [](TComponent* owner) { return Create<T>(owner); });
}

}  // namespace

#define TARNWICK_ARROW_DEFINE(Class, Kind)                        \
  const TClassInfo& Class::StaticClassInfo() {                    \
    static const TClassInfo info = ArrowClassInfo<Class>(#Class); \
    return info;                                                  \
  }                                                               \
  Class::Class(TComponent* AOwner) : TCustomArrowBlock(AOwner, Kind) {}

TARNWICK_ARROW_DEFINE(TStandardArrowBlock, StandardKind)
TARNWICK_ARROW_DEFINE(TDoubleArrowBlock, DoubleKind)
TARNWICK_ARROW_DEFINE(TQuadArrowBlock, QuadKind)
TARNWICK_ARROW_DEFINE(TTripleArrowBlock, TripleKind)
TARNWICK_ARROW_DEFINE(TChevronArrowBlock, ChevronKind)
TARNWICK_ARROW_DEFINE(TBlockSingleArrowBlock, BlockSingleKind)
TARNWICK_ARROW_DEFINE(TBlockDoubleArrowBlock, BlockDoubleKind)
TARNWICK_ARROW_DEFINE(TCornerSingleArrowBlock, CornerSingleKind)
TARNWICK_ARROW_DEFINE(TCornerDoubleArrowBlock, CornerDoubleKind)

#undef TARNWICK_ARROW_DEFINE

void RegisterArrowBlocks() {
  const QString category = QStringLiteral("Arrows");
  RegisterDControl<TStandardArrowBlock>(QString(), QStringLiteral("Standard Arrow"), category);
  RegisterDControl<TDoubleArrowBlock>(QString(), QStringLiteral("Double Arrow"), category);
  RegisterDControl<TQuadArrowBlock>(QString(), QStringLiteral("Quad Arrow"), category);
  RegisterDControl<TTripleArrowBlock>(QString(), QStringLiteral("Triple Arrow"), category);
  RegisterDControl<TChevronArrowBlock>(QString(), QStringLiteral("Chevron Arrow"), category);
  RegisterDControl<TBlockSingleArrowBlock>(QString(), QStringLiteral("BlockSingle Arrow"), category);
  RegisterDControl<TBlockDoubleArrowBlock>(QString(), QStringLiteral("BlockDouble Arrow"), category);
  RegisterDControl<TCornerSingleArrowBlock>(QString(), QStringLiteral("CornerSingle Arrow"), category);
  RegisterDControl<TCornerDoubleArrowBlock>(QString(), QStringLiteral("CornerDouble Arrow"), category);
}

}  // namespace tarnwick
