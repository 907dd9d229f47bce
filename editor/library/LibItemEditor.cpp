#include "editor/library/LibItemEditor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryManager.h"
#include "editor/library/LibraryPreviewIcon.h"
#include "editor/library/LibraryQuestions.h"
#include "platform/core/Exception.h"
#include "platform/core/Strings.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Picture.h"

namespace tarnwick {

TfmLibItemEditor::TfmLibItemEditor(TDgrLibraryManager* ALibraryManager, QWidget* AParent)
    : QDialog(AParent), FLibraryManager(ALibraryManager), FIcon(MakeOwned<TPicture>()) {
  setWindowTitle(QStringLiteral("Library item"));
  setFont(QFont(QStringLiteral("Tahoma"), font().pointSize()));

  cbLibrary = new QComboBox(this);
  cbLibrary->setObjectName(QStringLiteral("cbLibrary"));
  QFont bold = cbLibrary->font();
  bold.setBold(true);
  cbLibrary->setFont(bold);
  edCaption = new QLineEdit(this);
  edCaption->setObjectName(QStringLiteral("edCaption"));
  cbCategory = new QComboBox(this);
  cbCategory->setObjectName(QStringLiteral("cbCategory"));
  cbCategory->setEditable(true);
  // Typed text is the category; it is never added to the list of choices.
  cbCategory->setInsertPolicy(QComboBox::NoInsert);
  imIcon = new QLabel(this);
  imIcon->setObjectName(QStringLiteral("imIcon"));
  imIcon->setFixedSize(40, 40);
  imIcon->setAlignment(Qt::AlignCenter);
  imIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  LoadIconButton = new QPushButton(QStringLiteral("Load &icon..."), this);
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);

  auto* library = new QFormLayout;
  library->addRow(QStringLiteral("&Library:"), cbLibrary);
  auto* data = new QGroupBox(QStringLiteral("Object data"), this);
  auto* dataLayout = new QFormLayout(data);
  dataLayout->addRow(QStringLiteral("&Caption:"), edCaption);
  dataLayout->addRow(QStringLiteral("Cate&gory:"), cbCategory);
  auto* icon = new QGroupBox(QStringLiteral("Icon"), this);
  auto* iconLayout = new QHBoxLayout(icon);
  iconLayout->addWidget(imIcon);
  iconLayout->addWidget(LoadIconButton);
  iconLayout->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(library);
  layout->addWidget(data);
  layout->addWidget(icon);
  layout->addLayout(buttons);

  if (FLibraryManager) {
    TStringList names;
    FLibraryManager->GetLibraryNames(&names);
    QStringList list;
    for (int i = 0; i < names.Count(); ++i) list << names.GetStrings(i);
    list.sort(Qt::CaseInsensitive);
    cbLibrary->addItems(list);
  }
  cbLibrary->setCurrentIndex(-1);
  connect(cbLibrary, &QComboBox::currentIndexChanged, this, [this] { RefreshCategories(); });
  connect(LoadIconButton, &QPushButton::clicked, this, [this] { LoadIcon(); });
  connect(OkButton, &QPushButton::clicked, this, [this] { TryAccept(); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TfmLibItemEditor::~TfmLibItemEditor() = default;

ILibraryQuestions& TfmLibItemEditor::Questions() const { return FQuestions ? *FQuestions : DefaultLibraryQuestions(); }

TDgrLibrary* TfmLibItemEditor::ChosenLibrary() const {
  const QString name = cbLibrary->currentText();
  return FLibraryManager && !name.isEmpty() ? FLibraryManager->LibraryByName(name) : nullptr;
}

void TfmLibItemEditor::SelectLibrary(const QString& AName) {
  const int index = cbLibrary->findText(AName, Qt::MatchFixedString);
  cbLibrary->setCurrentIndex(index);
  RefreshCategories();
}

void TfmLibItemEditor::RefreshCategories() {
  const QString typed = cbCategory->currentText();
  cbCategory->clear();
  QStringList categories;
  if (TDgrLibrary* library = ChosenLibrary())
    for (int i = 0; i < library->Count(); ++i) {
      const QString category = library->GetItem(i)->GetCategory().trimmed();
      if (!category.isEmpty() && !categories.contains(category, Qt::CaseInsensitive)) categories << category;
    }
  categories.sort(Qt::CaseInsensitive);
  cbCategory->addItems(categories);
  cbCategory->setEditText(typed);
}

void TfmLibItemEditor::LibItemToForm(TDgrLibraryItem* AItem) {
  if (TDgrLibrary* owner = AItem->GetOwnerLibrary()) SelectLibrary(owner->GetLibraryName());
  edCaption->setText(AItem->GetCaption());
  cbCategory->setEditText(AItem->GetCategory());
  TPicture* glyph = AItem->GetGlyph();
  if (glyph && !glyph->GetEmpty() && dynamic_cast<TBitmap*>(glyph->GetGraphic())) {
    FIcon->Assign(glyph);
  } else {
    TBitmap preview;
    if (MakePreviewIcon(*AItem, preview)) {
      FIcon->Assign(&preview);
    } else {
      TBitmap fallback;
      fallback.SetImage(DefaultLibraryIcon());
      FIcon->Assign(&fallback);
    }
  }
  // An item already in a library stays there.
  cbLibrary->setEnabled(!AItem->GetOwnerLibrary());
  ShowIcon();
}

void TfmLibItemEditor::FormToLibItem(TDgrLibraryItem* AItem) {
  AItem->SetCaption(edCaption->text());
  AItem->SetCategory(cbCategory->currentText());
  AItem->SetGlyph(FIcon.get());
}

void TfmLibItemEditor::ShowIcon() {
  const QImage image = FIcon->GetGraphic() ? FIcon->GetGraphic()->ToImage() : QImage();
  imIcon->setPixmap(QPixmap::fromImage(image));
}

void TfmLibItemEditor::LoadIcon() {
  const std::optional<QString> file = Questions().ChooseIconFile();
  if (!file) return;
  try {
    FIcon->LoadFromFile(*file);
  } catch (const Exception& e) {
    Questions().ShowError(e.Message());
  }
  ShowIcon();
}

QString TfmLibItemEditor::Validate() {
  // Without a loaded library the confirmed item would have nowhere to go.
  if (!ChosenLibrary()) {
    cbLibrary->setFocus();
    return QStringLiteral("Library field cannot be empty.");
  }
  if (edCaption->text().trimmed().isEmpty()) {
    edCaption->setFocus();
    return QStringLiteral("Caption field cannot not be empty.");
  }
  if (cbCategory->currentText().trimmed().isEmpty()) {
    cbCategory->setFocus();
    return QStringLiteral("Category field cannot be empty.");
  }
  return QString();
}

void TfmLibItemEditor::TryAccept() {
  const QString error = Validate();
  if (error.isEmpty())
    accept();
  else
    Questions().ShowError(error);
}

bool TfmLibItemEditor::EditLibraryItem(TDgrLibraryItem* AItem, TDgrLibraryManager* ALibraryManager,
                                       TDgrLibrary*& ALibrary, QWidget* AParent) {
  if (!AItem) return false;
  TfmLibItemEditor dialog(ALibraryManager, AParent);
  if (ALibrary) dialog.SelectLibrary(ALibrary->GetLibraryName());
  dialog.LibItemToForm(AItem);
  if (dialog.ChosenLibrary()) dialog.edCaption->setFocus();
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.FormToLibItem(AItem);
  ALibrary = dialog.ChosenLibrary();
  return true;
}

}  // namespace tarnwick
