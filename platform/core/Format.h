#pragma once
// Message formatting with the "%s" / "%d" patterns the system's fixed messages use.
// Arguments replace the placeholders in order; "%%" is a literal percent sign. Numbers are
// written without locale (no group separators), so messages read the same everywhere.
#include <QString>
#include <concepts>
#include <string>
#include <string_view>

namespace tarnwick {

namespace detail {
inline QString FormatArg(const QString& s) { return s; }
inline QString FormatArg(const char* s) { return QString::fromUtf8(s); }
inline QString FormatArg(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
template <std::integral T>
QString FormatArg(T v) {
  return QString::number(v);
}
inline QString FormatArg(double v) { return QString::number(v, 'g', 15); }
QString FormatImpl(const QString& pattern, const QString* args, int count);
}  // namespace detail

template <class... Args>
QString Format(const QString& pattern, const Args&... args) {
  const QString list[] = {QString(), detail::FormatArg(args)...};
  return detail::FormatImpl(pattern, list + 1, static_cast<int>(sizeof...(Args)));
}

}  // namespace tarnwick
