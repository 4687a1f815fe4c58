#include "platform/services.h"

#include <cstdlib>

namespace platform {
namespace {
Services* g_services = nullptr;
}

void SetServices(Services* services) { g_services = services; }

Services& GetServices() {
  if (!g_services) std::abort();  // the entry point sets the services before any window runs
  return *g_services;
}

bool HasServices() { return g_services != nullptr; }

}  // namespace platform
