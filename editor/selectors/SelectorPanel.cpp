#include "editor/selectors/SelectorPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>

#include "editor/selectors/CustomSelector.h"

namespace tarnwick {

TDgrSelectorPanel::TDgrSelectorPanel(TDgrCustomSelector* AOwner) : QFrame(AOwner, Qt::Popup), FOwner(AOwner) {
  setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(3, 3, 3, 3);
  grid->setSpacing(1);
}

void TDgrSelectorPanel::Rebuild() {
  for (QToolButton* button : FButtons) delete button;
  FButtons.clear();
  auto* grid = static_cast<QGridLayout*>(layout());
  const auto& tools = FOwner->GetTools();
  const int columns = FOwner->GetColumns();
  int row = 0;
  int column = 0;
  for (int i = 0; i < static_cast<int>(tools.size()); ++i) {
    const TDgrSelectorItem& item = tools[i];
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setChecked(i == FOwner->GetSelectedIndex());
    button->setIcon(item.Icon);
    button->setToolTip(item.Hint);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, i] { FOwner->Pick(i); });
    FButtons.push_back(button);
    if (item.ItemType == itFullWidthButton) {
      if (column > 0) ++row;
      button->setText(item.Caption);
      button->setToolButtonStyle(item.Icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextBesideIcon);
      button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
      grid->addWidget(button, row++, 0, 1, columns);
      column = 0;
    } else {
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      grid->addWidget(button, row, column, Qt::AlignCenter);
      if (++column == columns) {
        column = 0;
        ++row;
      }
    }
  }
  adjustSize();
}

void TDgrSelectorPanel::Popup() {
  Rebuild();
  const QRect owner(FOwner->mapToGlobal(QPoint(0, 0)), FOwner->size());
  QPoint at = owner.bottomLeft() + QPoint(0, 1);
  if (const QScreen* screen = FOwner->screen()) {
    const QRect work = screen->availableGeometry();
    if (at.y() + height() > work.bottom() && owner.top() - height() >= work.top()) at.setY(owner.top() - height());
    if (at.x() + width() > work.right()) at.setX(qMax(work.left(), work.right() - width()));
  }
  move(at);
  show();
}

QToolButton* TDgrSelectorPanel::ItemButton(int AIndex) const {
  return AIndex >= 0 && AIndex < ItemCount() ? FButtons[AIndex] : nullptr;
}

bool TDgrSelectorPanel::eventFilter(QObject* AWatched, QEvent* AEvent) {
  if (AEvent->type() == QEvent::Enter && FOwner->OnHotTool)
    for (int i = 0; i < ItemCount(); ++i)
      if (FButtons[i] == AWatched) FOwner->OnHotTool(FOwner, i);
  return QFrame::eventFilter(AWatched, AEvent);
}

void TDgrSelectorPanel::mousePressEvent(QMouseEvent* AEvent) {
  // A press on the selector that opened the panel only closes it: replayed to the
  // selector's arrow it would open the panel again at once.
  const QPoint onOwner = FOwner->mapFromGlobal(AEvent->globalPosition().toPoint());
  setAttribute(Qt::WA_NoMouseReplay, FOwner->rect().contains(onOwner));
  QFrame::mousePressEvent(AEvent);
}

}  // namespace tarnwick
