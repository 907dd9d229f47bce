#include "streaming/Utf.h"

namespace tarnwick::utf {

bool SurrogatesPaired(const char16_t* s, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    if (IsHighSurrogate(s[i])) {
      if (i + 1 >= n || !IsLowSurrogate(s[i + 1])) return false;
      ++i;
    } else if (IsLowSurrogate(s[i])) {
      return false;
    }
  }
  return true;
}

QString WithoutLoneSurrogates(const QString& s) {
  const auto* p = reinterpret_cast<const char16_t*>(s.constData());
  size_t n = static_cast<size_t>(s.size());
  if (SurrogatesPaired(p, n)) return s;
  QString out = s;
  for (size_t i = 0; i < n; ++i) {
    if (IsHighSurrogate(p[i]) && i + 1 < n && IsLowSurrogate(p[i + 1])) {
      ++i;
    } else if (IsSurrogate(p[i])) {
      out[static_cast<qsizetype>(i)] = QChar(0xFFFD);
    }
  }
  return out;
}

size_t Utf8Length(const char16_t* s, size_t n, bool& ascii) {
  size_t len = 0;
  ascii = true;
  for (size_t i = 0; i < n; ++i) {
    char16_t c = s[i];
    if (c < 0x80) {
      len += 1;
      continue;
    }
    ascii = false;
    if (c < 0x800) {
      len += 2;
    } else if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(s[i + 1])) {
      len += 4;
      ++i;
    } else {
      len += 3;
    }
  }
  return len;
}

void AppendUtf8(std::string& out, const char16_t* s, size_t n) {
  // Names and most texts are ASCII: that leading run is copied in one step, since this
  // runs for every property name a stream carries.
  size_t ascii = 0;
  while (ascii < n && s[ascii] < 0x80) ++ascii;
  if (ascii > 0) {
    const size_t at = out.size();
    out.resize(at + ascii);
    for (size_t i = 0; i < ascii; ++i) out[at + i] = static_cast<char>(s[i]);
  }
  for (size_t i = ascii; i < n; ++i) {
    char32_t c = s[i];
    if (IsHighSurrogate(s[i]) && i + 1 < n && IsLowSurrogate(s[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (IsSurrogate(s[i])) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
}

size_t Utf8PrefixLength(std::string_view s, size_t max) {
  if (s.size() <= max) return s.size();
  size_t cut = max;
  // Step back over continuation bytes to the start of the character that straddles the
  // cut; that character is left out whole.
  while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

size_t DecodeUtf8(const unsigned char* s, size_t n, char32_t& cp) {
  if (n == 0) return 0;
  unsigned char b = s[0];
  if (b < 0x80) {
    cp = b;
    return 1;
  }
  size_t len;
  char32_t min;
  if ((b & 0xE0) == 0xC0) {
    len = 2;
    cp = b & 0x1F;
    min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    len = 3;
    cp = b & 0x0F;
    min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    len = 4;
    cp = b & 0x07;
    min = 0x10000;
  } else {
    return 0;
  }
  if (n < len) return 0;
  for (size_t i = 1; i < len; ++i) {
    if ((s[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (s[i] & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace tarnwick::utf
