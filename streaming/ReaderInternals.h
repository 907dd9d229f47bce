#pragma once
// Private parts of TReader shared by its source files.
#include <QString>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "streaming/Reader.h"

namespace tarnwick {

// A component reference read as a name path, set once the named object exists.
struct TReader::Fixup {
  TPersistent* Instance;
  const TPropInfo* Prop;
  QString Path;
  // The collections whose items were being read when the reference was met: clearing
  // one of them frees the instance, and the reference with it.
  std::vector<TCollection*> Collections;
};

// A class's published properties by name with ASCII letters folded, so the reader finds
// a property without building a QString.
struct TReader::PropIndex {
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
  };
  struct Equal {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return a == b; }
  };
  std::unordered_map<std::string, const TPropInfo*, Hash, Equal> ByName;
  // Some name is not plain ASCII: a miss must be confirmed with Unicode case folding.
  bool NonAscii = false;
};

template <class T>
T TReader::ReadLE() {
  Need(sizeof(T));
  using U = std::make_unsigned_t<T>;
  U u = 0;
  for (size_t i = 0; i < sizeof(T); ++i) u = static_cast<U>(u | (static_cast<U>(FPtr[i]) << (8 * i)));
  FPtr += sizeof(T);
  return static_cast<T>(u);
}

}  // namespace tarnwick
