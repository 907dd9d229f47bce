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
  // application may still change it.
  void Open(TTextCell* ACell, const std::function<void()>& BeforeShow = {});
  // Hides the editor and forgets the cell.
  void Close();
  TTextCell* GetCell() const { return FCell; }
  // The edited text with CR LF line breaks, as a cell keeps it.
  QString EditedText() const;
  // Places the box over the cell for the current text, zoom and scroll position.
  void Reposition();

  // Ctrl+Enter accepts, Escape discards, Tab and Shift+Tab ask for the next or previous cell.
  std::function<void()> OnAccept;
  std::function<void()> OnDiscard;
  std::function<void(bool AForward)> OnTab;

 protected:
  void keyPressEvent(QKeyEvent* AEvent) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // Height of the text in pixels: one line per paragraph, a trailing line break included.
  int TextHeight() const;

  TdvDiagram* FDiagram;
  TTextCell* FCell = nullptr;
  bool FKeepPosition = false;
};

}  // namespace tarnwick
