#pragma once
// TShadowEditor: the dialog that edits a block's drop shadow: its colour and its two
// offsets, with a preview of a block over its shadow. The vertical spinner runs like the
// picture: its up arrow moves the shadow up (a smaller VOffset).
#include <QDialog>

#include "platform/core/Object.h"

class QPushButton;
class QScrollBar;

namespace tarnwick {

class TBlockShadow;
class TColorSwatch;
class TPaintBox;

class TShadowEditor : public QDialog {
 public:
  explicit TShadowEditor(QWidget* AParent = nullptr);
  ~TShadowEditor() override;

  // Runs the dialog on a copy of AShadow; on OK the copy goes back into AShadow (its
  // transparency stays) and the result is true. Cancel leaves it untouched.
  bool EditShadow(TBlockShadow& AShadow);
  TBlockShadow& Shad() const { return *FShad; }

  TColorSwatch* Panel1 = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  QScrollBar* UpDown1 = nullptr;  // VOffset
  QScrollBar* UpDown2 = nullptr;  // HOffset
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;

 private:
  void Load(TBlockShadow& AShadow);
  void PaintPreview(QPainter& APainter);

  TOwned<TBlockShadow> FShad;
};

bool ExecuteShadowEditor(QWidget* AParent, TBlockShadow& AShadow);

}  // namespace tarnwick
