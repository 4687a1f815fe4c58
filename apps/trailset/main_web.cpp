// trailset in a browser: the same windows as the Windows program, on the
// browser host. The page first asks for the folder to start in (the card),
// as the desktop program starts in its working directory.
#include "platform/web/web_host.h"
#include "shell/app.h"

int main() {
  platform::web::WebServices services(platform::web::AskStartFolder());
  platform::SetServices(&services);
  platform::web::WebHost host;
  const int code = RunApplication(host);
  platform::web::ShowEnded();
  return code;
}
