#pragma once
// TFiler: what a class's DefineProperties hook sees of the stream writer or reader. The
// concrete writer and reader live with the object stream code; only this interface is
// part of the platform, so any persistent class can add custom properties.
#include <QString>
#include <functional>

namespace tarnwick {

class TReader;
class TWriter;
class TStream;
class TPersistent;

using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

class TFiler {
 public:
  virtual ~TFiler() = default;

  // On writing: when HasData and WriteData is set, the name is written and WriteData must
  // emit exactly one value. On reading: when the property being resolved has this name
  // (letter case ignored) and ReadData is set, ReadData consumes exactly that value.
  virtual void DefineProperty(const QString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
  // As DefineProperty, but the routines see the bytes of one binary value.
  virtual void DefineBinaryProperty(const QString& Name, TStreamProc ReadData, TStreamProc WriteData,
                                    bool HasData) = 0;

  // The root object of the stream being written or read, and the object whose children
  // are being handled.
  TPersistent* GetRoot() const { return FRoot; }
  TPersistent* GetAncestor() const { return FAncestor; }

 protected:
  TPersistent* FRoot = nullptr;
  TPersistent* FAncestor = nullptr;
};

}  // namespace tarnwick
