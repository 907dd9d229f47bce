#pragma once
// The fixed decimal text of an 80-bit extended value, worked out from its exact binary
// value: an extended number carries 11 more significand bits than a double, so narrowing
// it first would change the 16th digit of values such as 2/3.
#include <string>

#include "streaming/Extended.h"

namespace tarnwick::floattext {

// The same layout as FixedText(double): 16 significant digits (or the 18th decimal when
// that is coarser), exactly 18 decimals; magnitudes of 10^16 and above fall back to the
// shortest scientific text of the nearest double. The value must narrow to a finite
// double (ExtendedToDouble), as every value the stream reader accepts does.
std::string FixedText(const TExtended80& Value);

}  // namespace tarnwick::floattext
