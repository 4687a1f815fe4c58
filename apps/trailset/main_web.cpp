// trailset in a browser: the same windows as the Windows program, on the
// browser host. The page first asks for the folder to start in (the card),
// as the desktop program starts in its working directory.
#include "apps/common/all_windows.h"
#include "platform/web/web_host.h"
#include "records/app_state.h"
#include "shell/app.h"

int main() {
  platform::web::WebServices services(platform::web::AskStartFolder());
  platform::SetServices(&services);
  platform::web::WebHost host;
  AppState state;
  AppStateScope scope(state);  // the page after the end speaks the language chosen
  const int code = RunApplication(host, AllWindows(), state);
  platform::web::ShowEnded();
  return code;
}
