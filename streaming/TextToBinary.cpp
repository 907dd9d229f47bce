// Text form -> binary object stream.
#include <cmath>
#include <limits>
#include <string>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Format.h"
#include "platform/core/Stream.h"
#include "streaming/FloatText.h"
#include "streaming/Parser.h"
#include "streaming/StreamConsts.h"
#include "streaming/TextConvert.h"
#include "streaming/Utf.h"
#include "streaming/Writer.h"

namespace tarnwick {

namespace {

// Ties-to-even rounding of a double already known to lie inside the int64 range.
int64_t RoundToInt64(double v) {
  double r = std::floor(v);
  double diff = v - r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  return static_cast<int64_t>(r);
}

bool IsPlainInteger(std::string_view t) {
  size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
  if (i == t.size()) return false;
  for (; i < t.size(); ++i)
    if (t[i] < '0' || t[i] > '9') return false;
  return true;
}

class TextToBinary {
 public:
  TextToBinary(TParser& Parser, TWriter& Writer) : P(Parser), W(Writer) {}

  void ConvertObject(bool IsRoot) {
    Nesting nesting(*this);
    TFilerFlags flags;
    if (P.TokenSymbolIs("inherited"))
      flags.Include(ffInherited);
    else if (P.TokenSymbolIs("inline"))
      flags.Include(ffInline);
    else
      P.CheckTokenSymbol("object");
    P.NextToken();
    P.CheckToken(toSymbol);
    std::string name(P.TokenText());
    std::string className;
    P.NextToken();
    if (P.Token() == ':') {
      P.NextToken();
      P.CheckToken(toSymbol);
      className = P.TokenText();
      P.NextToken();
    } else {
      className = std::move(name);
      name.clear();
    }
    int position = 0;
    if (P.Token() == '[') {
      P.NextToken();
      position = Int32Token();
      flags.Include(ffChildPos);
      P.NextToken();
      P.CheckToken(']');
      P.NextToken();
    }
    W.WriteRecordHeader(flags, position, className, name);
    while (!P.TokenSymbolIs("end") && !P.TokenSymbolIs("object") && !P.TokenSymbolIs("inherited") &&
           !P.TokenSymbolIs("inline"))
      ConvertProperty();
    W.WriteListEnd();
    while (!P.TokenSymbolIs("end")) ConvertObject(false);
    W.WriteListEnd();
    // Nothing after the root's end is looked at, not even the next token.
    if (!IsRoot) P.NextToken();
  }

 private:
  struct Nesting {
    explicit Nesting(TextToBinary& c) : C(c) {
      if (++C.Depth > MaxStreamNesting) C.P.Error(Format(msg::NestingTooDeep, MaxStreamNesting));
    }
    ~Nesting() { --C.Depth; }
    TextToBinary& C;
  };

  // The number inside "[ ]" of a header or an item: a 32-bit integer.
  int Int32Token() {
    int64_t v = 0;
    if (P.Token() != toInteger || !P.TokenInt(v) || v < std::numeric_limits<int32_t>::min() ||
        v > std::numeric_limits<int32_t>::max())
      P.Error(msg::NumberExpected);
    return static_cast<int>(v);
  }

  void ConvertProperty() {
    P.CheckToken(toSymbol);
    std::string name(P.TokenText());
    P.NextToken();
    while (P.Token() == '.') {
      P.NextToken();
      P.CheckToken(toSymbol);
      name += '.';
      name += P.TokenText();
      P.NextToken();
    }
    W.WriteUtf8Str(name);
    P.CheckToken('=');
    P.NextToken();
    ConvertValue();
  }

  void ConvertValue() {
    switch (P.Token()) {
      case toSymbol: {
        std::string ident(P.TokenText());
        P.NextToken();
        while (P.Token() == '.') {
          P.NextToken();
          P.CheckToken(toSymbol);
          ident += '.';
          ident += P.TokenText();
          P.NextToken();
        }
        W.WriteUtf8Ident(ident);
        break;
      }
      case toString: {
        int line = P.SourceLine();
        QString s = P.TokenString();
        P.NextToken();
        while (P.Token() == '+') {
          P.NextToken();
          P.CheckToken(toString);
          s += P.TokenString();
          P.NextToken();
        }
        // Escapes are UTF-16 code units; a surrogate without its partner is no character.
        if (!utf::SurrogatesPaired(reinterpret_cast<const char16_t*>(s.constData()), static_cast<size_t>(s.size())))
          P.Error(msg::InvalidString, line);
        W.WriteString(s);
        break;
      }
      case toInteger: {
        int64_t v = 0;
        if (!P.TokenInt(v)) P.Error(msg::InvalidPropValue);
        W.WriteInteger(v);
        P.NextToken();
        break;
      }
      case toFloat:
        ConvertFloat();
        P.NextToken();
        break;
      case '(': {
        Nesting nesting(*this);
        P.NextToken();
        W.WriteListBegin();
        while (P.Token() != ')') ConvertValue();
        W.WriteListEnd();
        P.NextToken();
        break;
      }
      case '[':
        ConvertSet();
        break;
      case '<': {
        Nesting nesting(*this);
        P.NextToken();
        W.WriteValue(vaCollection);
        while (P.Token() != '>') {
          P.CheckTokenSymbol("item");
          P.NextToken();
          if (P.Token() == '[') {
            P.NextToken();
            W.WriteInteger(Int32Token());
            P.NextToken();
            P.CheckToken(']');
            P.NextToken();
          }
          W.WriteListBegin();
          while (!P.TokenSymbolIs("end")) ConvertProperty();
          W.WriteListEnd();
          P.NextToken();
        }
        W.WriteListEnd();
        P.NextToken();
        break;
      }
      case '{': {
        QByteArray bytes = P.HexToBinary();
        W.WriteBinary(bytes.constData(), bytes.size());
        break;
      }
      default:
        P.Error(msg::InvalidPropValue);
    }
  }

  void ConvertSet() {
    P.NextToken();
    W.WriteValue(vaSet);
    if (P.Token() != ']') {
      for (;;) {
        std::string member;
        if (P.Token() == toInteger) {
          member = P.TokenText();
        } else if (P.Token() == toString) {
          if (P.TokenString().isEmpty()) P.Error(msg::InvalidPropValue);
          member = '#';
          member += std::to_string(P.TokenString()[0].unicode());
        } else {
          P.CheckToken(toSymbol);
          member = P.TokenText();
        }
        W.WriteUtf8Str(member);
        if (P.NextToken() == ']') break;
        P.CheckToken(',');
        P.NextToken();
      }
    }
    W.WriteUtf8Str({});
    P.NextToken();
  }

  void ConvertFloat() {
    std::string_view text = P.TokenText();
    using floattext::ParseResult;
    switch (P.FloatType()) {
      case 's': {
        float v = 0;
        if (floattext::ParseFloat(text, v) != ParseResult::Ok) P.Error(msg::InvalidPropValue);
        W.WriteSingle(v);
        return;
      }
      case 'c': {
        // The text holds the currency's stored integer (value times 10000).
        int64_t scaled = 0;
        if (IsPlainInteger(text)) {
          if (!P.TokenInt(scaled)) P.Error(msg::InvalidPropValue);
        } else {
          double v = 0;
          if (floattext::ParseDouble(text, v) != ParseResult::Ok || std::fabs(v) >= 9.2233720368547758e18)
            P.Error(msg::InvalidPropValue);
          scaled = RoundToInt64(v);
        }
        W.WriteCurrency(scaled);
        return;
      }
      default: {
        double v = 0;
        if (floattext::ParseDouble(text, v) != ParseResult::Ok) P.Error(msg::InvalidPropValue);
        if (P.FloatType() == 'd')
          W.WriteDate(v);
        else
          W.WriteFloat(v);
        return;
      }
    }
  }

  TParser& P;
  TWriter& W;
  int Depth = 0;
};

}  // namespace

namespace {

// The rest of the input; a whole memory stream is shared rather than copied.
QByteArray RemainingInput(TStream& Input) {
  auto* memory = dynamic_cast<TMemoryStream*>(&Input);
  if (!memory || memory->GetPosition() != 0) return Input.ReadAll();
  memory->Seek(0, soEnd);
  return memory->Bytes();
}

}  // namespace

void ConvertTextToBinary(TStream& Input, TStream& Output) {
  TParser parser(RemainingInput(Input));
  TWriter writer(Output);
  writer.WriteSignature();
  TextToBinary(parser, writer).ConvertObject(true);
  writer.FlushBuffer();
}

}  // namespace tarnwick
