// The UML sample shipped with the program reads, holds connected shapes whose lines know
// their types, and writes back to the same text.
#include <gtest/gtest.h>

#include <QFile>

#include "../diagram/DocumentText.h"
#include "UmlFixture.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(UmlSample, ReadsWithEveryLineAnchoredAndTypedAndWritesBackUnchanged) {
  TDocumentFixture f;
  QFile file(TARNWICK_SAMPLE_DIR "/uml.dgr");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  LoadText(f.Diagram, text);
  EXPECT_EQ(f.Diagram->BlockCount(), 9);
  ASSERT_EQ(f.Diagram->LinkCount(), 6);
  int uses = 0;
  for (int i = 0; i < f.Diagram->LinkCount(); ++i) {
    auto* line = dynamic_cast<TUMLGenericLine*>(f.Diagram->GetLinks(i));
    ASSERT_NE(line, nullptr);
    EXPECT_NE(line->GetSourceLinkPoint()->GetAnchorLink(), nullptr) << i;
    EXPECT_NE(line->GetTargetLinkPoint()->GetAnchorLink(), nullptr) << i;
    if (line->GetLineType() == ultUses) ++uses;
  }
  EXPECT_EQ(uses, 2);
  EXPECT_EQ(SaveText(f.Diagram), text) << FirstDifference(SaveText(f.Diagram), text).toStdString();
}
