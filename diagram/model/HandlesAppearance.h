#pragma once
// How the four kinds of stretch handles look. Not streamed: a control resets its
// appearance from the diagram's handle style before every handle is drawn.
#include "diagram/model/DiagramControlTypes.h"
#include "platform/core/Persistent.h"

namespace tarnwick {

class TPen;
class TBrush;

class THandleAppearance : public TPersistent {
  TARNWICK_CLASS(THandleAppearance)

 public:
  THandleAppearance();
  ~THandleAppearance() override;
  void Assign(TPersistent* Source) override;

  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* Value);
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value);
  TPen* GetDisabledPen() const { return FDisabledPen.get(); }
  void SetDisabledPen(TPen* Value);
  TBrush* GetDisabledBrush() const { return FDisabledBrush.get(); }
  void SetDisabledBrush(TBrush* Value);
  // Half the handle's size, in canvas pixels.
  double GetSize() const { return FSize; }
  void SetSize(double Value) { FSize = Value; }
  THandleAppearanceStyle GetStyle() const { return FStyle; }
  void SetStyle(THandleAppearanceStyle Value) { FStyle = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }

 private:
  TOwned<TPen> FPen;
  TOwned<TBrush> FBrush;
  TOwned<TPen> FDisabledPen;
  TOwned<TBrush> FDisabledBrush;
  double FSize = 0.0;
  THandleAppearanceStyle FStyle = hhRectangle;
  bool FVisible = true;
};

class THandlesAppearance : public TPersistent {
  TARNWICK_CLASS(THandlesAppearance)

 public:
  THandlesAppearance();
  ~THandlesAppearance() override;
  void Assign(TPersistent* Source) override;

  THandleAppearance* GetSize() const { return FSize.get(); }
  THandleAppearance* GetRotate() const { return FRotate.get(); }
  THandleAppearance* GetCustom() const { return FCustom.get(); }
  THandleAppearance* GetRotCenter() const { return FRotCenter.get(); }
  // The appearance a handle of that style uses.
  THandleAppearance* ForStyle(THandleStyle AStyle) const;

  // The look of each handle kind under a diagram handle style, at screen scale AScale;
  // AMember selects the variant of group members.
  void ApplyDefaults(TDiagramHandlesStyle AHandlesStyle, double AScale, bool AMember);

 private:
  TOwned<THandleAppearance> FSize;
  TOwned<THandleAppearance> FRotate;
  TOwned<THandleAppearance> FCustom;
  TOwned<THandleAppearance> FRotCenter;
};

}  // namespace tarnwick
