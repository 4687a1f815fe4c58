// Starts a program and reports, in milliseconds from the start, when its
// first top-level window is mapped and when it is painted (a pixel near
// its bottom right corner shows the dialog background, 240,240,240):
// start-up as a user sees it. The program is ended afterwards.
//
//   x_map_time PROGRAM [ARGS...]      prints "mapped_ms painted_ms"
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// A mapped window's size, once the server has it.
bool Painted(Display* d, Window w) {
  XWindowAttributes a{};
  if (!XGetWindowAttributes(d, w, &a) || a.width < 4 || a.height < 4) return false;
  XImage* img = XGetImage(d, w, a.width - 3, a.height - 3, 1, 1, AllPlanes, ZPixmap);
  if (!img) return false;
  const unsigned long px = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  return px == 0xF0F0F0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: x_map_time PROGRAM [ARGS...]\n");
    return 2;
  }
  // A busy server refuses a connection now and then.
  Display* d = nullptr;
  for (int attempt = 0; attempt < 10 && !d; ++attempt) {
    if (attempt) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    d = XOpenDisplay(nullptr);
  }
  if (!d) {
    std::fprintf(stderr, "x_map_time: cannot open the display\n");
    return 1;
  }
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);
  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    // What the program prints is not part of the measure.
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  double mapped = -1, painted = -1;
  Window win = 0;
  while (painted < 0 && Ms(start) < 20000) {
    if (!win) {
      while (XPending(d)) {
        XEvent ev;
        XNextEvent(d, &ev);
        if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(d) && !win) {
          win = ev.xmap.window;
          mapped = Ms(start);
        }
      }
      if (!win) {
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(d), &fds);
        timeval tv{0, 100000};
        select(ConnectionNumber(d) + 1, &fds, nullptr, nullptr, &tv);
      }
      continue;
    }
    if (Painted(d, win)) painted = Ms(start);
    else std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  if (painted < 0) {
    std::fprintf(stderr, "x_map_time: %s showed no painted window\n", argv[1]);
    return 1;
  }
  std::printf("%.1f %.1f\n", mapped, painted);
  return 0;
}
