// The diagram's window: the drawing and the two scroll bars beside it. The diagram's scroll
// bar objects stay the authority on positions and ranges; the window's bars mirror them and
// turn the user's clicks and drags into scroll requests.
#include "diagram/view/DiagramWindow.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QThread>

#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"

namespace tarnwick {

namespace {

TScrollCode CodeFor(int AAction) {
  switch (AAction) {
    case QAbstractSlider::SliderSingleStepAdd:
      return scLineDown;
    case QAbstractSlider::SliderSingleStepSub:
      return scLineUp;
    case QAbstractSlider::SliderPageStepAdd:
      return scPageDown;
    case QAbstractSlider::SliderPageStepSub:
      return scPageUp;
    case QAbstractSlider::SliderToMinimum:
      return scTop;
    case QAbstractSlider::SliderToMaximum:
      return scBottom;
    default:
      return scTrack;
  }
}

void Mirror(QScrollBar* AWidget, const TDiagramScrollBar& ABar) {
  if (!AWidget) return;
  const TWindowScrollBar& w = ABar.WindowBar();
  const QSignalBlocker block(AWidget);
  // The window bar's maximum counts the last page; Qt's counts the last position.
  AWidget->setRange(w.Min, std::max(w.Min, w.Max - w.Page + 1));
  AWidget->setPageStep(std::max(1, w.Page));
  AWidget->setSingleStep(std::max(1, ABar.GetIncrement()));
  AWidget->setValue(w.Position);
  AWidget->setVisible(ABar.IsScrollBarVisible());
}

}  // namespace

struct TDiagramWindow::TPrivate {
  QPointer<QScrollBar> HorzBar;
  QPointer<QScrollBar> VertBar;
};

TDiagramWindow::TDiagramWindow(TdvDiagram& ADiagram) : FDiagram(ADiagram), FPrivate(std::make_unique<TPrivate>()) {}

TDiagramWindow::~TDiagramWindow() = default;

int TDiagramWindow::PlatformScrollBarThickness() const {
  if (!FDiagram.HandleAllocated()) return 0;
  return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void TDiagramWindow::CreateScrollBars() {
  QWidget* window = FDiagram.GetHandle();
  auto makeBar = [&](Qt::Orientation AOrientation, TScrollBarKind AKind) {
    auto* bar = new QScrollBar(AOrientation, window);
    bar->setFocusPolicy(Qt::NoFocus);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar, AKind](int action) {
      if (action == QAbstractSlider::SliderNoAction) return;
      Scroll(AKind, CodeFor(action), bar->sliderPosition());
    });
    return bar;
  };
  FPrivate->HorzBar = makeBar(Qt::Horizontal, sbHorizontal);
  FPrivate->VertBar = makeBar(Qt::Vertical, sbVertical);
  FDiagram.UpdateScrollBars();
  LayoutScrollBars();
}

void TDiagramWindow::LayoutScrollBars() {
  if (!FPrivate->HorzBar || !FPrivate->VertBar) return;
  // Through the diagram: a subclass may report another thickness.
  const int t = FDiagram.ScrollBarThickness();
  // The bars sit inside the border, which stays visible around them.
  const int b = FDiagram.BorderWidth();
  const int w = FDiagram.GetWidth() - 2 * b, h = FDiagram.GetHeight() - 2 * b;
  const bool vert = FDiagram.FVertScrollBar->IsScrollBarVisible();
  const bool horz = FDiagram.FHorzScrollBar->IsScrollBarVisible();
  FPrivate->HorzBar->setGeometry(b, b + h - t, w - (vert ? t : 0), t);
  FPrivate->VertBar->setGeometry(b + w - t, b, t, h - (horz ? t : 0));
  SyncScrollBars();
}

void TDiagramWindow::SyncScrollBars() {
  Mirror(FPrivate->HorzBar, *FDiagram.FHorzScrollBar);
  Mirror(FPrivate->VertBar, *FDiagram.FVertScrollBar);
}

void TDiagramWindow::Scroll(TScrollBarKind AKind, TScrollCode ACode, int ATrackPos) {
  // Qt is not exception-safe: nothing may leave this slot.
  try {
    TDiagramScrollBar& bar = AKind == sbHorizontal ? *FDiagram.FHorzScrollBar : *FDiagram.FVertScrollBar;
    // Dragging the thumb scrolls while it moves only with Tracking; otherwise on release.
    if (ACode == scTrack && !bar.GetTracking()) ACode = scPosition;
    const int before = bar.GetPosition();
    const std::vector<int> positions = bar.ScrollPositions(ACode, ATrackPos);
    for (size_t i = 0; i < positions.size(); ++i) {
      bar.SetPosition(positions[i]);
      if (positions.size() > 1) {
        // A smooth scroll shows every step, at least the bar's delay apart.
        FDiagram.GetHandle()->repaint();
        if (i + 1 < positions.size()) QThread::msleep(static_cast<unsigned long>(std::max(0, bar.GetDelay())));
      }
    }
    SyncScrollBars();
    FDiagram.Invalidate();
    if (FDiagram.HandleAllocated()) FDiagram.GetHandle()->setFocus();
    if (bar.GetPosition() != before) {
      const TNotifyEvent& event = AKind == sbHorizontal ? FDiagram.OnHorzScrolled : FDiagram.OnVertScrolled;
      if (event) event(&FDiagram);
    }
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::exception& e) {
    ShowException(Exception(QString::fromUtf8(e.what())));
  }
}

bool TDiagramWindow::HasParentWindow() const {
  if (!FDiagram.HandleAllocated()) return false;
  return FDiagram.GetHandle()->parentWidget() != nullptr;
}

}  // namespace tarnwick
