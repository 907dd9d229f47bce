#pragma once
// The vocabulary of the binary object stream: the tag byte that starts every value, the
// record header flags, and the limits every reader and writer of the format shares.
#include <cstdint>

#include "platform/core/Set.h"

namespace tarnwick {

enum TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
  vaDouble = 21,
};

// The highest tag this format knows; a byte above it is not a value.
inline constexpr uint8_t MaxValueType = vaDouble;

enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag, uint8_t>;

// "TPF0", the first four bytes of every binary object stream.
inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};

// How deeply objects, lists, collections and their items may nest. Real documents stay
// a handful of levels deep; the cap keeps a hostile stream from exhausting the call stack.
inline constexpr int MaxStreamNesting = 256;

inline constexpr bool IsIntegerValue(TValueType t) { return t == vaInt8 || t == vaInt16 || t == vaInt32; }
inline constexpr bool IsStringValue(TValueType t) {
  return t == vaString || t == vaLString || t == vaWString || t == vaUTF8String;
}

}  // namespace tarnwick
