// A root with many children may be written on two threads; the stream must not tell.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "tests/streaming/TestClasses.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Children unlike each other, with sub-objects, collections, custom properties and
// references both ways across the middle of the list.
TOwned<TSampleShape> ManyChildren(int ACount) {
  RegisterSampleClasses();
  TOwned<TSampleShape> root(Create<TSampleShape>(nullptr));
  root->SetName("Root");
  std::vector<TSampleShape*> shapes;
  for (int i = 0; i < ACount; ++i) {
    auto* s = Create<TSampleShape>(root.get());
    s->SetName(QStringLiteral("S%1").arg(i));
    s->SetWidth(i * 7 - 300);
    s->SetAngle(i / 3.0);
    s->SetCaption(i % 5 ? QStringLiteral("shape %1").arg(i) : QString::fromUtf8("Ünïcödé %1").arg(i));
    s->SetKind(static_cast<TShapeKind>(i % 3));
    if (i % 4 == 0) s->GetLines()->Add(QStringLiteral("line %1").arg(i));
    if (i % 6 == 0) static_cast<TSampleItem*>(s->GetItems()->Add())->SetValue(i);
    s->Extra = {i, -i};
    if (i % 9 == 0) s->Blob = QByteArray(i % 50, static_cast<char>(i));
    shapes.push_back(s);
  }
  for (int i = 0; i < ACount; ++i) shapes[i]->SetLink(shapes[(i * 37 + ACount / 2) % ACount]);
  return root;
}

QByteArray Write(TComponent* ARoot, size_t ASplitChildren) {
  TMemoryStream s;
  WriteComponent(s, ARoot, ASplitChildren);
  return s.Bytes();
}

}  // namespace

TEST(SplitWrite, TwoThreadsWriteTheSameBytesAsOne) {
  for (int count : {2, 3, 501}) {
    TOwned<TSampleShape> root = ManyChildren(count);
    const QByteArray serial = Write(root.get(), 0);
    EXPECT_EQ(Write(root.get(), 2), serial) << count << " children split";
    EXPECT_EQ(Write(root.get(), static_cast<size_t>(count) + 1), serial) << count << " children under the threshold";
  }
}

TEST(SplitWrite, AFailureInEitherHalfIsReportedAndLeavesEveryChildUnmarked) {
  for (int bad : {10, 450}) {
    TOwned<TSampleShape> root = ManyChildren(501);
    auto* shape = static_cast<TSampleShape*>(root->FindComponent(QStringLiteral("S%1").arg(bad)));
    ASSERT_NE(shape, nullptr);
    shape->SetAngle(std::numeric_limits<double>::infinity());
    EXPECT_THROW(Write(root.get(), 2), EWriteError) << "the bad child is S" << bad;
    for (int i = 0; i < root->GetComponentCount(); ++i)
      ASSERT_FALSE(root->GetComponents(i)->GetComponentState().Contains(csWriting)) << i;
    // Once mended, the same tree writes again.
    shape->SetAngle(1);
    EXPECT_EQ(Write(root.get(), 2), Write(root.get(), 0));
  }
}
