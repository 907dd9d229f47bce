#pragma once
// Colour values: 0x00BBGGRR for a plain colour, 0xFF000000 plus an index for a system
// colour (resolved at paint time against the desktop palette), plus two markers.
#include <cstdint>

namespace tarnwick {

using TColor = int32_t;

inline constexpr TColor SystemColorBit = static_cast<TColor>(0xFF000000u);

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

constexpr TColor SysColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index)); }
inline constexpr TColor clScrollBar = SysColor(0);
inline constexpr TColor clBackground = SysColor(1);
inline constexpr TColor clActiveCaption = SysColor(2);
inline constexpr TColor clInactiveCaption = SysColor(3);
inline constexpr TColor clMenu = SysColor(4);
inline constexpr TColor clWindow = SysColor(5);
inline constexpr TColor clWindowFrame = SysColor(6);
inline constexpr TColor clMenuText = SysColor(7);
inline constexpr TColor clWindowText = SysColor(8);
inline constexpr TColor clCaptionText = SysColor(9);
inline constexpr TColor clActiveBorder = SysColor(10);
inline constexpr TColor clInactiveBorder = SysColor(11);
inline constexpr TColor clAppWorkSpace = SysColor(12);
inline constexpr TColor clHighlight = SysColor(13);
inline constexpr TColor clHighlightText = SysColor(14);
inline constexpr TColor clBtnFace = SysColor(15);
inline constexpr TColor clBtnShadow = SysColor(16);
inline constexpr TColor clGrayText = SysColor(17);
inline constexpr TColor clBtnText = SysColor(18);
inline constexpr TColor clInactiveCaptionText = SysColor(19);
inline constexpr TColor clBtnHighlight = SysColor(20);
inline constexpr TColor cl3DDkShadow = SysColor(21);
inline constexpr TColor cl3DLight = SysColor(22);
inline constexpr TColor clInfoText = SysColor(23);
inline constexpr TColor clInfoBk = SysColor(24);
inline constexpr TColor clHotLight = SysColor(26);
inline constexpr TColor clGradientActiveCaption = SysColor(27);
inline constexpr TColor clGradientInactiveCaption = SysColor(28);
inline constexpr TColor clMenuHighlight = SysColor(29);
inline constexpr TColor clMenuBar = SysColor(30);

constexpr bool IsSystemColor(TColor c) { return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }
constexpr int GetRValue(TColor c) { return static_cast<int>(static_cast<uint32_t>(c) & 0xFF); }
constexpr int GetGValue(TColor c) { return static_cast<int>((static_cast<uint32_t>(c) >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return static_cast<int>((static_cast<uint32_t>(c) >> 16) & 0xFF); }
constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((static_cast<uint32_t>(r) & 0xFF) | ((static_cast<uint32_t>(g) & 0xFF) << 8) |
                             ((static_cast<uint32_t>(b) & 0xFF) << 16));
}

// Cursor identifiers (TCursor); the shapes are mapped to Qt cursors by the widget layer.
using TCursor = int16_t;
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                         crSize = -22, crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                         crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14,
                         crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19,
                         crHelp = -20, crHandPoint = -21, crSizeAll = -22;

// Font character sets (TFontCharset, one byte).
using TFontCharset = uint8_t;
inline constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, MAC_CHARSET = 77,
                              SHIFTJIS_CHARSET = 128, HANGEUL_CHARSET = 129, JOHAB_CHARSET = 130,
                              GB2312_CHARSET = 134, CHINESEBIG5_CHARSET = 136, GREEK_CHARSET = 161,
                              TURKISH_CHARSET = 162, HEBREW_CHARSET = 177, ARABIC_CHARSET = 178,
                              BALTIC_CHARSET = 186, RUSSIAN_CHARSET = 204, THAI_CHARSET = 222,
                              EASTEUROPE_CHARSET = 238, OEM_CHARSET = 255;

}  // namespace tarnwick
