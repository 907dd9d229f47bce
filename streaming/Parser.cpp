#include "streaming/Parser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <string>

#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "streaming/StreamConsts.h"
#include "streaming/Utf.h"

namespace tarnwick {

namespace {

// A line must fit the tokenizer's 4096-byte block, line end included.
constexpr size_t MaxLine = 4096;

// Character classes by table: a document is tokenised byte by byte, and one lookup per
// byte is cheaper than a chain of range tests.
enum : uint8_t { ccLetter = 1, ccDigit = 2, ccHex = 4, ccFloat = 8 };

constexpr std::array<uint8_t, 256> MakeClasses() {
  std::array<uint8_t, 256> t{};
  for (int c = 'A'; c <= 'Z'; ++c) t[c] |= ccLetter;
  for (int c = 'a'; c <= 'z'; ++c) t[c] |= ccLetter;
  t['_'] |= ccLetter;
  for (int c = '0'; c <= '9'; ++c) t[c] |= ccDigit | ccHex | ccFloat;
  for (int c = 'A'; c <= 'F'; ++c) t[c] |= ccHex;
  for (int c = 'a'; c <= 'f'; ++c) t[c] |= ccHex;
  for (char c : {'.', 'e', 'E', '+', '-'}) t[static_cast<unsigned char>(c)] |= ccFloat;
  return t;
}
constexpr std::array<uint8_t, 256> Classes = MakeClasses();

bool IsAsciiLetter(unsigned char c) { return Classes[c] & ccLetter; }
bool IsDigit(unsigned char c) { return Classes[c] & ccDigit; }
bool IsHexDigit(unsigned char c) { return Classes[c] & ccHex; }
bool IsFloatChar(unsigned char c) { return Classes[c] & ccFloat; }
bool IsFloatType(unsigned char c) {
  c |= 0x20;
  return c == 's' || c == 'c' || c == 'd' || c == 'f';
}
int HexValue(unsigned char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

bool SameSymbol(std::string_view a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if ((a[i] | 0x20) != (b[i] | 0x20) || !IsAsciiLetter(static_cast<unsigned char>(a[i]))) return false;
  return true;
}

QString Decode(bool utf8, const char* data, size_t size) {
  return utf8 ? QString::fromUtf8(data, static_cast<qsizetype>(size))
              : QString::fromLatin1(data, static_cast<qsizetype>(size));
}

}  // namespace

TParser::TParser(QByteArray Input)
    : FInput(std::move(Input)),
      FData(reinterpret_cast<const unsigned char*>(FInput.constData())),
      FSize(static_cast<size_t>(FInput.size())) {
  auto startsWith = [this](std::initializer_list<unsigned char> bytes) {
    if (FSize < bytes.size()) return false;
    size_t i = 0;
    for (unsigned char b : bytes)
      if (FData[i++] != b) return false;
    return true;
  };
  if (startsWith({0xEF, 0xBB, 0xBF})) {
    FUtf8 = true;
    FPos = 3;
  } else if (startsWith({0xFF, 0xFE}) || startsWith({0xFE, 0xFF}) || startsWith({0x00, 0x00, 0xFE, 0xFF})) {
    Error(msg::EncodingExpected);
  }
  CheckLineLength();
  NextToken();
}

TParser::TParser(QByteArray Input, size_t ALineStart, int ALine, bool AUtf8)
    : FInput(std::move(Input)),
      FData(reinterpret_cast<const unsigned char*>(FInput.constData())),
      FSize(static_cast<size_t>(FInput.size())),
      FPos(std::min(ALineStart, FSize)),
      FLine(ALine),
      FUtf8(AUtf8) {
  CheckLineLength();
  NextToken();
}

void TParser::Error(const QString& Message, int Line) const {
  throw EParserError(Format(msg::LineError, Message, Line));
}

void TParser::CheckLineLength() {
  if (FPos < FLinesCheckedTo) return;
  size_t left = FSize - FPos;
  if (left < MaxLine) return;
  // The last line break within reach vouches for every line that starts up to it, so a
  // document of short lines is searched once per window rather than once per line.
  const void* last = memrchr(FData + FPos, '\n', MaxLine);
  if (!last) Error(msg::LineTooLong);
  FLinesCheckedTo = static_cast<size_t>(static_cast<const unsigned char*>(last) - FData) + 1;
}

void TParser::SkipBlanks() {
  while (FPos < FSize) {
    unsigned char c = FData[FPos];
    if (c == 0 || c > ' ') return;
    ++FPos;
    if (c == '\n') {
      ++FLine;
      CheckLineLength();
    }
  }
}

size_t TParser::CodePointAt(size_t Pos, char32_t& Cp) const { return utf::DecodeUtf8(FData + Pos, FSize - Pos, Cp); }

int TParser::NextToken() {
  SkipBlanks();
  size_t start = FPos;
  FTokenStart = start;
  FFloatType = 0;
  FString.clear();
  if (FPos >= FSize || FData[FPos] == 0) {
    // A NUL byte ends the text, as the end of the input does.
    FText = {};
    return FToken = toEOF;
  }
  unsigned char c = FData[FPos];
  char32_t cp = 0;
  size_t len = 0;
  bool letterStart = IsAsciiLetter(c);
  if (!letterStart && c >= 0x80 && FUtf8) {
    len = CodePointAt(FPos, cp);
    letterStart = len > 0 && QChar::isLetter(cp);
  }
  if (letterStart) {
    FPos += letterStart && c >= 0x80 ? len : 1;
    while (FPos < FSize) {
      unsigned char d = FData[FPos];
      if (Classes[d] & (ccLetter | ccDigit)) {
        ++FPos;
      } else if (d >= 0x80 && FUtf8 && (len = CodePointAt(FPos, cp)) > 0 && QChar::isLetterOrNumber(cp)) {
        FPos += len;
      } else {
        break;
      }
    }
    FToken = toSymbol;
  } else if (c == '\'' || c == '#') {
    ScanString();
    FToken = toString;
  } else if (c == '$') {
    ++FPos;
    while (FPos < FSize && IsHexDigit(FData[FPos])) ++FPos;
    FToken = toInteger;
  } else if (c == '-' || IsDigit(c)) {
    ++FPos;
    while (FPos < FSize && IsDigit(FData[FPos])) ++FPos;
    FToken = toInteger;
    while (FPos < FSize && IsFloatChar(FData[FPos])) {
      ++FPos;
      FToken = toFloat;
    }
    FText = std::string_view(reinterpret_cast<const char*>(FData + start), FPos - start);
    if (FPos < FSize && IsFloatType(FData[FPos])) {
      FFloatType = static_cast<char>(FData[FPos] | 0x20);
      ++FPos;
      FToken = toFloat;
    }
    return FToken;
  } else {
    // Any other byte is a token of its own; in UTF-8 text, a whole character is.
    len = c >= 0x80 && FUtf8 ? CodePointAt(FPos, cp) : 0;
    FPos += len > 0 ? len : 1;
    FToken = c;
  }
  FText = std::string_view(reinterpret_cast<const char*>(FData + start), FPos - start);
  return FToken;
}

void TParser::ScanString() {
  // First pass: find the end and whether an escape above 127 makes the string wide.
  size_t start = FPos;
  bool wide = false;
  while (FPos < FSize) {
    unsigned char c = FData[FPos];
    if (c == '\'') {
      ++FPos;
      for (;;) {
        if (FPos >= FSize) Error(msg::InvalidString);
        unsigned char d = FData[FPos];
        if (d == 0 || d == '\r' || d == '\n') Error(msg::InvalidString);
        ++FPos;
        if (d == '\'') {
          if (FPos < FSize && FData[FPos] == '\'') {
            ++FPos;
            continue;
          }
          break;
        }
      }
    } else if (c == '#') {
      ++FPos;
      if (FPos >= FSize || !IsDigit(FData[FPos])) Error(msg::InvalidString);
      uint32_t code = 0;
      while (FPos < FSize && IsDigit(FData[FPos])) {
        code = code * 10 + (FData[FPos++] - '0');
        // A UTF-16 code unit is all an escape can stand for.
        if (code > 0xFFFF) Error(msg::InvalidString);
      }
      if (code > 127) wide = true;
    } else {
      break;
    }
  }

  // Second pass: build the value. Quoted runs are decoded with the input's encoding;
  // escapes are single-byte characters, or UTF-16 code units in a wide string.
  std::string bytes;
  auto flushRun = [&](QString& out) {
    out += Decode(FUtf8, bytes.data(), bytes.size());
    bytes.clear();
  };
  QString out;
  size_t p = start;
  while (p < FPos) {
    if (FData[p] == '\'') {
      ++p;
      for (;;) {
        unsigned char d = FData[p++];
        if (d == '\'') {
          if (p < FPos && FData[p] == '\'') {
            bytes.push_back('\'');
            ++p;
            continue;
          }
          break;
        }
        bytes.push_back(static_cast<char>(d));
      }
      if (wide) flushRun(out);
    } else {
      ++p;
      uint32_t code = 0;
      while (p < FPos && IsDigit(FData[p])) code = code * 10 + (FData[p++] - '0');
      if (wide)
        out += QChar(static_cast<char16_t>(code));
      else
        bytes.push_back(static_cast<char>(code));
    }
  }
  if (!wide) flushRun(out);
  FString = std::move(out);
}

bool TParser::TokenInt(int64_t& Value) const {
  std::string_view t = FText;
  if (t.empty()) return false;
  if (t[0] == '$') {
    t.remove_prefix(1);
    if (t.empty() || t.size() > 16) return false;
    uint64_t v = 0;
    for (char c : t) v = (v << 4) | static_cast<uint64_t>(HexValue(static_cast<unsigned char>(c)));
    Value = static_cast<int64_t>(v);
    return true;
  }
  bool negative = t[0] == '-';
  if (negative) t.remove_prefix(1);
  if (t.empty()) return false;
  uint64_t limit = negative ? uint64_t{1} << 63 : static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  uint64_t v = 0;
  for (char c : t) {
    if (!IsDigit(static_cast<unsigned char>(c))) return false;
    auto d = static_cast<uint64_t>(c - '0');
    if (v > (limit - d) / 10) return false;
    v = v * 10 + d;
  }
  Value = negative ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
  return true;
}

bool TParser::TokenSymbolIs(const char* Symbol) const { return FToken == toSymbol && SameSymbol(FText, Symbol); }

void TParser::CheckToken(int Token) const {
  if (FToken == Token) return;
  switch (Token) {
    case toSymbol:
      Error(msg::IdentifierExpected);
    case toString:
      Error(msg::StringExpected);
    case toInteger:
    case toFloat:
      Error(msg::NumberExpected);
    default:
      Error(Format(msg::CharExpected, QString(QChar(static_cast<char16_t>(Token)))));
  }
}

void TParser::CheckTokenSymbol(const char* Symbol) const {
  if (TokenSymbolIs(Symbol)) return;
  Error(Format(msg::SymbolExpected, QString::fromLatin1(Symbol).toUpper()));
}

QByteArray TParser::HexToBinary() {
  QByteArray out;
  for (;;) {
    SkipBlanks();
    if (FPos < FSize && FData[FPos] == '}') {
      ++FPos;
      break;
    }
    if (FPos + 1 >= FSize || !IsHexDigit(FData[FPos]) || !IsHexDigit(FData[FPos + 1])) Error(msg::InvalidBinary);
    out.push_back(static_cast<char>((HexValue(FData[FPos]) << 4) | HexValue(FData[FPos + 1])));
    FPos += 2;
  }
  NextToken();
  return out;
}

}  // namespace tarnwick
