#pragma once
// What the desktop program's benchmarks share: one offscreen application for
// the whole run, and file dialogs that never ask, so no benchmark meets a
// question.

#include <QApplication>
#include <optional>
#include <string>

#include "app/file_dialogs.h"

namespace strandel {

inline QApplication& OffscreenApplication() {
  static int argc = 1;
  static char name[] = "strandel_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

class NoFileDialogs : public FileDialogs {
public:
  std::optional<std::string> ChooseModelToOpen(const std::string&) override { return {}; }
  std::optional<std::string> ChooseModelToSave(const std::string&, const std::string&) override {
    return {};
  }
};

} // namespace strandel
