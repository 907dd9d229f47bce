#pragma once
// TComponent: a named object with an owner. An owner frees the components it owns; a
// component that asked another for free notification hears when that one is destroyed,
// so references across owners are cleared instead of left dangling.
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "platform/core/ComponentSet.h"
#include "platform/core/Persistent.h"
#include "platform/core/Set.h"

namespace tarnwick {

class TReader;
class TWriter;

enum TComponentStateItem {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateItem, uint16_t>;

enum TOperation { opInsert, opRemove };

using TGetChildProc = std::function<void(class TComponent* Child)>;

class TComponent : public TPersistent {
  TARNWICK_CLASS(TComponent)

 public:
  TComponent* AsComponent() override { return this; }
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void BeforeDestruction() override;

  // Name: an identifier, unique (letter case ignored) among the owner's components.
  const QString& GetName() const { return FName; }
  virtual void SetName(const QString& NewName);
  int GetTag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  TComponent* GetOwner() const override { return FOwner; }
  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* GetComponents(int Index) const;
  int GetComponentIndex() const;
  TComponent* FindComponent(const QString& AName) const;

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Removal of a component being destroyed: only this owner is notified.
  void RemoveDestroyedComponent(TComponent* AComponent);
  // Frees every owned component, newest first.
  void DestroyComponents();

  // AComponent's Notification(this, opRemove) runs when this component is destroyed
  // (and the other way round, since the link is mutual).
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  TComponentState GetComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState.Contains(csLoading); }
  bool IsDestroying() const { return FComponentState.Contains(csDestroying); }
  bool IsDesigning() const { return FComponentState.Contains(csDesigning); }
  void SetDesigning(bool Value, bool SetChildren = true);

  // Stream hooks. The reader puts a component into the loading state, calls ReadState,
  // and calls Loaded once the whole stream is in.
  virtual void ReadState(TReader* Reader);
  virtual void WriteState(TWriter* Writer);
  virtual void Loaded();
  virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
  virtual TComponent* GetChildOwner();
  virtual TComponent* GetChildParent();
  virtual void SetChildOrder(TComponent* Child, int Order);
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* Value);

  QString GetNamePath() const override;

  // Used by the stream reader and writer.
  void SetLoadingState() { FComponentState.Include(csLoading); }
  void SetReading(bool Value);
  void SetWriting(bool Value);
  void Updating();
  void Updated();

  // The concrete stream code installs these, so the platform needs no link to it.
  static std::function<void(TReader*, TComponent*)> ReadDataHook;
  static std::function<void(TWriter*, TComponent*)> WriteDataHook;

 protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void ValidateRename(TComponent* AComponent, const QString& CurName, const QString& NewName);
  virtual void ValidateInsert(TComponent* AComponent);
  virtual void ValidateContainer(TComponent* AComponent);
  // Called by BeforeDestruction to mark the state; overrides call the inherited version.
  virtual void Destroying();
  void ChangeName(const QString& NewName);
  static bool IsValidIdent(const QString& Ident);

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);
  void NotifyAll(TComponent* AComponent, TOperation Operation);

  TComponent* FOwner = nullptr;
  QString FName;
  int FTag = 0;
  std::vector<TComponent*> FComponents;
  // Owned components by case-folded name, so name checks stay constant-time for owners
  // holding tens of thousands of components (a large diagram's controls).
  QHash<QString, TComponent*> FNameIndex;
  TComponentSet FFreeNotifies;
  int FQuietNotifications = 0;  // inside RemoveDestroyedComponent: no broadcast
  TComponentState FComponentState;
};

// Global component lookup used when resolving references that leave the stream's root
// (for example the marker owner a diagram installs while it reads). Every registered
// procedure is asked in turn.
using TFindGlobalComponent = std::function<TComponent*(const QString& Name)>;
int RegisterFindGlobalComponentProc(TFindGlobalComponent Proc);
void UnregisterFindGlobalComponentProc(int Handle);
TComponent* FindGlobalComponent(const QString& Name);

}  // namespace tarnwick
