#pragma once
// Small UTF-8 / UTF-16 helpers for the stream code's hot paths, which must not allocate a
// QString or QByteArray per value.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick::utf {

inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
inline bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// True when every high surrogate is followed by a low one and no low one stands alone.
bool SurrogatesPaired(const char16_t* s, size_t n);

// The string with every unpaired surrogate replaced by U+FFFD, so its UTF-8 and UTF-16
// forms carry the same characters.
QString WithoutLoneSurrogates(const QString& s);

// Bytes of the UTF-8 form of s (well-formed s: no lone surrogates); ascii tells whether
// every code unit is below 0x80.
size_t Utf8Length(const char16_t* s, size_t n, bool& ascii);
// Appends the UTF-8 form of a well-formed s to out.
void AppendUtf8(std::string& out, const char16_t* s, size_t n);

// The longest prefix of the UTF-8 bytes s that is at most max bytes long and does not end
// inside a multi-byte sequence.
size_t Utf8PrefixLength(std::string_view s, size_t max);

// Decodes one code point of UTF-8 at s (n bytes available). Returns the number of bytes
// it takes, or 0 when the bytes there are not well-formed UTF-8.
size_t DecodeUtf8(const unsigned char* s, size_t n, char32_t& cp);

}  // namespace tarnwick::utf
