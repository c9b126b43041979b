// What differs between the real window and the headless page: where keys
// come from, what the clock says, and how the page is shown.
#pragma once

#include <memory>
#include <string>

#include "errors.h"
#include "page.h"

class Backend {
 public:
  virtual ~Backend() = default;
  Page& page() { return *page_; }

  // "" or one key, as the keyboard poll reports it.
  virtual std::string PollKey() = 0;
  virtual std::string Clock() = 0;
  virtual void Maximize() {}
  // The error screen shows `error`; the program goes no further.
  [[noreturn]] virtual void WaitUntilClosed(const RuntimeError& error) = 0;

 protected:
  std::unique_ptr<Page> page_;
};

// The backend the runtime operations use. The caller keeps ownership.
void InstallBackend(Backend* backend);
Backend& CurrentBackend();
