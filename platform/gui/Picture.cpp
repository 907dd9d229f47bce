#include "platform/gui/Picture.h"

#include <QFileInfo>

#include "platform/core/Consts.h"
#include "platform/core/Exception.h"
#include "platform/core/Filer.h"
#include "platform/core/Stream.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/EncodedImage.h"
#include "platform/gui/GraphicFormats.h"
#include "platform/gui/GuiConsts.h"
#include "platform/gui/Metafile.h"
#include "platform/gui/UnknownGraphic.h"

namespace tarnwick {

namespace {

// The platform's own classes, whose file format is known: bytes in another known format
// are loaded into the class of that format instead.
bool IsPlatformClass(const TClassInfo* c) {
  return c == &TBitmap::StaticClassInfo() || c == &TMetafile::StaticClassInfo() ||
         c->InheritsFrom(TEncodedImage::StaticClassInfo());
}

TOwned<TGraphic> NewGraphic(const TClassInfo& cls) { return TOwned<TGraphic>(CreateGraphic(cls)); }

}  // namespace

const TClassInfo& TPicture::StaticClassInfo() {
  static const TClassInfo info("TPicture", &TPersistent::StaticClassInfo(), {},
                               [](TComponent*) -> TPersistent* { return Create<TPicture>(); });
  return info;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed() { Fire(OnChange, this); }

void TPicture::Adopt(TGraphic* NewGraphic) {
  TOwned<TGraphic> old = std::move(FGraphic);
  FGraphic.reset(NewGraphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  old.reset();
  Changed();
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (!Value) {
    if (FGraphic) Adopt(nullptr);
    return;
  }
  if (Value == FGraphic.get()) return;
  TOwned<TGraphic> copy = NewGraphic(Value->ClassInfo());
  if (!copy) throw EInvalidGraphic(msg::AssignError, Value->ClassName(), ClassName());
  copy->Assign(Value);
  Adopt(copy.release());
}

TBitmap* TPicture::GetBitmap() {
  if (auto* b = dynamic_cast<TBitmap*>(FGraphic.get())) return b;
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  if (FGraphic) {
    QImage image = FGraphic->ToImage();
    if (!image.isNull()) bitmap->SetImage(image);
  }
  TBitmap* result = bitmap.get();
  Adopt(bitmap.release());
  return result;
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    if (picture != this) SetGraphic(picture->FGraphic.get());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (dynamic_cast<TGraphic*>(Dest))
    Dest->Assign(FGraphic.get());
  else
    TPersistent::AssignTo(Dest);
}

void TPicture::LoadFromFile(const QString& FileName) {
  QString ext = QFileInfo(FileName).suffix();
  QByteArray head(64, '\0');
  {
    TFileStream file(FileName, fmOpenRead);
    head.resize(static_cast<qsizetype>(file.Read(head.data(), head.size())));
  }
  const TClassInfo* cls = GraphicClassForExtension(ext);
  const TClassInfo* sniffed = GraphicClassForContent(head);
  if (!cls || (IsPlatformClass(cls) && sniffed && sniffed != cls)) cls = sniffed;
  if (!cls) throw EInvalidGraphic(msg::UnknownExtension, ext);
  TOwned<TGraphic> graphic = NewGraphic(*cls);
  if (!graphic) throw EInvalidGraphic(msg::UnknownExtension, ext);
  graphic->LoadFromFile(FileName);
  Adopt(graphic.release());
}

void TPicture::SaveToFile(const QString& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::LoadFromStream(TStream& Stream) {
  TMemoryStream bytes(Stream.ReadAll());
  const TClassInfo* cls = GraphicClassForContent(bytes.Bytes());
  TOwned<TGraphic> graphic = cls ? NewGraphic(*cls) : TOwned<TGraphic>();
  if (!graphic) throw EInvalidGraphic(msg::UnknownPictureFormat);
  graphic->LoadFromStream(bytes);
  Adopt(graphic.release());
}

void TPicture::SaveToStream(TStream& Stream) {
  if (FGraphic) FGraphic->SaveToStream(Stream);
}

void TPicture::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
      FGraphic != nullptr);
}

void TPicture::ReadData(TStream& Stream) {
  unsigned char length = 0;
  Stream.ReadBuffer(&length, 1);
  QByteArray name(length, '\0');
  Stream.ReadBuffer(name.data(), length);
  QString className = QString::fromLatin1(name);
  if (className.isEmpty()) {
    SetGraphic(nullptr);
    return;
  }
  const TClassInfo* cls = FindGraphicClass(className);
  TOwned<TGraphic> graphic = cls ? NewGraphic(*cls) : TOwned<TGraphic>();
  if (!graphic) {
    auto unknown = MakeOwned<TUnknownGraphic>();
    unknown->SetGraphicClassName(className);
    graphic.reset(unknown.release());
  }
  graphic->ReadData(Stream);
  Adopt(graphic.release());
}

void TPicture::WriteData(TStream& Stream) {
  if (!FGraphic) return;
  QByteArray name = FGraphic->GraphicClassName().toLatin1().left(255);
  auto length = static_cast<unsigned char>(name.size());
  Stream.WriteBuffer(&length, 1);
  Stream.WriteBuffer(name);
  FGraphic->WriteData(Stream);
}

}  // namespace tarnwick
