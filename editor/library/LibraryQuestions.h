#pragma once
// ILibraryQuestions: what the library windows ask the user (a name, a Yes/No confirmation,
// an icon file) and the errors they show. The Qt implementation uses the platform's input
// box, message boxes and picture dialog; tests script the answers.
#include <QString>
#include <optional>

class QWidget;

namespace tarnwick {

class ILibraryQuestions {
 public:
  virtual ~ILibraryQuestions() = default;
  // The text entered, starting from AInitial, or nothing when the user cancelled.
  virtual std::optional<QString> AskText(const QString& ACaption, const QString& APrompt, const QString& AInitial) = 0;
  // A warning with Yes and No; true for Yes.
  virtual bool Confirm(const QString& AText) = 0;
  virtual void ShowError(const QString& AMessage) = 0;
  // A picture file for an icon, or nothing when the user cancelled.
  virtual std::optional<QString> ChooseIconFile() = 0;
};

class TQtLibraryQuestions : public ILibraryQuestions {
 public:
  explicit TQtLibraryQuestions(QWidget* AParent = nullptr) : FParent(AParent) {}
  std::optional<QString> AskText(const QString& ACaption, const QString& APrompt, const QString& AInitial) override;
  bool Confirm(const QString& AText) override;
  void ShowError(const QString& AMessage) override;
  std::optional<QString> ChooseIconFile() override;

 private:
  QWidget* FParent;
};

// The process-wide questions; never null. Setting null brings the Qt dialogs back. The
// caller keeps ownership and clears it before destroying it.
ILibraryQuestions& DefaultLibraryQuestions();
void SetDefaultLibraryQuestions(ILibraryQuestions* AQuestions);

}  // namespace tarnwick
