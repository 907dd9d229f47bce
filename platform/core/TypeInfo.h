#pragma once
// Run-time descriptions of value types that streams and property editors need: the names
// of an enumeration's values, and the identifier maps that let some integer types (colours,
// cursors, font character sets) be written as names.
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// An enumeration type: value names in ordinal order. Sets refer to the enumeration of
// their members.
class TEnumTypeInfo {
 public:
  TEnumTypeInfo(QString typeName, std::initializer_list<const char*> names);
  const QString& TypeName() const { return FTypeName; }
  int Count() const { return static_cast<int>(FNames.size()); }
  // Empty for an ordinal outside the type.
  QString NameOf(int64_t ordinal) const;
  // The same name as the stream writes it; empty for an ordinal outside the type.
  std::string_view Utf8NameOf(int64_t ordinal) const;
  // Ordinal of a name, letter case ignored; -1 when unknown.
  int ValueOf(const QString& name) const;

 private:
  QString FTypeName;
  std::vector<QString> FNames;
  std::vector<std::string> FUtf8Names;
};

// The Boolean type as an enumeration: False, True.
const TEnumTypeInfo& BooleanTypeInfo();

struct TIdentMapEntry {
  int32_t Value;
  const char* Name;
};

// Integer type whose values may be written as identifiers. Lookups by value return the
// first row carrying it; lookups by name ignore letter case.
class TIdentMap {
 public:
  TIdentMap(QString typeName, std::initializer_list<TIdentMapEntry> rows);
  const QString& TypeName() const { return FTypeName; }
  const std::vector<TIdentMapEntry>& Rows() const { return FRows; }
  bool IntToIdent(int32_t value, QString& ident) const;
  // The first row's name for the value, or null.
  const char* NameOf(int32_t value) const;
  bool IdentToInt(const QString& ident, int32_t& value) const;

 private:
  QString FTypeName;
  std::vector<TIdentMapEntry> FRows;
};

// The three integer types with names: TColor, TCursor and TFontCharset.
const TIdentMap& ColorIdents();
const TIdentMap& CursorIdents();
const TIdentMap& CharsetIdents();

}  // namespace tarnwick
