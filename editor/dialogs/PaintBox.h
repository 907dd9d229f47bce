#pragma once
// A widget that paints through a function: the previews of the dialogs.
#include <QPainter>
#include <QWidget>
#include <functional>

namespace tarnwick {

class TPaintBox : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void(QPainter&)> OnPaint;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (OnPaint) OnPaint(painter);
  }
};

}  // namespace tarnwick
