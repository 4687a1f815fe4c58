// The transmission settings record that CFG.BIN holds: how the camera
// sends pictures, its network access, mailboxes, recipients and remote
// control. Little-endian, natural alignment, no padding beyond the
// explicit pad members; the file is this image scrambled byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "records/record_outcome.h"

struct SendTime {
  uint8_t byYear;    // calendar year - 2000 (before 2000: - 1900), 8 bits
  uint8_t byMonth;   // 1..12
  uint8_t byDay;     // 1..31
  uint8_t byHour;    // 0..23
  uint8_t byMinute;  // 0..59
  uint8_t bySecond;  // 0..59
};

struct SmtpSet {
  int32_t iPort;              // sender mail server port
  char szWLNetApN[61];        // mobile network APN
  char szWLNetAccount[33];    // APN user name; WiFi name (SSID) on WiFi models
  char szWLNetPassword[33];   // APN password; WiFi password on WiFi models
  char szServer[61];          // sender mail server
  char szAddr[49];            // sender e-mail address
  char szUserName[49];        // sender mailbox user name
  char szPassword[33];        // sender mailbox password
  uint8_t pad;
};

struct MmsSet {
  char szUrl[61];       // MMS centre address
  char szApn[61];       // MMS access point name
  char szGateway[17];   // MMS gateway (proxy)
  char szPort[9];       // MMS gateway port, decimal text
  char szAccount[33];
  char szPassword[33];
};

struct VornCloudSet {
  char szAppKey[33];      // registered e-mail address
  char szAppSecret[33];   // login password
  char szSimCardNum[19];  // camera cloud number or SIM phone number
};

struct FtpSet {
  char szFtpDir[33];     // upload directory; "/" when iFtpDirType is 0
  char szServer[61];
  char szUserName[49];
  char szPassword[33];
  int32_t iPort;
  int32_t iFtpDirType;   // 0 root directory, 1 szFtpDir
};

// Hemisphere index, degrees, minutes, seconds.
struct GeoPos {
  uint8_t byDir;
  uint8_t byDeg;
  uint8_t byMin;
  uint8_t bySec;
};

struct SendSet {
  uint8_t bySendBy;          // bits 0-6 mode (0 off, 1 MMS, 2 e-mail, 3 FTP, 4 cloud); bit 7 set in files
  uint8_t bySendMode;
  uint8_t bySendImgSize;
  uint8_t byRemoteSwitch;
  uint8_t byRemoteInterval;  // 25 = remote control off
  uint8_t byOperatorCountry; // 0..42 preset country, 43 manual input
  uint8_t byOperator;
  uint8_t byDailySendTime;
  uint8_t bySendFileNum;
  uint8_t pad9;
  uint16_t uwMaxSendImgNum;
  uint16_t StructFlag;
  SendTime sTime;
  uint8_t bSet;
  uint8_t pad21[3];
  SmtpSet sSmtpSet;
  MmsSet sMmsSet;
  uint16_t uwRecpLen[4];
  char szRecp[4][49];
  char szFileFullName[4][33];
  char szRemotePhoneNum[16];
  char szRemoteEmail[49];
  VornCloudSet sVornCloudSet;
  FtpSet sFtpSet;
  GeoPos sLongitude;
  GeoPos sLatitude;
  uint8_t reserved1240[2];
  uint8_t DebugFlag;
  uint8_t reserved1243[13];
  uint16_t DebugPort;
  char DebugUrl[61];
  uint8_t pad1319;
};

struct GpsMail {
  int32_t iPort;
  char szGpsSmtpAccount[33];
  char szGpsSmtpPassword[33];
  char szGpsServer[61];
  char szGpsAddr[49];
};

// The longer variant of the models with the GPS coordinates mailbox: the
// record followed by the mailbox to which the camera mails its coordinates.
struct SendSetTarn {
  SendSet sSendSet;
  GpsMail sGpsMail;
};

static_assert(sizeof(SmtpSet) == 324);
static_assert(sizeof(MmsSet) == 214);
static_assert(sizeof(VornCloudSet) == 85);
static_assert(sizeof(FtpSet) == 184);
static_assert(sizeof(SendSet) == 1320);
static_assert(sizeof(GpsMail) == 180);
static_assert(sizeof(SendSetTarn) == 1500);

inline constexpr uint8_t IF_SEND_BY_APP_SET_FLG = 0x80;


// StructFlag the record of a model carries with a send-module choice
// (0 WiFi, 1 cellular; used by the module-choice models only).
uint16_t StructFlagOf(uint16_t code, uint16_t send_via);
// StructFlag the current model's record must carry.
uint16_t ExpectedStructFlag();
// Size of CFG.BIN of a model: 1500 with the GPS coordinates mailbox, else 1320.
int SendSetFileSizeOf(uint16_t code);
// The same for the current model.
int SendSetFileSize();
// The default record for the current model (all zero, then the defaults).
void ApplySendSetDefaults();
// The transmission settings file in SaveFolder.
inline constexpr char kSendSetFileName[] = "CFG.BIN";

// Writes CFG.BIN into SaveFolder. Success when the file was written
// completely and is in place; a failure leaves any existing file as it was.
RecordOutcome SaveSendSet();
// Reads CFG.BIN from SaveFolder into g_sSendSet (and g_sSendSetTarn);
// with verify 1 also requires sTime == LastGenerateTime (else OtherFile).
RecordOutcome LoadSendSet(int verify);
// Logs the GPS coordinates mailbox, its password masked.
void LogGpsMail(const GpsMail& g);

// Resets both records, MdmSendVia and LastGenerateTime to their
// start-of-process values (tests, long sessions).
void ResetSendSetState();
