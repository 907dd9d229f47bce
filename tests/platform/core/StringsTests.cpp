// String lists: CR LF text, change events, sorting and duplicates.
#include <gtest/gtest.h>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/core/Strings.h"

using namespace tarnwick;

TEST(StringLists, TextEndsEveryLineWithCrLfAndSplitsOnAnyLineBreak) {
  TOwned<TStringList> s(Create<TStringList>());
  s->SetText("a\r\nb\nc\rd");
  EXPECT_EQ(s->ToStringList(), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(s->GetText(), "a\r\nb\r\nc\r\nd\r\n");
  s->SetText("x\r\n\r\ny\r\n");
  EXPECT_EQ(s->ToStringList(), (QStringList{"x", "", "y"})) << "a final break adds no empty line";
  s->SetText("");
  EXPECT_EQ(s->Count(), 0);
  EXPECT_EQ(s->GetText(), "");
}

TEST(StringLists, OnChangeFiresPerChangeOrOncePerUpdateBracket) {
  TOwned<TStringList> s(Create<TStringList>());
  int changes = 0, changing = 0;
  s->OnChange = [&](TObject*) { ++changes; };
  s->OnChanging = [&](TObject*) { ++changing; };
  s->Add("a");
  s->Add("b");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(changing, 2);
  changes = 0;
  s->SetText("1\r\n2\r\n3");
  EXPECT_EQ(changes, 1);
  s->Clear();
  s->Clear();
  EXPECT_EQ(changes, 2) << "clearing an empty list changes nothing";
}

TEST(StringLists, SortedListsFindInsertAndRejectDuplicatesAsConfigured) {
  TOwned<TStringList> s(Create<TStringList>());
  s->SetSorted(true);
  for (const char* v : {"pear", "Apple", "fig", "apple"}) s->Add(v);
  EXPECT_EQ(s->ToStringList(), (QStringList{"Apple", "fig", "pear"})) << "duplicates ignored, case-insensitive";
  int i = -1;
  EXPECT_TRUE(s->Find("FIG", i));
  EXPECT_EQ(i, 1);
  EXPECT_FALSE(s->Find("grape", i));
  EXPECT_EQ(i, 2);
  s->SetDuplicates(dupError);
  try {
    s->Add("PEAR");
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  EXPECT_THROW(s->Insert(0, "x"), EStringListError);
  EXPECT_THROW(s->Get(3), EStringListError);
}

TEST(StringLists, NameValuePairsAndCommaText) {
  TOwned<TStringList> s(Create<TStringList>());
  s->SetValue("Zoom", "100");
  s->SetValue("Grid", "8");
  s->SetValue("zoom", "200");
  EXPECT_EQ(s->GetValue("ZOOM"), "200");
  EXPECT_EQ(s->Count(), 2);
  s->SetValue("Grid", "");
  EXPECT_EQ(s->Count(), 1);
  s->SetCommaText("a, \"b c\",\"d\"\"e\",");
  EXPECT_EQ(s->ToStringList(), (QStringList{"a", "b c", "d\"e"}));
  EXPECT_EQ(s->GetCommaText(), "a,\"b c\",\"d\"\"e\"");
}

TEST(StringLists, AssignAndStreamsRoundTripUtf8) {
  TOwned<TStringList> a(Create<TStringList>());
  TOwned<TStringList> b(Create<TStringList>());
  a->SetText(QString::fromUtf8("Größe\r\n日本"));
  TMemoryStream m;
  a->SaveToStream(m);
  m.SetPosition(0);
  b->LoadFromStream(m);
  EXPECT_TRUE(a->Equals(*b));
  TMemoryStream bom(QByteArray("\xEF\xBB\xBFone\r\n"));
  b->LoadFromStream(bom);
  EXPECT_EQ(b->ToStringList(), QStringList{"one"});
  b->Assign(a.get());
  EXPECT_TRUE(a->Equals(*b));
}
