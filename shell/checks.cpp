#include "shell/checks.h"

#include <climits>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "records/diag.h"
#include "shell/ui_strings.h"
#include "text/utf8.h"
#include "records/app_state.h"

namespace {

bool Allowed(std::string_view ch, const char* allowed) {
  if (!allowed || !*allowed) return true;
  return ch.size() == 1 && ch[0] != '\0' && std::strchr(allowed, ch[0]) != nullptr;
}

// Removes the first disallowed character of `text`, writes it back and
// places the caret. Returns the text as this call wrote it.
std::string RemoveFirstDisallowed(platform::Dialog& dlg, int id, const std::string& text,
                                  const char* allowed) {
  // Characters, not bytes: a Chinese character typed into a digit field goes as a whole.
  std::vector<std::string_view> chars = utf8::Chars(text);
  for (std::size_t pos = 0; pos < chars.size(); ++pos) {
    if (Allowed(chars[pos], allowed)) continue;
    chars.erase(chars.begin() + static_cast<std::ptrdiff_t>(pos));
    const std::string shorter = utf8::Join(chars);
    // Writing back raises the change notification again, whose run removes
    // the next disallowed character before this call goes on. Only the run
    // that removed the last one still finds its own text: it places the
    // caret, so a paste ends with the caret where its last character went.
    dlg.SetText(id, shorter);
    if (dlg.Text(id) == shorter) dlg.SetCaret(id, static_cast<int>(pos));
    return shorter;
  }
  return text;
}

// Decimal value of the leading digits; saturates instead of overflowing.
int32_t LeadingNumber(const std::string& text) {
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return INT32_MAX;
  }
  return static_cast<int32_t>(value);
}

}  // namespace

void FilterEditChars(platform::Dialog& dlg, int id, const char* allowed) {
  if (dlg.TextLength(id) == 0) return;
  RemoveFirstDisallowed(dlg, id, dlg.Text(id), allowed);
}

void CheckEditRange(platform::Dialog& dlg, int id, uint16_t min, uint16_t max) {
  if (dlg.TextLength(id) == 0) {
    dlg.SetText(id, std::to_string(min));
    return;
  }
  const std::string text = RemoveFirstDisallowed(dlg, id, dlg.Text(id), kDigits);
  const int32_t value = LeadingNumber(text);
  const int32_t lo = min;
  const int32_t hi = max;
  if (value < lo) {
    dlg.SetText(id, std::to_string(lo));
  } else if (value > hi) {
    if (App().RangeWarnArmed) {
      App().RangeWarnArmed = false;
      dlg.MessageBox(UiStr(kMsgOutOfRange), UiStr(kTxtWarning), platform::MsgIcon::Warning);
    }
    dlg.SetText(id, std::to_string(hi));
  } else {
    return;
  }
  Diag("Input value error!\n");
}

bool IsMailWellFormed(std::string_view text) {
  return CheckMailFormat(text.data(), static_cast<int>(text.size())) == kMailWellFormed;
}

int CheckMailFormat(const char* text, int length) {
  if (!text || length <= 0 || text[0] == '\0') return 0;
  int result = 0;
  bool at_seen = false;
  for (int i = 0; i < length && text[i] != '\0'; ++i) {
    if (text[i] == '@') {
      at_seen = true;
      result = 1;
    } else if (text[i] == '.') {
      if (at_seen) return 3;
      result = 2;
    }
  }
  return result;
}
