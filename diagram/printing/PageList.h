#pragma once
// The pages a print job selects, from the text the user types: page numbers and ranges
// separated by commas or blanks ("1,3,5-7"); a range may leave out its start ("-2": from
// the first page) or its end ("8-": to the last page).
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tarnwick {

class TPageList {
 public:
  // Raises EConvertError when a part of a range is not an integer. An empty text selects
  // every page.
  TPageList(const QString& AText, int APageCount);

  bool SelectsAll() const { return FAll; }
  // Whether page APageNo (from 1) is printed.
  bool Contains(int APageNo) const;
  // The pages printed, in order, among 1..APageCount.
  std::vector<int> Pages(int APageCount) const;

  // The items of a comma text: commas and blanks separate, double quotes group.
  static QStringList SplitCommaText(const QString& AText);

 private:
  bool FAll = false;
  // Items without '-', as typed: a page is chosen when its decimal text equals one.
  QStringList FItems;
  // The ranges, inclusive, kept as bounds: a range typed as "1-2000000000" costs nothing.
  std::vector<std::pair<int, int>> FRanges;
};

}  // namespace tarnwick
