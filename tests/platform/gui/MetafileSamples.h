#pragma once
// Metafiles built record by record for the player tests, and the helpers to walk and
// compare what the writers make.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/gui/MetafileFormat.h"

namespace tarnwick::testing_metafiles {

using namespace tarnwick::metafile;

// An enhanced metafile of a W x H pixel frame at 96 dpi, with the records given.
class TEmfBuilder {
 public:
  TEmfBuilder(int W, int H, int Handles = 8) {
    FOut.U32(EMR_HEADER);
    FOut.U32(88);
    FOut.I32(0), FOut.I32(0), FOut.I32(W - 1), FOut.I32(H - 1);
    // 96 dpi: 1920 pixels are 508 millimetres.
    FOut.I32(0), FOut.I32(0), FOut.I32(W * 2540 / 96), FOut.I32(H * 2540 / 96);
    FOut.U32(EmfSignature);
    FOut.U32(0x10000);
    FOut.U32(0), FOut.U32(0);  // bytes and records: patched by Bytes()
    FOut.U16(static_cast<uint16_t>(Handles)), FOut.U16(0);
    FOut.U32(0), FOut.U32(0), FOut.U32(0);
    FOut.I32(1920), FOut.I32(1440), FOut.I32(508), FOut.I32(381);
    ++FRecords;
  }
  TEmfBuilder& Rec(uint32_t Type, std::initializer_list<int32_t> Values) {
    FOut.U32(Type);
    FOut.U32(static_cast<uint32_t>(8 + 4 * Values.size()));
    for (int32_t v : Values) FOut.I32(v);
    ++FRecords;
    return *this;
  }
  // A record whose declared size is given as is (for damaged files).
  TEmfBuilder& Raw(uint32_t Type, uint32_t Size, const QByteArray& Body) {
    FOut.U32(Type);
    FOut.U32(Size);
    FOut.Raw(Body);
    ++FRecords;
    return *this;
  }
  QByteArray Bytes(bool WithEof = true) {
    TByteWriter copy = FOut;
    if (WithEof) {
      copy.U32(EMR_EOF), copy.U32(20), copy.U32(0), copy.U32(16), copy.U32(20);
    }
    copy.PatchU32(48, static_cast<uint32_t>(copy.Size()));
    copy.PatchU32(52, static_cast<uint32_t>(FRecords + (WithEof ? 1 : 0)));
    return copy.Bytes();
  }

 private:
  TByteWriter FOut;
  int FRecords = 0;
};

// An older metafile with a placeable header whose box is W x H logical units at AInch.
class TWmfBuilder {
 public:
  TWmfBuilder(int W, int H, int Inch = 96, int Objects = 4) {
    FOut.U32(PlaceableKey);
    FOut.U16(0);
    FOut.I16(0), FOut.I16(0), FOut.I16(static_cast<int16_t>(W)), FOut.I16(static_cast<int16_t>(H));
    FOut.U16(static_cast<uint16_t>(Inch));
    FOut.U32(0);
    uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
      sum ^= static_cast<uint16_t>(static_cast<uint8_t>(FOut.Bytes()[2 * i]) |
                                   (static_cast<uint8_t>(FOut.Bytes()[2 * i + 1]) << 8));
    FOut.U16(sum);
    FOut.U16(1), FOut.U16(9), FOut.U16(0x300);
    FOut.U32(0);
    FOut.U16(static_cast<uint16_t>(Objects));
    FOut.U32(0);
    FOut.U16(0);
  }
  TWmfBuilder& Rec(uint16_t Function, std::initializer_list<int32_t> Words) {
    FOut.U32(static_cast<uint32_t>(3 + Words.size()));
    FOut.U16(Function);
    for (int32_t w : Words) FOut.U16(static_cast<uint16_t>(w));
    return *this;
  }
  TWmfBuilder& Raw(uint32_t SizeWords, uint16_t Function, const QByteArray& Body) {
    FOut.U32(SizeWords);
    FOut.U16(Function);
    FOut.Raw(Body);
    return *this;
  }
  QByteArray Bytes() {
    TByteWriter copy = FOut;
    copy.U32(3), copy.U16(0);
    copy.PatchU32(22 + 6, static_cast<uint32_t>((copy.Size() - 22) / 2));
    return copy.Bytes();
  }

 private:
  TByteWriter FOut;
};

// The types of an enhanced metafile's records in order; stops at the first bad size.
inline std::vector<uint32_t> EmfRecordTypes(const QByteArray& Bytes) {
  std::vector<uint32_t> out;
  const TByteView b(Bytes);
  int64_t at = 0;
  while (b.Has(at, 8)) {
    const uint32_t size = b.U32(at + 4);
    if (size < 8 || !b.Has(at, size)) break;
    out.push_back(b.U32(at));
    at += size;
  }
  return out;
}

// The share of pixels whose colour differs by more than Tolerance in some channel.
inline double DifferentShare(const QImage& A, const QImage& B, int Tolerance = 48) {
  const QImage a = A.convertToFormat(QImage::Format_ARGB32), b = B.convertToFormat(QImage::Format_ARGB32);
  if (a.size() != b.size()) return 1;
  int64_t differ = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > Tolerance || std::abs(qGreen(p) - qGreen(q)) > Tolerance ||
          std::abs(qBlue(p) - qBlue(q)) > Tolerance || std::abs(qAlpha(p) - qAlpha(q)) > Tolerance)
        ++differ;
    }
  return double(differ) / (int64_t{a.width()} * a.height());
}

}  // namespace tarnwick::testing_metafiles
