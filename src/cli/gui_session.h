#pragma once
// The drawing commands need Qt's GUI machinery (fonts above all) but no window:
// a GuiSession brings it up for their run, on the "offscreen" platform when
// there is no display, so the batch front end draws on a build server too. The
// commands that do not draw never start it.

#include <memory>

class QGuiApplication;

namespace strandel::cli {

class GuiSession {
public:
  GuiSession();
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

private:
  int argc_ = 1;
  char name_[16] = "strandel-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

} // namespace strandel::cli
