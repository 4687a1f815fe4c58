#include "platform/window.h"

#include <cstdlib>

namespace platform {
namespace {

Host* g_host = nullptr;

}  // namespace

void WindowRegistry::Register(WindowKind kind, WindowFactory factory) {
  factories_[static_cast<std::size_t>(kind)] = std::move(factory);
}

bool WindowRegistry::Has(WindowKind kind) const { return static_cast<bool>(factories_[static_cast<std::size_t>(kind)]); }

std::unique_ptr<Window> WindowRegistry::Create(WindowKind kind) const {
  const WindowFactory& f = factories_[static_cast<std::size_t>(kind)];
  return f ? f() : nullptr;
}

void SetCurrentHost(Host* host) { g_host = host; }

Host& CurrentHost() {
  if (!g_host) std::abort();  // the entry point sets the host before any window runs
  return *g_host;
}

long RunWindowChain(Host& host, const WindowRegistry& windows, WindowKind first) {
  long count = 0;
  WindowKind kind = first;
  while (kind != WindowKind::None) {
    std::unique_ptr<Window> w = windows.Create(kind);
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
