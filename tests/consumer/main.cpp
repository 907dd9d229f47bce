// Uses a little of every installed layer and prints a line the test checks.
#include <tarnwick/tarnwick.h>

#include <cstdio>

int main() {
  using namespace tarnwick;
  auto* owner = Create<TComponent>(nullptr);
  auto* child = Create<TComponent>(owner);
  child->SetName("Block1");
  TDot mid = MidDot(Dot(0, 0), Dot(5, 3));
  std::printf("%s %d %g %g\n", qPrintable(owner->FindComponent("block1")->GetName()), Round(2.5), mid.X, mid.Y);
  owner->Free();
  return 0;
}
