#include "platform/gui/ParallelDeflate.h"

#include <zlib.h>

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

#include "platform/core/Exception.h"

namespace tarnwick {

// A compressor of its own and the output of its latest piece.
struct TParallelDeflate::TPiece {
  z_stream Z{};
  std::vector<uint8_t> Out;
  uint32_t Adler = 1;
  bool Failed = false;

  explicit TPiece(int Level) {
    // Negative window bits: raw deflate, as the zlib wrapper is written once for all.
    if (deflateInit2(&Z, Level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
      throw EOutOfResources("Cannot start the PNG compressor.");
  }
  ~TPiece() { deflateEnd(&Z); }

  // Never throws: it runs on a worker thread; the caller checks Failed.
  void Compress(const uint8_t* Data, size_t Size, const uint32_t* KnownAdler = nullptr) noexcept {
    Failed = false;
    Adler = KnownAdler ? *KnownAdler : static_cast<uint32_t>(adler32_z(1, Data, Size));
    if (deflateReset(&Z) != Z_OK) {
      Failed = true;
      return;
    }
    try {
      // Room for incompressible data and the flush marker; grown if ever short.
      Out.resize(deflateBound(&Z, static_cast<uLong>(Size)) + 64);
    } catch (...) {
      Failed = true;
      return;
    }
    Z.next_in = const_cast<Bytef*>(Data);
    Z.next_out = Out.data();
    Z.avail_out = static_cast<uInt>(Out.size());
    size_t Left = Size;
    for (;;) {
      // zlib counts input in unsigned ints: feed a very large piece in slices.
      const uInt Slice = static_cast<uInt>(std::min<size_t>(Left, 1u << 30));
      Z.avail_in += Slice;
      Left -= Slice;
      const int Result = deflate(&Z, Left ? Z_NO_FLUSH : Z_SYNC_FLUSH);
      if (Result == Z_STREAM_ERROR) {
        Failed = true;
        return;
      }
      if (Z.avail_out == 0) {
        const size_t Used = Out.size();
        try {
          Out.resize(Used * 2);
        } catch (...) {
          Failed = true;
          return;
        }
        Z.next_out = Out.data() + Used;
        Z.avail_out = static_cast<uInt>(Out.size() - Used);
        continue;
      }
      if (Left == 0 && Z.avail_in == 0) break;
    }
    Out.resize(Out.size() - Z.avail_out);
  }
};

TParallelDeflate::TParallelDeflate(int Level, int Threads) : FLevel(Level) {
  if (Level < 0 || Level > 9) throw Exception("Invalid PNG compression level %d.", Level);
  for (int I = 0; I < std::max(Threads, 1); ++I) FPieces.push_back(std::make_unique<TPiece>(Level));
}

TParallelDeflate::~TParallelDeflate() = default;

void TParallelDeflate::Header(std::vector<uint8_t>& Out) {
  if (FStarted) return;
  FStarted = true;
  // Deflate with a 32 KB window; the level hint in the second byte, which is chosen so the
  // pair is a multiple of 31 as the format requires.
  const uint8_t Cmf = 0x78;
  const uint8_t Hint = FLevel < 2 ? 0 : FLevel < 6 ? 1 : FLevel == 6 ? 2 : 3;
  uint8_t Flg = static_cast<uint8_t>(Hint << 6);
  Flg = static_cast<uint8_t>(Flg + (31 - (Cmf * 256 + Flg) % 31) % 31);
  Out.push_back(Cmf);
  Out.push_back(Flg);
}

uint32_t TParallelDeflate::AdlerOfZeros(uint32_t Adler, size_t Count) {
  // A zero byte leaves the sum of the bytes (low half) alone and adds it to the sum of
  // sums (high half), so Count of them add Count times the first sum.
  constexpr uint64_t Base = 65521;
  const uint64_t A = Adler & 0xFFFFu;
  const uint64_t B = ((Adler >> 16) + (Count % Base) * A) % Base;
  return static_cast<uint32_t>(B << 16 | A);
}

void TParallelDeflate::Add(const uint8_t* Data, size_t Size, size_t Unit, std::vector<uint8_t>& Out) {
  Add(Data, Size, Unit, TPrepare(), Out);
}

void TParallelDeflate::Add(const uint8_t* Data, size_t Size, size_t Unit, const TPrepare& Prepare,
                           std::vector<uint8_t>& Out) {
  if (FFinished) throw EInvalidOperation("The compressed stream is already finished.");
  Header(Out);
  if (Size == 0) return;
  Unit = std::max<size_t>(Unit, 1);
  const size_t Units = (Size + Unit - 1) / Unit;
  const size_t Count = std::clamp<size_t>(Size / MinPieceBytes, 1, std::min(FPieces.size(), Units));
  // Cuts at whole units, the pieces as even as the units allow.
  std::vector<size_t> Cut(Count + 1, Size);
  for (size_t I = 0; I < Count; ++I) Cut[I] = std::min(Size, Units * I / Count * Unit);

  std::vector<std::exception_ptr> Errors(Count);
  const auto Run = [&](size_t I) noexcept {
    if (!Prepare) {
      FPieces[I]->Compress(Data + Cut[I], Cut[I + 1] - Cut[I]);
      return;
    }
    uint32_t Adler = 1;
    try {
      Adler = Prepare(Cut[I], Cut[I + 1], I);
    } catch (...) {
      Errors[I] = std::current_exception();
      return;
    }
    FPieces[I]->Compress(Data + Cut[I], Cut[I + 1] - Cut[I], &Adler);
  };
  // A thread per piece and buffer: starting one costs far less than compressing a piece.
  std::vector<std::thread> Workers;
  try {
    for (size_t I = 1; I < Count; ++I) Workers.emplace_back(Run, I);
  } catch (const std::system_error&) {
    // No more threads to be had: the pieces left run here instead.
  }
  for (size_t I = Workers.size() + 1; I < Count; ++I) Run(I);
  Run(0);
  for (std::thread& Worker : Workers) Worker.join();

  for (const std::exception_ptr& Error : Errors)
    if (Error) std::rethrow_exception(Error);
  for (size_t I = 0; I < Count; ++I) {
    const TPiece& Piece = *FPieces[I];
    if (Piece.Failed) throw EOutOfResources("The PNG compressor failed.");
    Out.insert(Out.end(), Piece.Out.begin(), Piece.Out.end());
    FAdler = static_cast<uint32_t>(adler32_combine(FAdler, Piece.Adler, static_cast<z_off_t>(Cut[I + 1] - Cut[I])));
  }
}

void TParallelDeflate::Finish(std::vector<uint8_t>& Out) {
  if (FFinished) throw EInvalidOperation("The compressed stream is already finished.");
  Header(Out);
  FFinished = true;
  // A final block of the fixed kind holding only the end code: the bits 1, 01, 0000000.
  Out.push_back(0x03);
  Out.push_back(0x00);
  for (int Shift = 24; Shift >= 0; Shift -= 8) Out.push_back(static_cast<uint8_t>(FAdler >> Shift));
}

}  // namespace tarnwick
