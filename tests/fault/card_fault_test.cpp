// Generate and Default onto cards that fail: read-only, full, taken away
// while the window is open, named by a folder path at and over what
// SaveFolder holds, and a file swapped between writing and reading back.
// In every case: no crash, no success message, the file already on the
// card as it was, and nothing written beside the card folder.
#include <climits>
#include <string>
#include <vector>

#include "records/diag.h"
#include "records/record_file.h"
#include "records/text_field.h"
#include "tests/fault/fault_support.h"
#include "records/app_state.h"

namespace fault {
namespace {

constexpr uint16_t kModel = 516;  // a 68-byte menu.dat and a 1320-byte CFG.BIN

class CardFaultTest : public CardFault {
 protected:
  // Both files on the card, then the folders remembered.
  void SetUp() override {
    CardFault::SetUp();
    PrepareFiles(kModel, kModel);
    Snapshot();
  }

  // Generate and Default of the camera setup window, Generate of the send
  // settings page, in one run from `folder`: each warns why its file could
  // not be written. Returns the run's diagnostic lines.
  std::vector<std::string> ExpectEveryWriteRefused(const std::string& why, const std::string& folder = {}) {
    std::vector<std::string> lines;
    TryEveryWrite(why, folder.empty() ? card_.string() : folder);
    if (s_) lines = s().DiagLines();
    s_.reset();
    return lines;
  }
  void TryEveryWrite(const std::string& why, const std::string& folder) {
    StartRun(folder);
    OpenCamera(kModel);
    EXPECT_EQ(Press(camid::kGenerate), Warned("menu.dat", why)) << "camera setup Generate";
    EXPECT_EQ(Press(camid::kDefault), Warned("menu.dat", why)) << "camera setup Default";
    ASSERT_TRUE(s().Close());
    OpenSendPage(kModel);
    EXPECT_EQ(Press(send_ids::kGenerate), Warned("CFG.BIN", why)) << "send settings Generate";
    EXPECT_TRUE(s().IsOpen(kSendPageTemplate));
  }

  // Saves that could not even create their file ("Open file - ... err!").
  static int CreateFailures(const std::vector<std::string>& lines) {
    int n = 0;
    for (const std::string& l : lines)
      if (l.rfind("Open file - ", 0) == 0 && l.find("\" err!") != std::string::npos) ++n;
    return n;
  }
};

TEST_F(CardFaultTest, ReadOnlyCardKeepsBothFiles) {
  MakeCardReadOnly();
  if (IsSkipped()) return;
  EXPECT_EQ(CreateFailures(ExpectEveryWriteRefused("The card or folder is write-protected.")), 3);
  ExpectCardUnchanged();
}

TEST_F(CardFaultTest, FullCardWithoutFreeEntriesKeepsBothFiles) {
  // Not even an empty temporary file can be created.
  if (!MountCard(64)) GTEST_SKIP() << "mount refused: " << std::strerror(errno);
  for (const auto& [name, bytes] : before_card_) WriteAll(card_ / name, bytes);
  FillCard(true);
  Snapshot();
  EXPECT_EQ(CreateFailures(ExpectEveryWriteRefused("The card is full.")), 3);
  ExpectCardUnchanged();
}

TEST_F(CardFaultTest, FullCardWithFreeEntriesKeepsBothFilesAndNoTemporaryFile) {
  // Room for a new (empty) file but not for its bytes: the temporary file
  // is created, the write into it fails and it is taken away again.
  if (!MountCard(64)) GTEST_SKIP() << "mount refused: " << std::strerror(errno);
  for (const auto& [name, bytes] : before_card_) WriteAll(card_ / name, bytes);
  FillCard(false);
  Snapshot();
  StartRun();
  OpenCamera(kModel);
  EXPECT_EQ(Press(camid::kGenerate), Warned("menu.dat", "The card is full."));
  EXPECT_EQ(Press(camid::kDefault), Warned("menu.dat", "The card is full."));
  int write_failures = 0;
  for (const std::string& line : s().DiagLines())
    if (line.rfind("Write file - ", 0) == 0) ++write_failures;
  EXPECT_EQ(write_failures, 2) << "the saves did not fail while writing";
  ASSERT_TRUE(s().Close());
  OpenSendPage(kModel);
  EXPECT_EQ(Press(send_ids::kGenerate), Warned("CFG.BIN", "The card is full."));
  s_.reset();
  ExpectCardUnchanged();
}

TEST_F(CardFaultTest, CardTakenAwayWhileTheWindowsAreOpen) {
  StartRun();
  OpenCamera(kModel);
  fs::remove_all(card_);
  EXPECT_EQ(Press(camid::kGenerate), Warned("menu.dat", "The folder was not found."));
  EXPECT_EQ(Press(camid::kDefault), Warned("menu.dat", "The folder was not found."));
  EXPECT_FALSE(fs::exists(card_)) << "the card folder was made again";
  ASSERT_TRUE(s().Close());

  // The card comes back, is opened on the send settings page and goes again.
  fs::create_directories(card_);
  for (const auto& [name, bytes] : before_card_) WriteAll(card_ / name, bytes);
  OpenSendPage(kModel);
  fs::remove_all(card_);
  EXPECT_EQ(Press(send_ids::kGenerate), Warned("CFG.BIN", "The folder was not found."));
  EXPECT_FALSE(fs::exists(card_));
  s_.reset();
  EXPECT_EQ(ParentEntries(), std::vector<std::string>{}) << "something was written beside the card folder";
}

TEST_F(CardFaultTest, FolderBelowAFileIsNotFound) {
  ExpectEveryWriteRefused("The folder was not found.", (card_ / "menu.dat" / "folder").string());
  ExpectCardUnchanged();
}

TEST_F(CardFaultTest, FolderNameLongerThanTheSystemTakesIsTooLong) {
  ExpectEveryWriteRefused("The path of the file is too long.", "/" + std::string(NAME_MAX + 1, 'n'));
  ExpectCardUnchanged();
}

// A folder path of exactly `length` bytes below the parent: nested
// folders of at most 60 bytes each.
fs::path FolderOfLength(const fs::path& parent, std::size_t length) {
  std::string path = parent.string();
  EXPECT_LT(path.size() + 2, length);
  while (path.size() < length) {
    const std::size_t room = length - path.size() - 1;  // less the separator
    const std::size_t n = room > 60 ? (room - 60 < 2 ? 50 : 60) : room;
    path += "/" + std::string(n, 'd');
  }
  EXPECT_EQ(path.size(), length);
  return path;
}

TEST_F(CardFaultTest, FolderPathAtTheLimitIsWrittenWhole) {
  const fs::path deep = FolderOfLength(card_, kSaveFolderSize - 1);
  fs::create_directories(deep);
  StartRun(deep.string());
  EXPECT_EQ(SaveFolderText(), deep.string());
  OpenCamera(kModel);
  EXPECT_TRUE(HasSuccess(Press(camid::kGenerate)));
  ASSERT_TRUE(s().Close());
  OpenSendPage(kModel);
  EXPECT_TRUE(HasSuccess(Press(send_ids::kGenerate)));
  s_.reset();
  EXPECT_EQ(ReadAll(deep / "menu.dat").size(), 68u);
  EXPECT_EQ(ReadAll(deep / "CFG.BIN").size(), 1320u);
  // The files of the card itself are untouched.
  for (const auto& [name, bytes] : before_card_) EXPECT_TRUE(ReadAll(card_ / name) == bytes) << name;
}

TEST_F(CardFaultTest, FolderPathOverTheLimitIsNeverCut) {
  // Working directory and Browse both name a folder one byte too long;
  // cut to what SaveFolder holds, its path would name the folder above.
  const fs::path deep = FolderOfLength(card_, kSaveFolderSize);
  fs::create_directories(deep);
  const fs::path cut = deep.string().substr(0, kSaveFolderSize - 1);
  ASSERT_NE(cut, deep);
  fs::create_directories(cut);
  Snapshot();

  StartRun(deep.string());
  EXPECT_NE(SaveFolderText(), cut.string());
  EXPECT_NE(SaveFolderText(), deep.string());
  const std::string kept = std::string(SaveFolderText());
  OpenCamera(kModel);
  s().services().QueuePickFolder(deep.string());
  ASSERT_TRUE(s().Click(camid::kBrowse));
  ASSERT_TRUE(s().Box().has_value()) << "a folder that does not fit was taken silently";
  EXPECT_EQ(s().Box()->caption, "Warning");
  ASSERT_TRUE(s().Answer());
  EXPECT_EQ(SaveFolderText(), kept);
  ASSERT_TRUE(s().Close());

  // The send settings page's Browse refuses it the same way.
  OpenSendPage(kModel);
  s().services().QueuePickFolder(deep.string());
  ASSERT_TRUE(s().Click(send_ids::kBrowse));
  while (s().Box()) ASSERT_TRUE(s().Answer());
  EXPECT_EQ(SaveFolderText(), kept);
  s_.reset();
  ExpectCardUnchanged();
}

// Replaces `file` with `other` as soon as the program has written it and
// before it reads it back: the moment the save's last line is logged.
class SwapAfterSave {
 public:
  SwapAfterSave(fs::path file, Bytes other, std::string after_line)
      : file_(std::move(file)), other_(std::move(other)), after_(std::move(after_line)) {
    SetDiagSink([this](std::string_view text) {
      if (!done_ && text.find(after_) != std::string_view::npos) {
        done_ = true;
        WriteAll(file_, other_);
      }
    });
  }
  ~SwapAfterSave() { SetDiagSink({}); }
  bool done() const { return done_; }

 private:
  fs::path file_;
  Bytes other_;
  std::string after_;
  bool done_ = false;
};

TEST_F(CardFaultTest, CfgReplacedBetweenSaveAndReadBackIsNoSuccess) {
  // An older CFG.BIN of the same model and size: the one the card held.
  const Bytes older = before_card_.at("CFG.BIN");
  StartRun();
  s().services().AdvanceClock(3600);
  OpenSendPage(kModel);
  std::vector<std::string> texts;
  {
    SwapAfterSave swap(card_ / "CFG.BIN", older, "Open file - ");
    texts = Press(send_ids::kGenerate);
    EXPECT_TRUE(swap.done());
  }
  EXPECT_EQ(texts, Warned("CFG.BIN", "The file read back differs from the file written."));
  s_.reset();
  EXPECT_TRUE(ReadAll(card_ / "CFG.BIN") == older) << "the file found on the card was overwritten again";
  ExpectCardUnchanged();
}

TEST_F(CardFaultTest, MenuReplacedBetweenSaveAndReadBackIsNoSuccess) {
  // Another menu.dat of the same size appears between writing and reading
  // back: no confirmation, and the window keeps its own values, so the
  // next Generate writes those and not the other file's.
  const Bytes mine = before_card_.at("menu.dat");
  Bytes other = mine;
  other[1] ^= 0x55;  // another photo size
  StartRun();
  OpenCamera(kModel);
  std::vector<std::string> texts;
  {
    SwapAfterSave swap(card_ / "menu.dat", other, "________");
    texts = Press(camid::kGenerate);
    EXPECT_TRUE(swap.done());
  }
  EXPECT_EQ(texts, Warned("menu.dat", "The file read back differs from the file written."));
  EXPECT_TRUE(ReadAll(card_ / "menu.dat") == other) << "the file found on the card was overwritten again";
  EXPECT_TRUE(HasSuccess(Press(camid::kGenerate)));
  s_.reset();
  EXPECT_EQ(ReadAll(card_ / "menu.dat")[1], mine[1]) << "the other file's photo size was taken over";
}

}  // namespace
}  // namespace fault

namespace fault {
namespace {

// A complete e-mail record of the test model with the given sender server.
void WriteMailCfg(const std::string& folder, const std::string& server) {
  ResetAllState();
  CopyTextField(App().SaveFolder, folder);
  App().ModelFamily = kModel >> 8;
  App().ModelIndex = kModel & 0xFF;
  UpdateModelCode();
  ApplySendSetDefaults();
  SendSet& r = App().g_sSendSet;
  r.bySendBy = kSendEmail;
  r.byOperatorCountry = kManualCountry;
  CopyTextField(r.sSmtpSet.szWLNetApN, "internet");
  CopyTextField(r.sSmtpSet.szServer, server);
  r.sSmtpSet.iPort = 465;
  CopyTextField(r.sSmtpSet.szAddr, "cam@example.com");
  CopyTextField(r.sSmtpSet.szUserName, "cam@example.com");
  CopyTextField(r.sSmtpSet.szPassword, "secret");
  CopyTextField(r.szRecp[2], "me@example.com");
  r.uwRecpLen[2] = 14;
  ASSERT_TRUE(SaveSendSet());
  ResetAllState();
}

std::string SenderServerOf(Bytes file) {
  UnscrambleBytes(file.data(), static_cast<int>(file.size()));
  SendSet r{};
  std::memcpy(&r, file.data(), std::min(file.size(), sizeof r));
  return TextFieldString(r.sSmtpSet.szServer);
}

class SwappedCfgTest : public CardFault {};

TEST_F(SwappedCfgTest, FailedReadBackKeepsTheEntriesOfThePages) {
  // The read-back after writing CFG.BIN finds another file: no
  // confirmation, and the working record keeps the pages' entries, so the
  // next Generate writes this sender mailbox, not the other file's.
  WriteMailCfg(card_.string(), "smtp.other.example");
  const Bytes other = ReadAll(card_ / "CFG.BIN");
  WriteMailCfg(card_.string(), "smtp.mine.example");

  StartRun();
  s().services().AdvanceClock(3600);  // the other file is an hour older
  PickModel(kModel);
  ASSERT_TRUE(s().Click(mainwin::kIdWirelessSetup));
  ASSERT_TRUE(s().Click(wp_ids::kNextPage));
  ASSERT_FALSE(s().Box().has_value()) << s().Box()->text;
  ASSERT_EQ(s().TopTemplate(), kSendPageTemplate);
  {
    SwapAfterSave swap(card_ / "CFG.BIN", other, "________");
    EXPECT_FALSE(HasSuccess(Press(send_ids::kGenerate)));
    EXPECT_TRUE(swap.done());
  }
  s().services().AdvanceClock(1);
  EXPECT_TRUE(HasSuccess(Press(send_ids::kGenerate)));
  s_.reset();
  EXPECT_EQ(SenderServerOf(ReadAll(card_ / "CFG.BIN")), "smtp.mine.example");
}

}  // namespace
}  // namespace fault

namespace fault {
namespace {

class HostileCardTest : public CardFault {};

TEST_F(HostileCardTest, RecordNamesThatAreFoldersAreNeitherReadNorReplaced) {
  fs::create_directories(card_ / "menu.dat" / "inside");
  fs::create_directories(card_ / "CFG.BIN");
  Snapshot();
  StartRun();
  OpenCamera(516);
  // Any other refusal is told in the system's own words.
  const std::string why = std::string("System error: ") + std::strerror(EISDIR);
  EXPECT_EQ(Press(camid::kGenerate), Warned("menu.dat", why));
  ASSERT_TRUE(s().Close());
  OpenSendPage(516);
  EXPECT_EQ(Press(send_ids::kGenerate), Warned("CFG.BIN", why));
  EXPECT_EQ(App().LastMenuLoad.fault, RecordFault::NotRegularFile);
  EXPECT_EQ(App().LastSendSetLoad.fault, RecordFault::NotRegularFile);
  s_.reset();
  ExpectCardUnchanged();
  EXPECT_TRUE(fs::is_directory(card_ / "menu.dat" / "inside"));
}

TEST_F(HostileCardTest, LinksOnTheCardNeverLeadAWriteOutside) {
  // A record file and a leftover temporary file that point at files
  // beside the card folder: those keep their bytes whatever is saved.
  const Bytes outside = {'k', 'e', 'e', 'p'};
  WriteAll(parent_ / "outside.dat", outside);
  WriteAll(parent_ / "outside.tmp", outside);
  fs::create_symlink(parent_ / "outside.dat", card_ / "menu.dat");
  fs::create_symlink(parent_ / "outside.tmp", card_ / "menu.dat.tmp");
  fs::create_symlink(parent_ / "outside.tmp", card_ / "CFG.BIN.tmp");
  StartRun();
  OpenCamera(516);
  EXPECT_TRUE(HasSuccess(Press(camid::kGenerate)));
  ASSERT_TRUE(s().Close());
  OpenSendPage(516);
  EXPECT_TRUE(HasSuccess(Press(send_ids::kGenerate)));
  s_.reset();
  EXPECT_TRUE(ReadAll(parent_ / "outside.dat") == outside);
  EXPECT_TRUE(ReadAll(parent_ / "outside.tmp") == outside);
  EXPECT_EQ(ReadAll(card_ / "menu.dat").size(), 68u);
  EXPECT_EQ(ReadAll(card_ / "CFG.BIN").size(), 1320u);
}

TEST_F(HostileCardTest, PipesNamedAsRecordsDoNotStopTheWindows) {
  // Opening a named pipe for reading would wait for a writer that never
  // comes. The windows open on their defaults instead, and Generate puts
  // real files in the pipes' place.
  ASSERT_EQ(::mkfifo((card_ / "menu.dat").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((card_ / "CFG.BIN").c_str(), 0644), 0);
  StartRun();
  s().SetIdleTimeout(std::chrono::milliseconds(10000));
  OpenCamera(516);
  EXPECT_TRUE(HasSuccess(Press(camid::kGenerate)));
  ASSERT_TRUE(s().Close());
  OpenSendPage(516);
  EXPECT_TRUE(HasSuccess(Press(send_ids::kGenerate)));
  s_.reset();
  EXPECT_TRUE(fs::is_regular_file(card_ / "menu.dat"));
  EXPECT_EQ(ReadAll(card_ / "menu.dat").size(), 68u);
  EXPECT_EQ(ReadAll(card_ / "CFG.BIN").size(), 1320u);
  EXPECT_EQ(ParentEntries(), std::vector<std::string>{"card/"});
}

}  // namespace
}  // namespace fault
