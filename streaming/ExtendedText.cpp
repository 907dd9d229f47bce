#include "streaming/ExtendedText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "streaming/FloatText.h"

namespace tarnwick::floattext {

namespace {

// A non-negative integer in base 10^9, least significant limb first: just enough big
// arithmetic to expand m * 2^k or m * 5^k exactly.
class TDecimalBig {
 public:
  explicit TDecimalBig(uint64_t Value) {
    do {
      FLimbs.push_back(static_cast<uint32_t>(Value % Base));
      Value /= Base;
    } while (Value != 0);
  }

  void Multiply(uint32_t Factor) {
    uint64_t carry = 0;
    for (uint32_t& limb : FLimbs) {
      const uint64_t v = uint64_t{limb} * Factor + carry;
      limb = static_cast<uint32_t>(v % Base);
      carry = v / Base;
    }
    while (carry != 0) {
      FLimbs.push_back(static_cast<uint32_t>(carry % Base));
      carry /= Base;
    }
  }

  // Multiplies by ARadix^ACount in steps that keep every product within 64 bits.
  void MultiplyPower(uint32_t ARadix, int ACount) {
    const int stepCount = ARadix == 2 ? 29 : 13;  // 2^29 and 5^13 both fit in 31 bits
    uint32_t step = 1;
    for (int i = 0; i < stepCount; ++i) step *= ARadix;
    for (; ACount >= stepCount; ACount -= stepCount) Multiply(step);
    uint32_t rest = 1;
    for (int i = 0; i < ACount; ++i) rest *= ARadix;
    if (rest != 1) Multiply(rest);
  }

  std::string Digits() const {
    std::string s = std::to_string(FLimbs.back());
    for (size_t i = FLimbs.size() - 1; i-- > 0;) {
      const std::string limb = std::to_string(FLimbs[i]);
      s.append(9 - limb.size(), '0');
      s += limb;
    }
    return s;
  }

 private:
  static constexpr uint64_t Base = 1000000000;
  std::vector<uint32_t> FLimbs;
};

// Rounds the digit string to AKeep leading digits, ties to even (the exact value decides,
// as the correctly rounded double formatter does). Returns true when a carry added a
// digit in front ("999" -> "1000"); the result then has AKeep + 1 digits.
bool RoundDigits(std::string& ADigits, size_t AKeep) {
  if (ADigits.size() <= AKeep) {
    ADigits.append(AKeep - ADigits.size(), '0');
    return false;
  }
  const char first = ADigits[AKeep];
  const bool restNonZero = std::any_of(ADigits.begin() + static_cast<std::ptrdiff_t>(AKeep) + 1, ADigits.end(),
                                       [](char c) { return c != '0'; });
  const bool lastOdd = AKeep > 0 && (ADigits[AKeep - 1] - '0') % 2 == 1;
  const bool up = first > '5' || (first == '5' && (restNonZero || lastOdd));
  ADigits.resize(AKeep);
  if (!up) return false;
  for (size_t i = AKeep; i-- > 0;) {
    if (ADigits[i] != '9') {
      ++ADigits[i];
      return false;
    }
    ADigits[i] = '0';
  }
  ADigits.insert(ADigits.begin(), '1');
  return true;
}

}  // namespace

std::string FixedText(const TExtended80& Value) {
  double nearest = 0;
  ExtendedToDouble(Value, nearest);
  // A value a double holds exactly formats the same either way; only the extra bits
  // need the exact expansion.
  if (DoubleToExtended(nearest) == Value) return FixedText(nearest);

  uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | Value[static_cast<size_t>(i)];
  const int biased = (Value[9] & 0x7F) << 8 | Value[8];
  const bool negative = (Value[9] & 0x80) != 0;
  // value = significand * 2^power
  const int power = (biased == 0 ? 1 : biased) - 16383 - 63;

  // value = N * 10^-scale, with N an exact integer.
  TDecimalBig n(significand);
  int scale = 0;
  if (power >= 0) {
    n.MultiplyPower(2, power);
  } else {
    n.MultiplyPower(5, -power);
    scale = -power;
  }
  std::string digits = n.Digits();
  // The power of ten of the leading digit.
  int lead = static_cast<int>(digits.size()) - 1 - scale;
  if (lead >= 16) return ScientificText(nearest);

  std::string out = negative ? "-" : "";
  if (lead < -3) {
    // Round at the 18th decimal; digits[i] stands for 10^(lead - i).
    const int keep = lead + 19;
    if (keep <= 0) {
      // Below half of 10^-18 only a value over exactly half rounds up to it.
      const bool up = keep == 0 && (digits[0] > '5' || (digits[0] == '5' && digits.find_first_not_of('0', 1) != std::string::npos));
      return out + (up ? "0.000000000000000001" : "0.000000000000000000");
    }
    if (RoundDigits(digits, static_cast<size_t>(keep))) ++lead;
    out += "0.";
    out.append(static_cast<size_t>(-lead - 1), '0');
    out += digits;  // exactly 18 decimals: -lead - 1 zeros and lead + 19 digits
    return out;
  }
  if (RoundDigits(digits, 16)) {
    ++lead;
    digits.pop_back();
    if (lead >= 16) return ScientificText(nearest);
  }
  if (lead >= 0) {
    const auto intCount = static_cast<size_t>(lead + 1);
    out.append(digits, 0, intCount);
    out.push_back('.');
    out.append(digits, intCount, std::string::npos);
    out.append(18 - (digits.size() - intCount), '0');
  } else {
    out += "0.";
    out.append(static_cast<size_t>(-lead - 1), '0');
    out += digits;
    out.append(18 - (static_cast<size_t>(-lead - 1) + digits.size()), '0');
  }
  return out;
}

}  // namespace tarnwick::floattext
