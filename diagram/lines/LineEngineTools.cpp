#include "diagram/lines/LineEngineTools.h"

#include "graphics/DgrBrush.h"
#include "graphics/DgrPen.h"

namespace tarnwick {

void TLineEngineTools::UsePen(TDgrPen* AEnginePen, const TPen* APen, int ATransparency) {
  if (!AEnginePen || !APen) return;
  TPenKey want{AEnginePen,
               APen->GetColor(),
               APen->GetWidth(),
               APen->GetStyle(),
               ATransparency,
               AEnginePen->GetColor(),
               AEnginePen->GetWidth(),
               AEnginePen->GetTransparency()};
  if (FHasPen && want == FPen) return;
  AEnginePen->Assign(const_cast<TPen*>(APen));
  // A clear platform pen has made the engine pen invisible; the control's transparency
  // must not bring it back.
  if (APen->GetStyle() != psClear) AEnginePen->SetTransparency(ATransparency);
  want.SetColor = AEnginePen->GetColor();
  want.SetWidth = AEnginePen->GetWidth();
  want.SetTransparency = AEnginePen->GetTransparency();
  FPen = want;
  FHasPen = true;
}

void TLineEngineTools::UseBrush(TDgrBrush* AEngineBrush, const TBrush* ABrush, int ATransparency) {
  if (!AEngineBrush || !ABrush) return;
  TBrushKey want{AEngineBrush,
                 ABrush->GetColor(),
                 ABrush->GetStyle(),
                 ATransparency,
                 AEngineBrush->GetColor(),
                 static_cast<int>(AEngineBrush->GetBrushMode()),
                 AEngineBrush->GetTransparency()};
  if (FHasBrush && want == FBrush) return;
  AEngineBrush->Assign(const_cast<TBrush*>(ABrush));
  AEngineBrush->SetTransparency(ATransparency);
  want.SetColor = AEngineBrush->GetColor();
  want.SetMode = static_cast<int>(AEngineBrush->GetBrushMode());
  want.SetTransparency = AEngineBrush->GetTransparency();
  FBrush = want;
  FHasBrush = true;
}

}  // namespace tarnwick
