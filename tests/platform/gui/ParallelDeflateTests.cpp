// The parallel compressor: whatever the cutting, the pieces join into one zlib stream that
// inflates (checksum included) to exactly the data added.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/gui/ParallelDeflate.h"

using namespace tarnwick;

namespace {

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& Stream, size_t Expected) {
  std::vector<uint8_t> Out(Expected + 1);
  uLongf Size = static_cast<uLongf>(Out.size());
  EXPECT_EQ(uncompress(Out.data(), &Size, Stream.data(), static_cast<uLong>(Stream.size())), Z_OK);
  Out.resize(Size);
  return Out;
}

// Rows that compress somewhat, with noise so pieces do not all look alike.
std::vector<uint8_t> Sample(size_t Size) {
  std::vector<uint8_t> Data(Size);
  uint32_t Seed = 7;
  for (size_t I = 0; I < Size; ++I) {
    Seed = Seed * 1664525u + 1013904223u;
    Data[I] = (I % 1000 < 700) ? static_cast<uint8_t>(I / 1000) : static_cast<uint8_t>(Seed >> 24);
  }
  return Data;
}

struct TDeflateCase {
  int Threads;
  int Level;
  std::vector<size_t> Adds;  // the sizes of the buffers added one after the other
  size_t Unit;
};

class DeflatePieces : public testing::TestWithParam<TDeflateCase> {};

TEST_P(DeflatePieces, JoinIntoOneStreamOfTheData) {
  const TDeflateCase& Case = GetParam();
  size_t Total = 0;
  for (size_t Size : Case.Adds) Total += Size;
  const std::vector<uint8_t> Data = Sample(Total);
  TParallelDeflate Deflate(Case.Level, Case.Threads);
  std::vector<uint8_t> Stream;
  size_t At = 0;
  for (size_t Size : Case.Adds) {
    Deflate.Add(Data.data() + At, Size, Case.Unit, Stream);
    At += Size;
  }
  Deflate.Finish(Stream);
  EXPECT_EQ(Inflate(Stream, Total), Data);
}

constexpr size_t Big = TParallelDeflate::MinPieceBytes;

INSTANTIATE_TEST_SUITE_P(
    ParallelDeflate, DeflatePieces,
    testing::Values(TDeflateCase{1, 2, {}, 1},                            // nothing at all
                    TDeflateCase{4, 2, {0, 10, 0}, 3},                    // tiny and empty buffers
                    TDeflateCase{1, 2, {3 * Big, Big}, 1001},             // one piece per buffer
                    TDeflateCase{2, 1, {4 * Big + 17, 3}, 1001},          // cut in two, odd rest
                    TDeflateCase{4, 2, {8 * Big, 5 * Big / 2}, 25459},    // four pieces, then fewer
                    TDeflateCase{3, 0, {3 * Big}, 3 * Big},               // one unit: no cut possible
                    TDeflateCase{4, 9, {6 * Big + 5}, 7}));               // slowest level

TEST(ParallelDeflate, RefusesDataAfterTheEnd) {
  TParallelDeflate Deflate(2, 2);
  std::vector<uint8_t> Stream;
  Deflate.Finish(Stream);
  const uint8_t Byte = 1;
  EXPECT_THROW(Deflate.Add(&Byte, 1, 1, Stream), EInvalidOperation);
  EXPECT_THROW(Deflate.Finish(Stream), EInvalidOperation);
  EXPECT_THROW(TParallelDeflate(10, 1), Exception);
}

// The checksum of a run of zeros is worked out without a pass over it, and must be the one
// a pass gives, from any checksum before it and for runs past the sums' modulus.
TEST(ParallelDeflate, TheChecksumOfZerosIsTheOneAPassGives) {
  const std::vector<uint8_t> Zeros(200000, 0);
  const std::vector<uint8_t> Data = Sample(3000);
  for (const uint32_t Start : {1u, static_cast<uint32_t>(adler32_z(1, Data.data(), Data.size())), 0xFFF0FFF0u % 65521u})
    for (const size_t Count : {size_t{0}, size_t{1}, size_t{65521}, size_t{65522}, size_t{200000}})
      EXPECT_EQ(TParallelDeflate::AdlerOfZeros(Start, Count), adler32_z(Start, Zeros.data(), Count)) << Start << " " << Count;
}

// Data made by the pieces' own threads, with checksums they work out themselves.
TEST(ParallelDeflate, PreparedPiecesJoinIntoOneStreamOfTheData) {
  const std::vector<uint8_t> Expected = Sample(5 * Big + 11);
  std::vector<uint8_t> Data(Expected.size());
  TParallelDeflate Deflate(2, 3);
  std::vector<uint8_t> Stream;
  std::vector<size_t> Pieces;
  std::mutex Lock;
  Deflate.Add(Data.data(), Data.size(), 1000, [&](size_t From, size_t To, size_t Piece) {
    std::copy(Expected.begin() + static_cast<std::ptrdiff_t>(From), Expected.begin() + static_cast<std::ptrdiff_t>(To),
              Data.begin() + static_cast<std::ptrdiff_t>(From));
    const std::lock_guard<std::mutex> Guard(Lock);
    Pieces.push_back(Piece);
    return static_cast<uint32_t>(adler32_z(1, Expected.data() + From, To - From));
  }, Stream);
  Deflate.Finish(Stream);
  EXPECT_EQ(Pieces.size(), 3u);
  EXPECT_EQ(Inflate(Stream, Expected.size()), Expected);

  // A failing piece: nothing is appended, and the first failure is the one reported.
  TParallelDeflate Failing(2, 3);
  std::vector<uint8_t> None;
  try {
    Failing.Add(Data.data(), Data.size(), 1000, [](size_t, size_t, size_t Piece) -> uint32_t {
      if (Piece >= 1) throw EInvalidOperation(Piece == 1 ? "first" : "second");
      return 1;
    }, None);
    ADD_FAILURE() << "no failure reported";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message().toStdString(), "first");
  }
  EXPECT_LE(None.size(), 2u) << "at most the stream's header";
}

}  // namespace
