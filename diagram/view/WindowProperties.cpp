// The window properties of the diagram's published table, and their types.
#include "diagram/view/WindowProperties.h"

#include "diagram/view/Diagram.h"
#include "platform/core/Properties.h"
#include "platform/gui/Font.h"

namespace tarnwick {

const TEnumTypeInfo& AlignType() {
  static const TEnumTypeInfo t("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
  return t;
}
const TEnumTypeInfo& AnchorKindType() {
  static const TEnumTypeInfo t("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
  return t;
}
const TEnumTypeInfo& BevelEdgeType() {
  static const TEnumTypeInfo t("TBevelEdge", {"beLeft", "beTop", "beRight", "beBottom"});
  return t;
}
const TEnumTypeInfo& BevelCutType() {
  static const TEnumTypeInfo t("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
  return t;
}
const TEnumTypeInfo& BevelKindType() {
  static const TEnumTypeInfo t("TBevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"});
  return t;
}
const TEnumTypeInfo& BiDiModeType() {
  static const TEnumTypeInfo t("TBiDiMode",
                               {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"});
  return t;
}
const TEnumTypeInfo& DragKindType() {
  static const TEnumTypeInfo t("TDragKind", {"dkDrag", "dkDock"});
  return t;
}
const TEnumTypeInfo& DragModeType() {
  static const TEnumTypeInfo t("TDragMode", {"dmManual", "dmAutomatic"});
  return t;
}

const TClassInfo& TSizeConstraints::StaticClassInfo() {
  using C = TSizeConstraints;
  static const TClassInfo info("TSizeConstraints", &TPersistent::StaticClassInfo(),
                               {IntProp("MaxHeight", &C::GetMaxHeight, &C::SetMaxHeight, 0),
                                IntProp("MaxWidth", &C::GetMaxWidth, &C::SetMaxWidth, 0),
                                IntProp("MinHeight", &C::GetMinHeight, &C::SetMinHeight, 0),
                                IntProp("MinWidth", &C::GetMinWidth, &C::SetMinWidth, 0)},
                               [](TComponent*) -> TPersistent* { return Create<TSizeConstraints>(); });
  return info;
}

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TSizeConstraints*>(Source);
  if (!s) return TPersistent::Assign(Source);
  FMaxHeight = s->FMaxHeight;
  FMaxWidth = s->FMaxWidth;
  FMinHeight = s->FMinHeight;
  FMinWidth = s->FMinWidth;
}

namespace {

TdvDiagram& Diagram(TPersistent& p) { return static_cast<TdvDiagram&>(p); }
bool Designing(TPersistent& p) { return Diagram(p).IsDesigning(); }

// An entry over one field of the diagram's window layout; written only while designing
// unless a stored rule is given.
template <class V>
TPropInfo LayoutField(const QString& AName, TTypeKind AKind, V TWindowLayout::*AField, int64_t ADefault,
                      const TEnumTypeInfo* AType = nullptr, const TIdentMap* AIdents = nullptr) {
  TPropInfo p;
  p.Name = AName;
  p.Kind = AKind;
  p.EnumType = AType;
  p.Idents = AIdents;
  p.Default = ADefault;
  if constexpr (requires(V v) { v.Mask(); }) {
    p.OrdSize = static_cast<int>(sizeof(V));
    p.GetOrd = [AField](TPersistent& o) { return static_cast<int64_t>((Diagram(o).GetWindowLayout().*AField).Mask()); };
    p.SetOrd = [AField](TPersistent& o, int64_t v) {
      Diagram(o).GetWindowLayout().*AField = V::FromMask(static_cast<uint64_t>(v));
    };
  } else {
    p.GetOrd = [AField](TPersistent& o) { return static_cast<int64_t>(Diagram(o).GetWindowLayout().*AField); };
    p.SetOrd = [AField](TPersistent& o, int64_t v) { Diagram(o).GetWindowLayout().*AField = static_cast<V>(v); };
  }
  return p;
}

TPropInfo LayoutBool(const QString& AName, bool TWindowLayout::*AField, bool ADefault) {
  return LayoutField(AName, tkEnumeration, AField, ADefault ? 1 : 0, &BooleanTypeInfo());
}

TPropInfo LayoutEnum(const QString& AName, const TEnumTypeInfo& AType, auto TWindowLayout::*AField, int64_t ADefault) {
  return LayoutField(AName, tkEnumeration, AField, ADefault, &AType);
}

// Position and size: the window's real bounds while designing. A running program's
// window belongs to the application hosting it, so values a document brings are read and
// left alone.
TPropInfo BoundsProp(const QString& AName, int (TWinControl::*AGet)() const, int ADefault, int AIndex) {
  TPropInfo p;
  p.Name = AName;
  p.Kind = tkInteger;
  p.Default = ADefault;
  p.GetOrd = [AGet](TPersistent& o) { return static_cast<int64_t>((Diagram(o).*AGet)()); };
  p.SetOrd = [AIndex](TPersistent& o, int64_t v) {
    TdvDiagram& d = Diagram(o);
    if (!d.IsDesigning()) return;
    int b[4] = {d.GetLeft(), d.GetTop(), d.GetWidth(), d.GetHeight()};
    b[AIndex] = static_cast<int>(std::clamp<int64_t>(v, INT32_MIN / 2, INT32_MAX / 2));
    d.SetBounds(b[0], b[1], std::max(0, b[2]), std::max(0, b[3]));
  };
  return p;
}

// An event of the window: documents may name handlers, which only a designer could bind.
TPropInfo WindowEvent(const QString& AName) {
  TPropInfo p;
  p.Name = AName;
  p.Kind = tkMethod;
  p.HasHandler = [](TPersistent&) { return false; };
  return p;
}

}  // namespace

std::vector<TPropInfo> TdvDiagram::WindowPropertyTable() {
  using D = TdvDiagram;
  using L = TWindowLayout;
  std::vector<TPropInfo> props = {
      LayoutEnum("Align", AlignType(), &L::Align, alNone).StoredIf(Designing),
      BoundsProp("Left", &TWinControl::GetLeft, NoDefault, 0).StoredIf(Designing),
      BoundsProp("Width", &TWinControl::GetWidth, NoDefault, 2).StoredIf(Designing),
      BoundsProp("Top", &TWinControl::GetTop, NoDefault, 1).StoredIf(Designing),
      BoundsProp("Height", &TWinControl::GetHeight, NoDefault, 3).StoredIf(Designing),
      LayoutField("Anchors", tkSet, &L::Anchors, TAnchors{akLeft, akTop}.Mask(), &AnchorKindType()).StoredIf(Designing),
      LayoutField("BevelEdges", tkSet, &L::BevelEdges, TBevelEdges{beLeft, beTop, beRight, beBottom}.Mask(),
                  &BevelEdgeType())
          .StoredIf(Designing),
      LayoutEnum("BevelInner", BevelCutType(), &L::BevelInner, bvRaised),
      LayoutEnum("BevelOuter", BevelCutType(), &L::BevelOuter, bvLowered),
      LayoutEnum("BevelKind", BevelKindType(), &L::BevelKind, bkNone).StoredIf(Designing),
      LayoutField("BevelWidth", tkInteger, &L::BevelWidth, 1).StoredIf(Designing),
      LayoutEnum("BiDiMode", BiDiModeType(), &L::BiDiMode, bdLeftToRight).StoredIf(Designing),
      EnumProp("BorderStyle", BorderStyleType(), &D::GetBorderStyle, &D::SetBorderStyle),
      ObjectProp("Constraints", TSizeConstraints::StaticClassInfo(), &D::GetConstraints, &D::SetConstraints)
          .StoredIf(Designing),
      LayoutBool("DockSite", &L::DockSite, false).StoredIf(Designing),
      LayoutField("DragCursor", tkInteger, &L::DragCursor, -12, nullptr, &CursorIdents()).StoredIf(Designing),
      LayoutEnum("DragKind", DragKindType(), &L::DragKind, dkDrag).StoredIf(Designing),
      LayoutEnum("DragMode", DragModeType(), &L::DragMode, dmManual).StoredIf(Designing),
      LayoutBool("Enabled", &L::Enabled, true).StoredIf(Designing),
      ColorProp("Color", &D::GetColor, &D::SetColor, clWindow).StoredIf([](TPersistent& o) {
        return !Diagram(o).GetWindowLayout().ParentColor;
      }),
      LayoutBool("Ctl3D", &L::Ctl3D, true).StoredIf(Designing),
      ObjectProp("Font", TFont::StaticClassInfo(), &D::GetFont, &D::SetFont).StoredIf([](TPersistent& o) {
        return !Diagram(o).GetParentFont();
      }),
      LayoutBool("ParentBiDiMode", &L::ParentBiDiMode, true).StoredIf(Designing),
      LayoutBool("ParentBackground", &L::ParentBackground, true).StoredIf(Designing),
      BoolProp("ParentColor", &D::GetParentColor, &D::SetParentColor, false),
      BoolProp("ParentCtl3D", &D::GetParentCtl3D, &D::SetParentCtl3D, true),
      BoolProp("ParentFont", &D::GetParentFont, &D::SetParentFont, true),
      LayoutBool("ParentShowHint", &L::ParentShowHint, true).StoredIf(Designing),
      ObjectProp("PopupMenu", TComponent::StaticClassInfo(), &D::GetPopupMenu, &D::SetPopupMenu)
          .StoredIf(Designing),
      BoolProp("ShowHint", &D::GetShowHint, &D::SetShowHint).StoredIf(Designing),
      LayoutField("TabOrder", tkInteger, &L::TabOrder, -1).StoredIf(Designing),
      LayoutBool("TabStop", &L::TabStop, false).StoredIf(Designing),
      LayoutBool("Visible", &L::Visible, true).StoredIf(Designing),
  };
  for (const char* event :
       {"OnCanResize", "OnClick", "OnConstrainedResize", "OnContextPopup", "OnDblClick", "OnDockDrop", "OnDockOver",
        "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnGesture", "OnGetSiteInfo",
        "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseActivate", "OnMouseDown", "OnMouseEnter", "OnMouseLeave",
        "OnMouseMove", "OnMouseUp", "OnMouseWheel", "OnMouseWheelDown", "OnMouseWheelUp", "OnResize", "OnStartDock",
        "OnStartDrag", "OnUnDock"})
    props.push_back(WindowEvent(QString::fromLatin1(event)));
  return props;
}

}  // namespace tarnwick
