#include "platform/headless/app_stack.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

// The address sanitizer (GCC says so by a macro, clang by a feature).
#if defined(__SANITIZE_ADDRESS__)
#define TS_APP_THREAD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TS_APP_THREAD 1
#endif
#endif

#if defined(TS_APP_THREAD)
#include <condition_variable>
#include <mutex>
#include <thread>
#elif defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>
#endif

namespace headless {

namespace {

// The application's stack: as deep as a thread's by default. Pages are
// only taken as it grows.
constexpr std::size_t kStackBytes = 8u << 20;

// A user action asked for by the application itself would switch to a
// stack that is already running.
constexpr char kActionFromInside[] = "a user action was asked for from inside the application";

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "headless: %s\n", what);
  std::abort();
}

// The application's entry must return normally: whatever it throws has no
// driver frame to reach, as on a thread of its own.
void RunEntry(std::function<void()>& entry) {
  try {
    entry();
  } catch (...) {
    std::terminate();
  }
}

}  // namespace

#if defined(TS_APP_THREAD)

struct AppStack::Impl {
  std::function<void()> entry;
  std::mutex m;
  std::condition_variable cv;
  bool app_turn = false;
  bool started = false;
  bool returned = false;
  std::chrono::milliseconds timeout{30000};
  std::thread thread;

  void WaitForDriverTurn(std::unique_lock<std::mutex>& lk) {
    if (!cv.wait_for(lk, timeout, [this] { return !app_turn; })) {
      std::fprintf(stderr, "headless: the application did not become idle within %lld ms\n",
                   static_cast<long long>(timeout.count()));
      std::abort();
    }
  }
};

AppStack::AppStack() : impl_(std::make_unique<Impl>()) {}

AppStack::~AppStack() {
  if (impl_->thread.joinable()) impl_->thread.join();
}

void AppStack::Start(std::function<void()> entry) {
  Impl& i = *impl_;
  i.entry = std::move(entry);
  std::unique_lock<std::mutex> lk(i.m);
  i.started = true;
  i.app_turn = true;
  i.thread = std::thread([&i] {
    RunEntry(i.entry);
    std::lock_guard<std::mutex> end(i.m);
    i.returned = true;
    i.app_turn = false;
    i.cv.notify_all();
  });
  i.WaitForDriverTurn(lk);
}

void AppStack::Resume() {
  Impl& i = *impl_;
  std::unique_lock<std::mutex> lk(i.m);
  if (i.returned) return;
  if (i.app_turn) Fail(kActionFromInside);
  i.app_turn = true;
  i.cv.notify_all();
  i.WaitForDriverTurn(lk);
}

void AppStack::HandBack() {
  Impl& i = *impl_;
  std::unique_lock<std::mutex> lk(i.m);
  i.app_turn = false;
  i.cv.notify_all();
  i.cv.wait(lk, [&i] { return i.app_turn; });
}

bool AppStack::Started() const {
  std::lock_guard<std::mutex> lk(impl_->m);
  return impl_->started;
}

bool AppStack::Returned() const {
  std::lock_guard<std::mutex> lk(impl_->m);
  return impl_->returned;
}

void AppStack::SetTimeout(std::chrono::milliseconds t) {
  std::lock_guard<std::mutex> lk(impl_->m);
  impl_->timeout = t;
}

#elif defined(_WIN32)

namespace {

// The fiber running on this thread. The thread becomes a fiber when it
// first starts an application and stays one: another session on the same
// thread may still be switching.
thread_local void* g_running = nullptr;

void* RunningFiber() {
  if (!g_running) {
    g_running = ConvertThreadToFiber(nullptr);
    if (!g_running) Fail("the thread could not become a fiber");
  }
  return g_running;
}

void SwitchTo(void* fiber) {
  g_running = fiber;
  SwitchToFiber(fiber);
}

}  // namespace

struct AppStack::Impl {
  std::function<void()> entry;
  bool started = false;
  bool returned = false;
  bool app_running = false;
  void* driver = nullptr;  // the fiber that last resumed the application
  void* fiber = nullptr;

  static void CALLBACK Main(void* self) {
    Impl& i = *static_cast<Impl*>(self);
    RunEntry(i.entry);
    i.returned = true;
    SwitchTo(i.driver);  // a fiber's function must never return
  }
};

AppStack::AppStack() : impl_(std::make_unique<Impl>()) {}

AppStack::~AppStack() {
  if (impl_->fiber) DeleteFiber(impl_->fiber);
}

void AppStack::Start(std::function<void()> entry) {
  Impl& i = *impl_;
  i.entry = std::move(entry);
  i.fiber = CreateFiberEx(64 * 1024, kStackBytes, 0, &Impl::Main, &i);
  if (!i.fiber) Fail("no fiber could be made for the application");
  i.started = true;
  Resume();
}

void AppStack::Resume() {
  Impl& i = *impl_;
  if (i.returned) return;
  if (i.app_running) Fail(kActionFromInside);
  i.driver = RunningFiber();
  i.app_running = true;
  SwitchTo(i.fiber);
  i.app_running = false;
}

void AppStack::HandBack() { SwitchTo(impl_->driver); }

bool AppStack::Started() const { return impl_->started; }
bool AppStack::Returned() const { return impl_->returned; }
void AppStack::SetTimeout(std::chrono::milliseconds) {}

#else

struct AppStack::Impl {
  std::function<void()> entry;
  bool started = false;
  bool returned = false;
  bool app_running = false;
  ucontext_t driver{};  // where the last Resume waits
  ucontext_t app{};
  void* mapping = nullptr;
  std::size_t mapped = 0;

  // makecontext passes int arguments: the pointer comes in two halves.
  static void Main(unsigned hi, unsigned lo) {
    auto* i = reinterpret_cast<Impl*>((static_cast<uintptr_t>(hi) << 32) | lo);
    RunEntry(i->entry);
    i->returned = true;
    // Returning continues at uc_link: the driver's last Resume.
  }
};

AppStack::AppStack() : impl_(std::make_unique<Impl>()) {}

AppStack::~AppStack() {
  if (impl_->mapping) munmap(impl_->mapping, impl_->mapped);
}

void AppStack::Start(std::function<void()> entry) {
  Impl& i = *impl_;
  i.entry = std::move(entry);
  // A page below the stack that nobody may touch: running out of stack
  // faults there instead of writing over other memory.
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  i.mapped = kStackBytes + page;
  i.mapping = mmap(nullptr, i.mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK,
                   -1, 0);
  if (i.mapping == MAP_FAILED) {
    i.mapping = nullptr;
    Fail("no stack could be mapped for the application");
  }
  if (mprotect(i.mapping, page, PROT_NONE) != 0) Fail("the application's stack could not be guarded");
  if (getcontext(&i.app) != 0) Fail("the application's context could not be made");
  i.app.uc_stack.ss_sp = static_cast<char*>(i.mapping) + page;
  i.app.uc_stack.ss_size = kStackBytes;
  i.app.uc_link = &i.driver;
  const auto self = reinterpret_cast<uintptr_t>(&i);
  makecontext(&i.app, reinterpret_cast<void (*)()>(&Impl::Main), 2, static_cast<unsigned>(self >> 32),
              static_cast<unsigned>(self & 0xFFFFFFFFu));
  i.started = true;
  Resume();
}

void AppStack::Resume() {
  Impl& i = *impl_;
  if (i.returned) return;
  if (i.app_running) Fail(kActionFromInside);
  i.app_running = true;
  if (swapcontext(&i.driver, &i.app) != 0) Fail("the application could not be resumed");
  i.app_running = false;
}

void AppStack::HandBack() {
  Impl& i = *impl_;
  if (swapcontext(&i.app, &i.driver) != 0) Fail("the application could not hand back");
}

bool AppStack::Started() const { return impl_->started; }
bool AppStack::Returned() const { return impl_->returned; }
void AppStack::SetTimeout(std::chrono::milliseconds) {}

#endif

}  // namespace headless
