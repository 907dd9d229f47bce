#include "streaming/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarnwick::floattext {

namespace {

// "1.5e+20" -> "1.5E20", "1e-07" -> "1E-7": the exponent in its plainest form.
std::string PlainExponent(std::string_view s) {
  size_t e = s.find('e');
  if (e == std::string_view::npos) return std::string(s);
  std::string out(s.substr(0, e));
  out.push_back('E');
  size_t i = e + 1;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') out.push_back('-');
    ++i;
  }
  while (i + 1 < s.size() && s[i] == '0') ++i;
  out.append(s.substr(i));
  return out;
}

template <class T>
std::string Shortest(T value, std::chars_format fmt) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value, fmt);
  return PlainExponent(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

template <class T>
std::string Shortest(T value) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  return PlainExponent(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
}

// Decides whether a number text that std::from_chars found out of range lies above or
// below the type's range, from the position of its first significant digit.
bool IsUnderflow(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  long long magnitude = 0;
  bool seenPoint = false, found = false;
  long long intDigits = 0, fracZeros = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '.') {
      seenPoint = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    if (!seenPoint) {
      if (found || c != '0') {
        found = true;
        ++intDigits;
      }
    } else if (!found) {
      if (c == '0') {
        ++fracZeros;
      } else {
        found = true;
      }
    }
  }
  if (!found) return true;
  magnitude = intDigits > 0 ? intDigits - 1 : -(fracZeros + 1);
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    if (negative) exponent = -exponent;
  }
  return magnitude + exponent < 0;
}

template <class T>
ParseResult Parse(std::string_view text, T& value) {
  if (text.empty()) return ParseResult::Invalid;
  const char* end = text.data() + text.size();
  T v{};
  auto r = std::from_chars(text.data(), end, v, std::chars_format::general);
  if (r.ptr != end) return ParseResult::Invalid;
  if (r.ec == std::errc::result_out_of_range) {
    if (!IsUnderflow(text)) return ParseResult::Overflow;
    value = text[0] == '-' ? -T(0) : T(0);
    return ParseResult::Ok;
  }
  if (r.ec != std::errc()) return ParseResult::Invalid;
  if (!std::isfinite(v)) return ParseResult::Overflow;
  value = v;
  return ParseResult::Ok;
}

}  // namespace

std::string ScientificText(double Value) { return Shortest(Value, std::chars_format::scientific); }

std::string GeneralText(double Value) { return Shortest(Value); }

std::string GeneralText(float Value) { return Shortest(Value); }

std::string FixedText(double Value) {
  // 16 significant digits, correctly rounded from the exact binary value.
  char sci[64];
  auto r = std::to_chars(sci, sci + sizeof sci, Value, std::chars_format::scientific, 15);
  std::string_view s(sci, static_cast<size_t>(r.ptr - sci));
  bool negative = s.front() == '-';
  if (negative) s.remove_prefix(1);
  size_t e = s.find('e');
  int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
  std::string digits;
  digits.reserve(16);
  for (char c : s.substr(0, e))
    if (c != '.') digits.push_back(c);

  if (exponent >= 16) return ScientificText(Value);

  std::string out;
  if (exponent < -3) {
    // The 18th decimal is coarser than the 16th significant digit: round there instead.
    char fixed[64];
    auto f = std::to_chars(fixed, fixed + sizeof fixed, Value, std::chars_format::fixed, 18);
    return std::string(fixed, f.ptr);
  }
  if (negative) out.push_back('-');
  if (exponent >= 0) {
    int intCount = exponent + 1;
    auto intDigits = static_cast<size_t>(intCount);
    out.append(digits, 0, intDigits);
    out.push_back('.');
    out.append(digits, intDigits, std::string::npos);
    out.append(18 - (digits.size() - intDigits), '0');
  } else {
    out.append("0.");
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out.append(digits);
    out.append(18 - (static_cast<size_t>(-exponent - 1) + digits.size()), '0');
  }
  return out;
}

ParseResult ParseDouble(std::string_view Text, double& Value) { return Parse(Text, Value); }

ParseResult ParseFloat(std::string_view Text, float& Value) { return Parse(Text, Value); }

}  // namespace tarnwick::floattext
