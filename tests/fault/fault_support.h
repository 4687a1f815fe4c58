// Cards that fail: a card folder inside a parent folder of its own, which
// a test can mount as a small file system, make read-only, fill or take
// away; sessions of the real application that Generate onto it; and
// listings of both folders to show that nothing else was touched.
#pragma once

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "apps/common/all_windows.h"
#include "camera/cam_setup_ids.h"
#include "platform/headless/headless.h"
#include "records/app_state.h"
#include "records/menu_record.h"
#include "records/send_set.h"
#include "shell/app.h"
#include "shell/main_window.h"
#include "wireless/send_settings_page.h"
#include "wireless/wireless_page.h"

namespace fault {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

inline constexpr int kMainTemplate = 100;
inline constexpr int kSendPageTemplate = 115;
inline constexpr char kGenerateSuccess[] = "Generate Success!";
inline constexpr char kDefaultSuccess[] = "Default setting and generate success!";

// Every file below a folder with its bytes, by path relative to it.
using Listing = std::map<std::string, Bytes>;

inline Bytes ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline Listing ListFiles(const fs::path& dir) {
  Listing out;
  std::error_code ec;
  if (!fs::exists(dir, ec)) return out;
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    const fs::path rel = fs::relative(it->path(), dir);
    out[rel.string() + (it->is_directory() ? "/" : "")] = it->is_regular_file() ? ReadAll(it->path()) : Bytes{};
  }
  return out;
}

inline void WriteAll(const fs::path& p, const Bytes& data) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  ASSERT_TRUE(out.good()) << p;
}

class CardFault : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    // One folder per process: several builds may run these tests at once.
    parent_ = fs::temp_directory_path() / ("ts_fault_" + name + "_" + std::to_string(::getpid()));
    Unmount();
    fs::remove_all(parent_);
    card_ = parent_ / "card";
    fs::create_directories(card_);
  }

  void TearDown() override {
    s_.reset();
    ResetAllState();
    Unmount();
    std::error_code ec;
    fs::permissions(card_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(parent_, ec);
  }

  // Mounts a file system of `kib` KiB over the card folder; false when
  // this machine refuses (the test then skips).
  bool MountCard(int kib) {
    const std::string opts = "size=" + std::to_string(kib) + "k,nr_inodes=64";
    if (::mount("tmpfs", card_.c_str(), "tmpfs", 0, opts.c_str()) != 0) return false;
    mounted_ = true;
    return true;
  }
  bool RemountReadOnly() {
    return ::mount("tmpfs", card_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }
  void Unmount() {
    if (mounted_) {
      ::umount2(card_.c_str(), MNT_DETACH);
      mounted_ = false;
    }
  }

  // Makes the card refuse new files: read-only mount as root, the folder's
  // write permission otherwise.
  void MakeCardReadOnly() {
    if (::geteuid() == 0) {
      if (!MountCard(256)) GTEST_SKIP() << "mount refused: " << std::strerror(errno);
      for (const auto& [name, bytes] : before_card_) WriteAll(card_ / name, bytes);
      if (!RemountReadOnly()) GTEST_SKIP() << "read-only remount refused: " << std::strerror(errno);
    } else {
      fs::permissions(card_, fs::perms::owner_read | fs::perms::owner_exec);
    }
  }

  // Fills the mounted card up to its last byte; with `entries`, also
  // takes every free file entry, so that no new file can be created.
  void FillCard(bool entries) {
    {
      std::ofstream out(card_ / "filler.bin", std::ios::binary);
      const std::string block(4096, 'x');
      for (int i = 0; i < 4096 && out.good(); ++i) out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    {
      std::ofstream tail(card_ / "filler.bin", std::ios::binary | std::ios::app);
      for (int i = 0; i < 4096 && tail.good(); ++i) tail.put('y'), tail.flush();
    }
    if (!entries) return;
    for (int i = 0; i < 4096; ++i) {
      std::ofstream f(card_ / ("entry" + std::to_string(i)));
      if (!f.good()) break;
    }
  }

  // Remembers both folders as they are now.
  void Snapshot() {
    before_card_ = ListFiles(card_);
    before_parent_ = ParentEntries();
  }
  // What the parent holds beside the card folder (the card's own contents excluded).
  std::vector<std::string> ParentEntries() const {
    std::vector<std::string> out;
    for (const auto& [name, bytes] : ListFiles(parent_))
      if (name.rfind("card/", 0) != 0 || name == "card/") out.push_back(name);
    return out;
  }
  void ExpectCardUnchanged() {
    EXPECT_EQ(ParentEntries(), before_parent_) << "something was written beside the card folder";
    const Listing now = ListFiles(card_);
    EXPECT_EQ(now.size(), before_card_.size()) << "files appeared or vanished on the card";
    for (const auto& [name, bytes] : before_card_) {
      const auto it = now.find(name);
      ASSERT_NE(it, now.end()) << name << " is gone";
      EXPECT_TRUE(it->second == bytes) << name << " changed";
    }
  }

  // A run of the program whose working directory (and so SaveFolder) is `folder`.
  void StartRun(const std::string& folder) {
    s_.reset();
    ResetAllState();
    s_ = std::make_unique<headless::Session>();
    s_->services().SetSystemLanguageId(1033);
    s_->services().SetWorkingDirectory(folder);
    s_->services().SetNow(platform::LocalTime{2026, 3, 14, 15, 9, 26});
    s_->services().SetPcUtcOffsetHours(8);
    s_->Start([](platform::Host& h) { RunApplication(h, AllWindows(), App()); });
    ASSERT_EQ(s_->TopTemplate(), kMainTemplate);
  }
  void StartRun() { StartRun(card_.string()); }

  void PickModel(uint16_t code) { ASSERT_TRUE(s_->Select(mainwin::kIdFamilyList[2], code - 512)); }

  void OpenCamera(uint16_t code) {
    PickModel(code);
    ASSERT_TRUE(s_->Click(mainwin::kIdCameraSetup));
    ASSERT_EQ(s_->TopTemplate(), camid::kTemplateFull);
  }

  // The wireless parameter page in send-by mode Off, handed over to the
  // send settings page: Generate there needs nothing more.
  void OpenSendPage(uint16_t code) {
    PickModel(code);
    ASSERT_TRUE(s_->Click(mainwin::kIdWirelessSetup));
    ASSERT_EQ(s_->TopTemplate(), kWirelessPageTemplate);
    ASSERT_TRUE(s_->Select(wp_ids::kSendBy, SendByModeToListIndex(kSendOff)));
    ASSERT_TRUE(s_->Click(wp_ids::kNextPage));
    ASSERT_FALSE(s_->Box().has_value()) << s_->Box()->text;
    ASSERT_EQ(s_->TopTemplate(), kSendPageTemplate);
  }

  // Presses a button and answers whatever it shows; returns the texts.
  std::vector<std::string> Press(int id) {
    std::vector<std::string> texts;
    EXPECT_TRUE(s_->Click(id));
    while (auto box = s_->Box()) {
      texts.push_back(box->text);
      EXPECT_TRUE(s_->Answer());
    }
    return texts;
  }

  static bool HasSuccess(const std::vector<std::string>& texts) {
    for (const std::string& t : texts)
      if (t == kGenerateSuccess || t == kDefaultSuccess) return true;
    return false;
  }

  // What a save that failed shows: one warning naming the file, then why.
  static std::vector<std::string> Warned(const std::string& file, const std::string& why) {
    return {file + " could not be written.\r\n" + why};
  }

  // A valid file of each kind, written by a first run of the program.
  void PrepareFiles(uint16_t camera_code, uint16_t wireless_code) {
    StartRun();
    OpenCamera(camera_code);
    ASSERT_TRUE(HasSuccess(Press(camid::kGenerate)));
    ASSERT_TRUE(s_->Close());
    OpenSendPage(wireless_code);
    ASSERT_TRUE(HasSuccess(Press(send_ids::kGenerate)));
    s_.reset();
    ASSERT_EQ(ReadAll(card_ / "menu.dat").size(), 68u);
    ASSERT_EQ(ReadAll(card_ / "CFG.BIN").size(), 1320u);
  }

  headless::Session& s() { return *s_; }

  fs::path parent_, card_;
  bool mounted_ = false;
  Listing before_card_;
  std::vector<std::string> before_parent_;
  std::unique_ptr<headless::Session> s_;
};

}  // namespace fault
