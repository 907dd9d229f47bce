#pragma once
// ILayerQuestions: the Yes/No boxes of the layer manager. The manager never opens a box
// itself, so tests script the answers and a program can put its own boxes in.
#include <QString>

class QWidget;

namespace tarnwick {

class ILayerQuestions {
 public:
  virtual ~ILayerQuestions() = default;
  // True for Yes. AWarning: the box warns of something that cannot be taken back by the
  // user's eye (controls deleted), rather than merely asking.
  virtual bool Confirm(const QString& AText, bool AWarning) = 0;
};

class TQtLayerQuestions : public ILayerQuestions {
 public:
  explicit TQtLayerQuestions(QWidget* AParent) : FParent(AParent) {}
  bool Confirm(const QString& AText, bool AWarning) override;

 private:
  QWidget* FParent;
};

}  // namespace tarnwick
