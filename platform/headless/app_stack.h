// Where the headless application runs between two user actions.
//
// The application and its driver take turns: the driver hands over one
// action and waits, the application runs until it waits in a modal loop
// again and hands the turn back. Only one side ever runs. The application
// gets a stack of its own on the driver's thread (a ucontext on POSIX, a
// fiber on Windows), so a turn is a switch of stacks, not the wake-up of
// another thread through the scheduler. The address sanitizer follows one
// stack per thread, so its builds give the application a thread of its own
// instead; the turns are the same.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace headless {

class AppStack {
 public:
  AppStack();
  ~AppStack();  // the entry must have returned (or never been started)
  AppStack(const AppStack&) = delete;
  AppStack& operator=(const AppStack&) = delete;

  // Driver side: starts entry on the application's side and returns when
  // it hands the turn back (or has returned).
  void Start(std::function<void()> entry);
  // Driver side: the application runs until it hands the turn back.
  void Resume();
  bool Started() const;
  bool Returned() const;

  // Application side: hands the turn to the driver; returns when the
  // driver resumes it.
  void HandBack();

  // How long the driver waits for its turn where the application has a
  // thread of its own (the process is aborted: an application that never
  // hands back is a fault). On its own stack the driver simply waits.
  void SetTimeout(std::chrono::milliseconds t);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace headless
