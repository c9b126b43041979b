// Test support: a fresh headless page for each test, with helpers to feed
// keys and to read the operation log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headless.h"
#include "runtime.h"

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The start-up state of every program (font, pen, seed, start values,
  // shared arrays), without the menu.
  void StartUp();
  // Queue keys, in the player's key-script notation.
  void Keys(const std::string& script);
  HeadlessBackend& backend() { return *backend_; }
  const std::vector<LoggedOp>& Log() { return backend_->page().log; }
  void ClearLog() { backend_->page().log.clear(); }
  // The logged operations of one kind, in order.
  std::vector<LoggedOp> Ops(const std::string& name);
  // The strings of the logged text operations, UTF-8, in order.
  std::vector<std::string> Texts();
  // The printers' notes of texts put on the page; the measuring prints,
  // which go below it, left out.
  std::vector<LoggedOp> PagePrints();
  // How often the press-a-key prompt was put up.
  int KeyWaits();
  // "x y colour text" of the markup printer's texts on the page, in order.
  std::vector<std::string> MarkupPrints();
  // The width the markup printer gives `sjis` (its measuring prints go to
  // the log, below the page).
  float MarkupWidth(const std::string& sjis);

 private:
  std::unique_ptr<HeadlessBackend> backend_;
};

// A fresh page in the start-up state of every program, its log empty: where
// most tests of the printers, figures and pages begin.
class StartedPageTest : public HeadlessTest {
 protected:
  void SetUp() override;
};

// UTF-8 of a Shift-JIS text, for readable assertions.
std::string Utf8(const std::string& sjis);

// A whole program run through the player, in its own process.
struct PlayerRun {
  std::string ending;            // what the player printed
  std::vector<std::string> log;  // the operation log, one line each
  int exit_code = -1;
};
PlayerRun RunPlayer(const std::string& program, const std::string& keys,
                    const std::string& clock = "12:00:00");
