#include "diagram/libraries/LibraryNames.h"

#include "diagram/libraries/DiagramException.h"

namespace tarnwick {

namespace {

// File names are at most this many bytes on the file systems the program runs on; the
// folder prefix and the extension are counted by the caller's complete name.
constexpr qsizetype MaxNameBytes = 200;

}  // namespace

QString UnusableNameReason(const QString& AName) {
  if (AName.trimmed().isEmpty()) return QStringLiteral("the name is empty");
  if (AName.startsWith(u'.')) return QStringLiteral("the name starts with a dot");
  for (QChar c : AName) {
    if (c == u'/' || c == u'\\') return QStringLiteral("the name holds a slash or backslash");
    if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
      return QStringLiteral("the name holds a control character");
    if (c.isSurrogate() && !AName.isValidUtf16()) return QStringLiteral("the name is not valid text");
  }
  if (AName.toUtf8().size() > MaxNameBytes) return QStringLiteral("the name is too long");
  return QString();
}

void CheckUsableName(const QString& AKind, const QString& AName) {
  const QString reason = UnusableNameReason(AName);
  if (!reason.isEmpty())
    throw EDiagramException(QStringLiteral("%1 name \"%2\" cannot be used: %3.").arg(AKind, AName, reason));
}

}  // namespace tarnwick
