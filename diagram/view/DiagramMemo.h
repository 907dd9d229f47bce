#pragma once
// The in-place text editor: a frameless, see-through text box laid over the text cell
// being edited, in the cell's font scaled by the zoom, with its alignment and word wrap.
// It keeps the cell's width and grows with the text, anchored at the top, bottom or middle
// of the cell as the cell's vertical alignment says. It reports what the user asks for
// (accept, discard, go to the next cell) and leaves writing the text to the diagram.
#include <QTextEdit>
#include <functional>

namespace tarnwick {

class TdvDiagram;
class TTextCell;

class TDiagramMemo : public QTextEdit {
 public:
  TDiagramMemo(TdvDiagram* ADiagram, QWidget* AParent);

  // Fills the editor from the cell (text, alignment, word wrap, font at the zoom), places
  // it over the cell, shows it with the caret at the start and gives it the focus.
  // BeforeShow runs once the editor is filled and before it is placed, so the
  // application may still change it. When BeforeShow fails the editor stays closed.
  void Open(TTextCell* ACell, const std::function<void()>& BeforeShow = {});
  // Hides the editor and forgets the cell.
  void Close();
  // Forgets the cell without touching the widget (the cell or the diagram is going away).
  void ForgetCell() { FCell = nullptr; }
  TTextCell* GetCell() const { return FCell; }
  // The edited text with CR LF line breaks, as a cell keeps it.
  QString EditedText() const;
  // Places the box over the cell for the current text, zoom and scroll position.
  void Reposition();
  // Takes over what changed since opening: the zoom (the font is rescaled), and the
  // cell's font, alignment and word wrap; then places the box again.
  void FollowCell();

  // Ctrl+Enter accepts, Escape discards, Tab and Shift+Tab ask for the next or previous cell.
  std::function<void()> OnAccept;
  std::function<void()> OnDiscard;
  std::function<void(bool AForward)> OnTab;

 protected:
  void keyPressEvent(QKeyEvent* AEvent) override;
  // Claims the editor's own keys before any shortcut of the application takes them.
  bool event(QEvent* AEvent) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // The cell's font, alignment and word wrap at the current zoom, applied when they differ
  // from what the editor shows.
  void ApplyCellFormat();
  // Height of the text in pixels: every laid-out line (wrapped ones too), a trailing line
  // break included.
  int TextHeight();
  // Runs a request of the user; errors go to the application's error report, never into
  // Qt's event loop.
  void Request(const std::function<void()>& ARequest);

  TdvDiagram* FDiagram;
  TTextCell* FCell = nullptr;
  bool FKeepPosition = false;
  // What ApplyCellFormat last applied.
  QFont FAppliedFont;
  QColor FAppliedColor;
  int FAppliedAlignment = -1;
  int FAppliedWrap = -1;
};

}  // namespace tarnwick
