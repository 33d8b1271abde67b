#pragma once
// A desktop program over a temporary data folder: the languages, standard
// structures, report templates, libraries and user guide of the source tree, a settings
// file of the test's choosing, recorded messages and scripted file, printer
// and picture dialogs.

#include <QPoint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/app_environment.h"
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "app/scripted_output_dialogs.h"
#include "common/user_message.h"
#include "support/temp_folder.h"

namespace strandel::testing {

// Answers the file dialogs from queues; an empty queue answers "cancelled".
class ScriptedFileDialogs : public FileDialogs {
public:
  std::optional<std::string> ChooseModelToOpen(const std::string& folder) override;
  std::optional<std::string> ChooseModelToSave(const std::string& folder,
                                               const std::string& proposedName) override;

  std::deque<std::optional<std::string>> OpenAnswers;
  std::deque<std::optional<std::string>> SaveAnswers;
  int OpenAsked = 0;
  int SaveAsked = 0;
  std::string LastFolder;
  std::string LastProposedName;
};

// Records every message; OnShow runs while a message is shown, when the window
// behind the message box looks as the user sees it then.
class WatchedMessages : public RecordingMessages {
public:
  void Show(const std::string& text, MessageKind kind) override;
  std::function<void(const std::string&)> OnShow;
};

class AppFixture {
public:
  // Copies the data folders; the settings file says Language=English unless
  // `settingsText` gives another (nullopt: no settings file, a first start).
  explicit AppFixture(std::optional<std::string> settingsText = std::string());
  ~AppFixture();

  // Makes and shows the window.
  MainWindow& Start(const std::string& firstArgument = {});
  MainWindow& Window() { return *window_; }
  // Closes the window as the user does; true when it closed.
  bool Close();

  // A model file in the temporary folder.
  std::string WriteModel(const std::string& name, const std::string& objects);
  // The Tools menu's standard-structure item of that title, or null.
  QAction* StandardStructureItem(const std::string& title) const;
  // The texts of the messages so far.
  std::vector<std::string> MessageTexts() const;

  TempFolder Folder;
  AppEnvironment Environment;
  WatchedMessages Messages;
  ScriptedFileDialogs Dialogs;
  ScriptedOutputDialogs Output;

private:
  std::unique_ptr<MainWindow> window_;
};

// A portal frame that stands: two fixed columns and a beam, rigid corners, a
// load on the beam, 4 m wide and 3 m high.
std::string PortalFrameObjects();
// A beam on two nodes with no support: it cannot be solved.
std::string UnsupportedBeamObjects();
// A document file with those object lines.
std::string ModelText(const std::string& objects);

// Where the model point (x, y) lies in the model view's pixels.
QPoint PixelOf(MainWindow& window, double x, double y);

} // namespace strandel::testing
