#include "diagram/view/DiagramMemo.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Math.h"
#include "platform/gui/Font.h"

namespace tarnwick {

namespace {

Qt::Alignment QtAlignment(TAlignment A) {
  switch (A) {
    case taRightJustify:
      return Qt::AlignRight;
    case taCenter:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

}  // namespace

TDiagramMemo::TDiagramMemo(TdvDiagram* ADiagram, QWidget* AParent) : QTextEdit(AParent), FDiagram(ADiagram) {
  // The diagram shows through: no frame, no background, no scroll bars (the box grows).
  setFrameStyle(QFrame::NoFrame);
  setAcceptRichText(false);
  setAutoFillBackground(false);
  viewport()->setAutoFillBackground(false);
  QPalette p = palette();
  p.setColor(QPalette::Base, Qt::transparent);
  setPalette(p);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(0);
  hide();
  connect(this, &QTextEdit::textChanged, this, [this] { Reposition(); });
}

void TDiagramMemo::Open(TTextCell* ACell, const std::function<void()>& BeforeShow) {
  if (!ACell) return;
  {
    // Filling the box changes its text; it is placed once, when it is full.
    FKeepPosition = true;
    struct TReset {
      bool& Flag;
      ~TReset() { Flag = false; }
    } reset{FKeepPosition};
    FCell = ACell;
    setLineWrapMode(ACell->GetWordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    QFont font = ACell->GetFont()->Handle();
    // The cell's font at the zoom; a tiny zoom still leaves a font one can read from.
    const double zoom = FDiagram ? FDiagram->GetZoomRatio() : 1.0;
    if (font.pixelSize() > 0)
      font.setPixelSize(std::max(1, Round(font.pixelSize() * zoom)));
    else if (font.pointSizeF() > 0)
      font.setPointSizeF(std::max(1.0, font.pointSizeF() * zoom));
    setFont(font);
    QString text = ACell->GetText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(text);
    // Alignment belongs to the paragraphs; set it on all of them and on new ones.
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(QtAlignment(ACell->GetAlignment()));
    all.mergeBlockFormat(format);
    setAlignment(QtAlignment(ACell->GetAlignment()));
    if (BeforeShow) BeforeShow();
  }
  Reposition();
  show();
  raise();
  setFocus();
  QTextCursor c = textCursor();
  c.movePosition(QTextCursor::Start);
  setTextCursor(c);
}

void TDiagramMemo::Close() {
  FCell = nullptr;
  hide();
}

QString TDiagramMemo::EditedText() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return text;
}

int TDiagramMemo::TextHeight() const {
  const int lines = std::max(1, document()->blockCount());
  return lines * QFontMetrics(font()).height();
}

void TDiagramMemo::Reposition() {
  if (FKeepPosition || !FCell || !FDiagram || !FCell->GetDControl()) return;
  TSquare r = FCell->GetDiagramRect();
  const int m = 0;  // the box has no inner margin of its own
  const double w = (r.Right - r.Left) + 1 + 2 * m;
  const TSquare hPixels = FDiagram->CanvasToClient(TSquare{0, 0, 0, double(TextHeight())});
  const double h = Round(hPixels.Bottom) - Round(hPixels.Top);
  if (FCell->GetAlignment() == taRightJustify)
    r.Left += m;
  else
    r.Left -= m;
  r.Right = r.Left + w;
  switch (FCell->GetVertAlign()) {
    case vaBottom:
      r.Top = r.Bottom - h - 2;
      break;
    case vaCenter:
      r.Top = (r.Top + r.Bottom) / 2 - h / 2 - 1;
      break;
    default:
      break;
  }
  r.Bottom = r.Top + h + 2;
  const TSquare c = FDiagram->ClientToCanvas(r);
  setGeometry(Round(c.Left), Round(c.Top), Round(c.Right - c.Left), Round(c.Bottom - c.Top));
}

void TDiagramMemo::keyPressEvent(QKeyEvent* AEvent) {
  const bool ctrl = AEvent->modifiers() & Qt::ControlModifier;
  switch (AEvent->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Tab never goes into the text: it walks the control's cells.
      if (OnTab) OnTab(AEvent->key() == Qt::Key_Tab && !(AEvent->modifiers() & Qt::ShiftModifier));
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ctrl) {
        if (OnAccept) OnAccept();
        return;
      }
      break;
    case Qt::Key_Escape:
      if (OnDiscard) OnDiscard();
      return;
    default:
      break;
  }
  QTextEdit::keyPressEvent(AEvent);
}

}  // namespace tarnwick
