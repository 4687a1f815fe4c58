#include "records/app_state.h"

#include "records/catalogue.h"
#include "records/diag.h"

namespace {

AppState g_default_state;
AppState* g_state = &g_default_state;

}  // namespace

AppState& App() { return *g_state; }

AppStateScope::AppStateScope(AppState& state) : previous_(g_state) { g_state = &state; }
AppStateScope::~AppStateScope() { g_state = previous_; }

uint16_t GetModelCode() { return App().ModelCode; }

void UpdateModelCode() {
  App().ModelCode = static_cast<uint16_t>(((App().ModelFamily << 8) | App().ModelIndex) & 0xFFFF);
}

uint8_t GetCamWirelessFunc() {
  const uint8_t func = ModelWirelessFunc(App().ModelFamily, App().ModelIndex);
  Diag("CamWirelessFunc = %d\n", func);
  return func;
}

void ResetAppState() { static_cast<SelectionState&>(App()) = SelectionState{}; }
