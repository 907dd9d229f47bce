// Writes the seed corpora of the fuzz targets: streams of sample documents made by the
// project's own writer, in binary form (for the binary reader) and text form (for the
// text converter). Usage: tarnwick_fuzz_seeds OUTDIR  (creates OUTDIR/binary, OUTDIR/text)
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "diagram/Registration.h"
#include "diagram/libraries/Library.h"
#include "diagram/libraries/LibraryFolderFiler.h"
#include "diagram/libraries/LibraryItem.h"
#include "diagram/libraries/LibraryManager.h"
#include "diagram/model/DiagramBlock.h"
#include "diagram/view/Diagram.h"
#include "platform/core/Exception.h"
#include "platform/core/Strings.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/EmfWriter.h"
#include "platform/gui/WmfWriter.h"
#include "platform/gui/Picture.h"
#include "tests/streaming/TestClasses.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

void Save(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

QList<QByteArray> SampleStreams() {
  QList<QByteArray> out;
  {
    TOwned<TSampleShape> s(Create<TSampleShape>(nullptr));
    out << SaveBinary(s.get());
  }
  {
    TOwned<TSampleShape> s(Create<TSampleShape>(nullptr));
    s->SetName("Root");
    s->SetWidth(-70000);
    s->SetBig(int64_t{1} << 40);
    s->SetLetter(u'q');
    s->SetKind(shDiamond);
    s->SetVisible(false);
    s->SetOptions({oxB, oxC});
    s->SetAngle(0.25);
    s->SetRatio(1.5f);
    s->SetCaption(QString::fromUtf8("It's \"quoted\"\r\nnext line, café, 中文 😀 ") + QString(70, 'x'));
    s->SetColor(clBtnFace);
    s->SetCursor(-22);
    s->SetMask(0xFFFFFFFF);
    s->GetPen()->SetColor(0x00F0F0F0);
    s->GetPen()->GetFill()->SetColor(clRed);
    s->GetLines()->AddStrings(QStringList{"one", "two"});
    s->Extra = {1, -300, 1 << 20};
    s->Blob = QByteArray(40, '\x5a');
    auto* item = static_cast<TSampleItem*>(s->GetItems()->Add());
    item->SetCaption("item");
    static_cast<TSampleItem*>(item->GetChildren()->Add())->SetValue(7);
    auto* a = Create<TSampleShape>(s.get());
    a->SetName("A");
    auto* b = Create<TSampleDerived>(s.get());
    b->SetName("B");
    b->SetRadius(3);
    a->SetLink(b);
    b->SetLink(s.get());
    item->SetLink(a);
    out << SaveBinary(s.get());
  }
  return out;
}

QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

void SavePictures(const QDir& dir) {
  QImage image(7, 5, QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgba(x * 30, y * 50, 128, x == 0 ? 0 : 255));
  int n = 0;
  for (const char* format : {"png", "bmp", "jpg", "tiff"}) {
    const QByteArray file = Encode(image, format);
    if (file.isEmpty()) continue;
    Save(dir.filePath(QString("pictures/sample.%1").arg(format)), file);
    // The same picture as an object stream carries it: class name and payload.
    TOwned<TPicture> picture(Create<TPicture>());
    TMemoryStream in(file);
    picture->LoadFromStream(in);
    TMemoryStream payload;
    picture->WriteData(payload);
    Save(dir.filePath(QString("pictures/payload%1.bin").arg(++n)), payload.Bytes());
  }
}

// Metafiles from the project's own writers: shapes, paths, text, a clip and a gradient
// (which arrives as a bitmap).
void SaveMetafiles(const QDir& dir) {
  const auto scene = [](QPainter& p) {
    p.fillRect(0, 0, 60, 40, Qt::white);
    p.setPen(QPen(Qt::black, 2, Qt::DashLine));
    p.setBrush(QBrush(Qt::red, Qt::DiagCrossPattern));
    p.drawEllipse(5, 5, 30, 20);
    p.setClipRect(30, 0, 30, 40);
    QLinearGradient g(30, 0, 60, 0);
    g.setColorAt(0, Qt::yellow);
    g.setColorAt(1, Qt::blue);
    p.fillRect(30, 20, 30, 20, g);
    p.drawText(QPointF(8, 36), QStringLiteral("Tw"));
  };
  Save(dir.filePath("metafiles/scene.emf"), metafile::RecordEmf(QSize(60, 40), scene));
  Save(dir.filePath("metafiles/scene.wmf"), metafile::RecordWmf(QSize(60, 40), scene));
}

QByteArray Load(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    std::exit(1);
  }
  return f.readAll();
}

// Items saved by the library filer from a real diagram: one with a block, its text and
// a glyph, and one holding only a caption.
void SaveLibraryItems(const QDir& dir) {
  RegisterAllClasses();
  QTemporaryDir base;
  TOwned<TComponent> form = MakeOwned<TComponent>(nullptr);
  auto* filer = Create<TDgrLibraryFolderFiler>(form.get());
  filer->SetBaseFolder(base.path());
  auto* manager = Create<TDgrLibraryManager>(form.get());
  manager->SetFiler(filer);
  TDgrLibrary* library = manager->CreateLibrary("Seeds");

  auto* diagram = Create<TdvDiagram>(form.get());
  auto* block = Create<TDiagramBlock>(form.get());
  block->SetBoundsRect(TSquare{0, 0, 80, 40});
  block->SetColor(0x0000FF);
  block->GetStrings()->SetText(QString::fromUtf8("Pump \"P-1\" café"));
  block->SetDiagram(diagram);
  TDgrLibraryItem* item = library->NewItem();
  item->SetCaption("Pump");
  item->SetCategory("Plant");
  item->SetData(diagram->SerializeObjectToString(block));
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(qRgb(0, 128, 255));
  TOwned<TBitmap> glyph = MakeOwned<TBitmap>();
  glyph->SetImage(image);
  item->GetGlyph()->SetGraphic(glyph.get());
  item->Save();
  TDgrLibraryItem* bare = library->NewItem();
  bare->SetCaption("Bare");
  bare->Save();

  for (const TDgrLibraryItem* saved : {item, bare})
    Save(dir.filePath(QString("libraries/%1.dgo").arg(saved->GetItemName())), Load(filer->ItemFileName(saved)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 1;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  RegisterSampleClasses();
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath("binary") || !dir.mkpath("text") || !dir.mkpath("pictures") || !dir.mkpath("libraries") ||
      !dir.mkpath("metafiles"))
    return 1;
  try {
    int n = 0;
    for (const QByteArray& bin : SampleStreams()) {
      ++n;
      Save(dir.filePath(QString("binary/sample%1.bin").arg(n)), bin);
      Save(dir.filePath(QString("text/sample%1.txt").arg(n)), BinaryToText(bin));
    }
    // Forms our writer never produces but the parser accepts.
    Save(dir.filePath("text/loose.txt"),
         "\xEF\xBB\xBF"
         "OBJECT R\xC3\xB6ot : T [2]\n\tP = 'a''b' + #233 +\n 'c'\n\tQ = { 0a FF }\n"
         "\tS = [x, 1, 'y']\n\tL = (1 2.5 3.5s 4c 5d $FF nil A.B.C)\n\tC = < item [1] X = 1 end >\n"
         "  inherited I: T\n  END\n  inline T\n  end\nend\n");
    SavePictures(dir);
    SaveMetafiles(dir);
    SaveLibraryItems(dir);
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
