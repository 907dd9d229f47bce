// The diagram's window: the drawing and the two scroll bars beside it. The diagram's scroll
// bar objects stay the authority on positions and ranges; the window's bars mirror them and
// turn the user's clicks and drags into scroll requests.
#include <QAbstractSlider>
#include <QApplication>
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

int TdvDiagram::ScrollBarThickness() const {
  if (!HandleAllocated()) return 0;
  return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void TdvDiagram::CreateWnd() {
  TWinControl::CreateWnd();
  QWidget* window = GetHandle();
  auto makeBar = [&](Qt::Orientation AOrientation, TScrollBarKind AKind) {
    auto* bar = new QScrollBar(AOrientation, window);
    bar->setFocusPolicy(Qt::NoFocus);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar, AKind](int action) {
      if (action == QAbstractSlider::SliderNoAction) return;
      WindowScroll(AKind, CodeFor(action), bar->sliderPosition());
    });
    return bar;
  };
  FHorzBarWidget = makeBar(Qt::Horizontal, sbHorizontal);
  FVertBarWidget = makeBar(Qt::Vertical, sbVertical);
  UpdateScrollBars();
  LayoutWindowScrollBars();
}

void TdvDiagram::LayoutWindowScrollBars() {
  if (!FHorzBarWidget || !FVertBarWidget) return;
  const int t = ScrollBarThickness();
  // The bars sit inside the border, which stays visible around them.
  const int b = BorderWidth();
  const int w = GetWidth() - 2 * b, h = GetHeight() - 2 * b;
  const bool vert = FVertScrollBar->IsScrollBarVisible();
  const bool horz = FHorzScrollBar->IsScrollBarVisible();
  FHorzBarWidget->setGeometry(b, b + h - t, w - (vert ? t : 0), t);
  FVertBarWidget->setGeometry(b + w - t, b, t, h - (horz ? t : 0));
  SyncWindowScrollBars();
}

void TdvDiagram::SyncWindowScrollBars() {
  Mirror(FHorzBarWidget, *FHorzScrollBar);
  Mirror(FVertBarWidget, *FVertScrollBar);
}

void TdvDiagram::WindowScroll(TScrollBarKind AKind, TScrollCode ACode, int ATrackPos) {
  // Qt is not exception-safe: nothing may leave this slot.
  try {
    TDiagramScrollBar& bar = AKind == sbHorizontal ? *FHorzScrollBar : *FVertScrollBar;
    // Dragging the thumb scrolls while it moves only with Tracking; otherwise on release.
    if (ACode == scTrack && !bar.GetTracking()) ACode = scPosition;
    const int before = bar.GetPosition();
    const std::vector<int> positions = bar.ScrollPositions(ACode, ATrackPos);
    for (size_t i = 0; i < positions.size(); ++i) {
      bar.SetPosition(positions[i]);
      if (positions.size() > 1) {
        // A smooth scroll shows every step, at least the bar's delay apart.
        GetHandle()->repaint();
        if (i + 1 < positions.size()) QThread::msleep(static_cast<unsigned long>(std::max(0, bar.GetDelay())));
      }
    }
    SyncWindowScrollBars();
    Invalidate();
    if (HandleAllocated()) GetHandle()->setFocus();
    if (bar.GetPosition() != before) {
      const TNotifyEvent& event = AKind == sbHorizontal ? OnHorzScrolled : OnVertScrolled;
      if (event) event(this);
    }
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::exception& e) {
    ShowException(Exception(QString::fromUtf8(e.what())));
  }
}

}  // namespace tarnwick
