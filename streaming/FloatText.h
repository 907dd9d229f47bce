#pragma once
// Decimal text of the stream's floating-point values, independent of the locale.
#include <string>
#include <string_view>

namespace tarnwick::floattext {

// Extended and double values: rounded to 16 significant digits (or to the 18th decimal
// when that is coarser) and written with exactly 18 decimals, "100.000000000000000000";
// values of 10^16 and above fall back to ScientificText.
std::string FixedText(double Value);
// The shortest text that reads back as the same value, always with an exponent: "1E20",
// "1.5E-7".
std::string ScientificText(double Value);
// The shortest text that reads back as the same value, fixed or with an exponent,
// whichever is shorter: "0.1", "100", "1E20".
std::string GeneralText(double Value);
std::string GeneralText(float Value);

enum class ParseResult { Ok, Invalid, Overflow };
// Parses a decimal number ("-1.5", "1E20", "100.000"); no sign other than a leading
// minus, no blanks. A value too small for the type becomes a signed zero; one too large
// is Overflow.
ParseResult ParseDouble(std::string_view Text, double& Value);
ParseResult ParseFloat(std::string_view Text, float& Value);

}  // namespace tarnwick::floattext
