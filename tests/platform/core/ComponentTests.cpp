// Ownership, naming, free notification and the two-phase lifetime of components.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/core/Exception.h"

using namespace tarnwick;

namespace {

std::vector<std::string> g_log;

// Records its teardown through a virtual hook the base class calls while the object is
// still whole: proves that the most-derived override runs.
class TBase : public TComponent {
 public:
  using TComponent::TComponent;
  void BeforeDestruction() override {
    Teardown();
    TComponent::BeforeDestruction();
  }
  virtual void Teardown() { g_log.push_back("base"); }
  void AfterConstruction() override {
    TComponent::AfterConstruction();
    Setup();
  }
  virtual void Setup() { g_log.push_back("base-setup"); }
};

class TDerived : public TBase {
 public:
  using TBase::TBase;
  void Teardown() override { g_log.push_back("derived:" + GetName().toStdString()); }
  void Setup() override { g_log.push_back("derived-setup"); }
};

// Holds a reference to a component owned elsewhere and clears it on notification.
class THolder : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Ref = nullptr;
  void SetRef(TComponent* c) {
    if (Ref) Ref->RemoveFreeNotification(this);
    Ref = c;
    if (c) c->FreeNotification(this);
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Ref) Ref = nullptr;
  }
};

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
};

}  // namespace

TEST_F(ComponentTest, OwnerFreesWhatItOwnsAndTeardownReachesMostDerivedClass) {
  auto* owner = Create<TComponent>(nullptr);
  auto* a = Create<TDerived>(owner);
  a->SetName("A");
  auto* b = Create<TDerived>(owner);
  b->SetName("B");
  EXPECT_EQ(owner->GetComponentCount(), 2);
  EXPECT_EQ(a->GetOwner(), owner);
  EXPECT_EQ(b->GetComponentIndex(), 1);
  owner->Free();
  // Newest first, and each through the derived override.
  EXPECT_EQ(g_log, (std::vector<std::string>{"derived-setup", "derived-setup", "derived:B", "derived:A"}));
}

TEST_F(ComponentTest, FreeingAnOwnedComponentLeavesItsOwner) {
  auto* owner = Create<TComponent>(nullptr);
  auto* a = Create<TComponent>(owner);
  a->Free();
  EXPECT_EQ(owner->GetComponentCount(), 0);
  owner->Free();
}

TEST_F(ComponentTest, FreeNotificationClearsReferencesAcrossOwners) {
  auto* ownerA = Create<TComponent>(nullptr);
  auto* ownerB = Create<TComponent>(nullptr);
  auto* target = Create<TComponent>(ownerA);
  auto* holder1 = Create<THolder>(ownerB);
  auto* holder2 = Create<THolder>(nullptr);
  holder1->SetRef(target);
  holder2->SetRef(target);
  target->Free();
  EXPECT_EQ(holder1->Ref, nullptr);
  EXPECT_EQ(holder2->Ref, nullptr);
  // And the other direction: a holder that dies first unlinks itself, so freeing the
  // target later does not touch freed memory (ASan would see it).
  auto* target2 = Create<TComponent>(ownerA);
  holder2->SetRef(target2);
  holder2->Free();
  target2->Free();
  ownerA->Free();
  ownerB->Free();
}

TEST_F(ComponentTest, SiblingsHearOfEachOthersDestructionThroughTheOwner) {
  auto* owner = Create<TComponent>(nullptr);
  auto* target = Create<TComponent>(owner);
  auto* holder = Create<THolder>(owner);
  holder->SetRef(target);
  target->Free();
  EXPECT_EQ(holder->Ref, nullptr);
  // The owner's own teardown also notifies siblings that asked.
  auto* target2 = Create<TComponent>(owner);
  auto* holder2 = Create<THolder>(owner);
  (void)holder2;
  holder->SetRef(target2);
  owner->Free();
}

TEST_F(ComponentTest, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase) {
  auto* owner = Create<TComponent>(nullptr);
  auto* a = Create<TComponent>(owner);
  auto* b = Create<TComponent>(owner);
  a->SetName("Block1");
  try {
    b->SetName("BLOCK1");
    FAIL() << "duplicate accepted";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named BLOCK1 already exists");
  }
  EXPECT_TRUE(b->GetName().isEmpty());
  a->SetName("block1");  // a case-only rename of the same component is fine
  EXPECT_EQ(owner->FindComponent("BLOCK1"), a);
  EXPECT_THROW(b->SetName("1abc"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  b->SetName("_x2");
  EXPECT_EQ(owner->FindComponent("_X2"), b);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  // Components without an owner are not checked against anyone.
  auto* loose1 = Create<TComponent>(nullptr);
  auto* loose2 = Create<TComponent>(nullptr);
  loose1->SetName("Same");
  loose2->SetName("Same");
  loose1->Free();
  loose2->Free();
  owner->Free();
}

TEST_F(ComponentTest, ComponentStateFollowsLoadingAndDesigning) {
  auto* owner = Create<TComponent>(nullptr);
  auto* c = Create<TComponent>(owner);
  c->SetLoadingState();
  EXPECT_TRUE(c->IsLoading());
  c->Loaded();
  EXPECT_FALSE(c->IsLoading());
  owner->SetDesigning(true);
  EXPECT_TRUE(c->IsDesigning());
  auto* late = Create<TComponent>(owner);
  EXPECT_TRUE(late->IsDesigning()) << "a component joining a designing owner designs too";
  owner->Free();
}

TEST_F(ComponentTest, FailedAfterConstructionTearsDownAndRethrows) {
  class TFails : public TComponent {
   public:
    using TComponent::TComponent;
    void AfterConstruction() override { throw Exception("boom"); }
  };
  auto* owner = Create<TComponent>(nullptr);
  EXPECT_THROW(Create<TFails>(owner), Exception);
  EXPECT_EQ(owner->GetComponentCount(), 0);
  owner->Free();
}

TEST_F(ComponentTest, GlobalLookupAsksEveryRegisteredProcedure) {
  auto* c = Create<TComponent>(nullptr);
  c->SetName("Marker");
  int h = RegisterFindGlobalComponentProc([c](const QString& n) { return n == "__Marker" ? c : nullptr; });
  EXPECT_EQ(FindGlobalComponent("__Marker"), c);
  EXPECT_EQ(FindGlobalComponent("Other"), nullptr);
  UnregisterFindGlobalComponentProc(h);
  EXPECT_EQ(FindGlobalComponent("__Marker"), nullptr);
  c->Free();
}

TEST_F(ComponentTest, IndexOutsideTheComponentListRaisesListError) {
  auto* owner = Create<TComponent>(nullptr);
  try {
    owner->GetComponents(0);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (0)");
  }
  owner->Free();
}

TEST_F(ComponentTest, NameLookupsFollowRenamesRemovalsAndOwnerChanges) {
  auto* owner = Create<TComponent>(nullptr);
  auto* other = Create<TComponent>(nullptr);
  auto* c = Create<TComponent>(owner);
  c->SetName("First");
  c->SetName("Second");
  EXPECT_EQ(owner->FindComponent("first"), nullptr) << "the old name is free again";
  EXPECT_EQ(owner->FindComponent("SECOND"), c);
  auto* d = Create<TComponent>(owner);
  d->SetName("First");  // allowed now
  owner->RemoveComponent(c);
  EXPECT_EQ(owner->FindComponent("Second"), nullptr);
  other->InsertComponent(c);
  EXPECT_EQ(other->FindComponent("second"), c);
  c->SetName("");
  EXPECT_EQ(other->FindComponent("Second"), nullptr);
  d->Free();
  EXPECT_EQ(owner->FindComponent("First"), nullptr);
  owner->Free();
  other->Free();
}
