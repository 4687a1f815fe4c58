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
  fuzz::AnswerBoxes(s);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::vector<fuzz::Slot> models = fuzz::StructFlagModels(FUZZ_FLAG_CLASS);
  if (size < 1 || models.empty()) return 0;
  const fuzz::Slot model = models[(data[0] & 0x3F) % models.size()];
  const int language = (data[0] & 0x80) ? 0 : 1;

  fuzz::WriteCardFile(kCfgFile, data + 1, size - 1);
  fuzz::StartRun(model, language);
  if (FUZZ_FLAG_CLASS == fuzz::kModuleChoiceClass) MdmSendVia = (data[0] & 0x40) ? 0 : 1;

  headless::Session s;
  fuzz::StartSession(s, platform::WindowKind::WirelessParams);
  fuzz::CheckWindow(s, kWirelessPageTemplate);

  NextPage(s);
  if (s.TopTemplate() == kSendPageTemplate) {
    fuzz::CheckWindow(s, kSendPageTemplate);
    // Back and forth once: the values travel through the snapshot.
    fuzz::Expect(static_cast<bool>(s.Click(send_ids::kPreviousPage)), "Previous Page cannot be pressed");
    fuzz::CheckWindow(s, kWirelessPageTemplate);
    NextPage(s);
    fuzz::CheckWindow(s, kSendPageTemplate);

    const uint16_t flag = ExpectedStructFlag();
    fuzz::Expect(static_cast<bool>(s.Click(send_ids::kGenerate)), "Generate cannot be pressed");
    const std::vector<std::string> boxes = fuzz::AnswerBoxes(s);
    fuzz::Expect(boxes.size() <= 1, "Generate showed more than one message");
    if (!boxes.empty() && boxes[0] == UiStr(kMsgGenerateSuccess)) CheckGenerated(flag);
    fuzz::Expect(!boxes.empty(), "Generate on a writable card showed nothing");
  } else {
    fuzz::CheckWindow(s, kWirelessPageTemplate);
  }
  return 0;
}
