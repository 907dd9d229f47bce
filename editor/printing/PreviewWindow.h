#pragma once
// The print preview ("Diagram Print Preview"): one page at a time at a chosen zoom, in a
// scroll box, with buttons for the pages, printing, the zoom and closing. The page is
// rendered only where the window shows it, so a page zoomed to 500 % on the largest paper
// costs a screen's worth of pixels, not the whole page's.
#include <QDialog>
#include <QImage>

class QLabel;
class QScrollArea;
class QToolBar;
class QToolButton;
class QAction;

namespace tarnwick {

class TdvDiagram;

// The page control: a blue frame, a black shadow on the right and at the bottom, and the
// page inside the frame.
class TPagePreview : public QWidget {
 public:
  explicit TPagePreview(QWidget* AParent);
  void SetPage(TdvDiagram* ADiagram, int APage);
  // The page image's pixels rendered for the last paint (for tests and the benchmark).
  qint64 RenderedPixels() const { return FRenderedPixels; }

 protected:
  void paintEvent(QPaintEvent* AEvent) override;

 private:
  TdvDiagram* FDiagram = nullptr;
  int FPage = 1;
  qint64 FRenderedPixels = 0;
};

class TfmDiagramPreview : public QDialog {
 public:
  static constexpr int Zooms[] = {500, 200, 150, 100, 75, 50, 25, 10};

  explicit TfmDiagramPreview(QWidget* AParent);
  // Starts on page 1 at 100 %.
  void SetDiagram(TdvDiagram* ADiagram);
  int Page() const { return FPage; }
  double ZoomRatio() const { return FZoom; }
  void SetPage(int APage);
  void SetZoomPercent(int APercent);
  // Lays the page out again and renders it anew.
  void RefreshPreview();

  QLabel* PageLabel() const { return FPageLabel; }
  QToolButton* ZoomButton() const { return FZoomButton; }
  QAction* PreviousAction() const { return FPrevious; }
  QAction* NextAction() const { return FNext; }
  QAction* PrintAction() const { return FPrint; }
  QAction* CloseAction() const { return FClose; }
  QScrollArea* ScrollBox() const { return FScroll; }
  TPagePreview* PagePreview() const { return FPagePreview; }

 protected:
  void keyPressEvent(QKeyEvent* AEvent) override;
  void resizeEvent(QResizeEvent* AEvent) override;
  bool eventFilter(QObject* AObject, QEvent* AEvent) override;

 private:
  void Center();

  TdvDiagram* FDiagram = nullptr;
  int FPage = 1;
  double FZoom = 1.0;
  QToolBar* FToolBar;
  QAction* FPrevious;
  QAction* FNext;
  QAction* FPrint;
  QAction* FClose;
  QToolButton* FZoomButton;
  QLabel* FPageLabel;
  QScrollArea* FScroll;
  QWidget* FSheet;  // the scroll box's content: the page control with room around it
  TPagePreview* FPagePreview;
};

}  // namespace tarnwick
