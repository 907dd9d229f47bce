#pragma once
// Helpers that build published-property entries from member function pointers, so a
// class's table reads like its declaration:
//
//   TClassInfo info("TPen", &TPersistent::StaticClassInfo(), {
//       ColorProp("Color", &TPen::GetColor, &TPen::SetColor, clBlack),
//       EnumProp("Mode", PenModeType(), &TPen::GetMode, &TPen::SetMode, pmCopy),
//       IntProp("Width", &TPen::GetWidth, &TPen::SetWidth, 1)}, ...);
//
// Getters may be const or not; pass nullptr as the setter of a read-only property.
#include <type_traits>

#include "platform/core/ClassInfo.h"
#include "platform/core/Colors.h"
#include "platform/core/Persistent.h"
#include "platform/core/Set.h"

namespace tarnwick {

namespace detail {
template <class M>
struct MemberClass;
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)> {
  using type = C;
};
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...) const> {
  using type = C;
};
template <class C, class R>
struct MemberClass<R C::*> {
  using type = C;
};
template <class G>
using MemberClassT = typename MemberClass<G>::type;

template <class C>
C& As(TPersistent& p) {
  return static_cast<C&>(p);
}
}  // namespace detail

// 32-bit integer (or any integral value), optionally with an identifier map.
template <class G, class S>
TPropInfo IntProp(const QString& name, G get, S set, int64_t def = NoDefault, const TIdentMap* idents = nullptr) {
  using C = detail::MemberClassT<G>;
  TPropInfo p;
  p.Name = name;
  p.Kind = tkInteger;
  p.Idents = idents;
  p.Default = def;
  p.GetOrd = [get](TPersistent& o) { return static_cast<int64_t>((detail::As<C>(o).*get)()); };
  if constexpr (!std::is_null_pointer_v<S>) {
    using V = std::remove_cvref_t<decltype((std::declval<C&>().*get)())>;
    p.SetOrd = [set](TPersistent& o, int64_t v) { (detail::As<C>(o).*set)(static_cast<V>(v)); };
  }
  return p;
}

template <class G, class S>
TPropInfo ColorProp(const QString& name, G get, S set, int64_t def = NoDefault) {
  return IntProp(name, get, set, def, &ColorIdents());
}

template <class G, class S>
TPropInfo CursorProp(const QString& name, G get, S set, int64_t def = NoDefault) {
  return IntProp(name, get, set, def, &CursorIdents());
}

template <class G, class S>
TPropInfo Int64Prop(const QString& name, G get, S set, int64_t def = NoDefault) {
  TPropInfo p = IntProp(name, get, set, def);
  p.Kind = tkInt64;
  return p;
}

template <class G, class S>
TPropInfo EnumProp(const QString& name, const TEnumTypeInfo& type, G get, S set, int64_t def = NoDefault) {
  TPropInfo p = IntProp(name, get, set, def);
  p.Kind = tkEnumeration;
  p.EnumType = &type;
  return p;
}

template <class G, class S>
TPropInfo BoolProp(const QString& name, G get, S set, int64_t def = NoDefault) {
  return EnumProp(name, BooleanTypeInfo(), get, set, def);
}

// A set property; the getter returns a TSet<E, Storage>, whose mask is what streams see.
template <class G, class S>
TPropInfo SetProp(const QString& name, const TEnumTypeInfo& memberType, G get, S set, int64_t defMask = NoDefault) {
  using C = detail::MemberClassT<G>;
  using V = std::remove_cvref_t<decltype((std::declval<C&>().*get)())>;
  TPropInfo p;
  p.Name = name;
  p.Kind = tkSet;
  p.EnumType = &memberType;
  p.OrdSize = static_cast<int>(sizeof(decltype(std::declval<V>().Mask())));
  p.Default = defMask;
  p.GetOrd = [get](TPersistent& o) { return static_cast<int64_t>((detail::As<C>(o).*get)().Mask()); };
  if constexpr (!std::is_null_pointer_v<S>)
    p.SetOrd = [set](TPersistent& o, int64_t v) {
      (detail::As<C>(o).*set)(V::FromMask(static_cast<uint64_t>(v)));
    };
  return p;
}

template <class G, class S>
TPropInfo FloatProp(const QString& name, TFloatType type, G get, S set, bool hasDefault = false) {
  using C = detail::MemberClassT<G>;
  using V = std::remove_cvref_t<decltype((std::declval<C&>().*get)())>;
  TPropInfo p;
  p.Name = name;
  p.Kind = tkFloat;
  p.FloatType = type;
  p.Default = hasDefault ? 0 : NoDefault;
  p.GetFloat = [get](TPersistent& o) { return static_cast<double>((detail::As<C>(o).*get)()); };
  if constexpr (!std::is_null_pointer_v<S>)
    p.SetFloat = [set](TPersistent& o, double v) { (detail::As<C>(o).*set)(static_cast<V>(v)); };
  return p;
}

template <class G, class S>
TPropInfo StringProp(const QString& name, G get, S set, bool hasDefault = false) {
  using C = detail::MemberClassT<G>;
  TPropInfo p;
  p.Name = name;
  p.Kind = tkString;
  p.Default = hasDefault ? 0 : NoDefault;
  p.GetStr = [get](TPersistent& o) { return QString((detail::As<C>(o).*get)()); };
  if constexpr (!std::is_null_pointer_v<S>)
    p.SetStr = [set](TPersistent& o, const QString& v) { (detail::As<C>(o).*set)(v); };
  return p;
}

// An object-valued property: a sub-object the owner keeps (written by descending into it)
// or a reference to a component (written as a name path).
template <class G, class S>
TPropInfo ObjectProp(const QString& name, const TClassInfo& declared, G get, S set) {
  using C = detail::MemberClassT<G>;
  using V = std::remove_pointer_t<std::remove_cvref_t<decltype((std::declval<C&>().*get)())>>;
  TPropInfo p;
  p.Name = name;
  p.Kind = tkClass;
  p.ObjectClass = &declared;
  p.GetObject = [get](TPersistent& o) -> TPersistent* { return (detail::As<C>(o).*get)(); };
  if constexpr (!std::is_null_pointer_v<S>)
    p.SetObject = [set](TPersistent& o, TPersistent* v) { (detail::As<C>(o).*set)(static_cast<V*>(v)); };
  return p;
}

// An event: streams only record whether it is assigned, and a running program never has
// handler names to write, so events never reach a stream it writes.
template <class F>
TPropInfo EventProp(const QString& name, F field) {
  using C = detail::MemberClassT<F>;
  TPropInfo p;
  p.Name = name;
  p.Kind = tkMethod;
  p.HasHandler = [field](TPersistent& o) { return static_cast<bool>(detail::As<C>(o).*field); };
  return p;
}

}  // namespace tarnwick
