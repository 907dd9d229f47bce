// Owned collections: item IDs, update counting, change reports and Assign.
#include <gtest/gtest.h>

#include "platform/core/Collection.h"
#include "platform/core/Exception.h"
#include "platform/core/Properties.h"

using namespace tarnwick;

namespace {

class TPointItem : public TCollectionItem {
  TARNWICK_CLASS(TPointItem)

 public:
  using TCollectionItem::TCollectionItem;
  int GetX() const { return FX; }
  void SetX(int v) {
    if (FX == v) return;
    FX = v;
    Changed(false);
  }
  void Assign(TPersistent* Source) override {
    if (auto* p = dynamic_cast<TPointItem*>(Source)) {
      SetX(p->GetX());
      return;
    }
    TCollectionItem::Assign(Source);
  }

 private:
  int FX = 0;
};

const TClassInfo& TPointItem::StaticClassInfo() {
  static const TClassInfo info("TPointItem", &TCollectionItem::StaticClassInfo(),
                               {IntProp("X", &TPointItem::GetX, &TPointItem::SetX, 0)}, {},
                               [](TCollection* c) { return Create<TPointItem>(c); });
  return info;
}

// Counts Update calls and remembers the last item reported.
class TCountingCollection : public TOwnedCollection {
 public:
  explicit TCountingCollection(TPersistent* owner) : TOwnedCollection(owner, TPointItem::StaticClassInfo()) {}
  int updates = 0;
  TCollectionItem* last = reinterpret_cast<TCollectionItem*>(1);

 protected:
  void Update(TCollectionItem* Item) override {
    ++updates;
    last = Item;
  }
};

}  // namespace

TEST(Collections, ItemsGetIncreasingIdsThatSurviveReordering) {
  TOwned<TCountingCollection> c(Create<TCountingCollection>(nullptr));
  auto* a = c->Add();
  auto* b = c->Add();
  auto* d = c->Insert(0);
  EXPECT_EQ(a->GetID(), 0);
  EXPECT_EQ(b->GetID(), 1);
  EXPECT_EQ(d->GetID(), 2);
  EXPECT_EQ(d->GetIndex(), 0);
  EXPECT_EQ(c->FindItemID(1), b);
  c->Delete(1);  // a
  EXPECT_EQ(c->GetCount(), 2);
  EXPECT_EQ(c->FindItemID(0), nullptr);
  EXPECT_EQ(c->Add()->GetID(), 3) << "IDs are never reused";
  EXPECT_THROW(c->GetItems(5), EListError);
}

TEST(Collections, UpdateBracketsReportOnceAtTheEnd) {
  TOwned<TCountingCollection> c(Create<TCountingCollection>(nullptr));
  c->Add();
  c->updates = 0;
  c->Item<TPointItem>(0)->SetX(5);
  EXPECT_EQ(c->updates, 1);
  EXPECT_EQ(c->last, c->GetItems(0)) << "a single item's change names the item";
  c->updates = 0;
  c->BeginUpdate();
  c->BeginUpdate();
  c->Add();
  c->Item<TPointItem>(0)->SetX(6);
  c->EndUpdate();
  EXPECT_EQ(c->updates, 0);
  c->EndUpdate();
  EXPECT_EQ(c->updates, 1);
  EXPECT_EQ(c->last, nullptr) << "the end of a bracket reports everything";
  c->Item<TPointItem>(0)->SetX(6);
  EXPECT_EQ(c->updates, 1) << "no report for an unchanged value";
}

TEST(Collections, AssignReplacesItemsAndFreeingAnItemLeavesTheCollection) {
  TOwned<TCountingCollection> a(Create<TCountingCollection>(nullptr));
  TOwned<TCountingCollection> b(Create<TCountingCollection>(nullptr));
  for (int x : {1, 2, 3}) static_cast<TPointItem*>(a->Add())->SetX(x);
  b->Add();
  b->updates = 0;
  b->Assign(a.get());
  ASSERT_EQ(b->GetCount(), 3);
  EXPECT_EQ(b->Item<TPointItem>(2)->GetX(), 3);
  EXPECT_EQ(b->updates, 1);
  b->GetItems(1)->Free();
  EXPECT_EQ(b->GetCount(), 2);
  EXPECT_EQ(b->Item<TPointItem>(1)->GetX(), 3);
  // Moving an item between collections.
  TCollectionItem* moved = b->GetItems(0);
  moved->SetCollection(a.get());
  EXPECT_EQ(a->GetCount(), 4);
  EXPECT_EQ(b->GetCount(), 1);
  EXPECT_EQ(moved->GetCollection(), a.get());
}
