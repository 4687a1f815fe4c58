// Generate as the windows do it: write the file, then read it back to
// confirm, for menu.dat in each layout and CFG.BIN in both lengths.
// Run: bench_records [--benchmark_repetitions=N]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/services.h"
#include "records/app_state.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/send_set.h"

namespace {

class BenchServices : public platform::Services {
 public:
  platform::LocalTime Now() override { return {2026, 12, 8, 3, 4, 5}; }
  int SystemLanguageId() override { return 1033; }
  std::optional<std::string> WorkingDirectory() override { return std::nullopt; }
  int PcUtcOffsetHours() override { return 8; }
  std::optional<std::string> PickFolder(std::string_view) override { return std::nullopt; }
};

// A fresh folder under the temporary directory, removed afterwards.
class Folder {
 public:
  Folder() {
    path_ = std::filesystem::temp_directory_path() / ("trailset-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
    const std::string text = path_.string();
    std::memset(App().SaveFolder, 0, sizeof App().SaveFolder);
    std::memcpy(App().SaveFolder, text.data(), std::min(text.size(), sizeof App().SaveFolder - 1));
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::filesystem::path path_;
};

void SelectModel(uint16_t code) {
  App().ModelFamily = code >> 8;
  App().ModelIndex = code & 0xFF;
  UpdateModelCode();
}

void Prepare() {
  static BenchServices services;
  platform::SetServices(&services);
  SetDiagSink([](std::string_view) {});
}

// One model per layout: 0 (44 bytes), 513 (60), 517 (68), 524 (188).
void BM_MenuSaveAndLoad(benchmark::State& state) {
  Prepare();
  Folder folder;
  SelectModel(static_cast<uint16_t>(state.range(0)));
  ChooseMenuLayout();
  ApplyMenuDefaults();
  for (auto _ : state) {
    if (!SaveMenuFile() || !LoadMenuFile(8)) state.SkipWithError("menu.dat did not round-trip");
  }
  state.SetLabel(std::to_string(MenuSize(App().MenuLayout)) + " bytes");
}
BENCHMARK(BM_MenuSaveAndLoad)->Arg(0)->Arg(513)->Arg(517)->Arg(524)->Unit(benchmark::kMicrosecond);

// 512 writes the 1320-byte record, 518 the 1500-byte one.
void BM_SendSetSaveAndVerify(benchmark::State& state) {
  Prepare();
  Folder folder;
  SelectModel(static_cast<uint16_t>(state.range(0)));
  ApplySendSetDefaults();
  App().LastGenerateTime = {26, 12, 8, 3, 4, 5};
  App().g_sSendSet.sTime = App().LastGenerateTime;
  for (auto _ : state) {
    if (!SaveSendSet() || !LoadSendSet(1)) state.SkipWithError("CFG.BIN did not verify");
  }
  state.SetLabel(std::to_string(SendSetFileSize()) + " bytes");
}
BENCHMARK(BM_SendSetSaveAndVerify)->Arg(512)->Arg(518)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
