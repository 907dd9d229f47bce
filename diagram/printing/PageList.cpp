#include "diagram/printing/PageList.h"

#include "platform/core/Exception.h"

namespace tarnwick {

namespace {

int ToInteger(const QString& AText) {
  bool ok = false;
  const int v = AText.toInt(&ok, 10);
  if (!ok) throw EConvertError(QStringLiteral("'%s' is not a valid integer value"), AText);
  return v;
}

}  // namespace

QStringList TPageList::SplitCommaText(const QString& AText) {
  QStringList items;
  const qsizetype n = AText.size();
  qsizetype i = 0;
  const auto isBlank = [](QChar c) { return c.unicode() <= ' '; };
  while (i < n && isBlank(AText[i])) ++i;
  while (i < n) {
    QString item;
    if (AText[i] == '"') {
      // A quoted item; a doubled quote stands for one.
      ++i;
      while (i < n) {
        if (AText[i] == '"') {
          if (i + 1 < n && AText[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += AText[i++];
      }
      while (i < n && AText[i] != ',' && !isBlank(AText[i])) item += AText[i++];
    } else {
      while (i < n && AText[i] != ',' && !isBlank(AText[i])) item += AText[i++];
    }
    items << item;
    while (i < n && isBlank(AText[i])) ++i;
    if (i < n && AText[i] == ',') {
      ++i;
      while (i < n && isBlank(AText[i])) ++i;
      // A comma at the very end still ends an (empty) item.
      if (i >= n) items << QString();
    }
  }
  return items;
}

TPageList::TPageList(const QString& AText, int APageCount) {
  const QStringList items = SplitCommaText(AText);
  FAll = items.isEmpty();
  for (const QString& item : items) {
    const qsizetype dash = item.indexOf('-');
    if (dash < 0) {
      FItems << item;
      continue;
    }
    const int first = dash == 0 ? 1 : ToInteger(item.left(dash));
    const int last = dash == item.size() - 1 ? APageCount : ToInteger(item.mid(dash + 1));
    if (last >= first) FRanges.emplace_back(first, last);
  }
}

bool TPageList::Contains(int APageNo) const {
  if (FAll) return true;
  for (const auto& [first, last] : FRanges)
    if (APageNo >= first && APageNo <= last) return true;
  return FItems.contains(QString::number(APageNo));
}

std::vector<int> TPageList::Pages(int APageCount) const {
  std::vector<int> pages;
  for (int j = 1; j <= APageCount; ++j)
    if (Contains(j)) pages.push_back(j);
  return pages;
}

}  // namespace tarnwick
