// The table of the editor's glyphs. A flat look: a few solid colours, dark outlines one
// unit wide, white paper, blue for the object a command acts on. Glyphs that differ only
// in direction (align left / align top) are built by transposing one drawing.
#include "editor/icons/IconGlyphs.h"

#include <utility>

namespace tarnwick::icons {

namespace {

constexpr QRgb Paper = 0xFFFFFFFF;
constexpr QRgb PaperPen = 0xFF6E6E6E;
constexpr QRgb Blue = 0xFF3584E4;
constexpr QRgb BlueDark = 0xFF1A5FB4;
constexpr QRgb BlueLight = 0xFF99C1F1;
constexpr QRgb BlueFaint = 0xFFDBE9FA;
constexpr QRgb Green = 0xFF2EC27E;
constexpr QRgb GreenDark = 0xFF26A269;
constexpr QRgb Red = 0xFFE01B24;
constexpr QRgb RedDark = 0xFFA51D2D;
constexpr QRgb Orange = 0xFFFF7800;
constexpr QRgb Yellow = 0xFFF6D32D;
constexpr QRgb YellowDark = 0xFFE5A50A;
constexpr QRgb YellowPen = 0xFF9C6E03;
constexpr QRgb Brown = 0xFFCDAB8F;
constexpr QRgb BrownDark = 0xFF865E3C;
constexpr QRgb Grey = 0xFF9A9996;
constexpr QRgb GreyMid = 0xFFC0BFBC;
constexpr QRgb GreyLight = 0xFFDEDDDA;
constexpr QRgb GreyDark = 0xFF5E5C64;
constexpr QRgb Shadow = 0x80000000;
constexpr QRgb RedTint = 0x30E01B24;

using Coords = std::vector<double>;

TGlyphPrim Rect(double X, double Y, double W, double H, QRgb AFill, QRgb APen = Ink, double AWidth = 1,
                int AFlags = 0) {
  return {goRect, {X, Y, W, H}, APen, AFill, AWidth, AFlags, {}, None};
}
TGlyphPrim Gradient(double X, double Y, double W, double H, QRgb AFrom, QRgb ATo, QRgb APen = Ink) {
  return {goRect, {X, Y, W, H}, APen, AFrom, 1, 0, {}, ATo};
}
TGlyphPrim Round(double X, double Y, double W, double H, double R, QRgb AFill, QRgb APen = Ink) {
  return {goRound, {X, Y, W, H, R}, APen, AFill, 1, 0, {}, None};
}
TGlyphPrim Ellipse(double X, double Y, double W, double H, QRgb AFill, QRgb APen = Ink, double AWidth = 1) {
  return {goEllipse, {X, Y, W, H}, APen, AFill, AWidth, 0, {}, None};
}
TGlyphPrim Line(double X1, double Y1, double X2, double Y2, QRgb APen = Ink, double AWidth = 1, int AFlags = 0) {
  return {goLine, {X1, Y1, X2, Y2}, APen, None, AWidth, AFlags, {}, None};
}
TGlyphPrim Poly(Coords AP, QRgb APen = Ink, double AWidth = 1, int AFlags = 0) {
  return {goPolyline, std::move(AP), APen, None, AWidth, AFlags, {}, None};
}
TGlyphPrim Shape(Coords AP, QRgb AFill, QRgb APen = Ink) {
  return {goPolygon, std::move(AP), APen, AFill, 1, 0, {}, None};
}
TGlyphPrim Path(Coords AP, QRgb APen, double AWidth, int AFlags) {
  return {goPath, std::move(AP), APen, None, AWidth, AFlags, {}, None};
}
TGlyphPrim Text(const char* AText, double X, double Y, double W, double H, QRgb AColor = Ink, int AFlags = gfBold) {
  return {goText, {X, Y, W, H}, None, AColor, 1, AFlags, QString::fromUtf8(AText), None};
}

TGlyph operator+(TGlyph A, const TGlyph& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}

// The same drawing mirrored in the diagonal: x and y swap.
TGlyph Transposed(TGlyph AGlyph) {
  for (TGlyphPrim& p : AGlyph) {
    if (p.Op == goPath) {
      for (size_t i = 0; i < p.P.size();) {
        const int cmd = static_cast<int>(p.P[i]);
        std::swap(p.P[i + 1], p.P[i + 2]);
        if (cmd == 2) {
          // Mirroring turns a counter-clockwise angle A into 90 - A and reverses the sweep.
          p.P[i + 4] = 90 - p.P[i + 4];
          p.P[i + 5] = -p.P[i + 5];
          i += 6;
        } else {
          i += 3;
        }
      }
      continue;
    }
    // Points and sizes come in pairs; a rounded rectangle's radius (fifth) stays.
    for (size_t i = 0; i + 1 < p.P.size(); i += 2) std::swap(p.P[i], p.P[i + 1]);
  }
  return AGlyph;
}

// A sheet of paper with a folded corner.
TGlyph Page(double X, double Y, double W, double H) {
  const double f = 3;
  return {Shape({X, Y, X + W - f, Y, X + W, Y + f, X + W, Y + H, X, Y + H}, Paper, PaperPen),
          Poly({X + W - f, Y, X + W - f, Y + f, X + W, Y + f}, PaperPen)};
}

// Lines of text on a page.
TGlyph TextLines(double X, std::initializer_list<std::pair<double, double>> ARows, QRgb AColor = Grey) {
  TGlyph out;
  for (const auto& [y, w] : ARows) out.push_back(Line(X, y, X + w, y, AColor));
  return out;
}

TGlyph Floppy(double S) {
  // S: the side; the disk sits in the top-left corner.
  const double m = S / 13;
  return {Round(1.5, 1.5, S, S, 1.5 * m, Blue, BlueDark), Rect(1.5 + 3 * m, 1.5, 6.5 * m, 4.5 * m, Paper, BlueDark),
          Rect(1.5 + 7.5 * m, 2.5 * m, 1, 2.5 * m, BlueDark, None),
          Rect(1.5 + 2 * m, 1.5 + 7.5 * m, 9 * m, 5.5 * m, GreyLight, BlueDark)};
}

TGlyph Plus(double CX, double CY, double R, QRgb AColor = Green) {
  return {Line(CX - R, CY, CX + R, CY, AColor, 2), Line(CX, CY - R, CX, CY + R, AColor, 2)};
}

// Two blocks flush against a guide line on the left: the alignment glyphs transpose and
// mirror this one.
TGlyph BlocksAgainst(double AGuideX, double ALeft1, double AWidth1, double ALeft2, double AWidth2) {
  return {Rect(ALeft1, 3.5, AWidth1, 3, Blue, BlueDark), Rect(ALeft2, 9.5, AWidth2, 3, Blue, BlueDark),
          Line(AGuideX, 1, AGuideX, 15, Ink)};
}

// Horizontal text alignment: four lines of text, each given by where it starts and ends.
TGlyph TextAlign(std::initializer_list<std::pair<double, double>> ARows) {
  TGlyph out;
  double y = 3;
  for (const auto& [x1, x2] : ARows) {
    out.push_back(Line(x1, y, x2, y, Ink, 1.5));
    y += 3.5;
  }
  return out;
}

// Vertical text alignment: a box with two lines of text at Y.
TGlyph TextInBox(double Y) {
  return {Rect(1.5, 1.5, 13, 13, Paper, Grey), Line(4, Y, 12, Y, Ink, 1.5), Line(5, Y + 3, 11, Y + 3, Ink, 1.5)};
}

// Spacing: blocks with arrows between them.
TGlyph SpacingOut() {
  return {Rect(0.5, 3.5, 2, 9, Blue, BlueDark), Rect(13.5, 3.5, 2, 9, Blue, BlueDark),
          Line(3.5, 8, 12.5, 8, Ink, 1.2, gfHeadStart | gfHeadEnd)};
}
TGlyph SpacingIn() {
  return {Rect(0.5, 3.5, 2, 9, Blue, BlueDark), Rect(13.5, 3.5, 2, 9, Blue, BlueDark),
          Line(3, 8, 7.5, 8, Ink, 1.2, gfHeadEnd), Line(13, 8, 8.5, 8, Ink, 1.2, gfHeadEnd)};
}
TGlyph SpacingEqual() {
  return {Rect(0.5, 4.5, 3, 7, Blue, BlueDark), Rect(6.5, 2.5, 3, 11, Blue, BlueDark),
          Rect(12.5, 5.5, 3, 5, Blue, BlueDark), Line(4, 8, 6, 8, Ink), Line(10, 8, 12, 8, Ink)};
}

TGlyph Ruler() {
  TGlyph out{Rect(7.5, 1.5, 7, 13, Paper, Grey), Rect(1.5, 0.5, 4, 15, Yellow, YellowPen)};
  for (int i = 0; i < 7; ++i) {
    const double y = 2.5 + 2 * i;
    out.push_back(Line(i % 2 ? 3.5 : 2.5, y, 5.5, y, YellowPen));
  }
  return out;
}

std::vector<TGlyphEntry> BuildTable() {
  const TGlyph alignLeft = BlocksAgainst(1.5, 2.5, 9, 2.5, 6);
  const TGlyph alignRight = BlocksAgainst(14.5, 4.5, 9, 7.5, 6);
  const TGlyph alignHCenter = BlocksAgainst(7.5, 2.5, 10, 4.5, 6);
  const TGlyph sameWidth = {Rect(3.5, 1.5, 9, 4, Blue, BlueDark), Rect(3.5, 7.5, 9, 4, Blue, BlueDark),
                            Line(2, 14, 14, 14, Ink, 1, gfHeadStart | gfHeadEnd)};
  const TGlyph copyBack = {Rect(1.5, 1.5, 8, 10, Paper, PaperPen)};
  return {
      // File
      {"new", Page(2.5, 1.5, 10, 13) + Plus(12, 12, 3)},
      {"open",
       {Shape({1.5, 2.5, 6, 2.5, 7.5, 4, 13.5, 4, 13.5, 13.5, 1.5, 13.5}, YellowDark, YellowPen),
        Shape({1.5, 13.5, 4, 7.5, 14.8, 7.5, 13.5, 13.5}, Yellow, YellowPen)}},
      {"save", Floppy(13)},
      {"save-as",
       Floppy(10.5) + TGlyph{Line(9.6, 14.4, 13.2, 10.8, Orange, 3), Line(13.2, 10.8, 14.6, 9.4, GreyDark, 3),
                             Shape({8.54, 13.34, 10.66, 15.46, 8.1, 15.9}, Ink, None)}},
      {"print",
       {Rect(4.5, 1.5, 7, 5, Paper, PaperPen), Round(1.5, 5.5, 13, 6.5, 1.5, GreyMid, GreyDark),
        Rect(4.5, 9.5, 7, 5, Paper, PaperPen), Line(6, 11.5, 10, 11.5, Grey), Line(6, 13, 9, 13, Grey),
        Rect(11.5, 7, 1.5, 1.5, Green, None)}},
      {"print-preview",
       Page(1.5, 1.5, 10, 13) + TextLines(3.5, {{5.5, 5}, {7.5, 3}}) +
           TGlyph{Ellipse(7, 7, 5.5, 5.5, 0xA0DBE9FA, Ink, 1.5), Line(11.5, 11.5, 14.5, 14.5, Ink, 2.5)}},
      {"page-setup", {Rect(2.5, 1.5, 11, 13, Paper, PaperPen), Rect(4.5, 3.5, 7, 9, BlueFaint, Blue, 1, gfDashed)}},
      // Edit
      {"undo", {Path({0, 2, 5.5, 1, 9, 5.5, 2, 9, 9.5, 4, 90, -180, 1, 6, 13.5}, Blue, 2, gfHeadStart)}},
      {"redo", {Path({0, 14, 5.5, 1, 7, 5.5, 2, 7, 9.5, 4, 90, 180, 1, 10, 13.5}, Blue, 2, gfHeadStart)}},
      {"cut",
       {Line(5.5, 10.5, 11, 1.5, GreyDark, 1.5), Line(10.5, 10.5, 5, 1.5, GreyDark, 1.5),
        Ellipse(1.5, 10, 4.5, 4.5, None, Red, 1.5), Ellipse(10, 10, 4.5, 4.5, None, Red, 1.5)}},
      {"copy",
       copyBack + TGlyph{Rect(6.5, 4.5, 8, 10, Paper, PaperPen)} + TextLines(8.5, {{7.5, 4}, {9.5, 4}, {11.5, 3}})},
      {"paste",
       {Round(2.5, 2.5, 11, 12.5, 1, Brown, BrownDark), Rect(4.5, 5.5, 7, 8, Paper, PaperPen),
        Round(5.5, 1.5, 5, 3, 1, GreyMid, Ink), Line(6, 8, 10, 8, Grey), Line(6, 10, 10, 10, Grey),
        Line(6, 12, 9, 12, Grey)}},
      {"delete", {Line(3.5, 3.5, 12.5, 12.5, Red, 2.5), Line(12.5, 3.5, 3.5, 12.5, Red, 2.5)}},
      {"select-all",
       {Rect(1.5, 1.5, 13, 13, None, Ink, 1, gfDashed), Rect(4, 4, 3.5, 3.5, Blue, None),
        Rect(8.5, 4, 3.5, 3.5, Blue, None), Rect(4, 8.5, 3.5, 3.5, Blue, None), Rect(8.5, 8.5, 3.5, 3.5, Blue, None)}},
      {"edit-text",
       {Rect(0.5, 2.5, 15, 11, Paper, PaperPen), Text("T", 1.5, 3, 9, 10, Ink, gfBold | gfSerif),
        Line(12, 4.5, 12, 11.5, Blue, 1.2), Line(10.8, 4.5, 13.2, 4.5, Blue, 1.2),
        Line(10.8, 11.5, 13.2, 11.5, Blue, 1.2)}},
      {"copy-image",
       copyBack + TGlyph{Rect(6.5, 4.5, 8, 10, BlueLight, PaperPen), Ellipse(11, 6, 2.5, 2.5, Yellow, None),
                         Shape({7, 14, 9.5, 9.5, 11.5, 12, 12.5, 10.5, 14, 14}, Green, None)}},
      // Object
      {"picture",
       {Rect(1.5, 2.5, 13, 11, BlueLight, PaperPen), Ellipse(10, 4.5, 3, 3, Yellow, None),
        Shape({2, 13, 6, 7.5, 9, 11, 11, 9, 14, 13}, Green, GreenDark)}},
      {"bring-to-front", {Rect(1.5, 1.5, 8, 8, GreyLight, Grey), Rect(6.5, 6.5, 8, 8, Blue, BlueDark)}},
      {"send-to-back", {Rect(1.5, 1.5, 8, 8, Blue, BlueDark), Rect(6.5, 6.5, 8, 8, GreyLight, Grey)}},
      {"font", {Text("A", 0.5, 1.5, 10, 13, Ink, gfSerif), Text("a", 8, 5, 8, 11, Blue, gfSerif)}},
      {"group",
       {Rect(2.5, 2.5, 11, 11, None, Grey), Rect(4.5, 4.5, 5, 5, Blue, BlueDark), Ellipse(7, 7, 5, 5, Green, GreenDark),
        Rect(1, 1, 3, 3, Ink, None), Rect(12, 1, 3, 3, Ink, None), Rect(1, 12, 3, 3, Ink, None),
        Rect(12, 12, 3, 3, Ink, None)}},
      {"ungroup",
       {Rect(1.5, 1.5, 6, 6, Blue, BlueDark), Ellipse(8.5, 8.5, 6, 6, Green, GreenDark),
        Line(10, 2.5, 13.5, 6, Grey, 1, gfHeadEnd), Line(6, 13.5, 2.5, 10, Grey, 1, gfHeadEnd)}},
      {"shape-color",
       {Shape({2.5, 6.5, 7.5, 1.5, 12.5, 6.5, 7.5, 11.5}, GreyLight, Ink),
        Shape({3, 6.5, 5.2, 4.3, 10.2, 9.3, 8, 11.5}, Red, None), Poly({2.5, 6.5, 7.5, 11.5, 12.5, 6.5}, Ink),
        Ellipse(12.5, 8, 2.5, 3.5, Red, None), Rect(0.5, 13, 15, 3, Red, None)}},
      {"line-color", {Poly({1.5, 10, 5.5, 3.5, 10, 9, 14.5, 2.5}, Ink, 2), Rect(0.5, 13, 15, 3, Blue, None)}},
      {"gradient", {Gradient(1.5, 2.5, 13, 11, BlueDark, Paper, Ink)}},
      {"shadow", {Rect(4.5, 5.5, 10, 9, Shadow, None), Rect(1.5, 1.5, 10, 9, BlueLight, BlueDark)}},
      {"add-to-library",
       {Rect(1.5, 3.5, 3, 11, Blue, BlueDark), Rect(4.5, 1.5, 3, 13, Orange, RedDark), Line(0.5, 15, 8.5, 15, Ink),
        Line(12.5, 6, 12.5, 13, Green, 2), Line(9, 9.5, 16, 9.5, Green, 2)}},
      // Text style
      {"bold", {Text("B", 1, 1, 14, 14, Ink, gfBold)}},
      {"italic", {Text("I", 1, 1, 14, 14, Ink, gfItalic | gfSerif | gfBold)}},
      {"underline", {Text("U", 1, 0, 14, 13, Ink, gfBold), Line(3, 14.5, 13, 14.5, Ink, 1.5)}},
      {"text-left", TextAlign({{1.5, 14.5}, {1.5, 10}, {1.5, 14.5}, {1.5, 8.5}})},
      {"text-center", TextAlign({{1.5, 14.5}, {4, 12}, {1.5, 14.5}, {5, 11}})},
      {"text-right", TextAlign({{1.5, 14.5}, {6, 14.5}, {1.5, 14.5}, {7.5, 14.5}})},
      {"text-top", TextInBox(4.5)},
      {"text-middle", TextInBox(6.5)},
      {"text-bottom", TextInBox(9)},
      // Block alignment
      {"align-left", alignLeft},
      {"align-right", alignRight},
      {"align-hcenter", alignHCenter},
      {"align-top", Transposed(alignLeft)},
      {"align-bottom", Transposed(alignRight)},
      {"align-vcenter", Transposed(alignHCenter)},
      {"same-width", sameWidth},
      {"same-height", Transposed(sameWidth)},
      {"same-size", {Rect(1.5, 1.5, 8, 8, Blue, BlueDark), Rect(6.5, 6.5, 8, 8, None, Ink, 1, gfDashed)}},
      {"space-equal-h", SpacingEqual()},
      {"space-inc-h", SpacingOut()},
      {"space-dec-h", SpacingIn()},
      {"space-equal-v", Transposed(SpacingEqual())},
      {"space-inc-v", Transposed(SpacingOut())},
      {"space-dec-v", Transposed(SpacingIn())},
      // View
      {"left-ruler", Ruler()},
      {"top-ruler", Transposed(Ruler())},
      {"grid",
       {Line(1.5, 1, 1.5, 15, Grey), Line(5.5, 1, 5.5, 15, Grey), Line(9.5, 1, 9.5, 15, Grey),
        Line(13.5, 1, 13.5, 15, Grey), Line(1, 1.5, 15, 1.5, Grey), Line(1, 5.5, 15, 5.5, Grey),
        Line(1, 9.5, 15, 9.5, Grey), Line(1, 13.5, 15, 13.5, Grey), Rect(5.5, 5.5, 4, 4, Blue, BlueDark)}},
      {"zoom",
       {Ellipse(1.5, 1.5, 9, 9, BlueFaint, Ink, 1.5), Line(9.5, 9.5, 14.5, 14.5, Ink, 2.5), Line(4, 6, 8, 6, Ink, 1.2),
        Line(6, 4, 6, 8, Ink, 1.2)}},
      {"navigator",
       {Rect(1.5, 1.5, 13, 13, Paper, Grey), Rect(3, 3, 3, 2, GreyMid, None), Rect(9, 9.5, 4, 3, GreyMid, None),
        Rect(3.5, 10, 3, 3, GreyMid, None), Rect(6.5, 5.5, 7, 6, RedTint, Red, 1.2)}},
      {"layers",
       {Shape({8, 8.5, 14.5, 11.5, 8, 14.5, 1.5, 11.5}, GreyLight, GreyDark),
        Shape({8, 5, 14.5, 8, 8, 11, 1.5, 8}, BlueLight, BlueDark),
        Shape({8, 1.5, 14.5, 4.5, 8, 7.5, 1.5, 4.5}, Blue, BlueDark)}},
      {"library",
       {Rect(1.5, 2.5, 3, 12, Blue, BlueDark), Rect(5.5, 1.5, 3, 13, Orange, RedDark),
        Shape({9.5, 3.3, 12.3, 2.5, 15.2, 13.7, 12.4, 14.5}, Green, GreenDark), Line(0.5, 15, 15.5, 15, Ink)}},
      {"objects",
       {Rect(1.5, 1.5, 3, 3, Blue, None), Line(6, 3, 14.5, 3, Ink, 1.5), Ellipse(1.5, 6.5, 3, 3, Green, None),
        Line(6, 8, 14.5, 8, Ink, 1.5), Shape({3, 11.5, 4.8, 14.5, 1.2, 14.5}, Orange, None),
        Line(6, 13, 12.5, 13, Ink, 1.5)}},
      {"automatic-nodes",
       {Rect(3.5, 3.5, 9, 9, Paper, Ink), Rect(6.5, 2, 3, 3, Blue, BlueDark), Rect(2, 6.5, 3, 3, Blue, BlueDark),
        Rect(11, 6.5, 3, 3, Blue, BlueDark), Rect(6.5, 11, 3, 3, Blue, BlueDark)}},
      {"background",
       {Rect(1.5, 1.5, 13, 13, Paper, Grey), Rect(2, 2, 3, 3, GreyMid, None), Rect(8, 2, 3, 3, GreyMid, None),
        Rect(5, 5, 3, 3, GreyMid, None), Rect(11, 5, 3, 3, GreyMid, None), Rect(2, 8, 3, 3, GreyMid, None),
        Rect(8, 8, 3, 3, GreyMid, None), Rect(5, 11, 3, 3, GreyMid, None), Rect(11, 11, 3, 3, GreyMid, None)}},
  };
}

}  // namespace

const std::vector<TGlyphEntry>& GlyphTable() {
  static const std::vector<TGlyphEntry> table = BuildTable();
  return table;
}

const TGlyph* FindGlyph(QStringView AName) {
  for (const TGlyphEntry& e : GlyphTable())
    if (e.Name == AName) return &e.Glyph;
  return nullptr;
}

}  // namespace tarnwick::icons
