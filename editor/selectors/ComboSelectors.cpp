#include "editor/selectors/ComboSelectors.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtDebug>
#include <exception>
#include <vector>

#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/actions/SelectionTargets.h"
#include "platform/core/Exception.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {

// The font the size and name boxes show: the edited cell's, else the first selected
// control's, else the diagram's.
TFont* ShownFont(TdvDiagram* ADiagram) {
  if (!ADiagram) return nullptr;
  if (TTextCell* cell = ADiagram->EditingText() ? ADiagram->EditingCell() : nullptr) return cell->GetFont();
  const auto controls = SelectedNonGroups(*ADiagram);
  return controls.empty() ? ADiagram->GetFont() : controls.front()->GetFont();
}

// Changes the edited cell's font, or the font of every selected control and of each of
// its cells that has a font of its own, as one step; nothing without a target.
template <class F>
void ApplyToFonts(TdvDiagram& ADiagram, const QString& ALabel, F AChange) {
  if (TTextCell* cell = ADiagram.EditingText() ? ADiagram.EditingCell() : nullptr) {
    TDiagramUpdate operation(ADiagram, ALabel);
    AChange(*cell->GetFont());
    ADiagram.Modified();
    return;
  }
  const auto controls = SelectedNonGroups(ADiagram);
  if (controls.empty()) return;
  TDiagramUpdate operation(ADiagram, ALabel);
  for (TDiagramControl* control : controls) {
    AChange(*control->GetFont());
    TTextCells* cells = control->GetTextCells();
    for (int i = 0; cells && i < cells->Count(); ++i)
      if (!cells->GetItems(i)->GetDControlFont()) AChange(*cells->GetItems(i)->GetFont());
  }
  ADiagram.Modified();
}

}  // namespace

// ---- Base ----

TDgrBaseComboBox::TDgrBaseComboBox(QWidget* AParent) : QComboBox(AParent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  lineEdit()->installEventFilter(this);
  connect(this, &QComboBox::activated, this, [this](int AIndex) { ApplyText(itemText(AIndex)); });
  FDiagram.OnCleared = [this] { ShowValue(); };
}

void TDgrBaseComboBox::SetDiagram(TdvDiagram* Value) {
  FDiagram.Set(Value);
  ShowValue();
}

void TDgrBaseComboBox::ApplyText(const QString& AText) {
  QString message;
  try {
    ApplyValue(AText);
    return;
  } catch (const Exception& e) {
    message = e.Message();
  } catch (const std::exception& e) {
    message = QString::fromUtf8(e.what());
  }
  ShowValue();
  if (OnError)
    OnError(message);
  else
    qWarning().noquote() << message;
}

bool TDgrBaseComboBox::UserBusy() const {
  return hasFocus() || lineEdit()->hasFocus() || (view() && view()->isVisible());
}

bool TDgrBaseComboBox::eventFilter(QObject* AWatched, QEvent* AEvent) {
  if (AWatched == lineEdit() && AEvent->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(AEvent)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ApplyText(lineEdit()->text());
      return true;
    }
  }
  return QComboBox::eventFilter(AWatched, AEvent);
}

// ---- Zoom ----

TDgrZoomSelector::TDgrZoomSelector(QWidget* AParent) : TDgrBaseComboBox(AParent) {
  setToolTip(QStringLiteral("Zoom"));
  addItems({"500%", "200%", "150%", "100%", "75%", "50%", "25%", "10%"});
  ShowValue();
}

int TDgrZoomSelector::ReadZoom(const QString& AText) const {
  QString text = AText.trimmed();
  if (text.endsWith(u'%')) text.chop(1);
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (ok) return value;
  return GetDiagram() ? GetDiagram()->GetZoom() : 100;
}

void TDgrZoomSelector::ApplyValue(const QString& AText) {
  const int zoom = ReadZoom(AText);
  // A value that is already in force changes nothing, so it records nothing either.
  if (TdvDiagram* diagram = GetDiagram(); diagram && zoom != diagram->GetZoom()) {
    TDiagramUpdate operation(*diagram, QStringLiteral("zoom"));
    diagram->SetZoom(zoom);
    diagram->Modified();
  }
  ShowValue();
}

void TDgrZoomSelector::ShowValue() {
  const QString text = QStringLiteral("%1%").arg(GetDiagram() ? GetDiagram()->GetZoom() : 100);
  if (currentText() != text) setEditText(text);
}

void TDgrZoomSelector::Sync() {
  if (!UserBusy()) ShowValue();
}

// ---- Font size ----

TDgrFontSizeSelector::TDgrFontSizeSelector(QWidget* AParent) : TDgrBaseComboBox(AParent) {
  setToolTip(QStringLiteral("Font size"));
  addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"});
  ShowValue();
}

int TDgrFontSizeSelector::ReadSize(const QString& AText) const {
  bool ok = false;
  const int value = AText.trimmed().toInt(&ok);
  // A size of nothing or less would make the text vanish or read as a pixel height.
  if (ok && value >= 1 && value <= 1638) return value;
  return GetDiagram() ? GetDiagram()->GetFont()->GetSize() : 8;
}

void TDgrFontSizeSelector::ApplyValue(const QString& AText) {
  const int size = ReadSize(AText);
  if (TdvDiagram* diagram = GetDiagram())
    ApplyToFonts(*diagram, QStringLiteral("font size"), [size](TFont& AFont) { AFont.SetSize(size); });
  ShowValue();
}

void TDgrFontSizeSelector::ShowValue() {
  const TFont* font = ShownFont(GetDiagram());
  const QString text = QString::number(font ? font->GetSize() : 8);
  if (currentText() != text) setEditText(text);
}

void TDgrFontSizeSelector::Sync() {
  if (!UserBusy()) ShowValue();
}

// ---- Font name ----

TDgrFontSelector::TDgrFontSelector(QWidget* AParent) : TDgrBaseComboBox(AParent) {
  setToolTip(QStringLiteral("Font"));
  addItems(QFontDatabase::families());
  setMinimumContentsLength(12);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ShowValue();
}

void TDgrFontSelector::ApplyValue(const QString& AText) {
  // Letter case ignored; a name that is not installed is not applied.
  const int index = findText(AText.trimmed(), Qt::MatchFixedString);
  TdvDiagram* diagram = GetDiagram();
  if (index >= 0 && diagram) {
    const QString name = itemText(index);
    ApplyToFonts(*diagram, QStringLiteral("font"), [&name](TFont& AFont) { AFont.SetName(name); });
  }
  ShowValue();
}

void TDgrFontSelector::ShowValue() {
  const TFont* font = ShownFont(GetDiagram());
  const QString text = font ? font->GetName() : QString();
  if (currentText() != text) setEditText(text);
}

void TDgrFontSelector::Sync() {
  if (!UserBusy()) ShowValue();
}

// ---- Layer ----

TDgrLayerSelector::TDgrLayerSelector(QWidget* AParent) : TDgrBaseComboBox(AParent) {
  setToolTip(QStringLiteral("Layer"));
  setMinimumContentsLength(10);
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  addItem(QString::fromLatin1(NoLayer));
  setEnabled(false);
}

QStringList TDgrLayerSelector::LayerNames() const {
  QStringList names;
  if (TdvDiagram* diagram = GetDiagram())
    for (int i = 0; i < diagram->GetLayers()->Count(); ++i) names << diagram->GetLayers()->GetItems(i)->GetLayerName();
  return names;
}

void TDgrLayerSelector::Sync() {
  if (const QStringList names = LayerNames(); names != FNames) {
    FNames = names;
    clear();
    addItem(QString::fromLatin1(NoLayer));
    addItems(FNames);
    setCurrentIndex(0);
  }
  setEnabled(GetDiagram() && GetDiagram()->SelectedCount() > 0);
  if (!UserBusy()) ShowValue();
}

void TDgrLayerSelector::ShowValue() {
  QString text = QString::fromLatin1(NoLayer);
  if (TdvDiagram* diagram = GetDiagram(); diagram && diagram->SelectedCount() > 0)
    if (const QString name = diagram->GetSelecteds(0)->GetLayerName(); FNames.contains(name)) text = name;
  if (currentText() != text) setEditText(text);
}

void TDgrLayerSelector::ApplyValue(const QString& AText) {
  TdvDiagram* diagram = GetDiagram();
  const QString typed = AText.trimmed();
  TDiagramLayer* layer = diagram ? diagram->GetLayers()->FindByName(typed) : nullptr;
  const bool noLayer = typed.compare(QLatin1String(NoLayer), Qt::CaseInsensitive) == 0;
  // Only "(no layer)" and the names of existing layers mean something here.
  if (diagram && diagram->SelectedCount() > 0 && (layer || noLayer)) {
    // A change of layer is part of the document's history like any other edit.
    TDiagramUpdate operation(*diagram, QStringLiteral("layer"));
    const QString name = layer ? layer->GetLayerName() : QString();
    // A control moved onto a hidden layer leaves the selection: work on a copy of it.
    std::vector<TDiagramControl*> selected;
    for (int i = 0; i < diagram->SelectedCount(); ++i) selected.push_back(diagram->GetSelecteds(i));
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) (*it)->SetLayerName(name);
    diagram->Modified();
  }
  ShowValue();
}

}  // namespace tarnwick
