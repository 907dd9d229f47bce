#pragma once
// TSet<E>: a set of a small enumeration, stored as a bit mask in which the member with
// ordinal n is bit n. Storage is the integer type the set occupies in a stream or record
// (one byte for up to 8 members, and so on), so masks round-trip exactly.
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace tarnwick {

template <class E, class Storage = uint32_t>
class TSet {
  static_assert(std::is_enum_v<E>, "TSet holds enumeration values");
  static_assert(std::is_unsigned_v<Storage>, "TSet storage is an unsigned integer");

 public:
  static constexpr int Capacity = sizeof(Storage) * 8;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E e : members) Include(e);
  }
  static constexpr TSet FromMask(uint64_t mask) {
    TSet s;
    s.FBits = static_cast<Storage>(mask);
    return s;
  }

  constexpr Storage Mask() const { return FBits; }
  constexpr bool Contains(E e) const { return Valid(e) && (FBits & Bit(e)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E e) {
    if (Valid(e)) FBits |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    if (Valid(e)) FBits &= static_cast<Storage>(~Bit(e));
    return *this;
  }

  constexpr TSet operator+(TSet o) const { return FromMask(FBits | o.FBits); }
  constexpr TSet operator-(TSet o) const { return FromMask(FBits & ~o.FBits); }
  constexpr TSet operator*(TSet o) const { return FromMask(FBits & o.FBits); }
  constexpr TSet operator+(E e) const { return TSet(*this).Include(e); }
  constexpr TSet operator-(E e) const { return TSet(*this).Exclude(e); }
  constexpr TSet& operator+=(TSet o) { return *this = *this + o; }
  constexpr TSet& operator-=(TSet o) { return *this = *this - o; }
  constexpr TSet& operator+=(E e) { return Include(e); }
  constexpr TSet& operator-=(E e) { return Exclude(e); }
  // Subset test (the "<=" of set algebra).
  constexpr bool SubsetOf(TSet o) const { return (FBits & ~o.FBits) == 0; }
  friend constexpr bool operator==(TSet a, TSet b) { return a.FBits == b.FBits; }

 private:
  static constexpr bool Valid(E e) {
    auto n = static_cast<int64_t>(e);
    return n >= 0 && n < Capacity;
  }
  static constexpr Storage Bit(E e) { return static_cast<Storage>(Storage{1} << static_cast<int>(e)); }
  Storage FBits = 0;
};

}  // namespace tarnwick
