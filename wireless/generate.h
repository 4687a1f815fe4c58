// Generate on the send settings page: stamps the transmission record with
// the local time, takes the page's values into it, checks the values of
// both wireless pages in a fixed order, writes CFG.BIN and reads it back.
//
// The checks run over plain inputs and the process-wide record g_sSendSet
// (the record SaveSendSet writes), so a caller other than the window, such
// as the command-line companion, can run them too.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/services.h"
#include "records/send_set.h"
#include "shell/ui_text.h"

namespace platform {
class Dialog;
}

// One position as the page shows it: the hemisphere list's selection
// (-1 for none) and the three numbers.
struct GeoInput {
  int dir = 0;
  int deg = 0, min = 0, sec = 0;
};

// What the send settings page holds when Generate is pressed. Texts are
// record bytes (platform::Services::ToRecordText of what was typed).
struct SendPageInputs {
  platform::LocalTime now;            // local clock at Generate
  uint8_t send_by = 0;                // send-by mode chosen on the wireless parameter page
  std::array<std::string, 4> recipients;  // phone 1, phone 2, e-mail 1, e-mail 2
  int remote_interval_index = 0;      // position in the remote interval list
  std::string remote_phone;
  std::string remote_email;
  bool no_remote_command22 = false;   // "Do not use remote command - 22"
  int image_size_index = 0;           // 0 full image, 1 thumbnail
  GeoInput longitude, latitude;
};

// The camera's file name written into every record, with real backslashes.
inline constexpr char kSendFileName[] = "DCIM\\100IMA3G\\IMAG0001.JPG";
// byDailySendTime written whenever pictures are sent at once (always).
inline constexpr uint8_t kDailySendTimeNone = 24;

// Year byte of the time stamp: year - 2000 from 2000 on, year - 1900
// before, both modulo 256.
uint8_t YearByte(int year);
SendTime MakeSendTime(const platform::LocalTime& now);

// Everything Generate does before writing: the time stamp (also into
// LastGenerateTime), the page's values, the checks and the fixed fields.
// Returns the message of the first failing check, or nullptr when every
// check passed and g_sSendSet is ready to be written. Fields stored before
// the failing check stay stored.
const UiText* PrepareSendSet(const SendPageInputs& in);

enum class GenerateOutcome {
  Rejected,     // a check failed; nothing was written
  WriteFailed,  // CFG.BIN could not be written or did not read back as written
  Written,      // CFG.BIN is in place and verified
};

struct GenerateResult {
  GenerateOutcome outcome;
  const UiText* message;  // the check's message, or "Generate Success!"; nullptr on WriteFailed
  RecordOutcome file{};   // WriteFailed: why the write or its read-back failed
};

// PrepareSendSet, then SaveSendSet and the verifying LoadSendSet(1). The
// read-back runs only after a complete write, so a failed write leaves
// both the folder and the working record as they were.
GenerateResult GenerateSendSetFile(const SendPageInputs& in);

// The inputs as the send settings page's controls hold them now.
SendPageInputs ReadSendPageInputs(platform::Dialog& dlg);
// The Generate button: gathers the inputs, runs GenerateSendSetFile and
// shows its message; a failed write logs "Generate fail!" and warns why.
void GenerateSendSettings(platform::Dialog& dlg);
