// Any stored text through the loader, the step and the dialog's preselection and OK.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fake/fake_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const std::string stored(reinterpret_cast<const char*>(data), size);
  static const Picture sheet{329, 290, std::vector<std::uint32_t>(329 * 290, 0xFF000000u)};
  fake::FakeToolkit kit;
  kit.store.entries["Corvanta Screen Saver/Settings/BALL_SPEED"] = stored;
  kit.command = "/c";
  kit.dialog_action = fake::DialogAction::kCancel;
  fake::FakeMain m(kit, sheet);
  m.Load();
  const float step = m.main.sngStep;
  if (step != 100 && step != 200 && step != 400) std::abort();
  const std::int16_t shown = kit.dialog_combo.index;
  if (shown < 0 || shown > 2) std::abort();
  // Cancel stores nothing: the text is left exactly as it was.
  if (kit.store.entries["Corvanta Screen Saver/Settings/BALL_SPEED"] != stored) std::abort();
  return 0;
}
