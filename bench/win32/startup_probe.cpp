// Start-up benchmark under Wine (or Windows): starts each program in turn
// and measures the time from CreateProcess until its dialog is visible and
// painted (neither the dialog nor any of its controls has anything left to
// paint) and the processor time it used until then, then closes it with
// the close box and waits for it to end.
//
//   startup_probe RUNS NAME TITLE EXE [NAME TITLE EXE ...]
//
// The programs take turns run by run, so that a change of load on the
// machine affects all of them alike. Prints every run, then per program
// the median and the fastest run, until shown and until painted, each also
// as a ratio to the first program's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Program {
  std::wstring name, title, exe;
  std::vector<double> shown = {};  // until shown
  std::vector<double> ms = {};     // until shown and painted
  std::vector<double> cpu = {};  // processor time the program used until then
};

struct Run {
  double shown_ms = -1;
  double ms = -1;
  double cpu_ms = -1;  // negative where the host system does not tell
};

// The whole content of a small file ("" when it cannot be read).
std::string ReadSmallFile(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string out;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0 && out.size() < 65536) out.append(buf, got);
  CloseHandle(f);
  return out;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// Under Wine each Windows process is a process of the host system, whose
// scheduler counts the processor time of each of its threads
// (/proc/PID/task/TID/schedstat, first field, in nanoseconds). That time
// hardly depends on what else the machine is doing, unlike the time on
// the clock. Finds the process whose command line names `exe` (the path
// the probe started, as its last folders and file name: other copies of
// the program may run on the machine) and sums its threads; negative when
// none is found.
std::string ComparablePath(std::string path) {
  path = Lower(path);
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.size() >= 2 && path[1] == ':') path.erase(0, 2);
  return path;
}

double HostProcessorMs(const std::wstring& exe) {
  const std::string want = ComparablePath(std::string(exe.begin(), exe.end()));
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (h == INVALID_HANDLE_VALUE) return -1;
  double ms = -1;
  do {
    const std::wstring pid = found.cFileName;
    if (pid.empty() || pid.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    const std::string cmd = ReadSmallFile(L"Z:\\proc\\" + pid + L"\\cmdline");
    const std::string first = ComparablePath(cmd.substr(0, cmd.find('\0')));
    if (first.size() < want.size() || first.compare(first.size() - want.size(), want.size(), want) != 0) continue;
    WIN32_FIND_DATAW task;
    const std::wstring tasks = L"Z:\\proc\\" + pid + L"\\task\\";
    HANDLE t = FindFirstFileW((tasks + L"*").c_str(), &task);
    if (t == INVALID_HANDLE_VALUE) continue;
    double ns = 0;
    do {
      if (task.cFileName[0] == L'.') continue;
      ns += std::strtod(ReadSmallFile(tasks + task.cFileName + L"\\schedstat").c_str(), nullptr);
    } while (FindNextFileW(t, &task));
    FindClose(t);
    ms = ns / 1e6;
    break;
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return ms;
}

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

BOOL CALLBACK AnyChildUnpainted(HWND child, LPARAM lp) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(lp) = true;
    return FALSE;
  }
  return TRUE;
}

bool Painted(HWND dlg) {
  if (GetUpdateRect(dlg, nullptr, FALSE)) return false;
  bool unpainted = false;
  EnumChildWindows(dlg, &AnyChildUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

// One run: milliseconds until the dialog is shown and painted (negative
// when it did not appear within 60 s), and the processor time the program
// used from its start to its end.
Run RunOnce(const Program& p) {
  std::wstring cmd = L"\"" + p.exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const double start = Now();
  if (!CreateProcessW(p.exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fwprintf(stderr, L"startup_probe: cannot start %ls (error %lu)\n", p.exe.c_str(), GetLastError());
    return {};
  }
  Run run;
  HWND dlg = nullptr;
  while (Now() - start < 60000) {
    dlg = FindWindowW(L"#32770", p.title.c_str());
    const bool visible = dlg && IsWindowVisible(dlg);
    if (visible && run.shown_ms < 0) run.shown_ms = Now() - start;
    if (visible && Painted(dlg)) {
      run.ms = Now() - start;
      run.cpu_ms = HostProcessorMs(p.exe);
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  if (dlg) PostMessageW(dlg, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return run;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5 || (argc - 2) % 3 != 0) {
    std::fwprintf(stderr, L"usage: startup_probe RUNS NAME TITLE EXE [NAME TITLE EXE ...]\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  std::vector<Program> programs;
  for (int i = 2; i + 2 < argc; i += 3) programs.push_back(Program{argv[i], argv[i + 1], argv[i + 2]});

  // One unmeasured round first: the first start after a build or a
  // server start reads the files from disk.
  for (const Program& p : programs) RunOnce(p);
  for (int r = 0; r < runs; ++r) {
    for (Program& p : programs) {
      const Run run = RunOnce(p);
      if (run.ms < 0) {
        std::fwprintf(stderr, L"startup_probe: %ls showed no window \"%ls\"\n", p.name.c_str(), p.title.c_str());
        return 1;
      }
      p.shown.push_back(run.shown_ms);
      p.ms.push_back(run.ms);
      p.cpu.push_back(run.cpu_ms);
      std::wprintf(L"run %d %ls shown %.1f ms, painted %.1f ms, processor %.1f ms\n", r + 1, p.name.c_str(),
                   run.shown_ms, run.ms, run.cpu_ms);
    }
  }
  const Program& first = programs[0];
  auto fastest = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
  const double base_cpu = Median(first.cpu);
  for (const Program& p : programs) {
    const double cpu = Median(p.cpu);
    for (const auto& [what, times, base] : {std::tuple{L"shown", &p.shown, &first.shown},
                                            std::tuple{L"painted", &p.ms, &first.ms}}) {
      const double m = Median(*times), least = fastest(*times);
      std::wprintf(L"%ls: %ls median %.1f ms (%.2fx %ls), fastest %.1f ms (%.2fx)\n", p.name.c_str(), what, m,
                   m / Median(*base), first.name.c_str(), least, least / fastest(*base));
    }
    std::wprintf(L"%ls: processor median %.1f ms (%.2fx)\n", p.name.c_str(), cpu, base_cpu > 0 ? cpu / base_cpu : 0.0);
  }
  return 0;
}
