#pragma once
// TfmLibItemEditor: the dialog that edits one library item: its library (only while the
// item belongs to none), caption, category and icon. OK needs a loaded library, a caption
// and a category; a missing one is reported and the dialog stays open.
#include <QDialog>

#include "platform/core/Object.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarnwick {

class ILibraryQuestions;
class TDgrLibrary;
class TDgrLibraryItem;
class TDgrLibraryManager;
class TPicture;

class TfmLibItemEditor : public QDialog {
 public:
  TfmLibItemEditor(TDgrLibraryManager* ALibraryManager, QWidget* AParent = nullptr);
  ~TfmLibItemEditor() override;

  // Runs the dialog for AItem. Confirmed: true, the item updated and ALibrary the chosen
  // library. Cancelled: false and nothing changed.
  static bool EditLibraryItem(TDgrLibraryItem* AItem, TDgrLibraryManager* ALibraryManager, TDgrLibrary*& ALibrary,
                              QWidget* AParent = nullptr);

  void LibItemToForm(TDgrLibraryItem* AItem);
  void FormToLibItem(TDgrLibraryItem* AItem);
  // Selects the library by name and offers its categories.
  void SelectLibrary(const QString& AName);
  // The loaded library the drop-down names, or null.
  TDgrLibrary* ChosenLibrary() const;
  // The checks of OK: empty when the form may close, else the message shown.
  QString Validate();
  void SetQuestions(ILibraryQuestions* Value) { FQuestions = Value; }

  QComboBox* cbLibrary = nullptr;
  QLineEdit* edCaption = nullptr;
  QComboBox* cbCategory = nullptr;
  QLabel* imIcon = nullptr;
  QPushButton* LoadIconButton = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

 private:
  void RefreshCategories();
  void ShowIcon();
  void LoadIcon();
  void TryAccept();
  ILibraryQuestions& Questions() const;

  TDgrLibraryManager* FLibraryManager;
  TOwned<TPicture> FIcon;
  ILibraryQuestions* FQuestions = nullptr;
};

}  // namespace tarnwick
