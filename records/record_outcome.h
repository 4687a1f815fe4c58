// The outcome of reading or writing a record file, with its reason, so
// that callers learn why from the result rather than from the log.
#pragma once

#include <cstdint>

enum class RecordFault : uint8_t {
  None,            // read or written
  WrongSize,       // the file's length is not the record's size (size holds it)
  StructFlag,      // CFG.BIN of another model: its StructFlag is refused
  NotRegularFile,  // a folder, pipe or device stands under the record's name
  SystemError,     // the system refused (error_number: errno, ENOENT for a missing file)
  OtherFile,       // the verifying read found another file than the one just written
};

struct RecordOutcome {
  RecordFault fault = RecordFault::None;
  int error_number = 0;  // SystemError: the errno value
  long long size = -1;   // the file's length where it was measured
  // A failed save: true when its temporary file was created before a
  // later step (writing, flushing, replacing) failed; the log tells the two apart.
  bool created = false;
  // SystemError on Windows: the system's own error code, which error_number
  // only approximates, so that its own description can be shown; 0 elsewhere.
  unsigned long system_code = 0;

  explicit operator bool() const { return fault == RecordFault::None; }

  static RecordOutcome Done() { return {}; }
  static RecordOutcome Fault(RecordFault f, int error_number = 0, long long size = -1) {
    return RecordOutcome{f, error_number, size, false, 0};
  }
  // A save that failed once its temporary file existed.
  static RecordOutcome WriteFault(int error_number) {
    return RecordOutcome{RecordFault::SystemError, error_number, -1, true, 0};
  }
};
