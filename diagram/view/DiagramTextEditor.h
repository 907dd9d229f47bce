#pragma once
// The diagram's in-place text editing: opens the editor widget (DiagramMemo.h) on a text
// cell, writes the text back as one user operation, walks the cells with Tab, and closes
// the editor when its cell or control goes away. The editor widget is made on first use
// as a child of the diagram's window and goes with that window; the reference to it is
// guarded, so nothing here outlives it.
#include <QPointer>

namespace tarnwick {

class TdvDiagram;
class TDiagramControl;
class TDiagramMemo;
class TTextCell;

class TDiagramTextEditor {
 public:
  explicit TDiagramTextEditor(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  ~TDiagramTextEditor();
  TDiagramTextEditor(const TDiagramTextEditor&) = delete;
  TDiagramTextEditor& operator=(const TDiagramTextEditor&) = delete;

  void EditTextCell(TTextCell* ACell);
  void EditControlText(TDiagramControl* ADControl);
  void CloseEditor(bool AUpdate);
  bool EditingText() const;
  TTextCell* EditingCell() const;
  TDiagramMemo* GetMemo() const;

  // A control leaves the diagram, or a cell is freed: an editor on it closes without
  // writing (silently while the diagram itself is being destroyed).
  void ControlLeaving(TDiagramControl* AControl);
  void CellDestroying(TTextCell* ACell);
  // The diagram is being destroyed: the editor forgets its cell and reports nothing more.
  void DiagramDestroying();
  // After a paint of the window: the box follows scrolling, zooming and changes of the cell.
  void AfterPaint();

 private:
  void OpenEditor(TTextCell* ACell);
  TDiagramMemo& Memo();
  void Tab(bool AForward);
  // Closes without writing because the cell is going away.
  void Abandon();
  // Whether ACell of AControl still exists after application code ran: the control is
  // still on the diagram and still has the cell. Compares pointers only, so it is safe
  // for a cell that was freed.
  bool CellStillThere(TDiagramControl* AControl, TTextCell* ACell) const;

  TdvDiagram& FDiagram;
  QPointer<TDiagramMemo> FMemo;
  bool FClosing = false;
};

}  // namespace tarnwick
