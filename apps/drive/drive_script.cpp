#include "apps/drive/drive_script.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>

#include "apps/common/all_windows.h"
#include "records/app_state.h"
#include "records/menu_record.h"
#include "records/record_file.h"
#include "resources/bitmaps.h"
#include "shell/app.h"
#include "text/utf8.h"

namespace drive {
namespace fs = std::filesystem;

namespace {

bool ParseInt(const std::string& s, long long& v) {
  if (s.empty()) return false;
  std::size_t i = 0;
  bool negative = false;
  if (s[0] == '-' || s[0] == '+') {
    negative = s[0] == '-';
    i = 1;
  }
  int base = 10;
  if (s.size() > i + 2 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  long long value = 0;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    value = value * base + d;
    if (value > (1LL << 40)) return false;
  }
  v = negative ? -value : value;
  return true;
}

// A text as it can be read in the transcript: line breaks and other
// control characters written as escapes.
std::string Escape(std::string_view s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(c));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string Q(std::string_view s) { return "\"" + Escape(s) + "\""; }

}  // namespace

bool LikeMatches(std::string_view p, std::string_view t) {
  std::size_t pi = 0, ti = 0, star = std::string_view::npos, mark = 0;
  while (ti < t.size()) {
    if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = ti;
    } else if (pi < p.size() && (p[pi] == '?' || p[pi] == t[ti])) {
      ++pi;
      ++ti;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      ti = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

namespace {

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string out;
  char buf[8];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
    out += buf;
  }
  return out;
}

// "1 2 3", or "none" for an empty list.
std::string JoinInts(const std::vector<int>& v) {
  std::string out;
  for (int x : v) out += (out.empty() ? "" : " ") + std::to_string(x);
  return out.empty() ? "none" : out;
}

const char* ClassWord(platform::ControlClass c) {
  using C = platform::ControlClass;
  switch (c) {
    case C::Static: return "static";
    case C::GroupBox: return "group";
    case C::EtchedFrame: return "frame";
    case C::PushButton: return "button";
    case C::DefPushButton: return "default-button";
    case C::CheckBox: return "checkbox";
    case C::RadioButton: return "radio";
    case C::Edit: return "edit";
    case C::ComboDropList: return "list";
    case C::ComboDropDown: return "combo";
  }
  return "control";
}

bool ReadFile(const fs::path& path, std::vector<uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& data) {
  std::ofstream o(path, std::ios::binary | std::ios::trunc);
  if (!o) return false;
  o.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  o.close();
  return !o.fail();
}

}  // namespace

bool Tokenize(const std::string& line, std::vector<Token>& out, std::string& error) {
  out.clear();
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '#') break;
    Token t;
    if (c == '"') {
      t.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char d = line[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d != '\\') {
          t.text += d;
          continue;
        }
        if (i >= line.size()) break;
        d = line[i++];
        switch (d) {
          case 'n': t.text += '\n'; break;
          case 'r': t.text += '\r'; break;
          case 't': t.text += '\t'; break;
          case 'b': t.text += '\b'; break;
          case '\\': t.text += '\\'; break;
          case '"': t.text += '"'; break;
          case 'x': {
            long long v = 0;
            if (i + 2 > line.size() || !ParseInt("0x" + line.substr(i, 2), v)) {
              error = "\\x needs two hex digits";
              return false;
            }
            t.text += static_cast<char>(v);
            i += 2;
            break;
          }
          default:
            error = std::string("unknown escape \\") + d;
            return false;
        }
      }
      if (!closed) {
        error = "unterminated string";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') t.text += line[i++];
    }
    out.push_back(std::move(t));
  }
  return true;
}

Interpreter::Interpreter(std::ostream& transcript, std::ostream& errors, Options options)
    : out_(transcript), err_(errors), options_(options), session_(std::make_unique<headless::Session>()) {
  session_->SetBitmapExists([](int id) {
    for (int known : BitmapResourceIds())
      if (known == id) return true;
    return false;
  });
}

Interpreter::~Interpreter() {
  session_.reset();  // ends the application before its folders go
  if (!options_.keep_folders) {
    std::error_code ec;
    for (const fs::path& p : fresh_folders_) fs::remove_all(p, ec);
  }
}

std::size_t Interpreter::HeldDiagLines() const { return recent_diag_.size() + session_->DiagLines().size(); }

// One parsed command: its words, with the window suffix "in <template>" taken off.
class Interpreter::Command {
 public:
  Command(const std::vector<Token>& t) : t_(t) {
    if (t_.size() >= 3 && !t_[t_.size() - 2].quoted && t_[t_.size() - 2].text == "in") {
      long long v = 0;
      if (ParseInt(t_.back().text, v)) {
        tpl = static_cast<int>(v);
        t_.resize(t_.size() - 2);
      }
    }
  }
  std::size_t size() const { return t_.size(); }
  const std::string& word(std::size_t i) const {
    static const std::string none;
    return i < t_.size() ? t_[i].text : none;
  }
  bool quoted(std::size_t i) const { return i < t_.size() && t_[i].quoted; }
  bool is(std::size_t i, const char* w) const { return i < t_.size() && !t_[i].quoted && t_[i].text == w; }
  bool number(std::size_t i, long long& v) const { return i < t_.size() && !t_[i].quoted && ParseInt(t_[i].text, v); }
  int tpl = 0;

 private:
  std::vector<Token> t_;
};

bool Interpreter::EnsureStarted() {
  if (started_) return true;
  started_ = true;
  recent_diag_.clear();
  session_->Start([this](platform::Host& host) { RunApplication(host, AllWindows(), state_); });
  PrintEvents();
  return true;
}

void Interpreter::PrintEvents() {
  using E = headless::Event;
  // The session's own copy of the diagnostic lines is not needed: what an
  // expectation can ask for is kept in recent_diag_ until the next action.
  session_->ClearDiag();
  for (const E& e : session_->TakeEvents()) {
    std::string line;
    switch (e.kind) {
      case E::WindowOpened: line = "open " + std::to_string(e.template_id); break;
      case E::WindowShown: line = "shown " + std::to_string(e.template_id) + " " + Q(e.text); break;
      case E::WindowClosed:
        line = "close " + std::to_string(e.template_id) + " (result " + std::to_string(e.value) + ")";
        break;
      case E::BoxShown: line = "box " + Q(e.caption) + ": " + Q(e.text); break;
      case E::BoxAnswered: line = "box answered"; break;
      case E::DiagLine:
        line = "diag: " + Escape(e.text);
        recent_diag_.push_back(e.text);
        break;
      case E::FolderPicked: line = e.value ? "folder picker: " + Q(e.text) : "folder picker: cancelled"; break;
      case E::Note: line = "note: " + e.text; break;
      case E::NoLayout: line = "window " + std::to_string(e.template_id) + " has no layout; not shown"; break;
    }
    if (!options_.quiet) out_ << "  " << line << "\n";
  }
}

fs::path Interpreter::Resolve(const std::string& name) const {
  fs::path p(name);
  if (p.is_absolute()) return p;
  if (started_) return fs::path(std::string(SaveFolderText())) / p;
  const std::optional<std::string> dir = session_->services().WorkingDirectory();
  return (dir ? fs::path(*dir) : fs::current_path()) / p;
}

Outcome Interpreter::Run(std::istream& script, const std::string& name, const fs::path& base) {
  base_ = base;
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a UTF-8 byte order mark
    std::vector<Token> tokens;
    std::string error;
    if (!Tokenize(line, tokens, error)) {
      err_ << name << ":" << number << ": " << error << "\n";
      return Outcome::ScriptError;
    }
    if (tokens.empty()) continue;
    if (!options_.quiet) out_ << number << "> " << line.substr(line.find_first_not_of(" \t")) << "\n";
    std::string failure;
    bool script_error = false;
    const bool ok = Execute(tokens, failure, script_error);
    PrintEvents();
    if (!ok) {
      err_ << name << ":" << number << ": " << failure << "\n";
      if (!options_.quiet) out_ << "FAILED: " << failure << "\n";
      return script_error ? Outcome::ScriptError : Outcome::Failed;
    }
  }
  if (!options_.quiet) out_ << "passed\n";
  return Outcome::Passed;
}

bool Interpreter::Execute(const std::vector<Token>& tokens, std::string& failure, bool& script_error) {
  const Command c(tokens);
  headless::Session& s = *session_;
  headless::Services& sv = s.services();
  const std::string& cmd = c.word(0);
  const int tpl = c.tpl;

  auto bad = [&](const std::string& why) {
    failure = why;
    script_error = true;
    return false;
  };
  auto fail = [&](const std::string& why) {
    failure = why;
    return false;
  };
  auto id_at = [&](std::size_t i, int& id) {
    long long v = 0;
    if (!c.number(i, v)) return false;
    id = static_cast<int>(v);
    return true;
  };
  auto action = [&](const headless::ActionResult& r) {
    if (r) return true;
    return fail(cmd + ": " + r.error);
  };
  auto where = [&]() { return tpl ? " in window " + std::to_string(tpl) : std::string(); };

  // ---- environment ------------------------------------------------------
  if (cmd == "set") {
    long long v = 0;
    if (c.is(1, "language") && c.number(2, v)) {
      sv.SetSystemLanguageId(static_cast<int>(v));
    } else if (c.is(1, "workdir") && c.size() == 3) {
      if (c.is(2, "none")) {
        sv.SetWorkingDirectory(std::nullopt);
      } else if (c.is(2, "fresh")) {
        std::random_device rd;
        fs::path p = fs::temp_directory_path() /
                     ("trailset-drive-" + std::to_string(rd()) + "-" + std::to_string(fresh_folders_.size()));
        std::error_code ec;
        fs::create_directories(p, ec);
        if (ec) return fail("cannot create a folder in " + fs::temp_directory_path().string() + ": " + ec.message());
        fresh_folders_.push_back(p);
        sv.SetWorkingDirectory(p.string());
        if (!options_.quiet) out_ << "  workdir " << Q(p.string()) << "\n";
      } else {
        sv.SetWorkingDirectory(fs::absolute(fs::path(c.word(2))).string());
      }
    } else if (c.is(1, "clock") && c.size() == 4) {
      platform::LocalTime t;
      char tail = 0;
      if (std::sscanf(c.word(2).c_str(), "%d-%d-%d%c", &t.year, &t.month, &t.day, &tail) != 3 ||
          std::sscanf(c.word(3).c_str(), "%d:%d:%d%c", &t.hour, &t.minute, &t.second, &tail) != 3)
        return bad("set clock needs YYYY-MM-DD HH:MM:SS");
      sv.SetNow(t);
    } else if (c.is(1, "utc-offset") && c.number(2, v)) {
      sv.SetPcUtcOffsetHours(static_cast<int>(v));
    } else if (c.is(1, "picker") && c.size() == 3) {
      if (c.is(2, "cancel")) sv.QueuePickFolder(std::nullopt);
      else sv.QueuePickFolder(fs::absolute(fs::path(c.word(2))).string());
    } else {
      return bad("unknown set command (language, workdir, clock, utc-offset, picker)");
    }
    return true;
  }
  if (cmd == "advance") {
    long long v = 0;
    if (!c.is(1, "clock") || !c.number(2, v)) return bad("advance clock <seconds>");
    sv.AdvanceClock(v);
    return true;
  }
  if (cmd == "start") return EnsureStarted();
  if (cmd == "echo") {
    if (!options_.quiet) out_ << "  " << c.word(1) << "\n";
    return true;
  }

  // ---- files --------------------------------------------------------------
  if (cmd == "put" || cmd == "remove") {
    if (!c.is(1, "file") || c.size() < 3) return bad(cmd + " file <name> ...");
    const fs::path path = Resolve(c.word(2));
    std::error_code ec;
    if (cmd == "remove") {
      fs::remove(path, ec);
      return true;
    }
    std::size_t i = 3;
    const bool unscrambled = c.is(i, "unscrambled");
    if (unscrambled) ++i;
    std::vector<uint8_t> data;
    long long v = 0;
    if (c.is(i, "size") && c.number(i + 1, v)) {
      long long fill = 0;
      if (c.is(i + 2, "fill") && !c.number(i + 3, fill)) return bad("fill <byte>");
      data.assign(static_cast<std::size_t>(std::max(0LL, v)), static_cast<uint8_t>(fill));
      if (unscrambled) ScrambleBytes(data.data(), static_cast<int>(data.size()));
    } else if (c.is(i, "from") && c.size() == i + 2 && !unscrambled) {
      const fs::path src = fs::path(c.word(i + 1)).is_absolute() ? fs::path(c.word(i + 1)) : base_ / c.word(i + 1);
      if (!ReadFile(src, data)) return fail("cannot read " + src.string());
    } else if ((c.is(i, "byte") || c.is(i, "bytes") || c.is(i, "text")) && c.number(i + 1, v) && c.is(i + 2, "=")) {
      if (!ReadFile(path, data)) return fail("put file: " + path.string() + " does not exist (create it with size first)");
      if (unscrambled) UnscrambleBytes(data.data(), static_cast<int>(data.size()));
      std::vector<uint8_t> bytes;
      if (c.is(i, "text")) {
        const std::string& text = c.word(i + 3);
        bytes.assign(text.begin(), text.end());
      } else {
        for (std::size_t k = i + 3; k < c.size(); ++k) {
          long long b = 0;
          if (!c.number(k, b) || b < 0 || b > 255) return bad("a byte is a number 0..255, found " + c.word(k));
          bytes.push_back(static_cast<uint8_t>(b));
        }
      }
      if (v < 0 || static_cast<std::size_t>(v) + bytes.size() > data.size())
        return fail("put file: offset " + std::to_string(v) + " is beyond the file's " + std::to_string(data.size()) + " bytes");
      std::copy(bytes.begin(), bytes.end(), data.begin() + v);
      if (unscrambled) ScrambleBytes(data.data(), static_cast<int>(data.size()));
    } else {
      return bad("put file <name> [unscrambled] size <n> [fill <b>] | from <path> | byte(s) <off> = <b>... | text <off> = \"...\"");
    }
    if (!WriteFile(path, data)) return fail("cannot write " + path.string());
    return true;
  }

  // ---- user actions -----------------------------------------------------
  const bool is_action = cmd == "select" || cmd == "type" || cmd == "paste" || cmd == "clear" ||
                         cmd == "leave" || cmd == "click" || cmd == "close" || cmd == "enter" ||
                         cmd == "escape" || cmd == "tick" || cmd == "answer" || cmd == "refused";
  if (is_action) {
    EnsureStarted();
    recent_diag_.clear();
  }
  if (cmd == "refused") {
    // The action must be refused by the host (a disabled or hidden control, say).
    std::vector<Token> rest(tokens.begin() + 1, tokens.end());
    if (rest.empty()) return bad("refused <action>");
    std::string inner;
    bool inner_script = false;
    if (Execute(rest, inner, inner_script)) return fail("expected " + rest[0].text + " to be refused, but it was delivered");
    if (inner_script) {
      failure = inner;
      script_error = true;
      return false;
    }
    if (!options_.quiet) out_ << "  refused: " << inner << "\n";
    return true;
  }
  if (cmd == "select") {
    int id = 0;
    if (!id_at(1, id) || c.size() != 3) return bad("select <id> <position | \"text\">");
    long long pos = 0;
    if (c.quoted(2)) return action(s.SelectText(id, c.word(2), tpl));
    if (!c.number(2, pos)) return bad("select <id> <position | \"text\">");
    return action(s.Select(id, static_cast<int>(pos), tpl));
  }
  if (cmd == "type" || cmd == "paste") {
    int id = 0;
    if (!id_at(1, id) || c.size() != 3 || !c.quoted(2)) return bad(cmd + " <id> \"text\"");
    return action(cmd == "type" ? s.Type(id, c.word(2), tpl) : s.Paste(id, c.word(2), tpl));
  }
  if (cmd == "clear") {
    int id = 0;
    if (!id_at(1, id)) return bad("clear <id>");
    return action(s.Paste(id, "", tpl));
  }
  if (cmd == "leave" || cmd == "click") {
    int id = 0;
    if (!id_at(1, id) || c.size() != 2) return bad(cmd + " <id>");
    return action(cmd == "leave" ? s.Leave(id, tpl) : s.Click(id, tpl));
  }
  if (cmd == "close") {
    long long t = tpl;
    if (c.size() == 2 && !c.number(1, t)) return bad("close [template]");
    return action(s.Close(static_cast<int>(t)));
  }
  if (cmd == "enter") return action(s.Enter(tpl));
  if (cmd == "escape") return action(s.Escape(tpl));
  if (cmd == "answer") return action(s.Answer());
  if (cmd == "tick") {
    long long n = 1;
    if (c.size() == 2 && !c.number(1, n)) return bad("tick [count]");
    int total = 0;
    for (long long k = 0; k < n; ++k) {
      int fired = 0;
      if (!action(s.Tick(&fired))) return false;
      total += fired;
      PrintEvents();
    }
    if (!options_.quiet) out_ << "  timers fired: " << total << "\n";
    return true;
  }
  if (cmd == "dump") {
    EnsureStarted();
    out_ << "  window " << (tpl ? tpl : s.TopTemplate()) << " " << Q(s.Title(tpl)) << "\n";
    for (int id : s.ControlIds(tpl)) {
      out_ << "    " << id << " " << ClassWord(*s.ControlClassOf(id, tpl)) << " " << Q(s.ShownText(id, tpl));
      if (!s.Enabled(id, tpl)) out_ << " disabled";
      if (!s.Shown(id, tpl)) out_ << " hidden";
      if (s.Checked(id, tpl)) out_ << " checked";
      const std::vector<std::string> items = s.Items(id, tpl);
      if (!items.empty()) out_ << " items " << items.size() << " selection " << s.Selection(id, tpl);
      out_ << "\n";
    }
    return true;
  }

  // ---- expectations -------------------------------------------------------
  if (cmd != "expect") return bad("unknown command " + Q(cmd));
  EnsureStarted();
  const std::string& what = c.word(1);
  long long v = 0;
  int id = 0;

  if (what == "window") {
    if (c.is(2, "none")) {
      if (s.TopTemplate() != 0) return fail("expected no window, found window " + std::to_string(s.TopTemplate()));
      return true;
    }
    if (!c.number(2, v)) return bad("expect window <template | none>");
    if (s.TopTemplate() != v)
      return fail("expected window " + std::to_string(v) + " on top, found " +
                  (s.TopTemplate() ? "window " + std::to_string(s.TopTemplate()) : std::string("none")));
    return true;
  }
  if (what == "windows") {
    std::vector<int> want;
    for (std::size_t i = 2; i < c.size(); ++i) {
      if (!c.number(i, v)) return bad("expect windows <template>...");
      want.push_back(static_cast<int>(v));
    }
    const std::vector<int> open = s.OpenTemplates();
    if (open != want) return fail("expected open windows " + JoinInts(want) + ", found " + JoinInts(open));
    return true;
  }
  if (what == "timers") {
    std::vector<int> want;
    for (std::size_t i = 2; i < c.size(); ++i) {
      if (c.is(i, "none") && c.size() == 3) break;
      if (!c.number(i, v)) return bad("expect timers <timer id>... | none");
      want.push_back(static_cast<int>(v));
    }
    const std::vector<int> running = s.RunningTimers(tpl);
    if (running != want)
      return fail("expected running timers " + JoinInts(want) + where() + ", found " + JoinInts(running));
    return true;
  }
  if (what == "no" && c.is(2, "missing-controls")) {
    // The program addressed only controls its dialogs have.
    const std::vector<std::pair<int, int>> missing = s.MissingControlCalls();
    if (!missing.empty()) {
      std::string list;
      for (const auto& [control, window] : missing)
        list += (list.empty() ? "" : ", ") + std::to_string(control) + " in " + std::to_string(window);
      return fail("the program addressed controls its dialogs do not have: " + list);
    }
    return true;
  }
  if (what == "title") {
    if (c.size() != 3 || !c.quoted(2)) return bad("expect title \"text\"");
    if (s.Title(tpl) != c.word(2)) return fail("expected title " + Q(c.word(2)) + where() + ", found " + Q(s.Title(tpl)));
    return true;
  }
  if (what == "icon") {
    if (!c.number(2, v)) return bad("expect icon <id>");
    if (s.Icon(tpl) != v) return fail("expected icon " + std::to_string(v) + ", found " + std::to_string(s.Icon(tpl)));
    return true;
  }
  if (what == "finished" || what == "running") {
    const bool finished = s.Finished();
    if (finished != (what == "finished"))
      return fail(finished ? "expected the application to run, but it has ended" : "expected the application to have ended");
    return true;
  }
  if (what == "box" || (what == "no" && c.is(2, "box"))) {
    const std::optional<headless::MessageBoxInfo> box = s.Box();
    if (what == "no") {
      if (box) return fail("expected no message box, found " + Q(box->caption) + ": " + Q(box->text));
      return true;
    }
    if (!box) return fail("expected a message box, none is open");
    if (c.size() == 2) return true;
    if (c.size() == 4 && c.quoted(2) && c.quoted(3)) {
      if (box->caption != c.word(2) || box->text != c.word(3))
        return fail("expected message box " + Q(c.word(2)) + ": " + Q(c.word(3)) + ", found " + Q(box->caption) + ": " + Q(box->text));
      return true;
    }
    if (c.is(2, "caption") && c.quoted(3)) {
      if (box->caption != c.word(3)) return fail("expected box caption " + Q(c.word(3)) + ", found " + Q(box->caption));
      return true;
    }
    if (c.is(2, "text") && c.quoted(3)) {
      if (box->text != c.word(3)) return fail("expected box text " + Q(c.word(3)) + ", found " + Q(box->text));
      return true;
    }
    if (c.is(2, "icon") && (c.is(3, "warning") || c.is(3, "information"))) {
      const bool warning = box->icon == platform::MsgIcon::Warning;
      if (warning != c.is(3, "warning"))
        return fail(std::string("expected a ") + c.word(3) + " icon, found " + (warning ? "warning" : "information"));
      return true;
    }
    return bad("expect box [\"caption\" \"text\" | caption \"..\" | text \"..\" | icon warning|information]");
  }
  if (what == "diag" || (what == "no" && c.is(2, "diag"))) {
    const bool negate = what == "no";
    const std::size_t at = negate ? 3 : 2;
    if (!negate && c.is(2, "count") && c.number(3, v)) {
      if (recent_diag_.size() != static_cast<std::size_t>(v))
        return fail("expected " + std::to_string(v) + " diagnostic lines since the last action, found " + std::to_string(recent_diag_.size()));
      return true;
    }
    if (negate && c.size() == 3) {
      if (!recent_diag_.empty()) return fail("expected no diagnostic line since the last action, found " + Q(recent_diag_.front()));
      return true;
    }
    const bool like = c.is(at, "like");
    const std::size_t ti = like ? at + 1 : at;
    if (c.size() != ti + 1 || !c.quoted(ti)) return bad("expect [no] diag [like] \"line\" | expect diag count <n>");
    const std::string& want = c.word(ti);
    const bool found = std::any_of(recent_diag_.begin(), recent_diag_.end(),
                                   [&](const std::string& l) { return like ? LikeMatches(want, l) : l == want; });
    if (found == negate) {
      std::string seen;
      for (const std::string& l : recent_diag_) seen += (seen.empty() ? "" : ", ") + Q(l);
      return fail(std::string(negate ? "expected no diagnostic line " : "expected the diagnostic line ") + Q(want) +
                  " since the last action; lines: " + (seen.empty() ? "none" : seen));
    }
    return true;
  }
  if (what == "file" || (what == "no" && c.is(2, "file"))) {
    if (what == "no") {
      const fs::path path = Resolve(c.word(3));
      if (fs::exists(path)) return fail("expected no file " + path.string() + ", but it exists");
      return true;
    }
    const fs::path path = Resolve(c.word(2));
    std::vector<uint8_t> data;
    if (!ReadFile(path, data)) return fail("expected file " + path.string() + ", but it cannot be read");
    std::size_t i = 3;
    const bool unscrambled = c.is(i, "unscrambled");
    if (unscrambled) {
      ++i;
      UnscrambleBytes(data.data(), static_cast<int>(data.size()));
    }
    const std::string label = "file " + c.word(2) + (unscrambled ? " (unscrambled)" : "");
    if (c.size() == 3) return true;
    if (c.is(i, "size") && c.number(i + 1, v)) {
      if (data.size() != static_cast<std::size_t>(v))
        return fail("expected " + label + " to be " + std::to_string(v) + " bytes, found " + std::to_string(data.size()));
      return true;
    }
    if ((c.is(i, "byte") || c.is(i, "bytes") || c.is(i, "text")) && c.number(i + 1, v) && c.is(i + 2, "=")) {
      std::vector<uint8_t> want;
      if (c.is(i, "text")) {
        if (!c.quoted(i + 3)) return bad("expect file <name> text <offset> = \"text\"");
        want.assign(c.word(i + 3).begin(), c.word(i + 3).end());
      } else if (c.quoted(i + 3)) {
        std::istringstream hex(c.word(i + 3));
        std::string b;
        while (hex >> b) {
          long long x = 0;
          if (!ParseInt("0x" + b, x) || x > 255) return bad("bad hex byte " + Q(b));
          want.push_back(static_cast<uint8_t>(x));
        }
      } else {
        for (std::size_t k = i + 3; k < c.size(); ++k) {
          long long b = 0;
          if (!c.number(k, b) || b < 0 || b > 255) return bad("a byte is a number 0..255, found " + c.word(k));
          want.push_back(static_cast<uint8_t>(b));
        }
      }
      if (want.empty()) return bad("no bytes to compare");
      if (v < 0 || static_cast<std::size_t>(v) + want.size() > data.size())
        return fail("expected " + label + " to hold " + std::to_string(want.size()) + " bytes at " + std::to_string(v) +
                    ", but it has only " + std::to_string(data.size()));
      const std::vector<uint8_t> found(data.begin() + v, data.begin() + v + static_cast<long long>(want.size()));
      if (found != want)
        return fail("expected " + label + " at " + std::to_string(v) + " = " + Hex(want) + ", found " + Hex(found));
      return true;
    }
    return bad("expect file <name> [unscrambled] size <n> | byte(s) <offset> = <b>... | bytes <offset> = \"hex\" | text <offset> = \"text\"");
  }
  if (what == "paint") {
    if (c.is(2, "count") && c.number(3, v)) {
      if (s.PaintCount(tpl) != v)
        return fail("expected " + std::to_string(v) + " paints, found " + std::to_string(s.PaintCount(tpl)));
      return true;
    }
    long long x = 0, y = 0, w = 0, h = 0;
    if (c.size() == 3 && c.is(2, "none")) {
      if (!s.LastPaint(tpl).empty()) return fail("expected the last paint to draw nothing");
      return true;
    }
    if (!c.number(2, v) || !c.is(3, "at") || !c.number(4, x) || !c.number(5, y) || !c.is(6, "size") || !c.number(7, w) ||
        !c.number(8, h))
      return bad("expect paint <bitmap> at <x> <y> size <w> <h> | expect paint count <n> | expect paint none");
    const headless::BitmapDraw want{static_cast<int>(v), static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                                    static_cast<int>(h)};
    const std::vector<headless::BitmapDraw> paint = s.LastPaint(tpl);
    if (std::find(paint.begin(), paint.end(), want) == paint.end()) {
      std::string drawn;
      for (const headless::BitmapDraw& d : paint)
        drawn += (drawn.empty() ? "" : ", ") + std::to_string(d.bitmap_id) + " at " + std::to_string(d.x) + " " +
                 std::to_string(d.y) + " size " + std::to_string(d.w) + " " + std::to_string(d.h);
      return fail("expected the last paint to draw bitmap " + std::to_string(v) + " at " + std::to_string(x) + " " +
                  std::to_string(y) + " size " + std::to_string(w) + " " + std::to_string(h) + "; it drew " +
                  (drawn.empty() ? "nothing" : drawn));
    }
    return true;
  }

  // Expectations on one control: expect <what> <id> ...
  if (!id_at(2, id)) return bad("unknown expectation " + Q(what) + " (or a control id is missing)");
  if (!s.HasControl(id, tpl)) {
    if (s.TopTemplate() == 0) return fail("no window is open");
    return fail("window " + std::to_string(tpl ? tpl : s.TopTemplate()) + " has no control " + std::to_string(id));
  }
  const std::string ctl = "control " + std::to_string(id) + where();
  struct Flag {
    const char* yes;
    const char* no;
    bool (headless::Session::*get)(int, int) const;
  };
  static const Flag kFlags[] = {
      {"enabled", "disabled", &headless::Session::Enabled},
      {"shown", "hidden", &headless::Session::Shown},
      {"checked", "unchecked", &headless::Session::Checked},
      {"masked", "unmasked", &headless::Session::Masked},
  };
  for (const Flag& f : kFlags) {
    if (what != f.yes && what != f.no) continue;
    if (c.size() != 3) return bad("expect " + what + " <id>");
    const bool state = (s.*f.get)(id, tpl);
    if (state != (what == f.yes)) return fail("expected " + ctl + " to be " + what + ", it is " + (state ? f.yes : f.no));
    return true;
  }
  if (what == "text" || what == "shown-text") {
    const bool like = c.is(3, "like");
    const std::size_t ti = like ? 4 : 3;
    if (c.size() != ti + 1 || !c.quoted(ti)) return bad("expect " + what + " <id> [like] \"text\"");
    const std::string found = what == "text" ? s.Text(id, tpl) : s.ShownText(id, tpl);
    if (like ? !LikeMatches(c.word(ti), found) : found != c.word(ti)) {
      // A password edit's text is never printed: only how long it is.
      const std::string seen = what == "text" && s.Masked(id, tpl)
                                   ? "a masked text of " + std::to_string(utf8::Chars(found).size()) + " characters"
                                   : Q(found);
      return fail("expected " + what + " of " + ctl + " " + (like ? "like " : "") + Q(c.word(ti)) + ", found " + seen);
    }
    return true;
  }
  if (what == "items") {
    std::vector<std::string> want;
    for (std::size_t i = 3; i < c.size(); ++i) {
      if (!c.quoted(i)) return bad("expect items <id> \"entry\"...");
      want.push_back(c.word(i));
    }
    const std::vector<std::string> found = s.Items(id, tpl);
    if (found != want) {
      std::string f;
      for (const std::string& item : found) f += (f.empty() ? "" : " ") + Q(item);
      return fail("expected the entries of " + ctl + " to differ: found " + std::to_string(found.size()) + " entries: " +
                  (f.empty() ? "none" : f));
    }
    return true;
  }
  if (what == "count") {
    if (!c.number(3, v)) return bad("expect count <id> <n>");
    const std::size_t n = s.Items(id, tpl).size();
    if (n != static_cast<std::size_t>(v))
      return fail("expected " + ctl + " to have " + std::to_string(v) + " entries, found " + std::to_string(n));
    return true;
  }
  if (what == "item") {
    if (!c.number(3, v) || !c.quoted(4)) return bad("expect item <id> <position> \"text\"");
    const std::vector<std::string> items = s.Items(id, tpl);
    const std::string found = v >= 0 && static_cast<std::size_t>(v) < items.size() ? items[static_cast<std::size_t>(v)] : "(none)";
    if (found != c.word(4)) return fail("expected entry " + std::to_string(v) + " of " + ctl + " " + Q(c.word(4)) + ", found " + found);
    return true;
  }
  if (what == "selection") {
    const int sel = s.Selection(id, tpl);
    const std::vector<std::string> items = s.Items(id, tpl);
    const std::string sel_text = sel >= 0 && static_cast<std::size_t>(sel) < items.size()
                                     ? Q(items[static_cast<std::size_t>(sel)])
                                     : std::string("none");
    const std::string found = std::to_string(sel) + " (" + sel_text + ")";
    if (c.is(3, "none")) {
      if (sel != -1) return fail("expected no selection in " + ctl + ", found " + found);
    } else if (c.quoted(3)) {
      if (sel < 0 || items[static_cast<std::size_t>(sel)] != c.word(3))
        return fail("expected selection " + Q(c.word(3)) + " in " + ctl + ", found " + found);
    } else if (c.number(3, v)) {
      if (sel != v) return fail("expected selection " + std::to_string(v) + " in " + ctl + ", found " + found);
    } else {
      return bad("expect selection <id> <position | \"text\" | none>");
    }
    return true;
  }
  if (what == "limit" || what == "caret") {
    if (!c.number(3, v)) return bad("expect " + what + " <id> <n>");
    const int found = what == "limit" ? s.Limit(id, tpl) : s.Caret(id, tpl);
    if (found != v) return fail("expected " + what + " of " + ctl + " " + std::to_string(v) + ", found " + std::to_string(found));
    return true;
  }
  if (what == "focus") {
    if (s.Focus(tpl) != id) return fail("expected the focus on " + ctl + ", it is on " + std::to_string(s.Focus(tpl)));
    return true;
  }
  if (what == "color") {
    if (!c.number(3, v)) return bad("expect color <id> 0xRRGGBB");
    const std::optional<uint32_t> found = s.TextColor(id, tpl);
    if (!found || *found != static_cast<uint32_t>(v)) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "0x%06X", found ? *found : 0u);
      return fail("expected text colour of " + ctl + " " + c.word(3) + ", found " + (found ? buf : "none"));
    }
    return true;
  }
  return bad("unknown expectation " + Q(what));
}

}  // namespace drive
