// CFG.BIN from a card, for the models of one StructFlag class
// (FUZZ_FLAG_CLASS): the wireless parameter page opens on it and shows it;
// Next Page takes it to the send settings page, Previous Page back, and
// Generate there either refuses with a message or writes a file that the
// camera reads as this model's record.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "shell/ui_strings.h"
#include "shell/ui_text.h"
#include "wireless/gps_mailbox.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"
#include "records/app_state.h"

#ifndef FUZZ_FLAG_CLASS
#error "FUZZ_FLAG_CLASS names the StructFlag class of this target"
#endif

namespace {

constexpr char kCfgFile[] = "CFG.BIN";
constexpr int kSendPageTemplate = 115;

// Next Page; on the GPS mailbox models it may first show the mailbox
// window again, which its OK button (after any message) takes away.
void NextPage(headless::Session& s) {
  fuzz::Expect(static_cast<bool>(s.Click(wp_ids::kNextPage)), "Next Page cannot be pressed");
  for (const std::string& text : fuzz::AnswerBoxes(s)) fuzz::Trace("Next Page: " + text);
  for (int guard = 0; guard < 4 && s.TopTemplate() == kGpsMailboxTemplate; ++guard) {
    fuzz::CheckWindow(s, kGpsMailboxTemplate);
    fuzz::Expect(static_cast<bool>(s.Click(gps_ids::kOk)), "the mailbox window's OK cannot be pressed");
    fuzz::AnswerBoxes(s);
    if (s.TopTemplate() == kGpsMailboxTemplate) {
      // Its entries were refused: the user gives up on the mailbox window.
      fuzz::Expect(static_cast<bool>(s.Close()), "the mailbox window cannot be closed");
      fuzz::AnswerBoxes(s);
    }
  }
}

void CheckGenerated(uint16_t expected_flag) {
  std::vector<uint8_t> file = fuzz::ReadCardFile(kCfgFile);
  fuzz::Expect(file.size() == static_cast<std::size_t>(SendSetFileSize()),
               "CFG.BIN written with " + std::to_string(file.size()) + " bytes");
  UnscrambleBytes(file.data(), static_cast<int>(file.size()));
  fuzz::Expect((file[0] & IF_SEND_BY_APP_SET_FLG) != 0, "CFG.BIN written without the application flag");
  const uint16_t flag = static_cast<uint16_t>(file[12] | (file[13] << 8));
  fuzz::Expect(flag == expected_flag, "CFG.BIN written with StructFlag " + std::to_string(flag) +
                                          ", expected " + std::to_string(expected_flag));
}

// One run of the program on the card as it is: the wireless parameter
// page, Next Page, back and forth once, Generate. Returns the file that
// Generate wrote, or nothing when it refused (with its message).
std::vector<uint8_t> OpenAndGenerate(fuzz::Slot model, int language, uint16_t via) {
  fuzz::StartRun(model, language);
  if (FUZZ_FLAG_CLASS == fuzz::kModuleChoiceClass) App().MdmSendVia = via;

  headless::Session s;
  fuzz::StartSession(s, platform::WindowKind::WirelessParams);
  fuzz::CheckWindow(s, kWirelessPageTemplate);

  const std::vector<std::string> opening = fuzz::AnswerBoxes(s);
  fuzz::Expect(opening.empty(), "the page opened with a message");
  NextPage(s);
  if (s.TopTemplate() != kSendPageTemplate) {
    fuzz::CheckWindow(s, kWirelessPageTemplate);
    return {};
  }
  fuzz::CheckWindow(s, kSendPageTemplate);
  // Back and forth once: the values travel through the snapshot.
  fuzz::Expect(static_cast<bool>(s.Click(send_ids::kPreviousPage)), "Previous Page cannot be pressed");
  fuzz::CheckWindow(s, kWirelessPageTemplate);
  NextPage(s);
  fuzz::CheckWindow(s, kSendPageTemplate);

  const uint16_t flag = ExpectedStructFlag();
  fuzz::Expect(static_cast<bool>(s.Click(send_ids::kGenerate)), "Generate cannot be pressed");
  const std::vector<std::string> boxes = fuzz::AnswerBoxes(s);
  fuzz::Expect(boxes.size() == 1, "Generate on a writable card showed " + std::to_string(boxes.size()) +
                                      " messages");
  if (boxes[0] != UiStr(kMsgGenerateSuccess)) {
    fuzz::Trace("Generate: " + boxes[0]);
    return {};
  }
  CheckGenerated(flag);
  return fuzz::ReadCardFile(kCfgFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::vector<fuzz::Slot> models = fuzz::StructFlagModels(FUZZ_FLAG_CLASS);
  if (size < 1 || models.empty()) return 0;
  const fuzz::Slot model = models[(data[0] & 0x3F) % models.size()];
  const int language = (data[0] & 0x80) ? 0 : 1;
  const uint16_t via = (data[0] & 0x40) ? 0 : 1;

  fuzz::WriteCardFile(kCfgFile, data + 1, size - 1);
  std::vector<uint8_t> first = OpenAndGenerate(model, language, via);
  if (first.empty()) {
    fuzz::Trace("model " + std::to_string(model.code()) + ": refused");
    return 0;
  }
  fuzz::Trace("model " + std::to_string(model.code()) + ": written");
  // The written file, opened and generated again (same clock), must come
  // out byte for byte the same: the pages show and keep all of it.
  std::vector<uint8_t> second = OpenAndGenerate(model, language, via);
  fuzz::Expect(!second.empty(), "a file written by Generate is refused by Generate");
  if (first != second) {
    UnscrambleBytes(first.data(), static_cast<int>(first.size()));
    UnscrambleBytes(second.data(), static_cast<int>(second.size()));
    std::string diff;
    for (std::size_t i = 0; i < first.size() && diff.size() < 400; ++i)
      if (first[i] != second[i])
        diff += " @" + std::to_string(i) + ": " + std::to_string(first[i]) + " then " + std::to_string(second[i]);
    fuzz::Fail("CFG.BIN of model " + std::to_string(model.code()) + " changes when written back:" + diff);
  }
  return 0;
}
