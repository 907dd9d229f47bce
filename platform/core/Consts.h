#pragma once
// The platform's fixed message texts, in one place so every raise site says the same.
namespace tarnwick::msg {

inline constexpr const char* InvalidStreamFormat = "Invalid stream format";
inline constexpr const char* ReadError = "Stream read error";
inline constexpr const char* WriteError = "Stream write error";
inline constexpr const char* ClassNotFound = "Class %s not found";
inline constexpr const char* UnknownProperty = "Property %s does not exist";
inline constexpr const char* InvalidPropValue = "Invalid property value";
inline constexpr const char* InvalidPropPath = "Invalid property path";
inline constexpr const char* ReadOnlyProp = "Property is read-only";
inline constexpr const char* DuplicateName = "A component named %s already exists";
inline constexpr const char* InvalidName = "'%s' is not a valid component name";
inline constexpr const char* ErrorReading = "Error reading %s%s%s: %s";
inline constexpr const char* AssignError = "Cannot assign a %s to a %s";
inline constexpr const char* ListIndexError = "List index out of bounds (%d)";
inline constexpr const char* DuplicateString = "String list does not allow duplicates";
inline constexpr const char* SortedListError = "Operation not allowed on sorted list";
inline constexpr const char* FOpenError = "Cannot open file \"%s\". %s";
inline constexpr const char* FCreateError = "Cannot create file \"%s\". %s";
inline constexpr const char* SeekNotImplemented = "Stream does not support seeking";
inline constexpr const char* MemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* UniqueName = "%s_%d";

}  // namespace tarnwick::msg
