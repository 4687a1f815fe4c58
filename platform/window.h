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

using WindowFactory = std::unique_ptr<Window> (*)();

// The application registers one factory per kind before running the chain.
void RegisterWindow(WindowKind kind, WindowFactory factory);
std::unique_ptr<Window> CreateWindow(WindowKind kind);

// The host the application runs on; set once by the entry point.
void SetCurrentHost(Host* host);
Host& CurrentHost();

// Runs `first`, then each successor a window names, until a window ends
// without one. Returns the number of windows run.
long RunWindowChain(Host& host, WindowKind first);

}  // namespace platform
