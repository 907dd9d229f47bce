#pragma once
// The two metafile formats at byte level: record numbers, header layouts and the little
// reading and writing helpers the player and the writers share. Reading never trusts a
// count, size or offset: every read goes through a view that knows its end and answers
// zero (and remembers the failure) past it.
#include <QByteArray>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <cstring>

namespace tarnwick::metafile {

// Enhanced metafile records (the numbers the format assigns).
enum TEmrType : uint32_t {
  EMR_HEADER = 1,
  EMR_POLYBEZIER = 2,
  EMR_POLYGON = 3,
  EMR_POLYLINE = 4,
  EMR_POLYBEZIERTO = 5,
  EMR_POLYLINETO = 6,
  EMR_POLYPOLYLINE = 7,
  EMR_POLYPOLYGON = 8,
  EMR_SETWINDOWEXTEX = 9,
  EMR_SETWINDOWORGEX = 10,
  EMR_SETVIEWPORTEXTEX = 11,
  EMR_SETVIEWPORTORGEX = 12,
  EMR_SETBRUSHORGEX = 13,
  EMR_EOF = 14,
  EMR_SETPIXELV = 15,
  EMR_SETMAPMODE = 17,
  EMR_SETBKMODE = 18,
  EMR_SETPOLYFILLMODE = 19,
  EMR_SETROP2 = 20,
  EMR_SETSTRETCHBLTMODE = 21,
  EMR_SETTEXTALIGN = 22,
  EMR_SETTEXTCOLOR = 24,
  EMR_SETBKCOLOR = 25,
  EMR_OFFSETCLIPRGN = 26,
  EMR_MOVETOEX = 27,
  EMR_EXCLUDECLIPRECT = 29,
  EMR_INTERSECTCLIPRECT = 30,
  EMR_SCALEVIEWPORTEXTEX = 31,
  EMR_SCALEWINDOWEXTEX = 32,
  EMR_SAVEDC = 33,
  EMR_RESTOREDC = 34,
  EMR_SETWORLDTRANSFORM = 35,
  EMR_MODIFYWORLDTRANSFORM = 36,
  EMR_SELECTOBJECT = 37,
  EMR_CREATEPEN = 38,
  EMR_CREATEBRUSHINDIRECT = 39,
  EMR_DELETEOBJECT = 40,
  EMR_ANGLEARC = 41,
  EMR_ELLIPSE = 42,
  EMR_RECTANGLE = 43,
  EMR_ROUNDRECT = 44,
  EMR_ARC = 45,
  EMR_CHORD = 46,
  EMR_PIE = 47,
  EMR_SELECTPALETTE = 48,
  EMR_CREATEPALETTE = 49,
  EMR_LINETO = 54,
  EMR_ARCTO = 55,
  EMR_POLYDRAW = 56,
  EMR_SETARCDIRECTION = 57,
  EMR_SETMITERLIMIT = 58,
  EMR_BEGINPATH = 59,
  EMR_ENDPATH = 60,
  EMR_CLOSEFIGURE = 61,
  EMR_FILLPATH = 62,
  EMR_STROKEANDFILLPATH = 63,
  EMR_STROKEPATH = 64,
  EMR_FLATTENPATH = 65,
  EMR_WIDENPATH = 66,
  EMR_SELECTCLIPPATH = 67,
  EMR_ABORTPATH = 68,
  EMR_GDICOMMENT = 70,
  EMR_FILLRGN = 71,
  EMR_FRAMERGN = 72,
  EMR_PAINTRGN = 74,
  EMR_EXTSELECTCLIPRGN = 75,
  EMR_BITBLT = 76,
  EMR_STRETCHBLT = 77,
  EMR_SETDIBITSTODEVICE = 80,
  EMR_STRETCHDIBITS = 81,
  EMR_EXTCREATEFONTINDIRECTW = 82,
  EMR_EXTTEXTOUTA = 83,
  EMR_EXTTEXTOUTW = 84,
  EMR_POLYBEZIER16 = 85,
  EMR_POLYGON16 = 86,
  EMR_POLYLINE16 = 87,
  EMR_POLYBEZIERTO16 = 88,
  EMR_POLYLINETO16 = 89,
  EMR_POLYPOLYLINE16 = 90,
  EMR_POLYPOLYGON16 = 91,
  EMR_POLYDRAW16 = 92,
  EMR_CREATEMONOBRUSH = 93,
  EMR_CREATEDIBPATTERNBRUSHPT = 94,
  EMR_EXTCREATEPEN = 95,
  EMR_ALPHABLEND = 114,
};

// Older (Windows) metafile records: the function numbers.
enum TWmfFunction : uint16_t {
  META_EOF = 0x0000,
  META_SAVEDC = 0x001E,
  META_REALIZEPALETTE = 0x0035,
  META_CREATEPALETTE = 0x00F7,
  META_SETBKMODE = 0x0102,
  META_SETMAPMODE = 0x0103,
  META_SETROP2 = 0x0104,
  META_SETPOLYFILLMODE = 0x0106,
  META_SETSTRETCHBLTMODE = 0x0107,
  META_RESTOREDC = 0x0127,
  META_SELECTCLIPREGION = 0x012C,
  META_SELECTOBJECT = 0x012D,
  META_SETTEXTALIGN = 0x012E,
  META_DIBCREATEPATTERNBRUSH = 0x0142,
  META_DELETEOBJECT = 0x01F0,
  META_CREATEPATTERNBRUSH = 0x01F9,
  META_SETBKCOLOR = 0x0201,
  META_SETTEXTCOLOR = 0x0209,
  META_SETWINDOWORG = 0x020B,
  META_SETWINDOWEXT = 0x020C,
  META_SETVIEWPORTORG = 0x020D,
  META_SETVIEWPORTEXT = 0x020E,
  META_OFFSETWINDOWORG = 0x020F,
  META_OFFSETVIEWPORTORG = 0x0211,
  META_LINETO = 0x0213,
  META_MOVETO = 0x0214,
  META_OFFSETCLIPRGN = 0x0220,
  META_SELECTPALETTE = 0x0234,
  META_CREATEPENINDIRECT = 0x02FA,
  META_CREATEFONTINDIRECT = 0x02FB,
  META_CREATEBRUSHINDIRECT = 0x02FC,
  META_POLYGON = 0x0324,
  META_POLYLINE = 0x0325,
  META_SCALEWINDOWEXT = 0x0410,
  META_SCALEVIEWPORTEXT = 0x0412,
  META_EXCLUDECLIPRECT = 0x0415,
  META_INTERSECTCLIPRECT = 0x0416,
  META_ELLIPSE = 0x0418,
  META_RECTANGLE = 0x041B,
  META_SETPIXEL = 0x041F,
  META_TEXTOUT = 0x0521,
  META_POLYPOLYGON = 0x0538,
  META_ROUNDRECT = 0x061C,
  META_PATBLT = 0x061D,
  META_ESCAPE = 0x0626,
  META_CREATEREGION = 0x06FF,
  META_ARC = 0x0817,
  META_PIE = 0x081A,
  META_CHORD = 0x0830,
  META_BITBLT = 0x0922,
  META_DIBBITBLT = 0x0940,
  META_EXTTEXTOUT = 0x0A32,
  META_STRETCHBLT = 0x0B23,
  META_DIBSTRETCHBLT = 0x0B41,
  META_SETDIBTODEV = 0x0D33,
  META_STRETCHDIB = 0x0F43,
};

inline constexpr uint32_t EmfSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t PlaceableKey = 0x9AC6CDD7;
inline constexpr uint32_t StockObjectFlag = 0x80000000;
// Stock objects by index.
enum TStockObject : uint32_t {
  WHITE_BRUSH = 0,
  LTGRAY_BRUSH = 1,
  GRAY_BRUSH = 2,
  DKGRAY_BRUSH = 3,
  BLACK_BRUSH = 4,
  NULL_BRUSH = 5,
  WHITE_PEN = 6,
  BLACK_PEN = 7,
  NULL_PEN = 8,
  DEFAULT_GUI_FONT = 17,
};
enum TMapMode {
  MM_TEXT = 1,
  MM_LOMETRIC,
  MM_HIMETRIC,
  MM_LOENGLISH,
  MM_HIENGLISH,
  MM_TWIPS,
  MM_ISOTROPIC,
  MM_ANISOTROPIC
};
enum TPenStyle : uint32_t {
  PS_SOLID = 0,
  PS_DASH = 1,
  PS_DOT = 2,
  PS_DASHDOT = 3,
  PS_DASHDOTDOT = 4,
  PS_NULL = 5,
  PS_INSIDEFRAME = 6,
  PS_USERSTYLE = 7,
  PS_STYLE_MASK = 0xF,
  PS_ENDCAP_ROUND = 0,
  PS_ENDCAP_SQUARE = 0x100,
  PS_ENDCAP_FLAT = 0x200,
  PS_ENDCAP_MASK = 0xF00,
  PS_JOIN_ROUND = 0,
  PS_JOIN_BEVEL = 0x1000,
  PS_JOIN_MITER = 0x2000,
  PS_JOIN_MASK = 0xF000,
  PS_GEOMETRIC = 0x10000,
};
enum TBrushStyle : uint32_t {
  BS_SOLID = 0,
  BS_NULL = 1,
  BS_HATCHED = 2,
  BS_PATTERN = 3,
  BS_DIBPATTERN = 5,
  BS_DIBPATTERNPT = 6
};
enum THatchStyle : uint32_t { HS_HORIZONTAL = 0, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS };
enum TTextAlign : uint32_t {
  TA_UPDATECP = 1,
  TA_RIGHT = 2,
  TA_CENTER = 6,
  TA_HMASK = 6,
  TA_BOTTOM = 8,
  TA_BASELINE = 24,
  TA_VMASK = 24
};
enum TRegionMode : uint32_t { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum TRasterOp : uint32_t {
  SRCCOPY = 0x00CC0020,
  SRCPAINT = 0x00EE0086,
  SRCAND = 0x008800C6,
  SRCINVERT = 0x00660046,
  PATCOPY = 0x00F00021,
  BLACKNESS = 0x00000042,
  WHITENESS = 0x00FF0062,
  DSTINVERT = 0x00550009,
};
inline constexpr int TRANSPARENT = 1, OPAQUE = 2;
inline constexpr int ALTERNATE = 1, WINDING = 2;
inline constexpr uint32_t ETO_OPAQUE = 2, ETO_CLIPPED = 4;

// A bounded, read-only view of little-endian bytes. A read past the end gives zero and sets
// Failed(), so a parser reads on and checks once.
class TByteView {
 public:
  TByteView() = default;
  TByteView(const char* AData, int64_t ASize)
      : FData(reinterpret_cast<const uint8_t*>(AData)), FSize(ASize < 0 ? 0 : ASize) {}
  explicit TByteView(const QByteArray& A) : TByteView(A.constData(), A.size()) {}

  int64_t Size() const { return FSize; }
  const uint8_t* Data() const { return FData; }
  bool Failed() const { return FFailed; }
  bool Has(int64_t At, int64_t Count) const { return At >= 0 && Count >= 0 && At <= FSize && Count <= FSize - At; }
  // The view of Count bytes from At, or an empty one (and a failure) when they are not all here.
  TByteView Sub(int64_t At, int64_t Count) const {
    if (!Has(At, Count)) {
      FFailed = true;
      return {};
    }
    return TByteView(reinterpret_cast<const char*>(FData + At), Count);
  }
  uint8_t U8(int64_t At) const { return Has(At, 1) ? FData[At] : Fail(); }
  uint16_t U16(int64_t At) const {
    return Has(At, 2) ? static_cast<uint16_t>(FData[At] | (FData[At + 1] << 8)) : Fail();
  }
  int16_t I16(int64_t At) const { return static_cast<int16_t>(U16(At)); }
  uint32_t U32(int64_t At) const {
    if (!Has(At, 4)) return Fail();
    return FData[At] | (FData[At + 1] << 8) | (FData[At + 2] << 16) | (static_cast<uint32_t>(FData[At + 3]) << 24);
  }
  int32_t I32(int64_t At) const { return static_cast<int32_t>(U32(At)); }
  float F32(int64_t At) const {
    const uint32_t u = U32(At);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
  }

 private:
  uint8_t Fail() const {
    FFailed = true;
    return 0;
  }
  const uint8_t* FData = nullptr;
  int64_t FSize = 0;
  mutable bool FFailed = false;
};

// Appends little-endian values; the writers build records with it.
class TByteWriter {
 public:
  QByteArray& Bytes() { return FBytes; }
  const QByteArray& Bytes() const { return FBytes; }
  int Size() const { return static_cast<int>(FBytes.size()); }
  void U8(uint8_t V) { FBytes.append(static_cast<char>(V)); }
  void U16(uint16_t V) {
    U8(V & 0xFF);
    U8(V >> 8);
  }
  void I16(int16_t V) { U16(static_cast<uint16_t>(V)); }
  void U32(uint32_t V) {
    U16(V & 0xFFFF);
    U16(V >> 16);
  }
  void I32(int32_t V) { U32(static_cast<uint32_t>(V)); }
  void F32(float V) {
    uint32_t u;
    std::memcpy(&u, &V, 4);
    U32(u);
  }
  void Raw(const QByteArray& B) { FBytes.append(B); }
  void Pad(int Multiple) {
    while (FBytes.size() % Multiple) U8(0);
  }
  void PatchU32(int At, uint32_t V) {
    for (int i = 0; i < 4; ++i) FBytes[At + i] = static_cast<char>((V >> (8 * i)) & 0xFF);
  }
  void PatchU16(int At, uint16_t V) {
    FBytes[At] = static_cast<char>(V & 0xFF);
    FBytes[At + 1] = static_cast<char>(V >> 8);
  }

 private:
  QByteArray FBytes;
};

// What the header of a metafile says about its size.
struct TMetafileInfo {
  bool Enhanced = false;
  // Enhanced: the drawing's bounds in device pixels and its frame in hundredths of a
  // millimetre (both inclusive), and the reference device in pixels and millimetres.
  QRect Bounds;
  QRect Frame;
  QSize DevicePixels;
  QSize DeviceMillimeters;
  // Older format: the placeable header's box in logical units and units per inch (0 when
  // the file has no placeable header).
  QRect PlaceableBox;
  int Inch = 0;
};

// Reads the header; false when the bytes are neither format or the header is cut short.
bool ReadInfo(const QByteArray& Bytes, TMetafileInfo& AInfo);

}  // namespace tarnwick::metafile
