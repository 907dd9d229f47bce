// The compartment box shared by the class-like UML blocks: construction, cells, member
// texts and the visibility switches. The layout that sizes the box is in UmlClassLayout.cpp.
#include "blocks/umlclass/UmlBaseClassBlock.h"

#include <QStringList>

#include "diagram/model/DiagramHost.h"
#include "platform/core/Properties.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Pen.h"

namespace tarnwick {

const TClassInfo& TUMLBaseClassBlock::StaticClassInfo() {
  using B = TCustomDiagramBlock;
  // The class places its link points, so a document keeps none of them.
  static const TClassInfo info(
      "TUMLBaseClassBlock", &TCustomDiagramBlock::StaticClassInfo(),
      {ObjectProp("LinkPoints", TLinkPoints::StaticClassInfo(),
                  static_cast<TLinkPoints* (B::*)() const>(&TDiagramControl::GetLinkPoints), &B::SetLinkPoints)
           .NotStored()});
  return info;
}

TUMLBaseClassBlock::TUMLBaseClassBlock(TComponent* AOwner) : TCustomDiagramBlock(AOwner) {
  FBuilding = true;
  SetMinHeight(20);
  SetHeight(20);
  FAttributes = MakeOwned<TUMLAttributes>(this);
  FAttributes->SetPropName(QStringLiteral("Attributes"));
  FOperations = MakeOwned<TUMLOperations>(this);
  FOperations->SetPropName(QStringLiteral("Operations"));
  FParameters = MakeOwned<TUMLParameters>(this);
  FParameters->SetPropName(QStringLiteral("Parameters"));
  SetWidth(100);
  SetShape(bsRectangle);
  SetSections(3, -1, -1, true);
  SetDefaultLinkPoints();
  TControlRestrictions r = GetRestrictions();
  r.Include(crNoResize);
  r.Include(crNoRotation);
  SetRestrictions(r);
  // Only the right and bottom handles stay, as markers of the selection; the box sizes
  // itself from its text.
  for (int data : {1, 2, 3, 5, 6, 7})
    if (TStretchHandle* h = GetHandles()->FindByData(data)) h->SetVisible(false);
  FBuilding = false;
}

TUMLBaseClassBlock::~TUMLBaseClassBlock() = default;

void TUMLBaseClassBlock::SetDefaultLinkPoints() {
  const TSquare s = GetOriginalRect();
  const double w = s.Right - s.Left, h = s.Bottom - s.Top;
  TLinkPoints* points = GetLinkPoints();
  points->BeginUpdate();
  points->Clear();
  for (int k = 1; k <= 3; ++k) points->Add(s.Left + w / 4 * k, s.Top, aoUp);
  for (int k = 1; k <= 3; ++k) points->Add(s.Left + w / 4 * k, s.Bottom, aoDown);
  for (int k = 1; k <= 3; ++k) points->Add(s.Left, s.Top + h / 4 * k, aoLeft);
  for (int k = 1; k <= 3; ++k) points->Add(s.Right, s.Top + h / 4 * k, aoRight);
  points->EndUpdate();
}

// ---- Cells ----

void TUMLBaseClassBlock::SetupCell(TTextCell* ACell, bool ADashed) {
  ACell->SetClip(false);
  ACell->SetWordWrap(false);
  ACell->SetAlignment(taLeftJustify);
  ACell->SetVertAlign(vaCenter);
  ACell->SetVisible(true);
  TTextCellFrame* frame = ACell->GetCellFrame();
  frame->SetVisible(true);
  frame->SetTransparent(true);
  frame->GetBrush()->SetStyle(bsClear);
  frame->SetPen(GetPen());
  if (ADashed) frame->GetPen()->SetStyle(psDash);
}

void TUMLBaseClassBlock::SetSections(int ASections, int AAttributesIndex, int AOperationsIndex, bool AParameterCell) {
  FSections = ASections;
  FAttributesCellIndex = AAttributesIndex;
  FOperationsCellIndex = AOperationsIndex;
  FHasParameterCell = AParameterCell;
  const int wanted = FSections + (FHasParameterCell ? 1 : 0);
  TTextCells* cells = GetTextCells();
  cells->BeginUpdate();
  while (cells->Count() > wanted) cells->Delete(cells->Count() - 1);
  while (cells->Count() < wanted) cells->Add();
  for (int i = 0; i < cells->Count(); ++i) SetupCell(cells->GetItems(i), cells->GetItems(i) == TemplateCell());
  cells->EndUpdate();
}

TTextCell* TUMLBaseClassBlock::TitleCell() const {
  TTextCells* cells = GetTextCells();
  return cells->Count() > 0 ? cells->GetItems(0) : nullptr;
}

TTextCell* TUMLBaseClassBlock::AttributesCell() const {
  TTextCells* cells = GetTextCells();
  return FAttributesCellIndex >= 0 && FAttributesCellIndex < cells->Count() ? cells->GetItems(FAttributesCellIndex)
                                                                            : nullptr;
}

TTextCell* TUMLBaseClassBlock::OperationsCell() const {
  TTextCells* cells = GetTextCells();
  return FOperationsCellIndex >= 0 && FOperationsCellIndex < cells->Count() ? cells->GetItems(FOperationsCellIndex)
                                                                            : nullptr;
}

TTextCell* TUMLBaseClassBlock::ParametersCell() const {
  TTextCells* cells = GetTextCells();
  return FHasParameterCell && FSections < cells->Count() ? cells->GetItems(FSections) : nullptr;
}

// ---- Member texts ----

QString TUMLBaseClassBlock::AttributeText(TUMLAttribute* A) {
  if (!A->GetCustomText().isEmpty()) return A->GetCustomText();
  QString type = A->GetTypeName(), init;
  if (!A->GetInitialValue().isEmpty()) {
    init = QStringLiteral(" = ") + A->GetInitialValue();
    if (type.isEmpty()) type = QStringLiteral("<unspecified>");
  }
  const QString t = type.isEmpty() ? QString() : QStringLiteral(" : ") + type;
  return UMLVisibilityPrefix(A->GetVisibility()) + A->GetName() + t + init;
}

QString TUMLBaseClassBlock::OperationText(TUMLOperation* O) {
  if (!O->GetCustomText().isEmpty()) return O->GetCustomText();
  QStringList params;
  TUMLParameters* list = O->GetParameters();
  for (int i = 0; i < list->Count(); ++i) params << ParameterText(list->GetItem(i));
  const QString r = O->GetReturnType().isEmpty() ? QString() : QStringLiteral(" : ") + O->GetReturnType();
  return UMLVisibilityPrefix(O->GetVisibility()) + O->GetName() + '(' + params.join(QStringLiteral(", ")) + ')' + r;
}

QString TUMLBaseClassBlock::ParameterText(TUMLParameter* P) {
  if (!P->GetCustomText().isEmpty()) return P->GetCustomText();
  QString type = P->GetParamType(), d;
  if (!P->GetDefaultValue().isEmpty()) {
    d = QStringLiteral(" = ") + P->GetDefaultValue();
    if (type.isEmpty()) type = QStringLiteral("<unspecified>");
  }
  const QString t = type.isEmpty() ? QString() : QStringLiteral(" : ") + type;
  return UMLParamKindPrefix(P->GetParamKind()) + P->GetName() + t + d;
}

void TUMLBaseClassBlock::AttributesChanged(TUMLAttributes* AAttributes) {
  TTextCell* cell = AttributesCell();
  if (!cell) return;
  QStringList lines;
  for (int i = 0; i < AAttributes->Count(); ++i) lines << AttributeText(AAttributes->GetItem(i));
  cell->SetText(lines.join(QStringLiteral("\r\n")));
}

void TUMLBaseClassBlock::OperationsChanged(TUMLOperations* AOperations) {
  TTextCell* cell = OperationsCell();
  if (!cell) return;
  QStringList lines;
  for (int i = 0; i < AOperations->Count(); ++i) lines << OperationText(AOperations->GetItem(i));
  cell->SetText(lines.join(QStringLiteral("\r\n")));
}

void TUMLBaseClassBlock::ParametersChanged(TUMLParameters* AParameters) {
  TTextCell* cell = ParametersCell();
  if (!cell) return;
  QStringList list;
  for (int i = 0; i < AParameters->Count(); ++i) list << ParameterText(AParameters->GetItem(i));
  cell->SetText(list.join(QStringLiteral(", ")));
  UpdateParametersVisibility();
}

void TUMLBaseClassBlock::UpdateParametersVisibility() {
  if (TTextCell* cell = ParametersCell()) cell->SetVisible(FShowParameters && !cell->GetText().isEmpty());
}

// ---- Switches and names ----

bool TUMLBaseClassBlock::GetShowAttributes() const {
  TTextCell* cell = AttributesCell();
  return cell && cell->GetVisible();
}

void TUMLBaseClassBlock::SetShowAttributes(bool Value) {
  if (TTextCell* cell = AttributesCell()) cell->SetVisible(Value);
}

bool TUMLBaseClassBlock::GetShowOperations() const {
  TTextCell* cell = OperationsCell();
  return cell && cell->GetVisible();
}

void TUMLBaseClassBlock::SetShowOperations(bool Value) {
  if (TTextCell* cell = OperationsCell()) cell->SetVisible(Value);
}

void TUMLBaseClassBlock::SetShowParameters(bool Value) {
  FShowParameters = Value;
  UpdateParametersVisibility();
}

bool TUMLBaseClassBlock::GetShowTitle() const {
  TTextCell* cell = TitleCell();
  return cell && cell->GetVisible();
}

void TUMLBaseClassBlock::SetShowTitle(bool Value) {
  TTextCell* cell = TitleCell();
  if (!cell || cell->GetVisible() == Value) return;
  cell->SetVisible(Value);
  LayoutCells();
}

void TUMLBaseClassBlock::SetItemName(const QString& Value) {
  FItemName = Value;
  if (!MembersLoading()) UpdateTitle();
}

void TUMLBaseClassBlock::UpdateTitle() {
  TTextCell* cell = TitleCell();
  if (!cell) return;
  const QString s = FStereotype.isEmpty() ? QString() : QStringLiteral("«%1»").arg(FStereotype);
  cell->SetText(s + ' ' + FItemName);
}

bool TUMLBaseClassBlock::MembersLoading() const {
  if (IsLoading() || GetComponentState().Contains(csReading)) return true;
  TDiagramHost* host = GetDiagramHost();
  return host && host->GetHostComponent()->IsLoading();
}

// ---- Changes that re-run the layout ----

void TUMLBaseClassBlock::PenChanged() {
  TTextCells* cells = GetTextCells();
  TTextCell* templ = TemplateCell();
  for (int i = 0; i < cells->Count(); ++i) {
    TTextCellFrame* frame = cells->GetItems(i)->GetCellFrame();
    frame->SetPen(GetPen());
    if (cells->GetItems(i) == templ) frame->GetPen()->SetStyle(psDash);
  }
}

void TUMLBaseClassBlock::TextCellsChanged() {
  TCustomDiagramBlock::TextCellsChanged();
  if (!FBuilding) LayoutCells();
}

void TUMLBaseClassBlock::DiagramChanged(TdvDiagram* AOld, TdvDiagram* ANew) {
  TCustomDiagramBlock::DiagramChanged(AOld, ANew);
  if (ANew) LayoutCells();
}

void TUMLBaseClassBlock::Loaded() {
  TCustomDiagramBlock::Loaded();
  LayoutCells();
}

}  // namespace tarnwick
