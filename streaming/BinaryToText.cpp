// Binary object stream -> text form.
#include <algorithm>
#include <charconv>
#include <string>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "streaming/ExtendedText.h"
#include "streaming/FloatText.h"
#include "streaming/Reader.h"
#include "streaming/StreamConsts.h"
#include "streaming/TextConvert.h"

namespace tarnwick {

namespace {

class BinaryToText {
 public:
  explicit BinaryToText(TReader& Reader) : R(Reader) {
    // The text of a typical stream is under twice its size: one allocation, no regrowth.
    Out.reserve(static_cast<size_t>(std::min<int64_t>(R.BytesLeft(), int64_t{1} << 30) * 2));
  }

  void Run() {
    R.ReadSignature();
    ConvertObject(0);
    Out += "\r\n";
  }
  const std::string& Text() const { return Out; }
  bool NeedsBom() const { return FNonAscii; }

 private:
  struct Nesting {
    explicit Nesting(BinaryToText& c) : C(c) {
      if (++C.Depth > MaxStreamNesting) throw EReadError(msg::NestingTooDeep, MaxStreamNesting);
    }
    ~Nesting() { --C.Depth; }
    BinaryToText& C;
  };

  // Starts a line at the given nesting level; lines are joined by CR LF.
  void Line(int Level) {
    if (!Out.empty()) Out += "\r\n";
    Out.append(static_cast<size_t>(Level) * 2, ' ');
  }

  void Ident(std::string_view s) {
    for (char c : s)
      if (static_cast<unsigned char>(c) >= 0x80) {
        FNonAscii = true;
        break;
      }
    Out.append(s);
  }

  template <class T>
  void Number(T v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    Out.append(buf, r.ptr);
  }

  void ConvertObject(int Level) {
    Nesting nesting(*this);
    TFilerFlags flags;
    int position = 0;
    R.ReadPrefix(flags, position);
    std::string className(R.ReadUtf8Str());
    std::string name(R.ReadUtf8Str());
    Line(Level);
    Out += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
    if (!name.empty()) {
      Ident(name);
      Out += ": ";
    }
    Ident(className);
    if (flags.Contains(ffChildPos)) {
      Out += " [";
      Number(position);
      Out += ']';
    }
    std::string savedObject = std::move(FObjectName);
    FObjectName = name.empty() ? className : name;
    while (!R.EndOfList()) ConvertProperty(Level + 1);
    R.ReadListEnd();
    while (!R.EndOfList()) ConvertObject(Level + 1);
    R.ReadListEnd();
    FObjectName = std::move(savedObject);
    Line(Level);
    Out += "end";
  }

  void ConvertProperty(int Level) {
    FPropName = R.ReadUtf8Str();
    Line(Level);
    Ident(FPropName);
    Out += " = ";
    ConvertValue(Level);
  }

  void ConvertValue(int Level) {
    TValueType tag = R.NextValue();
    switch (tag) {
      case vaList: {
        Nesting nesting(*this);
        R.ReadValue();
        Out += '(';
        while (!R.EndOfList()) {
          Line(Level + 1);
          ConvertValue(Level + 1);
        }
        R.ReadListEnd();
        Out += ')';
        break;
      }
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        Number(R.ReadInt64());
        break;
      case vaExtended:
        Out += floattext::FixedText(R.ReadExtended());
        break;
      case vaDouble:
        Out += floattext::FixedText(R.ReadFloat());
        break;
      case vaSingle:
        Out += floattext::GeneralText(R.ReadSingle());
        Out += 's';
        break;
      case vaCurrency:
        Number(R.ReadCurrency());
        Out += 'c';
        break;
      case vaDate:
        Out += floattext::GeneralText(R.ReadDate());
        Out += 'd';
        break;
      case vaString:
      case vaLString:
      case vaWString:
      case vaUTF8String:
        ConvertString(R.ReadString(), Level);
        break;
      case vaIdent:
        R.ReadValue();
        Ident(R.ReadUtf8Str());
        break;
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull:
        Out += R.ReadUtf8Ident();
        break;
      case vaBinary:
        ConvertBinary(R.ReadBinary(), Level);
        break;
      case vaSet: {
        R.ReadValue();
        Out += '[';
        bool first = true;
        for (;;) {
          std::string_view member = R.ReadUtf8Str();
          if (member.empty()) break;
          if (!first) Out += ", ";
          first = false;
          Ident(member);
        }
        Out += ']';
        break;
      }
      case vaCollection: {
        Nesting nesting(*this);
        R.ReadValue();
        Out += '<';
        while (!R.EndOfList()) {
          Line(Level + 1);
          Out += "item";
          if (IsIntegerValue(R.NextValue())) {
            Out += " [";
            Number(R.ReadInteger());
            Out += ']';
          }
          R.ReadListBegin();
          while (!R.EndOfList()) ConvertProperty(Level + 2);
          R.ReadListEnd();
          Line(Level + 1);
          Out += "end";
        }
        R.ReadListEnd();
        Out += '>';
        break;
      }
      default:
        throw EReadError(msg::ErrorReading, QString::fromStdString(FObjectName), QStringLiteral("."),
                         QString::fromStdString(FPropName), static_cast<int>(tag));
    }
  }

  // Quoted runs of plain characters and #n escapes for the rest, at most 64 source
  // characters to a line; a string longer than that starts on a line of its own.
  void ConvertString(const QString& s, int Level) {
    const auto* u = reinterpret_cast<const char16_t*>(s.constData());
    auto len = static_cast<size_t>(s.size());
    if (len == 0) {
      Out += "''";
      return;
    }
    auto special = [u](size_t i) { return u[i] < 32 || u[i] == '\'' || u[i] > 127; };
    int level = Level + 1;
    if (len > 64) Line(level);
    size_t k = 0, i = 0;
    for (;;) {
      size_t j;
      if (special(i)) {
        Out += '#';
        Number(static_cast<unsigned>(u[i]));
        j = i + 1;
      } else {
        j = i + 1;
        while (j < len && !special(j) && j - k < 64) ++j;
        Out += '\'';
        for (size_t p = i; p < j; ++p) Out += static_cast<char>(u[p]);
        Out += '\'';
      }
      if (j - k >= 64 && j < len) {
        Out += " +";
        Line(level);
        k = j;
      }
      if (j >= len) break;
      i = j;
    }
  }

  // Upper-case hexadecimal, 32 bytes to a line; 32 bytes or more start on a new line.
  void ConvertBinary(const QByteArray& bytes, int Level) {
    static const char hex[] = "0123456789ABCDEF";
    Out += '{';
    auto n = static_cast<size_t>(bytes.size());
    for (size_t start = 0; start < n; start += 32) {
      if (n >= 32) Line(Level + 1);
      size_t end = start + 32 < n ? start + 32 : n;
      for (size_t p = start; p < end; ++p) {
        auto b = static_cast<unsigned char>(bytes[static_cast<qsizetype>(p)]);
        Out += hex[b >> 4];
        Out += hex[b & 15];
      }
    }
    Out += '}';
  }

  TReader& R;
  std::string Out;
  std::string FObjectName;
  std::string FPropName;
  bool FNonAscii = false;
  int Depth = 0;
};

}  // namespace

void ConvertBinaryToText(TStream& Input, TStream& Output) {
  TReader reader(Input);
  BinaryToText converter(reader);
  converter.Run();
  reader.FlushBuffer();
  // The mark is decided only now: any identifier may need it.
  if (converter.NeedsBom()) Output.WriteBuffer("\xEF\xBB\xBF", 3);
  Output.WriteBuffer(converter.Text().data(), static_cast<int64_t>(converter.Text().size()));
}

}  // namespace tarnwick
