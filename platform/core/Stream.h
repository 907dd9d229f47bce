#pragma once
// Byte streams: TStream and the memory and file streams built on it. ReadBuffer and
// WriteBuffer are all-or-nothing and raise "Stream read error" / "Stream write error";
// Read and Write report how much they moved.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/core/Object.h"

class QFile;

namespace tarnwick {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  virtual int64_t GetSize();
  virtual void SetSize(int64_t NewSize);
  // Bytes from the position to the end.
  int64_t Remaining() { return GetSize() - GetPosition(); }

  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  void WriteBuffer(const QByteArray& Bytes) { WriteBuffer(Bytes.constData(), Bytes.size()); }
  // Copies Count bytes from Source (all of it from the start when Count is 0).
  int64_t CopyFrom(TStream& Source, int64_t Count);
  // Reads everything from the position to the end.
  QByteArray ReadAll();
};

// A growable stream in memory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(QByteArray Data) : FData(std::move(Data)) {}

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t GetSize() override { return FData.size(); }
  void SetSize(int64_t NewSize) override;

  void Clear();
  // Room for ABytes in all without growing step by step; the size stays as it is.
  void Reserve(int64_t ABytes) { FData.reserve(static_cast<qsizetype>(ABytes)); }
  const QByteArray& Bytes() const { return FData; }
  const char* Memory() const { return FData.constData(); }
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);
  void LoadFromFile(const QString& FileName);
  void SaveToFile(const QString& FileName);

 private:
  QByteArray FData;
  int64_t FPosition = 0;
};

// File modes: one of the open modes, or fmCreate (truncate or create, read/write).
enum : uint16_t { fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002, fmCreate = 0xFF00 };

class TFileStream : public TStream {
 public:
  // Raises "Cannot open file ..." or "Cannot create file ..." with the system's reason.
  TFileStream(const QString& FileName, uint16_t Mode);
  ~TFileStream() override;

  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t GetSize() override;
  void SetSize(int64_t NewSize) override;
  const QString& GetFileName() const { return FFileName; }

 private:
  QString FFileName;
  std::unique_ptr<QFile> FFile;
};

}  // namespace tarnwick
