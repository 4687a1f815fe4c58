// menu.dat from a card, for the models of one record layout (FUZZ_LAYOUT):
// the camera setup window opens on it, shows what it loaded in its lists
// and edits, and Generate writes it back. Writing back the written file
// must give the same bytes again: what the window shows is what it keeps.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "camera/cam_setup.h"
#include "camera/cam_setup_ids.h"
#include "fuzz/fuzz_support.h"
#include "records/menu_record.h"
#include "shell/ui_strings.h"
#include "shell/ui_text.h"

#ifndef FUZZ_LAYOUT
#error "FUZZ_LAYOUT names the record layout of this target"
#endif

namespace {

constexpr char kMenuFile[] = "menu.dat";

// Opens the window on the card as it is, checks it, presses Generate and
// closes it. Returns the file Generate wrote.
std::vector<uint8_t> OpenAndGenerate(fuzz::Slot model, int language) {
  fuzz::StartRun(model, language);
  headless::Session s;
  fuzz::StartSession(s, platform::WindowKind::CameraSetup);
  // Coordinates out of range are reported as the window shows them.
  fuzz::AnswerBoxes(s);
  const int tpl = CamSetupTemplate();
  fuzz::CheckWindow(s, tpl);

  const headless::ActionResult pressed = s.Click(camid::kGenerate);
  fuzz::Expect(static_cast<bool>(pressed), "Generate cannot be pressed: " + pressed.error);
  const std::vector<std::string> boxes = fuzz::AnswerBoxes(s);
  fuzz::Expect(boxes.size() == 1 && boxes[0] == UiStr(kMsgGenerateSuccess),
               "Generate on a writable card did not confirm");
  fuzz::CheckWindow(s, tpl);
  fuzz::Expect(static_cast<bool>(s.Close()), "the window cannot be closed");

  std::vector<uint8_t> written = fuzz::ReadCardFile(kMenuFile);
  fuzz::Expect(written.size() == static_cast<std::size_t>(MenuSize(FUZZ_LAYOUT)),
               "menu.dat written with " + std::to_string(written.size()) + " bytes");
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::vector<fuzz::Slot> models = fuzz::MenuLayoutModels(FUZZ_LAYOUT);
  if (size < 1 || models.empty()) return 0;
  const fuzz::Slot model = models[data[0] % models.size()];
  const int language = (data[0] & 0x80) ? 0 : 1;

  fuzz::WriteCardFile(kMenuFile, data + 1, size - 1);
  std::vector<uint8_t> first = OpenAndGenerate(model, language);
  std::vector<uint8_t> second = OpenAndGenerate(model, language);
  UnscrambleBytes(first.data(), static_cast<int>(first.size()));
  UnscrambleBytes(second.data(), static_cast<int>(second.size()));
  if (first != second) {
    std::string diff;
    for (std::size_t i = 0; i < first.size(); ++i)
      if (first[i] != second[i])
        diff += " @" + std::to_string(i) + ": " + std::to_string(first[i]) + " then " + std::to_string(second[i]);
    fuzz::Fail("menu.dat of model " + std::to_string(model.code()) + " changes when written back:" + diff);
  }
  return 0;
}
