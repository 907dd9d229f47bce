#pragma once
// Builds expected stream bytes in the order the format lays them out.
#include <QByteArray>
#include <cstdint>
#include <initializer_list>

#include "streaming/ValueType.h"

namespace tarnwick::test {

class Bytes {
 public:
  Bytes& Raw(std::initializer_list<int> bytes) {
    for (int b : bytes) FData.push_back(static_cast<char>(b));
    return *this;
  }
  Bytes& Raw(const QByteArray& bytes) {
    FData += bytes;
    return *this;
  }
  Bytes& Tag(TValueType t) { return Raw({t}); }
  // A short string.
  Bytes& Str(const QByteArray& s) {
    FData.push_back(static_cast<char>(s.size()));
    FData += s;
    return *this;
  }
  Bytes& Int32(int32_t v) {
    for (int i = 0; i < 4; ++i) FData.push_back(static_cast<char>(static_cast<uint32_t>(v) >> (8 * i)));
    return *this;
  }
  Bytes& Signature() { return Raw(QByteArray("TPF0")); }
  Bytes& Prop(const QByteArray& name) { return Str(name); }
  Bytes& Ident(const QByteArray& s) { return Tag(vaIdent).Str(s); }
  Bytes& Int8(int v) { return Tag(vaInt8).Raw({v & 0xFF}); }
  Bytes& End() { return Tag(vaNull); }
  // A vaExtended zero.
  Bytes& ExtendedZero() { return Tag(vaExtended).Raw({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}); }
  Bytes& EmptyWString() { return Tag(vaWString).Int32(0); }
  Bytes& ShortString(const QByteArray& s) { return Tag(vaString).Str(s); }

  operator QByteArray() const { return FData; }
  const QByteArray& Data() const { return FData; }

 private:
  QByteArray FData;
};

// The lines every default TSampleShape writes: the two properties without a declared
// default, and its collection.
inline Bytes& DefaultShapeProps(Bytes& b) {
  return b.Prop("Scale").ExtendedZero().Prop("Hint").EmptyWString().Prop("Items").Tag(vaCollection).End();
}

}  // namespace tarnwick::test
