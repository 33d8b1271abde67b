// The desktop program's window as an installed program starts it, for
// tests/install/read_only_program_test.sh: the running program's own folders
// (program, data, settings, documents), messages recorded and every question
// answered Yes, the save dialog answered from the command line. It starts, saves
// a new document with one node and closes, and prints what the user would have
// met, one "key=value" line each.
//
// strandel-first-start-probe [SAVE_AS ...]: each SAVE_AS answers one save dialog
// in turn; "{offered}" in it stands for the folder the dialog offered.

#include <QApplication>
#include <cstdio>
#include <deque>
#include <string>

#include "app/app_environment.h"
#include "app/main_window.h"
#include "app/qt_output_dialogs.h"
#include "common/files.h"
#include "common/text.h"
#include "common/user_message.h"

namespace {

class AnsweredDialogs : public strandel::FileDialogs {
public:
  std::optional<std::string> ChooseModelToOpen(const std::string&) override { return {}; }
  std::optional<std::string> ChooseModelToSave(const std::string& folder,
                                               const std::string&) override {
    std::printf("offered=%s\n", folder.c_str());
    if (Answers.empty()) return {};
    const std::string answer = strandel::ReplaceAll(Answers.front(), "{offered}", folder);
    Answers.pop_front();
    return answer;
  }
  std::deque<std::string> Answers;
};

} // namespace

int main(int argc, char** argv) {
  using namespace strandel;
  QApplication application(argc, argv);
  AnsweredDialogs dialogs;
  for (int i = 1; i < argc; ++i)
    dialogs.Answers.push_back(argv[i]);
  RecordingMessages messages;
  messages.DefaultAnswer = MessageAnswer::Yes;
  const AppEnvironment environment = AppEnvironment::OfRunningProgram();
  QtOutputDialogs outputDialogs;
  auto window = std::make_unique<MainWindow>(environment, messages, dialogs, outputDialogs);
  std::printf("messages_at_start=%zu\n", messages.Entries.size());
  std::printf("settings=%s\n", environment.SettingsPath.c_str());
  std::printf("settings_written_at_start=%d\n", FileExists(environment.SettingsPath) ? 1 : 0);
  std::printf("model_folder=%s\n", window->Settings().LastPath.c_str());

  TNodeObject& node = AppendObject<TNodeObject>(window->Document());
  node.Number = 1;
  window->Document().Modified = true;
  const bool saved = window->Commands().Save();
  for (const RecordingMessages::Entry& entry : messages.Entries)
    std::printf("%s=%s\n", entry.Question ? "asked" : "told", OneLine(entry.Text).c_str());
  std::printf("saved=%d\n", saved ? 1 : 0);
  std::printf("document=%s\n", window->Commands().DocumentPath().c_str());
  window->Document().Modified = false;
  window->close();
  return 0;
}
