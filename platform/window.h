// Window logic and the host that runs it.
//
// A Window is the behaviour of one dialog template. The host creates the
// dialog from the template's layout (platform/layout.h), then calls
// OnInit and, for every native notification, one of the other methods.
//
// Hand-over between windows is flat: a window that leads to another sets
// its successor with SetNext() and ends its dialog; RunWindowChain then
// creates and runs the successor. No dialog call nests inside another for
// a hand-over, so switching windows any number of times keeps the stack
// where it was. The one window opened over another (the GPS coordinates
// mailbox) is run with Host::RunModal from inside a handler.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "platform/dialog.h"

namespace platform {

enum class Notify {
  Clicked,     // button, check box, radio button; also kIdOk / kIdCancel (Enter, Escape)
  SelChange,   // list selection changed by the user
  SelEndOk,    // list selection confirmed by the user (follows SelChange)
  EditChange,  // edit text changed (by the user or by the program)
  KillFocus,   // edit lost the keyboard focus
};

enum class WindowKind {
  None,
  Main,            // template 100
  CameraSetup,     // template 113 or 108, by the current model
  WirelessParams,  // template 114
  SendSettings,    // template 115
  GpsMailbox,      // template 138 (opened over WirelessParams, not by hand-over)
};

class Window {
 public:
  virtual ~Window() = default;

  // Dialog template this window is built from.
  virtual int TemplateId() const = 0;
  // True for a window that opens without an owner, so the window behind
  // it stays responsive.
  virtual bool Ownerless() const { return false; }

  virtual void OnInit(Dialog& dlg) = 0;
  virtual void OnCommand(Dialog& dlg, int id, Notify what) = 0;
  virtual void OnTimer(Dialog& /*dlg*/, int /*timer_id*/) {}
  // The window's close box (or Alt+F4).
  virtual void OnClose(Dialog& dlg) = 0;
  virtual void OnPaint(Dialog& /*dlg*/) {}

  WindowKind Next() const { return next_; }

 protected:
  void SetNext(WindowKind next) { next_ = next; }

 private:
  WindowKind next_ = WindowKind::None;
};

class Services;

class Host {
 public:
  virtual ~Host() = default;
  // Creates the dialog of w.TemplateId(), runs it modally and returns the
  // result given to Dialog::End. May be called from inside a handler of
  // another window (the GPS coordinates mailbox).
  virtual int RunModal(Window& w) = 0;
};

using WindowFactory = std::function<std::unique_ptr<Window>()>;

// The windows of a program: one factory per kind. A kind without one is
// not part of the program.
class WindowRegistry {
 public:
  void Register(WindowKind kind, WindowFactory factory);
  bool Has(WindowKind kind) const;
  // A new window of the kind, or nullptr when the program has none.
  std::unique_ptr<Window> Create(WindowKind kind) const;

 private:
  static constexpr std::size_t kKinds = static_cast<std::size_t>(WindowKind::GpsMailbox) + 1;
  std::array<WindowFactory, kKinds> factories_{};
};

// The host the application runs on; set once by the entry point.
void SetCurrentHost(Host* host);
Host& CurrentHost();

// Runs `first`, then each successor a window names, until a window ends
// without one; a successor the registry lacks leads back to the main
// window. Returns the number of windows run.
long RunWindowChain(Host& host, const WindowRegistry& windows, WindowKind first);

}  // namespace platform
