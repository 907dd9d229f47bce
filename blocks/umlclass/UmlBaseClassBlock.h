#pragma once
// TUMLBaseClassBlock: a UML box divided into compartments (title, attributes, operations)
// and, for parameterised elements, a dashed template box on its upper-right corner. Each
// compartment is a text cell; the members render into them as one text line each, and the
// block sizes itself to its text, so users cannot resize or turn it.
//
// The cells live in the original rectangle (0, 0, 100, 100), which the layout maps onto
// the block's bounds; the link points stay at fixed quarter points of it.
#include <QString>

#include "blocks/umlclass/UmlMembers.h"
#include "diagram/model/CustomBlock.h"

namespace tarnwick {

class TUMLBaseClassBlock : public TCustomDiagramBlock {
  TARNWICK_CLASS(TUMLBaseClassBlock)

 public:
  explicit TUMLBaseClassBlock(TComponent* AOwner);
  ~TUMLBaseClassBlock() override;

  // Twelve link points, three per side at the quarter points: up, down, left, right.
  virtual void SetDefaultLinkPoints();

  TTextCell* TitleCell() const;
  TTextCell* AttributesCell() const;
  TTextCell* OperationsCell() const;
  // The cell drawn as the dashed template box; the parameters cell unless a class lists
  // its parameters in a compartment.
  virtual TTextCell* TemplateCell() const { return ParametersCell(); }
  virtual TTextCell* ParametersCell() const;

  virtual void AttributesChanged(TUMLAttributes* AAttributes);
  virtual void OperationsChanged(TUMLOperations* AOperations);
  virtual void ParametersChanged(TUMLParameters* AParameters);
  virtual QString AttributeText(TUMLAttribute* A);
  virtual QString OperationText(TUMLOperation* O);
  virtual QString ParameterText(TUMLParameter* P);

  bool GetShowAttributes() const;
  void SetShowAttributes(bool Value);
  bool GetShowOperations() const;
  void SetShowOperations(bool Value);
  bool GetShowParameters() const { return FShowParameters; }
  void SetShowParameters(bool Value);
  bool GetShowTitle() const;
  void SetShowTitle(bool Value);

  const QString& GetItemName() const { return FItemName; }
  virtual void SetItemName(const QString& Value);
  const QString& GetStereotype() const { return FStereotype; }

  TUMLAttributes* GetAttributes() const { return FAttributes.get(); }
  void SetAttributes(TUMLAttributes* Value) { FAttributes->Assign(Value); }
  TUMLOperations* GetOperations() const { return FOperations.get(); }
  void SetOperations(TUMLOperations* Value) { FOperations->Assign(Value); }
  TUMLParameters* GetParameters() const { return FParameters.get(); }
  void SetParameters(TUMLParameters* Value) { FParameters->Assign(Value); }

  // The block or its diagram is being read: member changes leave the texts alone.
  bool MembersLoading() const;
  // Measures the cells and sizes the block and its cells to the text.
  void LayoutCells();
  // The template box in diagram units (empty when it is not shown).
  TSquare TemplateRect();

  TSquare ControlRect() override;
  void PenChanged() override;
  void TextCellsChanged() override;
  void DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) override;
  void Loaded() override;

 protected:
  // Sets the compartment layout, then rebuilds the cells: ASections compartments (title
  // first), and one more cell for the parameters when AParameterCell is set.
  void SetSections(int ASections, int AAttributesIndex, int AOperationsIndex, bool AParameterCell);
  // Rebuilds the title text from the stereotype and the item name.
  virtual void UpdateTitle();
  void SetStereotype(const QString& Value) { FStereotype = Value; }
  // The parameters cell's visibility from the flag and its text.
  virtual void UpdateParametersVisibility();
  void SetupCell(TTextCell* ACell, bool ADashed);

  int FSections = 3;
  int FAttributesCellIndex = -1;
  int FOperationsCellIndex = -1;
  QString FItemName;
  QString FStereotype;
  TOwned<TUMLAttributes> FAttributes;
  TOwned<TUMLOperations> FOperations;
  TOwned<TUMLParameters> FParameters;
  bool FShowParameters = true;
  bool FBuilding = false;

 private:
  bool FHasParameterCell = true;
};

}  // namespace tarnwick
