#pragma once
// The diagram's clipboard: copying the selection as the text form of an object stream,
// cutting, and pasting such a text back as new controls. While the in-place text editor
// is open the three act on its text instead.
//
// Pasting never half-happens: the text is read into a scratch diagram that nothing else
// can see, and only a complete read is moved over. Names in the text resolve only among
// the pasted controls and the controls of the target diagram, so pasted lines and groups
// can never reach into another diagram of the same window.
#include <QByteArray>
#include <QImage>
#include <QMetaObject>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

namespace tarnwick {

class TDiagramControl;
class TdvDiagram;

class TDiagramClipboard {
 public:
  // The clipboard entry's MIME type: the UTF-16 text of the stream and one zero character.
  static const QString MimeType;
  // Clipboard data beyond this many bytes is refused rather than read.
  static constexpr qsizetype MaxDataSize = 64 * 1024 * 1024;

  explicit TDiagramClipboard(TdvDiagram& ADiagram) : FDiagram(ADiagram) {}
  ~TDiagramClipboard();
  TDiagramClipboard(const TDiagramClipboard&) = delete;
  TDiagramClipboard& operator=(const TDiagramClipboard&) = delete;

  void CopyToClipboard();
  // Copies, then deletes what may be deleted: one "delete" step.
  void CutToClipboard();
  // One "paste" step, also when the clipboard holds nothing to merge. A text that does
  // not read leaves the document as it was, records nothing and raises the read's error.
  void PasteFromClipboard();
  bool CanCopy() const;
  // While a copy writes, only the controls it marked go into the stream (a control that
  // merely carries the prefix in its own name stays out).
  bool Writes(const TDiagramControl* AControl) const;
  bool CanPaste();

  // The clipboard text of one control (a group with its members).
  QString SerializeObjectToString(TDiagramControl* ADControl);
  // Merges a clipboard text into the diagram and returns the new controls in stream
  // order, renamed where their names were taken. All or nothing.
  std::vector<TDiagramControl*> LoadDiagramText(const QString& AText);
  // A control made from a clipboard text (its first control, or that control's top
  // group), on no diagram, owned by the diagram's child owner and unnamed.
  TDiagramControl* CreateDControlFromData(const QString& AText, const QString& ADControlID);

  // The text of the clipboard data of the format: up to its terminating zero. Raises for
  // data that is not such a text (odd length, no terminator, too large).
  static QString DecodeClipboardData(const QByteArray& AData);
  static QByteArray EncodeClipboardData(const QString& AText);
  // A picture of the controls of a clipboard text, as a net export of them draws them;
  // null when the text holds none or cannot be drawn.
  static QImage PictureOfText(const QString& AText);
  // The same picture as an enhanced metafile; empty when there is nothing to draw.
  static QByteArray MetafileOfText(const QString& AText);

 private:
  // The document text with only the controls given (groups with their members); the
  // names are given back however the writing ends.
  QString SerializeControls(const std::vector<TDiagramControl*>& AControls);
  // Reads the text into a scratch diagram and moves the controls over.
  std::vector<TDiagramControl*> Merge(const QString& AText);
  void SelectPasted(const std::vector<TDiagramControl*>& APasted);
  // Follows the platform clipboard's changes so CanPaste need not ask it every time.
  void WatchClipboard();

  TdvDiagram& FDiagram;
  QMetaObject::Connection FClipboardWatch;
  std::optional<bool> FHasFormat;
  std::optional<bool> FHasText;
  const QSet<const TDiagramControl*>* FMarked = nullptr;
};

}  // namespace tarnwick
