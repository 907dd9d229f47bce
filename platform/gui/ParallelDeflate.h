#pragma once
// One zlib stream built from buffers that are each cut into pieces and compressed on
// several threads at once. Every piece is an independent raw deflate run that ends with a
// sync flush, so it stops on a byte boundary with a non-final block and the next piece can
// follow it directly; one empty final block and the Adler-32 of all the input (combined
// from the pieces' own sums) close the stream. Pieces do not see each other's data, which
// costs a little compression at every cut; buffers too small to be worth a thread are not
// cut at all.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tarnwick {

class TParallelDeflate {
 public:
  // Level is zlib's (0-9). Threads is how many pieces a large buffer is cut into (at least
  // one; the calling thread compresses one of them).
  TParallelDeflate(int Level, int Threads);
  ~TParallelDeflate();
  TParallelDeflate(const TParallelDeflate&) = delete;
  TParallelDeflate& operator=(const TParallelDeflate&) = delete;

  // Appends the compressed form of Data to Out (the stream's two header bytes first, on the
  // first call). Cuts fall on multiples of Unit bytes, so a piece holds whole rows.
  void Add(const uint8_t* Data, size_t Size, size_t Unit, std::vector<uint8_t>& Out);
  // As above, with the data made piece by piece: Prepare(From, To, Piece) fills
  // Data[From, To) on the thread that then compresses it, so making the data runs on all
  // the threads too, and answers the data's Adler-32 (which the maker of the data can often
  // work out for less than a pass over it). Piece counts from 0 and stays below Threads.
  // Should Prepare throw, no compressed data is appended, and once every piece is done the
  // exception of the first piece that threw reaches the caller.
  using TPrepare = std::function<uint32_t(size_t From, size_t To, size_t Piece)>;
  void Add(const uint8_t* Data, size_t Size, size_t Unit, const TPrepare& Prepare, std::vector<uint8_t>& Out);
  // Appends the end of the stream. Nothing may be added afterwards.
  void Finish(std::vector<uint8_t>& Out);

  // The Adler-32 of Data continued by Count zero bytes, worked out without a pass over
  // them: runs of zeros are most of a drawing's filtered rows.
  static uint32_t AdlerOfZeros(uint32_t Adler, size_t Count);
  // Pieces below this size are not worth a thread of their own.
  static constexpr size_t MinPieceBytes = 256 * 1024;

 private:
  struct TPiece;
  void Header(std::vector<uint8_t>& Out);

  int FLevel;
  std::vector<std::unique_ptr<TPiece>> FPieces;
  uint32_t FAdler = 1;
  bool FStarted = false;
  bool FFinished = false;
};

}  // namespace tarnwick
