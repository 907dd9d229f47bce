#pragma once
// Palette glyphs of the control registry's entries. A glyph is the entry's own picture
// when it says to use it; otherwise a named glyph bitmap ("BLK_" and the identifier in
// upper case, then "BLK_" and the class name), else one drawn from the class itself: an
// instance's own painting in a 24 x 24 bitmap. Named and drawn glyphs are transparent in
// the colour of their bottom-left pixel.
#include <QString>

namespace tarnwick {

class TBitmap;
class TClassInfo;
class TRegDControl;

inline constexpr int DControlGlyphSize = 24;

// Makes a named glyph bitmap known (a copy is kept; an empty bitmap removes the name).
// Names ignore letter case. Besides these, the Qt resources ":/tarnwick/glyphs/NAME.bmp"
// and ".png" are found by name.
void RegisterGlyphResource(const QString& AName, const TBitmap& ABitmap);
// True when a glyph of that name exists; it is then copied into AGlyph.
bool FindGlyphResource(const QString& AName, TBitmap& AGlyph);

// Paints an instance of AClass into AGlyph (24 x 24 times AScale, the background in the
// transparent colour); false, and AGlyph untouched, when the class makes no control or
// cannot paint. A scale above 1 draws the same glyph sharp for a high-density screen.
bool DrawDControlGlyph(const TClassInfo& AClass, TBitmap& AGlyph, int AScale = 1);

// The glyph a palette shows for the entry; a null entry gets the generic block glyph. An
// entry's own picture counts only when it holds one. Pictures and named glyphs come at
// their own size whatever AScale asks; only drawn glyphs scale.
void GetDControlGlyph(const TRegDControl* AEntry, TBitmap& AGlyph, int AScale = 1);

}  // namespace tarnwick
