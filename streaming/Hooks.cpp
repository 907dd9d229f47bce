#include "streaming/Hooks.h"

#include "platform/core/Component.h"
#include "platform/core/Strings.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

namespace tarnwick {

namespace {

// A string list streams as the custom property "Strings": a list of its lines.
void DefineStrings(TFiler* Filer, TStrings* Strings) {
  Filer->DefineProperty(
      QStringLiteral("Strings"),
      [Strings](TReader& Reader) {
        Reader.ReadListBegin();
        Strings->BeginUpdate();
        try {
          Strings->Clear();
          while (!Reader.EndOfList()) Strings->Add(Reader.ReadString());
          Reader.ReadListEnd();
        } catch (...) {
          Strings->EndUpdate();
          throw;
        }
        Strings->EndUpdate();
      },
      [Strings](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int i = 0; i < Strings->GetCount(); ++i) Writer.WriteString(Strings->Get(i));
        Writer.WriteListEnd();
      },
      Strings->GetCount() > 0);
}

}  // namespace

void EnsureStreamingHooks() {
  static const bool installed = [] {
    TComponent::ReadDataHook = [](TReader* Reader, TComponent* Instance) { Reader->ReadData(Instance); };
    TComponent::WriteDataHook = [](TWriter* Writer, TComponent* Instance) { Writer->WriteData(Instance); };
    TStrings::DefineStringsHook = DefineStrings;
    return true;
  }();
  (void)installed;
}

}  // namespace tarnwick
