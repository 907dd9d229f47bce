#pragma once
// Message texts of the stream code that the platform's message table does not hold.
namespace tarnwick::msg {

// The text form's tokenizer and parser; every one is reported through LineError.
inline constexpr const char* LineError = "%s on line %d";
inline constexpr const char* EncodingExpected = "ANSI or UTF8 encoding expected";
inline constexpr const char* InvalidString = "Invalid string constant";
inline constexpr const char* LineTooLong = "Line too long";
inline constexpr const char* IdentifierExpected = "Identifier expected";
inline constexpr const char* StringExpected = "String expected";
inline constexpr const char* NumberExpected = "Number expected";
inline constexpr const char* CharExpected = "''%s'' expected";
inline constexpr const char* SymbolExpected = "%s expected";
inline constexpr const char* InvalidBinary = "Invalid binary value";

// Limits and conditions the format itself has no message for.
inline constexpr const char* NestingTooDeep = "Stream nesting exceeds %d levels";
inline constexpr const char* AncestorNotFound = "Ancestor for '%s' not found";
inline constexpr const char* NonFiniteFloat = "Cannot write a non-finite floating-point value";

}  // namespace tarnwick::msg
