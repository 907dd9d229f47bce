#pragma once
// TDiagramPageSettings: the paper, orientation and margins a diagram is printed with,
// stored in its documents, and the printable rectangle and paper size in printer pixels
// derived from them and the current printer.
#include <QString>
#include <functional>

#include "diagram/printing/PageDevice.h"
#include "diagram/printing/PageOrientation.h"
#include "geometry/Dot.h"
#include "platform/core/Persistent.h"
#include "platform/core/Types.h"

namespace tarnwick {

class TdvDiagram;

class TDiagramPageSettings : public TPersistent {
  TARNWICK_CLASS(TDiagramPageSettings)

 public:
  static constexpr double DefaultMargin = 25.4;

  // Starts with the defaults of ResetToDefaults without a printer (Letter, portrait).
  explicit TDiagramPageSettings(TdvDiagram* ADiagram = nullptr);

  // Name, id, size, orientation and margins from other page settings; any other source
  // raises the conversion error.
  void Assign(TPersistent* Source) override;

  // The current printer, asked for each computation; null (or no source) means none.
  std::function<const TPageDevice*()> DeviceSource;
  const TPageDevice* CurrentDevice() const { return DeviceSource ? DeviceSource() : nullptr; }

  // Margins of 25.4 mm and portrait Letter; then, with a printer whose default paper is
  // known, that paper and the printer's orientation, with margins widened for papers
  // narrower or lower than 100 mm.
  void ResetToDefaults();
  void ResetToDefaults(const TPageDevice* Device);
  // Sets PaperId and, when the printer's paper list (the built-in table without a
  // printer) has that paper, its size and name.
  void ChangePaperID(int APaperID);
  void ChangePaperID(int APaperID, const TPageDevice* Device);

  // The printable part of one page in printer pixels (left, top, right, bottom), never
  // narrower or lower than 10 mm.
  TSquare PrintableRect() const;
  TSquare PrintableRect(const TPageDevice* Device) const;
  // The whole paper in printer pixels, truncated, turned for landscape.
  TPoint PaperSizePixels() const;
  TPoint PaperSizePixels(const TPageDevice* Device) const;

  const QString& GetPaperName() const { return FPaperName; }
  void SetPaperName(const QString& Value);
  int GetPaperId() const { return FPaperId; }
  void SetPaperId(int Value);
  double GetPaperWidth() const { return FPaperWidth; }
  void SetPaperWidth(double Value);
  double GetPaperHeight() const { return FPaperHeight; }
  void SetPaperHeight(double Value);
  TDiagramPageOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TDiagramPageOrientation Value);
  // Millimetres, relative to the paper in portrait position.
  double GetLeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(double Value);
  double GetTopMargin() const { return FTopMargin; }
  void SetTopMargin(double Value);
  double GetRightMargin() const { return FRightMargin; }
  void SetRightMargin(double Value);
  double GetBottomMargin() const { return FBottomMargin; }
  void SetBottomMargin(double Value);
  // The margins as documents store them: the shortest decimal text with '.' whatever the
  // locale ("25.4"). Setting parses such a text and raises EConvertError for anything else.
  QString GetLeftMarginStr() const { return MarginText(FLeftMargin); }
  void SetLeftMarginStr(const QString& Value) { SetLeftMargin(ParseMargin(Value)); }
  QString GetTopMarginStr() const { return MarginText(FTopMargin); }
  void SetTopMarginStr(const QString& Value) { SetTopMargin(ParseMargin(Value)); }
  QString GetRightMarginStr() const { return MarginText(FRightMargin); }
  void SetRightMarginStr(const QString& Value) { SetRightMargin(ParseMargin(Value)); }
  QString GetBottomMarginStr() const { return MarginText(FBottomMargin); }
  void SetBottomMarginStr(const QString& Value) { SetBottomMargin(ParseMargin(Value)); }

  TdvDiagram* GetDiagram() const { return FDiagram; }

  static QString MarginText(double Value);
  static double ParseMargin(const QString& Text);

 protected:
  // Runs after every change of a value; nothing listens here.
  virtual void Changed() {}

 private:
  template <class T>
  void Store(T& Field, const T& Value);

  TdvDiagram* FDiagram;
  QString FPaperName;
  int FPaperId = 0;
  double FPaperWidth = 0.0;
  double FPaperHeight = 0.0;
  TDiagramPageOrientation FOrientation = dpoPortrait;
  double FLeftMargin = 0.0;
  double FTopMargin = 0.0;
  double FRightMargin = 0.0;
  double FBottomMargin = 0.0;
};

}  // namespace tarnwick
