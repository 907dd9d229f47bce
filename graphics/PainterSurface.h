#pragma once
// What an engine draws on: the painter of a paint pass (one per device, shared with the
// legacy canvas) together with the engine's own world transform, clip and quality. Every
// primitive opens a scope that loads this state into the painter and puts the painter back
// as it was afterwards, so engines and the legacy canvas can take turns on one painter.
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <optional>

namespace tarnwick {

class TPainterSurface {
 public:
  // The painter's transform at this moment is the device frame: the world transform maps
  // drawing coordinates into it. A null painter gives a surface that draws nothing.
  explicit TPainterSurface(QPainter* APainter = nullptr);

  QPainter* Painter() const { return FPainter; }
  bool CanDraw() const { return FPainter && FPainter->isActive(); }

  const QTransform& World() const { return FWorld; }
  void SetWorld(const QTransform& Value) { FWorld = Value; }
  // The new operation applies before the existing transform (canvas operations).
  void PrependWorld(const QTransform& Op) { FWorld = Op * FWorld; }
  // The new operation applies after the existing transform (paint engine operations).
  void AppendWorld(const QTransform& Op) { FWorld = FWorld * Op; }

  // The clip is kept in device coordinates, as it was under the world transform in force
  // when it was set; later transforms do not move it.
  void SetClip(const QPainterPath& AWorldPath);
  void SetDeviceClip(const QPainterPath& ADevicePath);
  void IntersectClip(const QPainterPath& AWorldPath);
  void ResetClip() {
    FHasClip = false;
    FClip = QPainterPath();
    FClipRect.reset();
  }
  bool HasClip() const { return FHasClip; }
  const QPainterPath& DeviceClip() const { return FClip; }

  bool GetAntialias() const { return FAntialias; }
  void SetAntialias(bool Value) { FAntialias = Value; }
  bool GetTextAntialias() const { return FTextAntialias; }
  void SetTextAntialias(bool Value) { FTextAntialias = Value; }

  // One saved slot: a second save replaces the first.
  void SaveState();
  void RestoreState();

  // Loads the surface into the painter for one primitive and restores the painter when it
  // ends. Test Active() before drawing: a surface without an active painter draws nothing.
  class TScope {
   public:
    explicit TScope(const TPainterSurface& S);
    ~TScope();
    TScope(const TScope&) = delete;
    TScope& operator=(const TScope&) = delete;
    bool Active() const { return FPainter != nullptr; }
    QPainter& P() const { return *FPainter; }

   private:
    QPainter* FPainter = nullptr;
  };

 private:
  struct TState {
    QTransform World;
    QPainterPath Clip;
    bool HasClip = false;
    bool Antialias = true;
    bool TextAntialias = true;
  };

  QPainter* FPainter;
  QTransform FDevice;
  QTransform FWorld;
  QPainterPath FClip;
  // The clip when it is a whole-pixel rectangle (a pass's area usually is): the painter
  // clips to a rectangle far more cheaply than to a path, for the same pixels.
  std::optional<QRect> FClipRect;
  bool FHasClip = false;
  bool FAntialias = true;
  bool FTextAntialias = true;
  TState FSaved;
  bool FHasSaved = false;
};

}  // namespace tarnwick
