#include "diagram/view/DiagramMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextLayout>

#include "diagram/model/TextCells.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Math.h"
#include "platform/core/ScopeGuard.h"
#include "platform/gui/ColorUtils.h"
#include "platform/gui/Font.h"
#include "platform/widgets/WinControl.h"

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

// The cell's font at the zoom, scaled the way the cell's text is painted (its point size,
// rounded), so the text does not jump when the editor opens or closes. A font rounded to
// nothing at a small zoom would fall back to the default height: it keeps one point.
void ScaleFont(TFont& AFont, double AZoom) {
  const int size = AFont.GetSize();
  if (size == 0) {
    AFont.SetHeight(-std::max(1, Round(AFont.PixelHeight() * AZoom)));
    return;
  }
  const int zoomed = Round(size * AZoom);
  AFont.SetSize(zoomed != 0 ? zoomed : (size < 0 ? -1 : 1));
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
  try {
    // Filling the box changes its text; it is placed once, when it is full.
    const TScopedValue<bool> keep(FKeepPosition, true);
    FCell = ACell;
    QString text = ACell->GetText();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(text);
    FAppliedAlignment = FAppliedWrap = -1;
    FAppliedFont = QFont();
    FAppliedColor = QColor();
    ApplyCellFormat();
    // Ctrl+Z in the box undoes typing, not the filling.
    document()->clearUndoRedoStacks();
    if (BeforeShow) BeforeShow();
  } catch (...) {
    Close();
    throw;
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

void TDiagramMemo::ApplyCellFormat() {
  if (!FCell) return;
  TFont scaled;
  scaled.Assign(FCell->GetFont());
  ScaleFont(scaled, FDiagram ? FDiagram->GetZoomRatio() : 1.0);
  if (scaled.Handle() != FAppliedFont) {
    FAppliedFont = scaled.Handle();
    setFont(FAppliedFont);
  }
  const QColor color = ColorToQColor(FCell->GetFont()->GetColor());
  if (color != FAppliedColor) {
    FAppliedColor = color;
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
  }
  if (int(FCell->GetWordWrap()) != FAppliedWrap) {
    FAppliedWrap = FCell->GetWordWrap();
    setLineWrapMode(FCell->GetWordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  }
  if (int(FCell->GetAlignment()) != FAppliedAlignment) {
    FAppliedAlignment = FCell->GetAlignment();
    // Alignment belongs to the paragraphs; set it on all of them and on new ones.
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(QtAlignment(FCell->GetAlignment()));
    all.mergeBlockFormat(format);
    setAlignment(QtAlignment(FCell->GetAlignment()));
  }
}

void TDiagramMemo::FollowCell() {
  if (!FCell) return;
  {
    const TScopedValue<bool> keep(FKeepPosition, true);
    ApplyCellFormat();
  }
  Reposition();
}

int TDiagramMemo::TextHeight() {
  // Asking for the document's size lays it out completely, so every block knows its lines.
  document()->documentLayout()->documentSize();
  int lines = 0;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    const QTextLayout* layout = b.layout();
    lines += layout && layout->lineCount() > 0 ? layout->lineCount() : 1;
  }
  return std::max(1, lines) * QFontMetrics(font()).height();
}

void TDiagramMemo::Reposition() {
  if (FKeepPosition || !FCell || !FDiagram || !FCell->GetDControl()) return;
  TSquare r = FCell->GetDiagramRect();
  const int m = 0;  // the box has no inner margin of its own
  const double w = (r.Right - r.Left) + 1 + 2 * m;
  if (FCell->GetAlignment() == taRightJustify)
    r.Left += m;
  else
    r.Left -= m;
  r.Right = r.Left + w;
  // Wrapped lines count towards the height, so the text is laid out at the box's width
  // before it is measured.
  const TSquare across = FDiagram->ClientToCanvas(r);
  const int width = Round(across.Right - across.Left);
  if (lineWrapMode() == QTextEdit::WidgetWidth && width > 0) document()->setTextWidth(width);
  const TSquare hPixels = FDiagram->CanvasToClient(TSquare{0, 0, 0, double(TextHeight())});
  const double h = Round(hPixels.Bottom) - Round(hPixels.Top);
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
  const QRect box(Round(c.Left), Round(c.Top), Round(c.Right - c.Left), Round(c.Bottom - c.Top));
  if (box != geometry()) setGeometry(box);
}

void TDiagramMemo::Request(const std::function<void()>& ARequest) {
  if (!ARequest) return;
  try {
    ARequest();
  } catch (const Exception& e) {
    ShowException(e);
  } catch (const std::exception& e) {
    ShowException(Exception(QString::fromUtf8(e.what())));
  }
}

bool TDiagramMemo::event(QEvent* AEvent) {
  if (AEvent->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(AEvent);
    const bool ctrlEnter =
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::ControlModifier);
    if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || ctrlEnter) {
      AEvent->accept();
      return true;
    }
  }
  return QTextEdit::event(AEvent);
}

void TDiagramMemo::keyPressEvent(QKeyEvent* AEvent) {
  const bool ctrl = AEvent->modifiers() & Qt::ControlModifier;
  // Every key typed into the box stays in it: none reaches the diagram's own keys.
  AEvent->accept();
  switch (AEvent->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      // Tab never goes into the text: it walks the control's cells.
      const bool forward = AEvent->key() == Qt::Key_Tab && !(AEvent->modifiers() & Qt::ShiftModifier);
      if (OnTab) Request([this, forward] { OnTab(forward); });
      return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ctrl) {
        Request(OnAccept);
        return;
      }
      break;
    case Qt::Key_Escape:
      Request(OnDiscard);
      return;
    default:
      break;
  }
  QTextEdit::keyPressEvent(AEvent);
  AEvent->accept();
}

}  // namespace tarnwick
