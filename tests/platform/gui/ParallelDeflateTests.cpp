// The parallel compressor: whatever the cutting, the pieces join into one zlib stream that
// inflates (checksum included) to exactly the data added.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
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

}  // namespace
