// The flowchart sample shipped with the program reads, holds connected symbols and writes
// back to the same text.
#include <gtest/gtest.h>

#include <QFile>

#include "../diagram/DocumentText.h"
#include "BlockSetFixture.h"
#include "diagram/lines/CustomLine.h"

using namespace tarnwick;
using namespace tarnwick::test;

TEST(FlowchartSample, ReadsWithEveryLineAnchoredAndWritesBackUnchanged) {
  TDocumentFixture f;
  QFile file(TARNWICK_SAMPLE_DIR "/flowchart.dgr");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  LoadText(f.Diagram, text);
  EXPECT_EQ(f.Diagram->BlockCount(), 10);
  ASSERT_EQ(f.Diagram->LinkCount(), 8);
  for (int i = 0; i < f.Diagram->LinkCount(); ++i) {
    auto* line = dynamic_cast<TCustomDiagramLine*>(f.Diagram->GetLinks(i));
    ASSERT_NE(line, nullptr);
    EXPECT_NE(line->GetSourceLinkPoint()->GetAnchorLink(), nullptr) << i;
    EXPECT_NE(line->GetTargetLinkPoint()->GetAnchorLink(), nullptr) << i;
  }
  EXPECT_EQ(SaveText(f.Diagram), text) << FirstDifference(SaveText(f.Diagram), text).toStdString();
}
