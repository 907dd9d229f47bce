#include "editor/layout/LayoutDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

struct TChoice {
  int Value;
  const char* Caption;
};

constexpr TChoice kAlgorithms[] = {
    {laLayered, "Layered (follows the lines)"}, {laForce, "Force-directed"}, {laCircular, "Circular"}};
constexpr TChoice kDirections[] = {{ldTopToBottom, "Top to bottom"}, {ldLeftToRight, "Left to right"}};

QComboBox* ChoiceBox(QWidget* AParent, const TChoice* AChoices, size_t ACount, int ACurrent) {
  auto* box = new QComboBox(AParent);
  for (size_t i = 0; i < ACount; ++i) {
    box->addItem(QString::fromLatin1(AChoices[i].Caption), AChoices[i].Value);
    if (AChoices[i].Value == ACurrent) box->setCurrentIndex(static_cast<int>(i));
  }
  return box;
}

}  // namespace

TLayoutDialog::TLayoutDialog(QWidget* AParent, const TLayoutOptions& AInitial) : QDialog(AParent) {
  setWindowTitle(QStringLiteral("Layout"));
  FAlgorithm = ChoiceBox(this, kAlgorithms, std::size(kAlgorithms), AInitial.Algorithm);
  FAlgorithm->setObjectName(QStringLiteral("algorithm"));
  FDirection = ChoiceBox(this, kDirections, std::size(kDirections), AInitial.Direction);
  FDirection->setObjectName(QStringLiteral("direction"));
  FSpacing = new QSpinBox(this);
  FSpacing->setObjectName(QStringLiteral("spacing"));
  FSpacing->setRange(TLayoutOptions::MinSpacing, TLayoutOptions::MaxSpacing);
  FSpacing->setSingleStep(10);
  FSpacing->setValue(AInitial.Spacing);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Algorithm:"), FAlgorithm);
  form->addRow(QStringLiteral("&Direction:"), FDirection);
  form->addRow(QStringLiteral("&Spacing:"), FSpacing);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  connect(FAlgorithm, &QComboBox::currentIndexChanged, this, [this] { AlgorithmChanged(); });
  AlgorithmChanged();
}

void TLayoutDialog::AlgorithmChanged() {
  // Only a layered arrangement has a direction.
  FDirection->setEnabled(FAlgorithm->currentData().toInt() == laLayered);
}

TLayoutOptions TLayoutDialog::Options() const {
  TLayoutOptions options;
  options.Algorithm = static_cast<TLayoutAlgorithm>(FAlgorithm->currentData().toInt());
  options.Direction = static_cast<TLayoutDirection>(FDirection->currentData().toInt());
  options.Spacing = FSpacing->value();
  return options;
}

std::optional<TLayoutOptions> TLayoutDialog::Ask(QWidget* AParent, const TLayoutOptions& AInitial) {
  TLayoutDialog dialog(AParent, AInitial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Options();
}

}  // namespace tarnwick
