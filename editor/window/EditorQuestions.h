#pragma once
// IEditorQuestions: everything the editor asks the user (a Yes/No question, a file to open
// or save, a picture) and the errors it shows. The editor never opens a dialog itself, so
// a test can script the answers and an embedding program can put its own dialogs in.
#include <QString>
#include <optional>

#include "layout/LayoutOptions.h"

class QWidget;

namespace tarnwick {

enum class TAnswer { Yes, No, Cancel };

class IEditorQuestions {
 public:
  virtual ~IEditorQuestions() = default;
  // An information box with Yes and No, plus Cancel when AWithCancel.
  virtual TAnswer Ask(const QString& AText, bool AWithCancel) = 0;
  // The document to open, or nothing when the user cancelled.
  virtual std::optional<QString> ChooseOpenFile() = 0;
  // The file to save into, starting from AInitial; ".dgr" is appended to a name without
  // an extension.
  virtual std::optional<QString> ChooseSaveFile(const QString& AInitial) = 0;
  virtual std::optional<QString> ChoosePictureFile() = 0;
  // The image to export into, starting from AInitial; the extension picks the format.
  virtual std::optional<QString> ChooseExportFile(const QString& AInitial) = 0;
  // How to lay the diagram out, starting from AInitial; nothing when the user cancelled.
  virtual std::optional<TLayoutOptions> ChooseLayout(const TLayoutOptions& AInitial) = 0;
  virtual void ShowError(const QString& AMessage) = 0;
};

// The Qt dialogs, parented to a window.
class TQtEditorQuestions : public IEditorQuestions {
 public:
  explicit TQtEditorQuestions(QWidget* AParent) : FParent(AParent) {}
  TAnswer Ask(const QString& AText, bool AWithCancel) override;
  std::optional<QString> ChooseOpenFile() override;
  std::optional<QString> ChooseSaveFile(const QString& AInitial) override;
  std::optional<QString> ChoosePictureFile() override;
  std::optional<QString> ChooseExportFile(const QString& AInitial) override;
  std::optional<TLayoutOptions> ChooseLayout(const TLayoutOptions& AInitial) override;
  void ShowError(const QString& AMessage) override;

 private:
  QWidget* FParent;
};

// A saved document's name: ".dgr" appended when the name has no extension.
QString WithDiagramExtension(const QString& AFileName);

}  // namespace tarnwick
