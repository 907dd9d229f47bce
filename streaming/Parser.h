#pragma once
// TParser: the tokenizer of the object stream's text form. It works on the whole input in
// memory; its encoding comes from a leading byte-order mark (UTF-8 with the mark,
// Latin-1 without). Every error carries the line number: "<text> on line <n>".
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string_view>

namespace tarnwick {

// Token kinds; any other token is the character itself (its byte value).
enum : int { toEOF = 0, toSymbol = 1, toString = 2, toInteger = 3, toFloat = 4 };

class TParser {
 public:
  // Rejects a UTF-16 or UTF-32 byte-order mark and reads the first token.
  explicit TParser(QByteArray Input);
  // Takes the input up at ALineStart, the start of line ALine, in the encoding a parser of
  // the whole input found; lets a second thread tokenize the later part of a document.
  TParser(QByteArray Input, size_t ALineStart, int ALine, bool AUtf8);

  int Token() const { return FToken; }
  int NextToken();
  int SourceLine() const { return FLine; }
  bool IsUtf8() const { return FUtf8; }
  // Where the current token starts in the input.
  size_t TokenStart() const { return FTokenStart; }

  // The bytes of a symbol or number token (a float without its type letter).
  std::string_view TokenText() const { return FText; }
  // The value of a string token.
  const QString& TokenString() const { return FString; }
  // The type letter of a float token ('s', 'c', 'd', 'f' in either case), or 0.
  char FloatType() const { return FFloatType; }
  // The value of an integer token; false when it does not fit 64 bits.
  bool TokenInt(int64_t& Value) const;
  bool TokenSymbolIs(const char* Symbol) const;

  // Raise the matching "... expected" error unless the current token is as required.
  void CheckToken(int Token) const;
  void CheckTokenSymbol(const char* Symbol) const;
  [[noreturn]] void Error(const QString& Message) const { Error(Message, FLine); }
  [[noreturn]] void Error(const QString& Message, int Line) const;

  // After a '{' token: the bytes of hexadecimal pairs up to the closing '}', which is
  // consumed with the token after it.
  QByteArray HexToBinary();

 private:
  void SkipBlanks();
  void CheckLineLength();
  void ScanString();
  size_t CodePointAt(size_t Pos, char32_t& Cp) const;

  QByteArray FInput;
  const unsigned char* FData;
  size_t FSize;
  size_t FPos = 0;
  size_t FTokenStart = 0;
  // Lines that start before this offset are known to end within the longest allowed line.
  size_t FLinesCheckedTo = 0;
  int FLine = 1;
  bool FUtf8 = false;
  int FToken = toEOF;
  std::string_view FText;
  QString FString;
  char FFloatType = 0;
};

}  // namespace tarnwick
