#pragma once
// IDiagramChooser: the questions the style commands ask the user (a colour, a font, a
// picture file, a gradient or a shadow). The commands never open a dialog themselves: they ask a chooser, so a
// program can put its own dialogs in and tests can script the answers. Each action uses
// its own chooser when one is set, else the process-wide one, which starts as the Qt
// dialogs.
#include <QString>
#include <optional>

#include "platform/core/Colors.h"

class QWidget;

namespace tarnwick {

class TBlockShadow;
class TDiagramGradient;
class TFont;

class IDiagramChooser {
 public:
  virtual ~IDiagramChooser() = default;
  // The chosen colour, or nothing when the user cancelled.
  virtual std::optional<TColor> ChooseColor(TColor AInitial) = 0;
  // AFont comes in as the font to start from; true (and AFont changed to the choice) when
  // the user confirmed.
  virtual bool ChooseFont(TFont& AFont) = 0;
  // The picture file chosen, or nothing when the user cancelled.
  virtual std::optional<QString> ChoosePictureFile() = 0;
  // Edit the argument in the program's gradient or shadow editor: true (and the argument
  // changed) when the user confirmed. By default they go to the installed style editor
  // (DiagramStyleEditor.h) and answer "cancel" without one.
  virtual bool EditGradient(TDiagramGradient& AGradient);
  virtual bool EditShadow(TBlockShadow& AShadow);
};

// The Qt standard dialogs, parented to AParent (may be null).
class TQtDiagramChooser : public IDiagramChooser {
 public:
  explicit TQtDiagramChooser(QWidget* AParent = nullptr) : FParent(AParent) {}
  std::optional<TColor> ChooseColor(TColor AInitial) override;
  bool ChooseFont(TFont& AFont) override;
  std::optional<QString> ChoosePictureFile() override;

 private:
  QWidget* FParent;
};

// The process-wide chooser; never null. Setting null brings the Qt dialogs back. The
// caller keeps ownership of what it sets and clears it before destroying it.
IDiagramChooser& DefaultDiagramChooser();
void SetDefaultDiagramChooser(IDiagramChooser* AChooser);

}  // namespace tarnwick
