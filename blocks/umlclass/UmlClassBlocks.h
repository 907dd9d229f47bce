#pragma once
// The class-like UML blocks: class, metaclass, bound element, parameterised class,
// association class, data type, interface, utility, signal, exception and object. Each is a
// compartment box (TUMLBaseClassBlock) fixed by its class: which compartments it has, its
// stereotype and its initial name. They join the control registry with the rest of the UML
// set, category "UML Static".
#include "blocks/umlclass/UmlBaseClassBlock.h"

namespace tarnwick {

class TUMLClassBlock : public TUMLBaseClassBlock {
  TARNWICK_CLASS(TUMLClassBlock)

 public:
  explicit TUMLClassBlock(TComponent* AOwner);
};

class TUMLMetaClassBlock : public TUMLClassBlock {
  TARNWICK_CLASS(TUMLMetaClassBlock)

 public:
  explicit TUMLMetaClassBlock(TComponent* AOwner);
};

// A class bound to template arguments: shown by its name alone.
class TUMLBoundElementBlock : public TUMLClassBlock {
  TARNWICK_CLASS(TUMLBoundElementBlock)

 public:
  explicit TUMLBoundElementBlock(TComponent* AOwner);
};

class TUMLParamClassBlock : public TUMLClassBlock {
  TARNWICK_CLASS(TUMLParamClassBlock)

 public:
  explicit TUMLParamClassBlock(TComponent* AOwner);
};

// Attributes of a data type are values: shown without their types.
class TUMLDataTypeBlock : public TUMLBaseClassBlock {
  TARNWICK_CLASS(TUMLDataTypeBlock)

 public:
  explicit TUMLDataTypeBlock(TComponent* AOwner);
  QString AttributeText(TUMLAttribute* A) override;
};

class TUMLInterfaceBlock : public TUMLBaseClassBlock {
  TARNWICK_CLASS(TUMLInterfaceBlock)

 public:
  explicit TUMLInterfaceBlock(TComponent* AOwner);
};

class TUMLUtilityBlock : public TUMLBaseClassBlock {
  TARNWICK_CLASS(TUMLUtilityBlock)

 public:
  explicit TUMLUtilityBlock(TComponent* AOwner);
};

// Signals and exceptions list their parameters one per line in their second compartment;
// they have no template box.
class TUMLSignalBlock : public TUMLBaseClassBlock {
  TARNWICK_CLASS(TUMLSignalBlock)

 public:
  explicit TUMLSignalBlock(TComponent* AOwner);
  TTextCell* TemplateCell() const override { return nullptr; }
  TTextCell* ParametersCell() const override;
  void ParametersChanged(TUMLParameters* AParameters) override;

 protected:
  TUMLSignalBlock(TComponent* AOwner, const QString& AStereotype, const QString& AName);
  void UpdateParametersVisibility() override;
};

class TUMLExceptionBlock : public TUMLSignalBlock {
  TARNWICK_CLASS(TUMLExceptionBlock)

 public:
  explicit TUMLExceptionBlock(TComponent* AOwner);
};

// An instance: its title, underlined, is the object's name followed by its class's.
class TUMLObjectBlock : public TUMLBaseClassBlock {
  TARNWICK_CLASS(TUMLObjectBlock)

 public:
  explicit TUMLObjectBlock(TComponent* AOwner);
  const QString& GetObjectName() const { return FObjectName; }
  void SetObjectName(const QString& Value);
  const QString& GetClassName() const { return FClassName; }
  void SetClassName(const QString& Value);
  void SetItemName(const QString& Value) override { SetObjectName(Value); }

 protected:
  void UpdateTitle() override;

 private:
  QString FObjectName;
  QString FClassName;
};

// A class box hanging from an association drawn between two end handles; the ends can be
// anchored to other blocks' link points and follow them.
class TUMLAssociationClassBlock : public TUMLClassBlock {
  TARNWICK_CLASS(TUMLAssociationClassBlock)

 public:
  explicit TUMLAssociationClassBlock(TComponent* AOwner);

  // Offsets of the ends from the bottom-left and bottom-right corners. An anchored end
  // first takes the offset of the point it is anchored to.
  TPoint GetLeftHandlePos();
  void SetLeftHandlePos(TPoint Value);
  TPoint GetRightHandlePos();
  void SetRightHandlePos(TPoint Value);
  // The ends in diagram units (drag previews included).
  TDot LeftEnd();
  TDot RightEnd();
  TStretchHandle* GetLeftHandle() const { return FLeftHandle; }
  TStretchHandle* GetRightHandle() const { return FRightHandle; }
  // The end points: link points 12 and 13 (a document may replace the point objects).
  TLinkPoint* GetLeftLink() const;
  TLinkPoint* GetRightLink() const;

  void SetDefaultLinkPoints() override;
  TSquare ControlRect() override;
  TDot GetHandlePoint(TStretchHandle* AHandle) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  TLinkPoint* HandleLinkPoint(TStretchHandle* AHandle) override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void DrawBlock(const TDiagramDrawInfo& AInfo, const TDiagramDrawBlockInfo& ABlockInfo) override;
  void PenChanged() override;
  void DefineProperties(TFiler* Filer) override;

 private:
  static constexpr int NoTemp = -2147483647;
  // The association segment and the dashed tie from its middle to the box.
  void EndsAndTie(TDot& ALeft, TDot& ARight, TDot& ATieFrom, TDot& ATieTo);
  TPoint AnchoredOffset(TLinkPoint* ALink, TPoint AOffset, TDot ACorner);

  bool FPenChanged = false;
  TPoint FLeftHandlePos{-40, 30};
  TPoint FRightHandlePos{40, 30};
  TPoint FTempLeftPos{NoTemp, 0};
  TPoint FTempRightPos{NoTemp, 0};
  TStretchHandle* FLeftHandle = nullptr;
  TStretchHandle* FRightHandle = nullptr;
  bool FUseTempLeft = false;
  bool FUseTempRight = false;
};

}  // namespace tarnwick
