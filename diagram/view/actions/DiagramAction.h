#pragma once
// TDiagramAction: the base of the reusable diagram commands. Each one works on the
// diagram it is given and does its job by itself, so it can sit in any menu or tool bar.
// The diagram reference is guarded: it becomes null when the diagram is destroyed.
//
// Execute runs the command (a trigger of the action runs it too); Update sets the enabled
// and checked state and is meant to be called whenever the user interface is idle.
#include <QAction>
#include <QString>
#include <functional>

#include "platform/core/Object.h"

namespace tarnwick {

class TComponentWatch;
class TdvDiagram;

class TDiagramAction : public QAction {
 public:
  explicit TDiagramAction(QObject* AParent = nullptr);
  ~TDiagramAction() override;

  TdvDiagram* GetDiagram() const { return FDiagram; }
  void SetDiagram(TdvDiagram* Value);

  // True when the command ran.
  virtual bool Execute();
  // Sets the state; always reports the update as handled.
  virtual bool Update();

  QString GetCaption() const { return text(); }
  void SetCaption(const QString& Value) { setText(Value); }
  // "Short|Long": the short part is the tool tip, the long part (or the whole text
  // without a bar) the status tip.
  const QString& GetHint() const { return FHint; }
  void SetHint(const QString& Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }

  // The message of an error a trigger raised; errors never leave into the event loop.
  // Without a handler it is logged.
  std::function<void(const QString& AMessage)> OnError;

 private:
  void Triggered();

  TdvDiagram* FDiagram = nullptr;
  TOwned<TComponentWatch> FWatch;
  QString FHint;
  int FImageIndex = -1;
};

}  // namespace tarnwick
