#pragma once
// The shadow and gradient selectors. Each owns the shadow (gradient) it gives the selected
// blocks; its items preset it. A program that has an editor for it sets the editor hook,
// and an item that opens the editor on the selector's own object appears.
#include <functional>

#include "editor/selectors/CustomSelector.h"
#include "platform/core/Object.h"

namespace tarnwick {

class IDiagramChooser;
class TBlockShadow;
class TDiagramGradient;

class TDgrShadowSelector : public TDgrCustomSelector {
 public:
  // Edits the shadow in place; true when the user confirmed.
  using TShadowEditor = std::function<bool(TBlockShadow& AShadow)>;

  explicit TDgrShadowSelector(QWidget* AParent = nullptr);
  ~TDgrShadowSelector() override;

  TBlockShadow* GetShadow() const { return FShadow.get(); }
  bool GetShowSettingsOption() const { return FShowSettingsOption; }
  void SetShowSettingsOption(bool Value);
  // "Shadow Settings" is offered while the option is on and an editor is set.
  void SetShadowEditor(TShadowEditor AEditor);

  // The item that shows a shadow: 0 invisible, then 1 to 4 by the signs of its offsets.
  static int IndexOfShadow(const TBlockShadow& AShadow);

 protected:
  bool Prepare(int& AIndex) override;
  void Apply(TdvDiagram& ADiagram) override;

 private:
  void BuildItems();

  TOwned<TBlockShadow> FShadow;
  bool FShowSettingsOption = true;
  TShadowEditor FEditor;
};

class TDgrGradientDirectionSelector : public TDgrCustomSelector {
 public:
  using TGradientEditor = std::function<bool(TDiagramGradient& AGradient)>;

  explicit TDgrGradientDirectionSelector(QWidget* AParent = nullptr);
  ~TDgrGradientDirectionSelector() override;

  TDiagramGradient* GetGradient() const { return FGradient.get(); }
  // Asks the start and end colours; null: the process-wide chooser. Not owned.
  void SetChooser(IDiagramChooser* Value) { FChooser = Value; }
  // "More Gradients..." is offered while an editor is set.
  void SetGradientEditor(TGradientEditor AEditor);

  // The item that shows the gradient: "No Gradient" when invisible, else its direction.
  int IndexOfGradient() const;

 protected:
  bool Prepare(int& AIndex) override;
  void Apply(TdvDiagram& ADiagram) override;

 private:
  void BuildItems();

  TOwned<TDiagramGradient> FGradient;
  IDiagramChooser* FChooser = nullptr;
  TGradientEditor FEditor;
};

}  // namespace tarnwick
