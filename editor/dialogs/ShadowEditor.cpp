#include "editor/dialogs/ShadowEditor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "diagram/model/Shadow.h"
#include "editor/dialogs/ColorSwatch.h"
#include "editor/dialogs/PaintBox.h"
#include "platform/gui/ColorUtils.h"

namespace tarnwick {

namespace {

constexpr int OffsetLimit = 100;

QScrollBar* Spinner(Qt::Orientation AOrientation, QWidget* AParent, const char* AName) {
  auto* bar = new QScrollBar(AOrientation, AParent);
  bar->setObjectName(QLatin1String(AName));
  bar->setRange(-OffsetLimit, OffsetLimit);
  bar->setSingleStep(1);
  bar->setPageStep(5);
  // Keys run as the arrows point: up and left make the offset smaller, down and right
  // larger (a scroll bar turns its horizontal keys round by default).
  bar->setInvertedControls(AOrientation == Qt::Vertical);
  return bar;
}

}  // namespace

TShadowEditor::TShadowEditor(QWidget* AParent)
    : QDialog(AParent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), FShad(MakeOwned<TBlockShadow>()) {
  setWindowTitle(QStringLiteral("ShadowEditor"));
  resize(215, 257);
  setSizeGripEnabled(true);

  Panel1 = new TColorSwatch(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  PaintBox1 = new TPaintBox(this);
  PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
  PaintBox1->setMinimumSize(153, 97);
  UpDown1 = Spinner(Qt::Vertical, this, "UpDown1");
  UpDown2 = Spinner(Qt::Horizontal, this, "UpDown2");
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);

  auto* colour = new QHBoxLayout;
  colour->addWidget(new QLabel(QStringLiteral("Shadow color"), this));
  colour->addWidget(Panel1);
  colour->addStretch();
  auto* preview = new QGridLayout;
  preview->addWidget(PaintBox1, 0, 0);
  preview->addWidget(UpDown1, 0, 1);
  preview->addWidget(UpDown2, 1, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addLayout(colour);
  layout->addLayout(preview, 1);
  layout->addLayout(buttons);

  PaintBox1->OnPaint = [this](QPainter& APainter) { PaintPreview(APainter); };
  Panel1->OnColorChosen = [this](TColor AColor) {
    FShad->SetColor(AColor);
    PaintBox1->update();
  };
  connect(UpDown1, &QScrollBar::valueChanged, this, [this](int AValue) {
    FShad->SetVOffset(AValue);
    PaintBox1->update();
  });
  connect(UpDown2, &QScrollBar::valueChanged, this, [this](int AValue) {
    FShad->SetHOffset(AValue);
    PaintBox1->update();
  });
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TShadowEditor::~TShadowEditor() = default;

void TShadowEditor::Load(TBlockShadow& AShadow) {
  FShad->Assign(&AShadow);
  // A shadow not shown yet starts from the usual grey. The working copy takes it too, so
  // what OK gives the block is the colour the swatch and the preview showed.
  if (!FShad->GetVisible()) FShad->SetColor(TBlockShadow::DefaultColor);
  const int v = FShad->GetVOffset(), h = FShad->GetHOffset();
  UpDown1->setValue(v);
  UpDown2->setValue(h);
  // The spinners hold offsets within their range; an offset beyond it stays as it was
  // until the user moves the spinner.
  FShad->SetVOffset(v);
  FShad->SetHOffset(h);
  Panel1->SetColor(FShad->GetColor());
}

void TShadowEditor::PaintPreview(QPainter& APainter) {
  const QColor frame = ColorToQColor(0xC0C0C0);
  QRect r = PaintBox1->rect().adjusted(1, 1, -1, -1);
  APainter.setPen(QPen(frame, 1));
  APainter.setBrush(Qt::NoBrush);
  APainter.drawRect(r.adjusted(0, 0, -1, -1));
  r.adjust(15, 15, -15, -15);
  const QColor shadow = ColorToQColor(FShad->GetColor());
  APainter.setPen(QPen(shadow, 1));
  APainter.setBrush(shadow);
  APainter.drawRect(r.translated(FShad->GetHOffset(), FShad->GetVOffset()).adjusted(0, 0, -1, -1));
  APainter.setPen(QPen(frame, 1));
  APainter.setBrush(Qt::white);
  APainter.drawRect(r.adjusted(0, 0, -1, -1));
}

bool TShadowEditor::EditShadow(TBlockShadow& AShadow) {
  Load(AShadow);
  if (exec() != QDialog::Accepted) return false;
  AShadow.Assign(FShad.get());
  return true;
}

bool ExecuteShadowEditor(QWidget* AParent, TBlockShadow& AShadow) {
  TShadowEditor dialog(AParent);
  return dialog.EditShadow(AShadow);
}

}  // namespace tarnwick
