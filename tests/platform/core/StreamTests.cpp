// Byte streams: all-or-nothing buffers, positions, files.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

using namespace tarnwick;

TEST(Streams, MemoryStreamReadsWritesAndSeeks) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  EXPECT_EQ(m.GetSize(), 6);
  EXPECT_EQ(m.GetPosition(), 6);
  m.Seek(-2, soEnd);
  char buf[4] = {};
  EXPECT_EQ(m.Read(buf, 4), 2) << "Read returns what it could";
  EXPECT_EQ(QByteArray(buf, 2), "ef");
  m.SetPosition(1);
  m.WriteBuffer("XY", 2);
  EXPECT_EQ(m.Bytes(), "aXYdef");
  m.SetPosition(10);
  m.WriteBuffer("!", 1);
  EXPECT_EQ(m.GetSize(), 11) << "writing past the end grows the stream";
  m.Seek(-100, soCurrent);
  EXPECT_EQ(m.GetPosition(), 0);
}

TEST(Streams, ShortReadsRaiseTheReadError) {
  TMemoryStream m(QByteArray("abc"));
  char buf[8];
  try {
    m.ReadBuffer(buf, 4);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  EXPECT_THROW(m.ReadBuffer(buf, -1), EReadError);
}

TEST(Streams, FileStreamsCreateOpenAndReportMissingFiles) {
  QTemporaryDir dir;
  QString path = dir.filePath("a.bin");
  {
    TFileStream f(path, fmCreate);
    f.WriteBuffer(QByteArray("hello"));
  }
  {
    TFileStream f(path, fmOpenRead);
    EXPECT_EQ(f.GetSize(), 5);
    EXPECT_EQ(f.ReadAll(), "hello");
    EXPECT_EQ(f.Write("x", 1), 0) << "a read-only file takes no writes";
  }
  try {
    TFileStream f(dir.filePath("missing.bin"), fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_TRUE(e.Message().startsWith("Cannot open file \"")) << e.Message().toStdString();
  }
  EXPECT_THROW(TFileStream(dir.filePath("missing.bin"), fmOpenWrite), EFOpenError)
      << "opening for writing never creates";
  EXPECT_THROW(TFileStream(dir.filePath("no/such/dir/x"), fmCreate), EFCreateError);
  TMemoryStream m;
  m.LoadFromFile(path);
  EXPECT_EQ(m.Bytes(), "hello");
}
