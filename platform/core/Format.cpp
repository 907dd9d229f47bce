#include "platform/core/Format.h"

namespace tarnwick::detail {

QString FormatImpl(const QString& pattern, const QString* args, int count) {
  QString out;
  out.reserve(pattern.size() + 16);
  int next = 0;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    QChar c = pattern[i];
    if (c == u'%' && i + 1 < pattern.size()) {
      QChar k = pattern[i + 1];
      if (k == u'%') {
        out += u'%';
        ++i;
        continue;
      }
      if (k == u's' || k == u'd' || k == u'x' || k == u'g') {
        // A missing argument leaves the placeholder visible rather than failing.
        if (next < count)
          out += args[next++];
        else
          out += pattern.mid(i, 2);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace tarnwick::detail
