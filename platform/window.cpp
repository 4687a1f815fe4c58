#include "platform/window.h"

#include <array>
#include <cstdlib>

namespace platform {
namespace {

constexpr std::size_t kKinds = static_cast<std::size_t>(WindowKind::GpsMailbox) + 1;
std::array<WindowFactory, kKinds> g_factories{};
Host* g_host = nullptr;

}  // namespace

void RegisterWindow(WindowKind kind, WindowFactory factory) {
  g_factories[static_cast<std::size_t>(kind)] = factory;
}

std::unique_ptr<Window> CreateWindow(WindowKind kind) {
  WindowFactory f = g_factories[static_cast<std::size_t>(kind)];
  return f ? f() : nullptr;
}

void SetCurrentHost(Host* host) { g_host = host; }

Host& CurrentHost() {
  if (!g_host) std::abort();  // the entry point sets the host before any window runs
  return *g_host;
}

long RunWindowChain(Host& host, WindowKind first) {
  long count = 0;
  WindowKind kind = first;
  while (kind != WindowKind::None) {
    std::unique_ptr<Window> w = CreateWindow(kind);
    if (!w) {
      // A window that is not part of this build leads back to the main window.
      if (kind == WindowKind::Main) break;
      kind = WindowKind::Main;
      continue;
    }
    host.RunModal(*w);
    ++count;
    kind = w->Next();
  }
  return count;
}

}  // namespace platform
