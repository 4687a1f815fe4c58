#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "apps/common/all_windows.h"
#include "platform/layout.h"
#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "records/text_field.h"
#include "shell/app.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

void RemoveCard() {
  std::error_code ec;
  fs::remove_all(CardFolder(), ec);
}

bool IsList(platform::ControlClass c) {
  return c == platform::ControlClass::ComboDropList || c == platform::ControlClass::ComboDropDown;
}

}  // namespace

const std::string& CardFolder() {
  // Kept for the whole process: the exit handler that removes it runs
  // after static objects are gone.
  static const std::string& folder = *new std::string([] {
    std::error_code ec;
    fs::path base = fs::exists("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path dir = base / ("trailset-fuzz-" + std::to_string(::getpid()));
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    std::atexit(RemoveCard);
    // Diagnostic lines outside a session would flood the fuzzer's output.
    SetDiagSink([](std::string_view) {});
    return dir.string();
  }());
  return folder;
}

std::string CardPath(const char* name) { return (fs::path(CardFolder()) / name).string(); }

void WriteCardFile(const char* name, const uint8_t* data, std::size_t size) {
  std::ofstream out(CardPath(name), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  Expect(static_cast<bool>(out), "cannot write the card file");
}

std::vector<uint8_t> ReadCardFile(const char* name) {
  std::ifstream in(CardPath(name), std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "trailset fuzz: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

void StartRun(Slot model, int language) {
  ResetAllState();
  App().ModelFamily = model.family;
  App().ModelIndex = model.index;
  UpdateModelCode();
  App().CamSetupDlgId = ModelSetupDlgId(model.family, model.index);
  App().CamPictureId = ModelPictureId(model.family, model.index);
  App().UiLanguage = language;
  CopyTextField(App().SaveFolder, CardFolder());
}

std::vector<Slot> MenuLayoutModels(int layout) {
  std::vector<Slot> out;
  for (int family = 0; family < kModelFamilies; ++family)
    for (int index = 0; index < ModelRowCount(family); ++index) {
      const Slot s{family, index};
      if (MenuLayoutForModel(s.code(), ModelSetupDlgId(family, index)) == layout) out.push_back(s);
    }
  return out;
}

std::vector<Slot> StructFlagModels(uint16_t flag_class) {
  std::vector<Slot> out;
  for (int index = 0; index < ModelRowCount(2); ++index) {
    const uint8_t func = ModelWirelessFunc(2, index);
    if (func != kWirelessWifi && func != kWireless3G && func != kWireless4G) continue;
    StartRun(Slot{2, index}, 1);
    App().MdmSendVia = 7;  // a value no fixed class has: shows the module-choice models
    const uint16_t flag = ExpectedStructFlag();
    const uint16_t cls = flag == 7 ? kModuleChoiceClass : flag;
    if (cls == flag_class) out.push_back(Slot{2, index});
  }
  ResetAllState();
  return out;
}

void StartSession(headless::Session& s, platform::WindowKind first) {
  s.services().SetSystemLanguageId(App().UiLanguage == 0 ? 2052 : 1033);
  s.services().SetWorkingDirectory(CardFolder());
  s.services().SetNow(platform::LocalTime{2026, 3, 14, 15, 9, 26});
  s.services().SetPcUtcOffsetHours(8);
  s.SetIdleTimeout(std::chrono::milliseconds(20000));
  s.Start([first](platform::Host& h) {
    platform::SetCurrentHost(&h);
    platform::RunWindowChain(h, AllWindows(), first);
  });
}

void CheckWindow(headless::Session& s, int tpl) {
  Expect(s.TopTemplate() == tpl, "window " + std::to_string(tpl) + " is not the one on top (" +
                                     std::to_string(s.TopTemplate()) + ")");
  for (const auto& [id, t] : s.MissingControlCalls())
    Fail("window " + std::to_string(t) + " addressed control " + std::to_string(id) + ", which it lacks");
  for (int id : s.ControlIds(tpl)) {
    const auto cls = s.ControlClassOf(id, tpl);
    if (!cls || !IsList(*cls)) continue;
    const int sel = s.Selection(id, tpl);
    const int n = static_cast<int>(s.Items(id, tpl).size());
    Expect(sel >= -1 && sel < n, "list " + std::to_string(id) + " selects " + std::to_string(sel) +
                                     " of " + std::to_string(n) + " entries");
  }
}

void Trace(const std::string& line) {
  static const bool on = std::getenv("TRAILSET_FUZZ_TRACE") != nullptr;
  if (on) std::fprintf(stderr, "trace: %s\n", line.c_str());
}

std::vector<std::string> AnswerBoxes(headless::Session& s) {
  std::vector<std::string> texts;
  for (int guard = 0; guard < 16; ++guard) {
    const auto box = s.Box();
    if (!box) return texts;
    texts.push_back(box->text);
    Expect(static_cast<bool>(s.Answer()), "message box cannot be answered");
  }
  Fail("more than 16 message boxes in a row");
}

}  // namespace fuzz
