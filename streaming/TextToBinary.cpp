// Text form -> binary object stream.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

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

// Thrown inside a conversion that another thread gave up on.
struct TConversionCancelled {};

class TextToBinary {
 public:
  TextToBinary(TParser& Parser, TWriter& Writer) : P(Parser), W(Writer) {}

  // Converts the root object up to the child whose header starts at AStop in the input,
  // if the root has one there; answers whether it stopped there. What the root has left
  // (its children from there on and the end of their list) is then still to be written.
  bool ConvertRootUpTo(size_t AStop) {
    FStopAt = AStop;
    ConvertObject(true);
    return FStopped;
  }

  // Converts the root's children from the parser's position, up to the root's "end", and
  // the end of their list: the second part of a document cut between two children. Stops
  // with TConversionCancelled once ACancel is set.
  void ConvertRootTail(const std::atomic<bool>& ACancel) {
    FCancel = &ACancel;
    // As deep as the children of the root.
    Nesting root(*this);
    while (!P.TokenSymbolIs("end")) ConvertObject(false);
    W.WriteListEnd();
  }

  void ConvertObject(bool IsRoot) {
    if (FCancel && FCancel->load(std::memory_order_relaxed)) throw TConversionCancelled{};
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
    while (!P.TokenSymbolIs("end")) {
      if (IsRoot && P.TokenStart() == FStopAt) {
        FStopped = true;
        return;
      }
      ConvertObject(false);
    }
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

  size_t FStopAt = std::numeric_limits<size_t>::max();
  bool FStopped = false;
  const std::atomic<bool>* FCancel = nullptr;

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

namespace {

// Documents from this size on are converted on two threads.
constexpr qsizetype SplitFromBytes = qsizetype{1} << 20;

// Where a second thread may take a large document up: the line of a child of the root
// ("  object ", as the writer indents them) nearest after the middle, or 0. The text is
// only searched here; the first thread's parse confirms the root really has a child
// starting there, which a string or a nested object that looks the same would not.
size_t SplitLine(const QByteArray& Text) {
  if (Text.size() < SplitFromBytes) return 0;
  const std::string_view all(Text.constData(), static_cast<size_t>(Text.size()));
  const size_t at = all.find("\n  object ", all.size() / 2);
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

void ConvertTextToBinary(TStream& Input, TStream& Output) {
  const QByteArray text = RemainingInput(Input);
  TParser parser(text);
  TWriter writer(Output);
  writer.WriteSignature();
  TextToBinary head(parser, writer);
  const size_t split = SplitLine(text);
  if (split == 0) {
    head.ConvertObject(true);
    writer.FlushBuffer();
    return;
  }
  // The part from the split line on is converted on another thread while this one does
  // the part before it; both parsers read the same bytes, and the tail's writer fills a
  // buffer of its own that follows the head's output. The result is the same byte for
  // byte, and so is an error: the tail's parser counts lines from the split line's number.
  const auto line = static_cast<int>(std::count(text.constData(), text.constData() + split, '\n')) + 1;
  TMemoryStream tailOut;
  std::atomic<bool> cancel{false};
  std::exception_ptr tailError;
  auto convertTail = [&] {
    try {
      TParser tailParser(text, split, line, parser.IsUtf8());
      TWriter tailWriter(tailOut);
      TextToBinary(tailParser, tailWriter).ConvertRootTail(cancel);
    } catch (...) {
      tailError = std::current_exception();
    }
  };
  std::thread tail;
  try {
    tail = std::thread(convertTail);
  } catch (const std::system_error&) {
    // No thread to be had: everything here, in order.
    head.ConvertObject(true);
    writer.FlushBuffer();
    return;
  }
  bool stopped = false;
  try {
    // The "object" token of the split line.
    stopped = head.ConvertRootUpTo(split + 2);
    if (!stopped) writer.FlushBuffer();
  } catch (...) {
    cancel = true;
    tail.join();
    throw;
  }
  if (!stopped) {
    // The split line was no child of the root: this thread converted everything.
    cancel = true;
    tail.join();
    return;
  }
  tail.join();
  writer.FlushBuffer();
  // What the tail wrote before an error stays, as it would have in one pass.
  Output.WriteBuffer(tailOut.Memory(), tailOut.GetSize());
  if (tailError) std::rethrow_exception(tailError);
}

}  // namespace tarnwick
