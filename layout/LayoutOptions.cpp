#include "layout/LayoutOptions.h"

#include <array>
#include <utility>

namespace tarnwick {

namespace {

constexpr std::array<std::pair<TLayoutAlgorithm, const char*>, 3> kAlgorithms{
    {{laLayered, "layered"}, {laForce, "force"}, {laCircular, "circular"}}};
constexpr std::array<std::pair<TLayoutDirection, const char*>, 2> kDirections{
    {{ldTopToBottom, "top-to-bottom"}, {ldLeftToRight, "left-to-right"}}};

template <typename Table, typename Value>
QString NameIn(const Table& ATable, Value AValue) {
  for (const auto& [value, name] : ATable)
    if (value == AValue) return QString::fromLatin1(name);
  return {};
}

template <typename Value, typename Table>
std::optional<Value> ValueIn(const Table& ATable, const QString& AName) {
  for (const auto& [value, name] : ATable)
    if (AName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return value;
  return std::nullopt;
}

}  // namespace

QString AlgorithmName(TLayoutAlgorithm AAlgorithm) { return NameIn(kAlgorithms, AAlgorithm); }
std::optional<TLayoutAlgorithm> AlgorithmFromName(const QString& AName) {
  return ValueIn<TLayoutAlgorithm>(kAlgorithms, AName);
}
QString DirectionName(TLayoutDirection ADirection) { return NameIn(kDirections, ADirection); }
std::optional<TLayoutDirection> DirectionFromName(const QString& AName) {
  return ValueIn<TLayoutDirection>(kDirections, AName);
}

}  // namespace tarnwick
