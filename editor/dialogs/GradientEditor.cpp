#include "editor/dialogs/GradientEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "diagram/model/Gradient.h"
#include "editor/dialogs/ColorSwatch.h"
#include "editor/dialogs/PaintBox.h"
#include "platform/gui/Canvas.h"

namespace tarnwick {

TGradientEditor::TGradientEditor(QWidget* AParent)
    : QDialog(AParent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FGrad(MakeOwned<TDiagramGradient>()) {
  setWindowTitle(QStringLiteral("Diagram gradient selection"));
  setFixedSize(353, 314);

  Panel1 = new TColorSwatch(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel2 = new TColorSwatch(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({QStringLiteral("Top Bottom"), QStringLiteral("Bottom Top"), QStringLiteral("Left Right"),
                       QStringLiteral("Right Left"), QStringLiteral("Left Top"), QStringLiteral("Right Top"),
                       QStringLiteral("Left Bottom"), QStringLiteral("Right Bottom"), QStringLiteral("In Out"),
                       QStringLiteral("Out In"), QStringLiteral("Horz. In Out"), QStringLiteral("Horz. Out In"),
                       QStringLiteral("Vert. In Out"), QStringLiteral("Vert. Out In")});
  PaintBox1 = new TPaintBox(this);
  PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
  PaintBox1->setFixedSize(337, 153);
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);

  auto* colours = new QGridLayout;
  colours->addWidget(new QLabel(QStringLiteral("Gradient start color"), this), 0, 0);
  colours->addWidget(Panel1, 0, 1);
  colours->addWidget(new QLabel(QStringLiteral("Gradient end color"), this), 1, 0);
  colours->addWidget(Panel2, 1, 1);
  colours->addWidget(new QLabel(QStringLiteral("Gradient type"), this), 2, 0);
  colours->addWidget(ComboBox1, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addLayout(colours);
  layout->addWidget(new QLabel(QStringLiteral("Preview"), this));
  layout->addWidget(PaintBox1);
  layout->addLayout(buttons);

  // The preview shows the bands whether or not the gradient is switched on yet.
  PaintBox1->OnPaint = [this](QPainter& APainter) {
    TCanvas canvas(&APainter);
    FGrad->DrawGradient(canvas, TSquare{0, 0, double(PaintBox1->width()), double(PaintBox1->height())}, 0);
  };
  Panel1->OnColorChosen = [this](TColor AColor) {
    FGrad->SetStartColor(AColor);
    PaintBox1->update();
  };
  Panel2->OnColorChosen = [this](TColor AColor) {
    FGrad->SetEndColor(AColor);
    PaintBox1->update();
  };
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int AIndex) {
    if (AIndex < 0) return;
    FGrad->SetDirection(static_cast<TGradientDirection>(AIndex));
    PaintBox1->update();
  });
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TGradientEditor::~TGradientEditor() = default;

void TGradientEditor::Load(TDiagramGradient& AGradient) {
  FGrad->Assign(&AGradient);
  ComboBox1->setCurrentIndex(FGrad->GetDirection());
  Panel1->SetColor(FGrad->GetStartColor());
  Panel2->SetColor(FGrad->GetEndColor());
}

bool TGradientEditor::EditGradient(TDiagramGradient& AGradient) {
  Load(AGradient);
  if (exec() != QDialog::Accepted) return false;
  AGradient.Assign(FGrad.get());
  return true;
}

bool ExecuteGradientEditor(QWidget* AParent, TDiagramGradient& AGradient) {
  TGradientEditor dialog(AParent);
  return dialog.EditGradient(AGradient);
}

}  // namespace tarnwick
