#include "records/send_set.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "records/app_state.h"
#include "records/catalogue.h"
#include "records/diag.h"
#include "records/menu_record.h"
#include "records/record_file.h"
#include "records/text_field.h"

// The file is the in-memory image of the record; both build targets are
// little-endian, as the file is.
static_assert(std::endian::native == std::endian::little);


namespace {

constexpr char kSeparatorLine[] = "________________________________________________\n";
constexpr uint16_t kFlagWifi = 8192;
constexpr uint16_t kFlagWithGpsMail = 23;
constexpr uint16_t kFlagPlain = 22;
constexpr uint8_t kRemoteOff = 25;
constexpr uint8_t kMaxSendFiles = 4;

bool HasGpsMail(uint16_t code) { return Has(TraitsOfCode(code).gps_mailbox); }

// The models whose StructFlag stores the send-module choice.
bool ChoosesSendModule(uint16_t code) { return Has(TraitsOfCode(code).send_module); }

template <std::size_t N>
std::string Text(const char (&field)[N]) {
  return TextFieldString(field);
}

template <std::size_t N>
const char* Secret(const char (&field)[N]) {
  return MaskSecret(Text(field).c_str());
}

bool SameTime(const SendTime& a, const SendTime& b) {
  return a.byYear == b.byYear && a.byMonth == b.byMonth && a.byDay == b.byDay &&
         a.byHour == b.byHour && a.byMinute == b.byMinute && a.bySecond == b.bySecond;
}

void LogRecipientsAndFiles(SendSet& s) {
  for (int i = 0; i < 4; ++i) {
    Diag("g_sSendSet.uwRecpLen[%d]=%d\n", i, s.uwRecpLen[i]);
    Diag("g_sSendSet.szRecp[%d]=\"%s\"\n", i, Text(s.szRecp[i]).c_str());
  }
  if (s.bySendFileNum > kMaxSendFiles) s.bySendFileNum = 0;
  Diag("g_sSendSet.bySendFileNum=%d\n", s.bySendFileNum);
  for (int i = 0; i < s.bySendFileNum; ++i)
    Diag("g_sSendSet.szFileFullName[%d]=\"%s\"\n", i, Text(s.szFileFullName[i]).c_str());
}

void LogNetworkAndMailbox(const SendSet& s) {
  Diag("g_sSendSet.byOperatorCountry=%d\n", s.byOperatorCountry);
  const MmsSet& m = s.sMmsSet;
  Diag("%s:\"%s\"\n", "Url", Text(m.szUrl).c_str());
  Diag("%s:\"%s\"\n", "Apn", Text(m.szApn).c_str());
  Diag("%s:\"%s\"\n", "Gateway", Text(m.szGateway).c_str());
  Diag("%s:\"%s\"\n", "Port", Text(m.szPort).c_str());
  Diag("%s:\"%s\"\n", "Account", Text(m.szAccount).c_str());
  Diag("%s:\"%s\"\n", "Password", Secret(m.szPassword));
  const SmtpSet& t = s.sSmtpSet;
  Diag("g_sSendSet.sSmtpSet.szWLNetApN=%s\n", Text(t.szWLNetApN).c_str());
  Diag("g_sSendSet.sSmtpSet.szWLNetAccount=%s\n", Text(t.szWLNetAccount).c_str());
  Diag("g_sSendSet.sSmtpSet.szWLNetPassword=%s\n", Secret(t.szWLNetPassword));
  Diag("g_sSendSet.sSmtpSet.szServer=%s\n", Text(t.szServer).c_str());
  Diag("g_sSendSet.sSmtpSet.iPort=%d\n", t.iPort);
  Diag("g_sSendSet.sSmtpSet.szAddr=%s\n", Text(t.szAddr).c_str());
  Diag("g_sSendSet.sSmtpSet.szUserName=%s\n", Text(t.szUserName).c_str());
  Diag("g_sSendSet.sSmtpSet.szPassword=%s\n", Secret(t.szPassword));
  Diag("Time(%d-%d-%d, %d:%d:%d), bSet=%d\n", s.sTime.byYear, s.sTime.byMonth, s.sTime.byDay,
       s.sTime.byHour, s.sTime.byMinute, s.sTime.bySecond, s.bSet);
}

// The stored remote switch is never trusted: it follows from the interval.
// Interval 0 is "10 Minutes" where the list offers it, else one hour.
void NormaliseRemoteControl(SendSet& s, uint16_t code) {
  if (!Has(TraitsOfCode(code).ten_minutes) && s.byRemoteInterval == 0) s.byRemoteInterval = 1;
  Diag("g_sSendSet.byRemoteInterval=%d\n", s.byRemoteInterval);
  if (s.byRemoteInterval > kRemoteOff) {
    s.byRemoteInterval = 0;
    s.byRemoteSwitch = 1;
  } else {
    s.byRemoteSwitch = s.byRemoteInterval < kRemoteOff ? 1 : 0;
  }
  Diag("g_sSendSet.byRemoteSwitch=%d\n", s.byRemoteSwitch);
}

void LogServers(const SendSet& s) {
  if (s.bySendBy == 3) {
    const FtpSet& f = s.sFtpSet;
    Diag("g_sSendSet.sFtpSet.iFtpDirType\t=%d\n", f.iFtpDirType);
    Diag("g_sSendSet.sFtpSet.szFtpDir\t=%s\n", Text(f.szFtpDir).c_str());
    Diag("g_sSendSet.sFtpSet.szServer\t=%s\n", Text(f.szServer).c_str());
    Diag("g_sSendSet.sFtpSet.iPort\t=%d\n", f.iPort);
    Diag("g_sSendSet.sFtpSet.szUserName\t=%s\n", Text(f.szUserName).c_str());
    Diag("g_sSendSet.sFtpSet.szPassword\t=%s\n", Secret(f.szPassword));
  } else if (s.bySendBy == 4) {
    const VornCloudSet& c = s.sVornCloudSet;
    Diag("g_sSendSet.sVornCloudSet.szAppKey\t=%s\n", Text(c.szAppKey).c_str());
    Diag("g_sSendSet.sVornCloudSet.szAppSecret\t=%s\n", Secret(c.szAppSecret));
    Diag("g_sSendSet.sVornCloudSet.szSimCardNum\t=%s\n", Text(c.szSimCardNum).c_str());
  }
}

void LogPosition(const char* name, const GeoPos& p) {
  Diag("g_sSendSet.%s: byDir=%d, byDeg=%d, byMin=%d, bySec=%d\n", name, p.byDir, p.byDeg, p.byMin,
       p.bySec);
}

// Reads CFG.BIN into the records (LoadSendSet without keeping its outcome).
RecordOutcome ReadSendSet(int verify);

}  // namespace

void LogGpsMail(const GpsMail& g) {
  Diag("g_sSendSetTarn.sGpsMail.szGpsServer=%s\n", Text(g.szGpsServer).c_str());
  Diag("g_sSendSetTarn.sGpsMail.iPort=%d\n", g.iPort);
  Diag("g_sSendSetTarn.sGpsMail.szGpsAddr=%s\n", Text(g.szGpsAddr).c_str());
  Diag("g_sSendSetTarn.sGpsMail.szGpsSmtpAccount=%s\n", Text(g.szGpsSmtpAccount).c_str());
  Diag("g_sSendSetTarn.sGpsMail.szGpsSmtpPassword=%s\n", Secret(g.szGpsSmtpPassword));
}

uint16_t StructFlagOf(uint16_t code, uint16_t send_via) {
  const uint8_t func = ModelWirelessFunc(code >> 8, code & 0xFF);
  if (func == kWirelessWifi) return kFlagWifi;
  const bool cellular = func == kWireless3G || func == kWireless4G;
  if (cellular && HasGpsMail(code)) return kFlagWithGpsMail;
  if (cellular && ChoosesSendModule(code)) return send_via;
  return kFlagPlain;
}

uint16_t ExpectedStructFlag() { return StructFlagOf(GetModelCode(), App().MdmSendVia); }

int SendSetFileSizeOf(uint16_t code) {
  return HasGpsMail(code) ? static_cast<int>(sizeof(SendSetTarn)) : static_cast<int>(sizeof(SendSet));
}

int SendSetFileSize() { return SendSetFileSizeOf(GetModelCode()); }

void ApplySendSetDefaults() {
  App().g_sSendSet = SendSet{};
  App().g_sSendSet.bySendBy = 2;
  App().g_sSendSet.StructFlag = ExpectedStructFlag();
  App().g_sSendSet.byRemoteSwitch = 0;
  App().g_sSendSet.byRemoteInterval = kRemoteOff;
  App().g_sSendSet.uwMaxSendImgNum = 0;
  CopyTextField(App().g_sSendSet.sFtpSet.szFtpDir, "/");
  App().g_sSendSet.sFtpSet.iPort = 21;
  App().g_sSendSet.sLatitude.byDir = 1;
  if (HasGpsMail(GetModelCode())) App().g_sSendSetTarn.sGpsMail = GpsMail{};
}

RecordOutcome SaveSendSet() {
  const uint16_t code = GetModelCode();
  const bool tarn = HasGpsMail(code);
  if (tarn) App().g_sSendSetTarn.sSendSet = App().g_sSendSet;
  const std::size_t size = tarn ? sizeof(SendSetTarn) : sizeof(SendSet);

  // The image is what is written; the working record keeps its values.
  uint8_t image[sizeof(SendSetTarn)];
  if (tarn) {
    SendSetTarn copy = App().g_sSendSetTarn;
    copy.sSendSet.StructFlag = kFlagWithGpsMail;
    copy.sSendSet.bySendBy |= IF_SEND_BY_APP_SET_FLG;
    std::memcpy(image, &copy, size);
  } else {
    SendSet copy = App().g_sSendSet;
    copy.bySendBy |= IF_SEND_BY_APP_SET_FLG;
    std::memcpy(image, &copy, size);
  }
  auto& written = App().LastWrittenSendSet;
  std::memcpy(written.bytes, image, size);
  written.size = 0;  // until the file is in place
  ScrambleBytes(image, static_cast<int>(size));

  const auto finish = [tarn](RecordOutcome outcome) {
    if (!tarn) Diag("%s", kSeparatorLine);
    return outcome;
  };

  const auto path = SaveFolderPath(kSendSetFileName);
  if (!path) return finish(RecordOutcome::Fault(RecordFault::SystemError, ENAMETOOLONG));
  // It holds passwords (in a reversible scramble): a new file is for its owner's eyes only.
  const RecordOutcome outcome = ReplaceRecordFile(*path, image, size, NewFileAccess::OwnerOnly);
  if (!outcome && !outcome.created) {
    Diag("Open file - \"%s\" err!\n", path->c_str());
    return finish(outcome);
  }
  Diag("Open file - \"%s\" success!\n", path->c_str());
  if (!outcome) {
    Diag("Write file - \"%s\" err!\n", path->c_str());
    return finish(outcome);
  }
  written.size = size;
  return finish(RecordOutcome::Done());
}

RecordOutcome LoadSendSet(int verify) {
  App().LastSendSetLoad = ReadSendSet(verify);
  return App().LastSendSetLoad;
}

namespace {

RecordOutcome ReadSendSet(int verify) {
  const uint16_t code = GetModelCode();
  const bool tarn = HasGpsMail(code);
  const int size = SendSetFileSize();
  Diag("sizeof = %d\n", size);

  uint8_t image[sizeof(SendSetTarn)] = {};
  if (RecordOutcome read = LoadRecordImage(kSendSetFileName, image, size); !read) return read;
  const RecordOutcome other = RecordOutcome::Fault(RecordFault::OtherFile, 0, size);
  // A verifying load that finds another file (another stamp) leaves the working record as it was.
  if (verify != 0 && std::memcmp(image + offsetof(SendSet, sTime), &App().LastGenerateTime, sizeof(SendTime)) != 0)
    return other;
  // So does a file with the stamp but other bytes than this run wrote.
  const auto& written = App().LastWrittenSendSet;
  if (verify != 0 && written.size == static_cast<std::size_t>(size) &&
      std::memcmp(image, written.bytes, written.size) != 0)
    return other;
  if (tarn) {
    std::memcpy(&App().g_sSendSetTarn, image, sizeof(SendSetTarn));
    App().g_sSendSet = App().g_sSendSetTarn.sSendSet;
  } else {
    std::memcpy(&App().g_sSendSet, image, sizeof(SendSet));
  }

  SendSet& s = App().g_sSendSet;
  const uint16_t expected = ExpectedStructFlag();
  if (s.StructFlag != expected) {
    if (ChoosesSendModule(code) && (s.StructFlag == 0 || s.StructFlag == 1)) {
      App().MdmSendVia = s.StructFlag;
    } else {
      Diag("StructFlag is different!\n");
      s = SendSet{};
      s.StructFlag = expected;
      return RecordOutcome::Fault(RecordFault::StructFlag, 0, size);
    }
  }

  Diag("IF_SEND_BY_APP_SET_FLG=%d\n", (s.bySendBy & IF_SEND_BY_APP_SET_FLG) ? 1 : 0);
  s.bySendBy &= static_cast<uint8_t>(~IF_SEND_BY_APP_SET_FLG);
  Diag("g_sSendSet.bySendBy=%d\n", s.bySendBy);

  LogRecipientsAndFiles(s);
  LogNetworkAndMailbox(s);

  s.bySendMode = 0;
  s.uwMaxSendImgNum = 0;
  Diag("g_sSendSet.bySendMode=%d\n", s.bySendMode);
  Diag("g_sSendSet.bySendImgSize=%d\n", s.bySendImgSize);
  Diag("g_sSendSet.uwMaxSendImgNum=%d\n", s.uwMaxSendImgNum);
  Diag("g_sSendSet.szRemotePhoneNum=\"%s\"\n", Text(s.szRemotePhoneNum).c_str());

  NormaliseRemoteControl(s, code);

  Diag("g_sSendSet.byOperatorCountry=%d\n", s.byOperatorCountry);
  Diag("g_sSendSet.byOperator=%d\n", s.byOperator);
  Diag("g_sSendSet.byDailySendTime=%d\n", s.byDailySendTime);

  LogServers(s);
  LogPosition("sLongitude", s.sLongitude);
  LogPosition("sLatitude", s.sLatitude);
  if (tarn) LogGpsMail(App().g_sSendSetTarn.sGpsMail);

  RecordOutcome done;
  done.size = size;
  if (verify == 0) return done;
  return SameTime(s.sTime, App().LastGenerateTime) ? done : other;
}

}  // namespace

void ResetSendSetState() { static_cast<SendState&>(App()) = SendState{}; }
