// Shared pieces of the loader fuzz targets: a private card folder, the
// model choice taken from the first input byte, and sessions of the real
// windows on the headless host that show what was loaded.
//
// Input layout of every target: byte 0 chooses the model (and, where it
// matters, the language and the send-module choice); the remaining bytes
// are written as the card's file. Every failed expectation aborts, so
// libFuzzer reports it like a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/headless.h"

namespace fuzz {

// A model slot: family and row (codes 512..533 are family 2).
struct Slot {
  int family = 2;
  int index = 0;
  uint16_t code() const { return static_cast<uint16_t>((family << 8) | index); }
};

// The card folder of this process (in memory when /dev/shm exists).
const std::string& CardFolder();
std::string CardPath(const char* name);
// Replaces the card's file with exactly these bytes.
void WriteCardFile(const char* name, const uint8_t* data, std::size_t size);
// The file's bytes; empty when it is missing.
std::vector<uint8_t> ReadCardFile(const char* name);

// Aborts with a message: a fault the fuzzer must report.
[[noreturn]] void Fail(const std::string& what);
inline void Expect(bool ok, const std::string& what) {
  if (!ok) Fail(what);
}

// All process state as at start, the model selected, SaveFolder on the card.
void StartRun(Slot model, int language);

// The camera setup window's models of one record layout.
std::vector<Slot> MenuLayoutModels(int layout);
// The wireless models whose record carries one StructFlag class:
// 8192 (WiFi), 23 (GPS mailbox models), 0xFFFF (send-module choice), 22.
inline constexpr uint16_t kModuleChoiceClass = 0xFFFF;
std::vector<Slot> StructFlagModels(uint16_t flag_class);

// A session of the real application with scripted services (fixed clock,
// UTC+08) and every window registered; `first` is run as the first window
// of the chain.
void StartSession(headless::Session& s, platform::WindowKind first);

// The sanity of a window as shown: it addressed only controls its template
// has, and every list shows an entry of its own or none.
void CheckWindow(headless::Session& s, int tpl);

// With TRAILSET_FUZZ_TRACE set, one line per input on standard error
// about how far it got (to see what a corpus reaches).
void Trace(const std::string& line);

// Answers every open message box; returns their texts.
std::vector<std::string> AnswerBoxes(headless::Session& s);

}  // namespace fuzz
