#include "editor/printing/PreviewWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "diagram/printing/PageSettings.h"
#include "diagram/view/Diagram.h"
#include "diagram/view/DiagramPrinting.h"
#include "editor/icons/EditorIcons.h"
#include "editor/printing/PrintCommands.h"
#include "platform/core/Exception.h"
#include "platform/core/Math.h"

namespace tarnwick {

namespace {
constexpr int FrameExtra = 5;  // frame and shadow around the page image
constexpr int CenterSlack = 12;
constexpr int EdgeGap = 6;
}  // namespace

// ---- TPagePreview ----

TPagePreview::TPagePreview(QWidget* AParent) : QWidget(AParent) {
  // Every pixel is painted in paintEvent (the page where it shows).
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPagePreview::SetPage(TdvDiagram* ADiagram, int APage) {
  FDiagram = ADiagram;
  FPage = APage;
  update();
}

void TPagePreview::paintEvent(QPaintEvent* AEvent) {
  QPainter p(this);
  const int w = width(), h = height();
  const QColor face = palette().color(QPalette::Window);
  p.fillRect(AEvent->rect(), face);
  // The page image occupies (1, 1)..(w - 4, h - 4); only its exposed part is rendered.
  const QRect pageRect(1, 1, w - FrameExtra, h - FrameExtra);
  const QRect exposed = AEvent->rect().intersected(pageRect);
  FRenderedPixels = 0;
  if (!exposed.isEmpty()) {
    QImage part;
    if (FDiagram) {
      try {
        part = RenderPreviewPart(*FDiagram, FPage, pageRect.width(), pageRect.height(),
                                 exposed.translated(-pageRect.topLeft()));
      } catch (const Exception&) {
        part = QImage();  // an empty page: painting must not throw into Qt
      }
    }
    if (part.isNull()) {
      p.fillRect(exposed, Qt::white);
    } else {
      FRenderedPixels = qint64{part.width()} * part.height();
      p.drawImage(exposed.topLeft(), part);
    }
  }
  // Frame around (0, 0, w - 3, h - 3); shadow 3 pixels wide from 3 pixels in.
  p.setPen(Qt::blue);
  p.drawRect(0, 0, w - 4, h - 4);
  p.fillRect(QRect(w - 3, 3, 3, h - 3), Qt::black);
  p.fillRect(QRect(3, h - 3, w - 3, 3), Qt::black);
}

// ---- TfmDiagramPreview ----

TfmDiagramPreview::TfmDiagramPreview(QWidget* AParent) : QDialog(AParent) {
  setWindowTitle(QStringLiteral("Diagram Print Preview"));
  setWindowState(windowState() | Qt::WindowMaximized);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  FToolBar = new QToolBar(this);
  FToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  FToolBar->setFocusPolicy(Qt::NoFocus);
  FPrevious = FToolBar->addAction(QStringLiteral("Previous"));
  FPrevious->setToolTip(QStringLiteral("Previous page"));
  FNext = FToolBar->addAction(QStringLiteral("Next"));
  FNext->setToolTip(QStringLiteral("Next page"));
  FPageLabel = new QLabel(FToolBar);
  FPageLabel->setMargin(6);
  FToolBar->addWidget(FPageLabel);
  FToolBar->addSeparator();
  FPrint = FToolBar->addAction(EditorIcon(QStringLiteral("print")), QStringLiteral("Print"));
  FPrint->setToolTip(QStringLiteral("Print"));
  FZoomButton = new QToolButton(FToolBar);
  FZoomButton->setText(QStringLiteral("100%"));
  FZoomButton->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(FZoomButton);
  for (int percent : Zooms)
    menu->addAction(QStringLiteral("%1%").arg(percent), this, [this, percent] { SetZoomPercent(percent); });
  FZoomButton->setMenu(menu);
  FToolBar->addWidget(FZoomButton);
  FToolBar->addSeparator();
  FClose = FToolBar->addAction(QStringLiteral("Close"));
  FClose->setToolTip(QStringLiteral("Close"));
  layout->addWidget(FToolBar);

  FScroll = new QScrollArea(this);
  FScroll->setWidgetResizable(false);
  FScroll->setFocusPolicy(Qt::NoFocus);
  FSheet = new QWidget;
  FPagePreview = new TPagePreview(FSheet);
  FScroll->setWidget(FSheet);
  FScroll->viewport()->installEventFilter(this);
  layout->addWidget(FScroll, 1);

  connect(FPrevious, &QAction::triggered, this, [this] { SetPage(FPage - 1); });
  connect(FNext, &QAction::triggered, this, [this] { SetPage(FPage + 1); });
  connect(FPrint, &QAction::triggered, this, [this] {
    if (FDiagram) PrintWithDialog(this, *FDiagram);
    RefreshPreview();
  });
  connect(FClose, &QAction::triggered, this, &QDialog::close);
}

void TfmDiagramPreview::SetDiagram(TdvDiagram* ADiagram) {
  FDiagram = ADiagram;
  FPage = 1;
  FZoom = 1.0;
  RefreshPreview();
}

void TfmDiagramPreview::SetPage(int APage) {
  if (!FDiagram) return;
  const int count = FDiagram->GetPageCount();
  APage = std::clamp(APage, 1, std::max(count, 1));
  if (APage == FPage) return;
  FPage = APage;
  RefreshPreview();
}

void TfmDiagramPreview::SetZoomPercent(int APercent) {
  FZoom = APercent / 100.0;
  RefreshPreview();
}

void TfmDiagramPreview::RefreshPreview() {
  const int count = FDiagram ? FDiagram->GetPageCount() : 0;
  FPageLabel->setText(QStringLiteral("Page %1/%2").arg(FPage).arg(count));
  FZoomButton->setText(QStringLiteral("%1%").arg(Trunc(FZoom * 100)));
  FPrevious->setEnabled(FPage > 1);
  FNext->setEnabled(FPage < count);
  FPrint->setEnabled(FDiagram != nullptr);
  int w = FrameExtra, h = FrameExtra;
  if (FDiagram) {
    const TDiagramPageSettings& ps = *FDiagram->GetPageSettings();
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    w = Round(ps.GetPaperWidth() / 25.4 * FZoom * dpiX) + FrameExtra;
    h = Round(ps.GetPaperHeight() / 25.4 * FZoom * dpiY) + FrameExtra;
    if (ps.GetOrientation() == dpoLandscape) std::swap(w, h);
  }
  FPagePreview->resize(w, h);
  FPagePreview->SetPage(FDiagram, FPage);
  Center();
  FScroll->horizontalScrollBar()->setValue(0);
  FScroll->verticalScrollBar()->setValue(0);
}

void TfmDiagramPreview::Center() {
  const QSize client = FScroll->viewport()->size();
  const int w = FPagePreview->width(), h = FPagePreview->height();
  const int left = client.width() - w > CenterSlack ? (client.width() - w) / 2 : EdgeGap;
  const int top = client.height() - h > CenterSlack ? (client.height() - h) / 2 : EdgeGap;
  FPagePreview->move(left, top);
  FSheet->resize(std::max(client.width(), left + w + EdgeGap), std::max(client.height(), top + h + EdgeGap));
}

void TfmDiagramPreview::resizeEvent(QResizeEvent* AEvent) {
  QDialog::resizeEvent(AEvent);
  Center();
}

bool TfmDiagramPreview::eventFilter(QObject* AObject, QEvent* AEvent) {
  // The scroll bars come and go with the page's size, changing the client area.
  if (AObject == FScroll->viewport() && AEvent->type() == QEvent::Resize) Center();
  return QDialog::eventFilter(AObject, AEvent);
}

void TfmDiagramPreview::keyPressEvent(QKeyEvent* AEvent) {
  const bool shift = AEvent->modifiers() & Qt::ShiftModifier;
  QScrollBar* bar = shift ? FScroll->horizontalScrollBar() : FScroll->verticalScrollBar();
  const int page = shift ? FScroll->viewport()->width() : FScroll->viewport()->height();
  switch (AEvent->key()) {
    case Qt::Key_PageUp:
      bar->setValue(bar->value() - page);
      break;
    case Qt::Key_PageDown:
      bar->setValue(bar->value() + page);
      break;
    case Qt::Key_Home:
      bar->setValue(0);
      break;
    case Qt::Key_End:
      bar->setValue(bar->maximum());
      break;
    case Qt::Key_Up:
    case Qt::Key_Left:
      bar->setValue(bar->value() - bar->singleStep());
      break;
    case Qt::Key_Down:
    case Qt::Key_Right:
      bar->setValue(bar->value() + bar->singleStep());
      break;
    default:
      QDialog::keyPressEvent(AEvent);
      return;
  }
  AEvent->accept();
}

}  // namespace tarnwick
