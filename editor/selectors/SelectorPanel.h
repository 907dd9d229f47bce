#pragma once
// The drop-down panel of a selector: one button per item, in rows of the selector's
// column count, a full-width item on a row of its own. It opens below its selector, or
// above it when the screen's work area has no room below.
#include <QFrame>
#include <vector>

class QToolButton;

namespace tarnwick {

class TDgrCustomSelector;

class TDgrSelectorPanel : public QFrame {
 public:
  explicit TDgrSelectorPanel(TDgrCustomSelector* AOwner);

  // Rebuilds the buttons from the owner's items and shows the panel at its place.
  void Popup();
  // The button of item AIndex; null outside the items.
  QToolButton* ItemButton(int AIndex) const;
  int ItemCount() const { return static_cast<int>(FButtons.size()); }

 protected:
  bool eventFilter(QObject* AWatched, QEvent* AEvent) override;
  void mousePressEvent(QMouseEvent* AEvent) override;

 private:
  void Rebuild();

  TDgrCustomSelector* FOwner;
  std::vector<QToolButton*> FButtons;
};

}  // namespace tarnwick
