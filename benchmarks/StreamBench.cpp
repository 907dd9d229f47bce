// Throughput of the object stream: a document of 10,000 objects with about 20 published
// properties each, written, read back into live objects, and converted between the binary
// and the text form.
#include <benchmark/benchmark.h>

#include <QString>
#include <map>
#include <memory>

#include "benchmarks/AllocationCounter.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Properties.h"
#include "platform/core/Stream.h"
#include "streaming/ObjectStream.h"
#include "streaming/TextConvert.h"

using namespace tarnwick;

namespace {

enum TBenchKind { bkRect, bkEllipse, bkDiamond };
enum TBenchOption { boA, boB, boC, boD };
using TBenchOptions = TSet<TBenchOption, uint8_t>;

const TEnumTypeInfo& KindType() {
  static const TEnumTypeInfo t("TBenchKind", {"bkRect", "bkEllipse", "bkDiamond"});
  return t;
}
const TEnumTypeInfo& OptionType() {
  static const TEnumTypeInfo t("TBenchOption", {"boA", "boB", "boC", "boD"});
  return t;
}

class TBenchPen : public TPersistent {
  TARNWICK_CLASS(TBenchPen)

 public:
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; }
  int GetWidth() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
};

const TClassInfo& TBenchPen::StaticClassInfo() {
  static const TClassInfo info("TBenchPen", &TPersistent::StaticClassInfo(),
                               {ColorProp("Color", &TBenchPen::GetColor, &TBenchPen::SetColor, clBlack),
                                IntProp("Width", &TBenchPen::GetWidth, &TBenchPen::SetWidth, 1)});
  return info;
}

// A diagram block in miniature: geometry, colours, text, flags and a pen.
class TBenchShape : public TComponent {
  TARNWICK_CLASS(TBenchShape)

 public:
  explicit TBenchShape(TComponent* AOwner) : TComponent(AOwner), FPen(MakeOwned<TBenchPen>()) {}

#define BENCH_FIELD(Type, Name, Init)        \
 public:                                     \
  Type Get##Name() const { return F##Name; } \
  void Set##Name(Type v) { F##Name = v; }    \
                                             \
 private:                                    \
  Type F##Name = Init;

  BENCH_FIELD(double, Left, 0)
  BENCH_FIELD(double, Top, 0)
  BENCH_FIELD(double, Width, 0)
  BENCH_FIELD(double, Height, 0)
  BENCH_FIELD(double, Angle, 0)
  BENCH_FIELD(TColor, Color, clWhite)
  BENCH_FIELD(TColor, SelColor, clWhite)
  BENCH_FIELD(int, MinWidth, 10)
  BENCH_FIELD(int, MinHeight, 10)
  BENCH_FIELD(int, Layer, 0)
  BENCH_FIELD(int, Transparency, 0)
  BENCH_FIELD(int, Cursor, 0)
  BENCH_FIELD(TBenchKind, Shape, bkRect)
  BENCH_FIELD(bool, Visible, true)
  BENCH_FIELD(bool, Transparent, false)
  BENCH_FIELD(TBenchOptions, Restrictions, {})
  BENCH_FIELD(QString, Caption, {})
  BENCH_FIELD(QString, Hint, {})
#undef BENCH_FIELD

 public:
  TBenchPen* GetPen() const { return FPen.get(); }
  void SetPen(TBenchPen*) {}

 private:
  TOwned<TBenchPen> FPen;
};

const TClassInfo& TBenchShape::StaticClassInfo() {
  using S = TBenchShape;
  static const TClassInfo info(
      "TBenchShape", &TComponent::StaticClassInfo(),
      {FloatProp("Left", ftDouble, &S::GetLeft, &S::SetLeft), FloatProp("Top", ftDouble, &S::GetTop, &S::SetTop),
       FloatProp("Width", ftDouble, &S::GetWidth, &S::SetWidth),
       FloatProp("Height", ftDouble, &S::GetHeight, &S::SetHeight),
       FloatProp("Angle", ftDouble, &S::GetAngle, &S::SetAngle), ColorProp("Color", &S::GetColor, &S::SetColor),
       ColorProp("SelColor", &S::GetSelColor, &S::SetSelColor), IntProp("MinWidth", &S::GetMinWidth, &S::SetMinWidth),
       IntProp("MinHeight", &S::GetMinHeight, &S::SetMinHeight), IntProp("Layer", &S::GetLayer, &S::SetLayer),
       IntProp("Transparency", &S::GetTransparency, &S::SetTransparency),
       CursorProp("Cursor", &S::GetCursor, &S::SetCursor), EnumProp("Shape", KindType(), &S::GetShape, &S::SetShape),
       BoolProp("Visible", &S::GetVisible, &S::SetVisible),
       BoolProp("Transparent", &S::GetTransparent, &S::SetTransparent),
       SetProp("Restrictions", OptionType(), &S::GetRestrictions, &S::SetRestrictions),
       StringProp("Caption", &S::GetCaption, &S::SetCaption), StringProp("Hint", &S::GetHint, &S::SetHint),
       ObjectProp("Pen", TBenchPen::StaticClassInfo(), &S::GetPen, &S::SetPen)},
      [](TComponent* owner) { return Create<TBenchShape>(owner); });
  return info;
}

class TBenchRoot : public TComponent {
  TARNWICK_CLASS(TBenchRoot)

 public:
  using TComponent::TComponent;
  void GetChildren(const TGetChildProc& Proc, TComponent*) override {
    for (int i = 0; i < GetComponentCount(); ++i) Proc(GetComponents(i));
  }
};

const TClassInfo& TBenchRoot::StaticClassInfo() {
  static const TClassInfo info("TBenchRoot", &TComponent::StaticClassInfo(), {},
                               [](TComponent* owner) { return Create<TBenchRoot>(owner); });
  return info;
}

constexpr int ObjectCount = 10000;

TOwned<TBenchRoot> MakeDocument(int count) {
  RegisterClass<TBenchShape>();
  RegisterClass<TBenchRoot>();
  TOwned<TBenchRoot> root(Create<TBenchRoot>(nullptr));
  for (int i = 0; i < count; ++i) {
    auto* s = Create<TBenchShape>(root.get());
    s->SetName(QStringLiteral("Block%1").arg(i + 1));
    s->SetLeft(10.5 * (i % 100));
    s->SetTop(7.25 * (i / 100));
    s->SetWidth(120);
    s->SetHeight(60 + i % 7);
    s->SetAngle(i % 360);
    s->SetColor(i % 2 ? clWhite : 0x00F0E0D0);
    s->SetSelColor(clSilver);
    s->SetMinWidth(40);
    s->SetMinHeight(40);
    s->SetLayer(i % 3);
    s->SetTransparency(i % 100);
    s->SetCursor(-21);
    s->SetShape(static_cast<TBenchKind>(i % 3));
    s->SetVisible(true);
    s->SetTransparent(i % 5 == 0);
    s->SetRestrictions(TBenchOptions{boA, boC});
    s->SetCaption(QStringLiteral("Block number %1").arg(i + 1));
    s->SetHint(i % 10 == 0 ? QString::fromUtf8("Hinweis für Block %1").arg(i) : QString());
    s->GetPen()->SetColor(clNavy);
    s->GetPen()->SetWidth(2);
  }
  return root;
}

struct Document {
  TOwned<TBenchRoot> root;
  QByteArray binary;
  QByteArray text;
  explicit Document(int count) : root(MakeDocument(count)) {
    TMemoryStream b;
    WriteComponent(b, root.get());
    binary = b.Bytes();
    TMemoryStream in(binary), out;
    ConvertBinaryToText(in, out);
    text = out.Bytes();
  }
};

Document& Doc(int count = ObjectCount) {
  static std::map<int, std::unique_ptr<Document>> docs;
  auto& d = docs[count];
  if (!d) d = std::make_unique<Document>(count);
  return *d;
}

void ReportPeak(benchmark::State& state, int64_t inputBytes, int64_t peak) {
  state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["peak_per_input"] = static_cast<double>(peak) / static_cast<double>(inputBytes);
}

void BM_WriteBinary(benchmark::State& state) {
  Document& d = Doc();
  for (auto _ : state) {
    TMemoryStream m;
    WriteComponent(m, d.root.get());
    benchmark::DoNotOptimize(m.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * d.binary.size());
  state.counters["objects"] = ObjectCount;
}

// With the object count as argument: the platform's owner keeps its components in a list
// that every insertion and every name check walks, so reading N named objects into one
// owner costs N^2 there (see BM_CreateNamedComponents); the smaller document shows the
// stream's own, linear share.
void BM_ReadBinary(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  Document& d = Doc(count);
  for (auto _ : state) {
    TBenchRoot* root = Create<TBenchRoot>(nullptr);
    TMemoryStream m(d.binary);
    ReadComponent(m, root);
    state.PauseTiming();
    if (root->GetComponentCount() != count) state.SkipWithError("wrong object count");
    root->Free();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * d.binary.size());
}

// What the platform alone spends on making as many named components in one owner: the
// part of BM_ReadBinary that is not the stream's.
void BM_CreateNamedComponents(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TBenchRoot* root = Create<TBenchRoot>(nullptr);
    for (int i = 0; i < count; ++i) Create<TBenchShape>(root)->SetName(QStringLiteral("Block%1").arg(i + 1));
    state.PauseTiming();
    root->Free();
    state.ResumeTiming();
  }
}

void BM_BinaryToText(benchmark::State& state) {
  Document& d = Doc();
  int64_t peak = 0;
  for (auto _ : state) {
    TMemoryStream in(d.binary), out;
    int64_t base = bench::CurrentBytes();
    bench::ResetPeak();
    ConvertBinaryToText(in, out);
    peak = bench::PeakBytes() - base;
    benchmark::DoNotOptimize(out.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * d.binary.size());
  ReportPeak(state, d.binary.size(), peak);
  state.counters["text_MB"] = static_cast<double>(d.text.size()) / 1e6;
}

void BM_TextToBinary(benchmark::State& state) {
  Document& d = Doc();
  int64_t peak = 0;
  for (auto _ : state) {
    TMemoryStream in(d.text), out;
    int64_t base = bench::CurrentBytes();
    bench::ResetPeak();
    ConvertTextToBinary(in, out);
    peak = bench::PeakBytes() - base;
    benchmark::DoNotOptimize(out.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * d.text.size());
  ReportPeak(state, d.text.size(), peak);
  state.counters["binary_MB"] = static_cast<double>(d.binary.size()) / 1e6;
}

}  // namespace

BENCHMARK(BM_WriteBinary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBinary)->Arg(1000)->Arg(ObjectCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateNamedComponents)->Arg(1000)->Arg(ObjectCount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BinaryToText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextToBinary)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
