// Fonts, pens and brushes: published tables as streams see them, change notification,
// assignment, the font's size/height rule, and the Qt objects painting uses.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "platform/core/Exception.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Brush.h"
#include "platform/gui/Font.h"
#include "platform/gui/Pen.h"

using namespace tarnwick;

namespace {

struct TPropRow {
  const TClassInfo* Class;
  const char* Name;
  TTypeKind Kind;
  int64_t Default;
  bool Stored;
};

void PrintTo(const TPropRow& r, std::ostream* os) { *os << r.Class->ClassName().toStdString() << "." << r.Name; }

std::vector<TPropRow> PropRows() {
  const TClassInfo* f = &TFont::StaticClassInfo();
  const TClassInfo* p = &TPen::StaticClassInfo();
  const TClassInfo* b = &TBrush::StaticClassInfo();
  return {{f, "Charset", tkInteger, NoDefault, true},
          {f, "Color", tkInteger, NoDefault, true},
          {f, "Height", tkInteger, NoDefault, true},
          {f, "Name", tkString, NoDefault, true},
          {f, "Orientation", tkInteger, 0, true},
          {f, "Pitch", tkEnumeration, fpDefault, true},
          {f, "Size", tkInteger, NoDefault, false},
          {f, "Style", tkSet, NoDefault, true},
          {f, "Quality", tkEnumeration, fqDefault, true},
          {p, "Color", tkInteger, clBlack, true},
          {p, "Mode", tkEnumeration, pmCopy, true},
          {p, "Style", tkEnumeration, psSolid, true},
          {p, "Width", tkInteger, 1, true},
          {b, "Color", tkInteger, clWhite, true},
          {b, "Style", tkEnumeration, bsSolid, true}};
}

int IndexIn(const TClassInfo* c, const char* name) {
  const auto& props = c->Properties();
  for (size_t i = 0; i < props.size(); ++i)
    if (props[i].Name == QLatin1String(name)) return static_cast<int>(i);
  return -1;
}

// An object of each class, fresh from its factory, for the default checks.
TOwned<TPersistent> Fresh(const TClassInfo* c) { return TOwned<TPersistent>(c->CreateInstance(nullptr)); }

}  // namespace

class PublishedTables : public testing::TestWithParam<TPropRow> {};

TEST_P(PublishedTables, DeclareKindDefaultAndStoredRule) {
  const TPropRow& row = GetParam();
  const TPropInfo* prop = row.Class->FindProperty(QLatin1String(row.Name));
  ASSERT_NE(prop, nullptr);
  EXPECT_EQ(prop->Kind, row.Kind);
  EXPECT_EQ(prop->Default, row.Default);
  auto obj = Fresh(row.Class);
  ASSERT_TRUE(obj);
  EXPECT_EQ(prop->IsStored(*obj), row.Stored);
  // A fresh object holds every declared default, so it writes none of those properties.
  if (prop->HasDefault()) {
    EXPECT_TRUE(prop->IsDefaultValue(*obj));
  }
}

INSTANTIATE_TEST_SUITE_P(FontPenBrush, PublishedTables, testing::ValuesIn(PropRows()));

TEST(PublishedTables, KeepDeclarationOrder) {
  std::map<const TClassInfo*, int> next;
  for (const TPropRow& row : PropRows()) EXPECT_EQ(IndexIn(row.Class, row.Name), next[row.Class]++) << row.Name;
  for (auto [c, n] : next) EXPECT_EQ(c->Properties().size(), static_cast<size_t>(n));
}

TEST(PublishedTables, SetAndEnumerationValuesTravelByName) {
  QString ident;
  EXPECT_TRUE(TFont::StaticClassInfo().FindProperty("Charset")->Idents->IntToIdent(DEFAULT_CHARSET, ident));
  EXPECT_EQ(ident, "DEFAULT_CHARSET");
  EXPECT_EQ(PenModeType().ValueOf("pmNotXor"), pmNotXor);
  EXPECT_EQ(BrushStyleType().ValueOf("bsDiagCross"), bsDiagCross);
  TFont font;
  TFont::StaticClassInfo().FindProperty("Style")->SetOrd(font, TFontStyles{fsBold, fsUnderline}.Mask());
  EXPECT_EQ(font.GetStyle(), (TFontStyles{fsBold, fsUnderline}));
}

struct TSizeRow {
  int Size;
  int PixelsPerInch;
  int Height;
};

class FontSizes : public testing::TestWithParam<TSizeRow> {};

TEST_P(FontSizes, HeightIsMinusSizeInPixels) {
  const TSizeRow& r = GetParam();
  TFont font;
  font.SetPixelsPerInch(r.PixelsPerInch);
  font.SetSize(r.Size);
  EXPECT_EQ(font.GetHeight(), r.Height);
  EXPECT_EQ(font.GetSize(), r.Size);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontSizes,
                         testing::Values(TSizeRow{8, 96, -11}, TSizeRow{10, 96, -13}, TSizeRow{9, 96, -12},
                                         TSizeRow{8, 120, -13}, TSizeRow{12, 72, -12}, TSizeRow{7, 96, -9}));

TEST(Font, DefaultsToEightPointTahoma) {
  TFont font;
  EXPECT_EQ(font.GetName(), "Tahoma");
  EXPECT_EQ(font.GetHeight(), -11);
  EXPECT_EQ(font.GetSize(), 8);
  EXPECT_EQ(font.GetColor(), clWindowText);
}

TEST(Font, SizeRoundsHalfAwayFromZeroAndFollowsPixelsPerInch) {
  TFont font;
  font.SetHeight(-14);  // 10.5 points
  EXPECT_EQ(font.GetSize(), 11);
  font.SetPixelsPerInch(144);  // the pixels stay, the points change
  EXPECT_EQ(font.GetHeight(), -14);
  EXPECT_EQ(font.GetSize(), 7);
  font.SetPixelsPerInch(0);  // ignored: no division by zero later
  EXPECT_EQ(font.GetPixelsPerInch(), 144);
}

TEST(Font, QtFontIsPixelSizedAndCachedUntilAChange) {
  TFont font;
  font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
  const QFont& f = font.Handle();
  EXPECT_EQ(f.pixelSize(), 11);
  EXPECT_TRUE(f.bold() && f.italic() && f.underline() && f.strikeOut());
  QFont first = font.Handle();
  EXPECT_EQ(first, font.Handle());
  font.SetHeight(20);  // a positive height is the cell height, still in pixels
  EXPECT_EQ(font.Handle().pixelSize(), 20);
  font.SetHeight(0);
  EXPECT_EQ(font.Handle().pixelSize(), 11);
  EXPECT_GT(font.Metrics().height(), 0);
}

TEST(Font, IgnoresAnEmptyName) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetName("");
  EXPECT_EQ(font.GetName(), "Tahoma");
  EXPECT_EQ(changes, 0);
}

// One row per setter: it is applied twice; the first call is a change, the second is not.
struct TChangeRow {
  const char* Name;
  std::function<TPersistent*()> Make;
  std::function<void(TPersistent*)> Apply;
};

void PrintTo(const TChangeRow& r, std::ostream* os) { *os << r.Name; }

template <class T, class F>
TChangeRow Row(const char* name, F apply) {
  return {name, [] { return static_cast<TPersistent*>(Create<T>()); },
          [apply](TPersistent* p) { apply(static_cast<T*>(p)); }};
}

class ChangeNotification : public testing::TestWithParam<TChangeRow> {};

TEST_P(ChangeNotification, FiresOncePerRealChange) {
  const TChangeRow& row = GetParam();
  TOwned<TPersistent> obj(row.Make());
  int changes = 0;
  TObject* sender = nullptr;
  TNotifyEvent onChange = [&](TObject* s) {
    ++changes;
    sender = s;
  };
  if (auto* f = dynamic_cast<TFont*>(obj.get())) f->OnChange = onChange;
  if (auto* p = dynamic_cast<TPen*>(obj.get())) p->OnChange = onChange;
  if (auto* b = dynamic_cast<TBrush*>(obj.get())) b->OnChange = onChange;
  row.Apply(obj.get());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(sender, obj.get());
  row.Apply(obj.get());
  EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    FontPenBrush, ChangeNotification,
    testing::Values(Row<TFont>("FontCharset", [](TFont* f) { f->SetCharset(SYMBOL_CHARSET); }),
                    Row<TFont>("FontColor", [](TFont* f) { f->SetColor(clRed); }),
                    Row<TFont>("FontHeight", [](TFont* f) { f->SetHeight(-20); }),
                    Row<TFont>("FontName", [](TFont* f) { f->SetName("Arial"); }),
                    Row<TFont>("FontOrientation", [](TFont* f) { f->SetOrientation(900); }),
                    Row<TFont>("FontPitch", [](TFont* f) { f->SetPitch(fpFixed); }),
                    Row<TFont>("FontSize", [](TFont* f) { f->SetSize(12); }),
                    Row<TFont>("FontStyle", [](TFont* f) { f->SetStyle({fsBold}); }),
                    Row<TFont>("FontQuality", [](TFont* f) { f->SetQuality(fqNonAntialiased); }),
                    Row<TPen>("PenColor", [](TPen* p) { p->SetColor(clRed); }),
                    Row<TPen>("PenMode", [](TPen* p) { p->SetMode(pmNot); }),
                    Row<TPen>("PenStyle", [](TPen* p) { p->SetStyle(psDot); }),
                    Row<TPen>("PenWidth", [](TPen* p) { p->SetWidth(3); }),
                    Row<TBrush>("BrushColor", [](TBrush* b) { b->SetColor(clRed); }),
                    Row<TBrush>("BrushStyle", [](TBrush* b) { b->SetStyle(bsClear); }),
                    Row<TBrush>("BrushBitmap",
                                [](TBrush* b) {
                                  TBitmap bmp;
                                  bmp.SetSize(2, 2);
                                  b->SetBitmap(&bmp);
                                })),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Assign, CopiesEveryPropertyAndFiresOnce) {
  TFont a, b;
  a.SetName("Courier");
  a.SetHeight(-20);
  a.SetStyle({fsItalic});
  a.SetColor(clRed);
  a.SetCharset(RUSSIAN_CHARSET);
  a.SetOrientation(450);
  a.SetPitch(fpFixed);
  a.SetQuality(fqDraft);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  for (const TPropInfo& p : TFont::StaticClassInfo().Properties()) {
    if (p.Kind == tkString)
      EXPECT_EQ(p.GetStr(a), p.GetStr(b)) << p.Name.toStdString();
    else
      EXPECT_EQ(p.GetOrd(a), p.GetOrd(b)) << p.Name.toStdString();
  }
  b.Assign(&a);
  EXPECT_EQ(changes, 1);

  TPen p1, p2;
  p1.SetColor(clBlue);
  p1.SetMode(pmXor);
  p1.SetStyle(psDashDot);
  p1.SetWidth(4);
  p2.Assign(&p1);
  EXPECT_TRUE(p2.GetColor() == clBlue && p2.GetMode() == pmXor && p2.GetStyle() == psDashDot && p2.GetWidth() == 4);

  TBrush b1, b2;
  b1.SetColor(clGreen);
  b1.SetStyle(bsCross);
  b2.Assign(&b1);
  EXPECT_TRUE(b2.GetColor() == clGreen && b2.GetStyle() == bsCross);
}

TEST(Assign, FontKeepsPointSizeAcrossResolutions) {
  TFont screen, printer;
  printer.SetPixelsPerInch(600);
  screen.SetSize(10);
  printer.Assign(&screen);
  EXPECT_EQ(printer.GetSize(), 10);
  EXPECT_EQ(printer.GetHeight(), -83);
}

TEST(Assign, RefusesOtherClassesWithTheirNames) {
  TPen pen;
  TBrush brush;
  TFont font;
  auto message = [](auto f) {
    try {
      f();
    } catch (const EConvertError& e) {
      return e.Message();
    }
    return QString("no error");
  };
  EXPECT_EQ(message([&] { brush.Assign(&pen); }), "Cannot assign a TPen to a TBrush");
  EXPECT_EQ(message([&] { pen.Assign(&font); }), "Cannot assign a TFont to a TPen");
  EXPECT_EQ(message([&] { font.Assign(&brush); }), "Cannot assign a TBrush to a TFont");
  EXPECT_EQ(message([&] { font.Assign(nullptr); }), "Cannot assign a nil to a TFont");
}

TEST(PenHandle, ThinPensAreOnePixelAndClearPensDrawNothing) {
  TPen pen;
  EXPECT_EQ(pen.Handle().widthF(), 0);  // one pixel whatever the transform
  pen.SetWidth(5);
  EXPECT_EQ(pen.Handle().width(), 5);
  pen.SetWidth(-3);  // ignored
  EXPECT_EQ(pen.GetWidth(), 5);
  pen.SetStyle(psClear);
  EXPECT_EQ(pen.Handle().style(), Qt::NoPen);
  pen.SetStyle(psSolid);
  pen.SetColor(clRed);
  EXPECT_EQ(pen.Handle().color(), QColor(255, 0, 0));
}

TEST(BrushHandle, MapsStylesAndKeepsItsOwnPatternBitmap) {
  TBrush brush;
  EXPECT_EQ(brush.Handle().style(), Qt::SolidPattern);
  EXPECT_EQ(brush.Handle().color(), QColor(255, 255, 255));
  brush.SetStyle(bsClear);
  EXPECT_EQ(brush.Handle().style(), Qt::NoBrush);
  EXPECT_TRUE(brush.IsClear());
  brush.SetStyle(bsFDiagonal);
  EXPECT_EQ(brush.Handle().style(), Qt::FDiagPattern);
  {
    TBitmap pattern;
    pattern.SetSize(8, 8);
    brush.SetBitmap(&pattern);
  }  // the caller's bitmap is gone; the brush has its copy
  ASSERT_NE(brush.GetBitmap(), nullptr);
  EXPECT_EQ(brush.GetBitmap()->GetWidth(), 8);
  EXPECT_EQ(brush.Handle().style(), Qt::TexturePattern);
  brush.SetBitmap(nullptr);
  EXPECT_EQ(brush.GetBitmap(), nullptr);
}
