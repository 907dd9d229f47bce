#pragma once
// The UML lines: the generic line whose look (arrow heads, dashes, stereotype text, route)
// is chosen by its line type, the activation bar of sequence diagrams, and the
// associations with their end names and multiplicities.
#include <QString>

#include "diagram/lines/LineClasses.h"

namespace tarnwick {

enum TUMLLineType {
  ultExtends,
  ultUses,
  ultCommunicates,
  ultControlFlow,
  ultObjectFlow,
  ultMessage,
  ultMessageCall,
  ultMessageReturn,
  ultMessageAsync,
  ultGeneralize,
  ultDependency,
  ultBinding,
  ultTrace,
  ultRefinement,
  ultUsage
};

const TEnumTypeInfo& UMLLineTypeType();

// The line type of a built-in generic line identifier (ASCII case ignored); false for any
// other identifier, including one that merely contains a built-in one.
bool UMLLineTypeFromId(const QString& AId, TUMLLineType& AType);

class TUMLLine : public TDiagramLine {
  TARNWICK_CLASS(TUMLLine)

 public:
  explicit TUMLLine(TComponent* AOwner) : TDiagramLine(AOwner) {}
};

class TUMLGenericLine : public TUMLLine {
  TARNWICK_CLASS(TUMLGenericLine)

 public:
  explicit TUMLGenericLine(TComponent* AOwner);

  TUMLLineType GetLineType() const { return FLineType; }
  // Restyles the line for the type when it differs.
  void SetLineType(TUMLLineType Value);
  // Restyles the line for its type: arrows, pens, text mode, route and stereotype text.
  void ApplyLineType();

  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
  void Loaded() override;

 private:
  TUMLLineType FLineType = ultExtends;
};

// A sequence diagram's activation: a narrow white bar along a vertical line, with link
// points every LinkSpace units along it for the messages.
class TUMLActivationLine : public TUMLLine {
  TARNWICK_CLASS(TUMLActivationLine)

 public:
  explicit TUMLActivationLine(TComponent* AOwner);
  int GetLinkSpace() const { return FLinkSpace; }
  // The bar in diagram units, from the line's first and last points.
  TSquare BarRect() const;

  void DrawLinePath(const TDiagramDrawInfo& AInfo, TStretchHandles* AHandles, bool AWithArrows) override;
  bool PointInControl(TPoint Pos) override;
  TSquare ControlRect() override;
  void UpdateHandleMove(THandleMoveInfo& AInfo) override;
  void UpdateInsert(TControlInsertInfo& AInfo) override;
  TDot GetLinkPointPoint(TLinkPoint* ALinkPoint) override;
  void HandlesChanged() override;
  void Loaded() override;

 private:
  // Keeps the link points along the bar in step with its length.
  void LayOutLinkPoints();

  int FLinkSpace = 20;
};

class TUMLBaseAssociation : public TUMLLine {
  TARNWICK_CLASS(TUMLBaseAssociation)

 public:
  explicit TUMLBaseAssociation(TComponent* AOwner);
  // The texts of the end cells; empty, and not written, while the cell does not exist.
  QString GetSourceEndName() const;
  void SetSourceEndName(const QString& Value);
  QString GetSourceMultiplicity() const;
  void SetSourceMultiplicity(const QString& Value);
  QString GetTargetEndName() const;
  void SetTargetEndName(const QString& Value);
  QString GetTargetMultiplicity() const;
  void SetTargetMultiplicity(const QString& Value);
};

class TUMLAssociation : public TUMLBaseAssociation {
  TARNWICK_CLASS(TUMLAssociation)

 public:
  explicit TUMLAssociation(TComponent* AOwner);
};

class TUMLComposition : public TUMLBaseAssociation {
  TARNWICK_CLASS(TUMLComposition)

 public:
  explicit TUMLComposition(TComponent* AOwner);
};

class TUMLClassLink : public TUMLBaseAssociation {
  TARNWICK_CLASS(TUMLClassLink)

 public:
  explicit TUMLClassLink(TComponent* AOwner);
};

}  // namespace tarnwick
