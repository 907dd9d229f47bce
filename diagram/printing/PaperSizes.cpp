#include "diagram/printing/PaperSizes.h"

namespace tarnwick {

const std::vector<TPaperSize>& BuiltInPapers() {
  static const std::vector<TPaperSize> papers = {
      {1, "Letter", 215.9, 279.4},
      {2, "Letter Small", 215.9, 279.4},
      {3, "Tabloid", 279.4, 431.8},
      {4, "Ledger", 431.8, 279.4},
      {5, "Legal", 215.9, 355.6},
      {6, "Statement", 139.7, 215.9},
      {7, "Executive", 184.2, 266.7},
      {8, "A3", 297, 420},
      {9, "A4", 210, 297},
      {10, "A4 Small", 210, 297},
      {11, "A5", 148, 210},
      {12, "B4 (JIS)", 250, 354},
      {13, "B5 (JIS)", 182, 257},
      {14, "Folio", 215.9, 330.2},
      {15, "Quarto", 215, 275},
      {16, "10x14", 254, 355.6},
      {17, "11x17", 279.4, 431.8},
      {18, "Note", 215.9, 279.4},
      {19, "Envelope #9", 98.4, 225.4},
      {20, "Envelope #10", 104.8, 241.3},
      {21, "Envelope #11", 114.3, 263.5},
      {22, "Envelope #12", 120.7, 279.4},
      {23, "Envelope #14", 127, 292.1},
      {24, "C size sheet", 431.8, 558.8},
      {25, "D size sheet", 558.8, 863.6},
      {26, "E size sheet", 863.6, 1117.6},
      {27, "Envelope DL", 110, 220},
      {28, "Envelope C5", 162, 229},
      {29, "Envelope C3", 324, 458},
      {30, "Envelope C4", 229, 324},
      {31, "Envelope C6", 114, 162},
      {32, "Envelope C65", 114, 229},
      {33, "Envelope B4", 250, 353},
      {34, "Envelope B5", 176, 250},
      {35, "Envelope B6", 176, 125},
      {36, "Envelope", 110, 230},
      {37, "Envelope Monarch", 98.4, 190.5},
      {38, "6 3/4 Envelope", 92, 165.1},
      {39, "US Std Fanfold", 377.8, 279.4},
      {40, "German Std Fanfold", 215.9, 304.8},
      {41, "German Legal Fanfold", 215.9, 330.2},
      {42, "B4 (ISO)", 250, 353},
      {43, "Japanese Postcard", 100, 148},
      {44, "9x11", 228.6, 279.4},
      {45, "10x11", 254, 279.4},
      {46, "15x11", 381, 279.4},
      {47, "Envelope Invite", 220, 220},
      {50, "Letter Extra", 235.5, 304.8},
      {51, "Legal Extra", 235.5, 381},
      {52, "Tabloid Extra", 296.9, 457.2},
      {53, "A4 Extra", 235.4, 322.3},
      {54, "Letter Transverse", 210.1, 279.4},
      {55, "A4 Transverse", 210, 297},
      {56, "Letter Extra Transverse", 235.5, 304.8},
      {57, "Super A", 227, 356},
      {58, "Super B", 305, 487},
      {59, "Letter Plus", 215.9, 322.3},
      {60, "A4 Plus", 210, 330},
      {61, "A5 Transverse", 148, 210},
      {62, "B5 (JIS) Transverse", 182, 257},
      {63, "A3 Extra", 322, 445},
      {64, "A5 Extra", 174, 235},
      {65, "B5 (ISO) Extra", 201, 276},
      {66, "A2", 420, 594},
      {67, "A3 Transverse", 297, 420},
      {68, "A3 Extra Transverse", 322, 445},
      {69, "Japanese Double Postcard", 200, 148},
      {70, "A6", 105, 148},
  };
  return papers;
}

const TPaperSize* FindPaper(const std::vector<TPaperSize>& Papers, int Id) {
  for (const TPaperSize& p : Papers)
    if (p.Id == Id) return &p;
  return nullptr;
}

}  // namespace tarnwick
