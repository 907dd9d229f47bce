#pragma once
// The editable combo selectors: zoom, font size, font name and layer. Picking a list item
// or pressing Enter in the text applies the value; the text is then rewritten in the
// normal form of the value in force. Typed text is never added to the list. While a box
// does not have the focus it follows the diagram (Sync, called when the program is idle).
#include <QComboBox>
#include <QStringList>
#include <functional>

#include "editor/selectors/DiagramLink.h"

namespace tarnwick {

class TdvDiagram;

class TDgrBaseComboBox : public QComboBox {
 public:
  explicit TDgrBaseComboBox(QWidget* AParent = nullptr);

  TdvDiagram* GetDiagram() const { return FDiagram.Get(); }
  // Setting a diagram shows its value at once.
  void SetDiagram(TdvDiagram* Value);
  // What a pick or Enter does with the text.
  void ApplyText(const QString& AText);
  virtual void Sync() {}

  std::function<void(const QString& AMessage)> OnError;

 protected:
  // Applies the value AText reads as, then shows the value in force.
  virtual void ApplyValue(const QString& AText) = 0;
  // Shows the diagram's value (or the default without a diagram).
  virtual void ShowValue() = 0;
  // True while the user works in the box: it is not changed under them.
  bool UserBusy() const;
  bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

 private:
  TDiagramLink FDiagram;
};

// The diagram's zoom, in percent.
class TDgrZoomSelector : public TDgrBaseComboBox {
 public:
  explicit TDgrZoomSelector(QWidget* AParent = nullptr);
  // Trimmed, one trailing "%" dropped, read as an integer; unreadable text gives the
  // diagram's zoom (100 without a diagram).
  int ReadZoom(const QString& AText) const;
  void Sync() override;

 protected:
  void ApplyValue(const QString& AText) override;
  void ShowValue() override;
};

// The font size of the cell being edited, or of the selected controls and their cells
// that do not follow the control's font.
class TDgrFontSizeSelector : public TDgrBaseComboBox {
 public:
  explicit TDgrFontSizeSelector(QWidget* AParent = nullptr);
  // Trimmed and read as an integer from 1 to 1638; other text gives the size shown for
  // the diagram (8 without a diagram).
  int ReadSize(const QString& AText) const;
  void Sync() override;

 protected:
  void ApplyValue(const QString& AText) override;
  void ShowValue() override;
};

// The font name, applied like the font size. Only installed font names are applied.
class TDgrFontSelector : public TDgrBaseComboBox {
 public:
  explicit TDgrFontSelector(QWidget* AParent = nullptr);
  void Sync() override;

 protected:
  void ApplyValue(const QString& AText) override;
  void ShowValue() override;
};

// The named layer of the selected controls: "(no layer)" and the diagram's layer names.
class TDgrLayerSelector : public TDgrBaseComboBox {
 public:
  static constexpr const char* NoLayer = "(no layer)";

  explicit TDgrLayerSelector(QWidget* AParent = nullptr);
  // Rebuilds the list when the layer names changed, enables the box while a control is
  // selected and shows the first selected control's layer.
  void Sync() override;

 protected:
  void ApplyValue(const QString& AText) override;
  void ShowValue() override;

 private:
  QStringList LayerNames() const;
  QStringList FNames;
};

}  // namespace tarnwick
