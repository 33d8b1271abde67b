#include "app/app_fixture.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "app/model_page.h"
#include "app/qt_text.h"
#include "common/translation.h"
#include "model/document_file.h"

namespace strandel::testing {
namespace {

void CopyDataFolder(const std::string& name, const std::string& target) {
  const std::filesystem::path source = std::filesystem::path(STRANDEL_SOURCE_DIR) / "data" / name;
  std::filesystem::copy(source, std::filesystem::path(target) / name,
                        std::filesystem::copy_options::recursive);
}

QAction* FindItem(QMenu* menu, const QString& title) {
  for (QAction* action : menu->actions()) {
    if (action->menu()) {
      if (QAction* found = FindItem(action->menu(), title)) return found;
    } else if (action->text() == title) {
      return action;
    }
  }
  return nullptr;
}

} // namespace

std::optional<std::string> ScriptedFileDialogs::ChooseModelToOpen(const std::string& folder) {
  ++OpenAsked;
  LastFolder = folder;
  if (OpenAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = OpenAnswers.front();
  OpenAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedFileDialogs::ChooseModelToSave(const std::string& folder,
                                                                  const std::string& proposedName) {
  ++SaveAsked;
  LastFolder = folder;
  LastProposedName = proposedName;
  if (SaveAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = SaveAnswers.front();
  SaveAnswers.pop_front();
  return answer;
}

void WatchedMessages::Show(const std::string& text, MessageKind kind) {
  if (OnShow) OnShow(text);
  RecordingMessages::Show(text, kind);
}

AppFixture::AppFixture(std::optional<std::string> settingsText) {
  const std::string data = Folder.File("data/");
  std::filesystem::create_directories(data + "Models");
  for (const char* name : {"Languages", "Structures", "Help", "Reports", "Materials", "Profiles"})
    CopyDataFolder(name, data);
  Environment.DataFolder = data;
  Environment.SettingsPath = Folder.File("Strandel.ini");
  Environment.RecoveryFolder = Folder.File("state/");
  if (settingsText) {
    const std::string text = settingsText->empty() ? "[Default-Settings]\r\nLast-Path=" + data +
                                                         "Models/\r\n" + "Language=English\r\n"
                                                   : *settingsText;
    Folder.Write("Strandel.ini", text);
  }
  Messages.DefaultAnswer = MessageAnswer::Cancel;
  // Every test starts as the program does, before a language is loaded.
  SetTranslations({});
}

AppFixture::~AppFixture() {
  if (window_) {
    // Whatever the test left, the window goes without asking.
    window_->Document().Modified = false;
    window_->close();
  }
}

MainWindow& AppFixture::Start(const std::string& firstArgument) {
  window_ = std::make_unique<MainWindow>(Environment, Messages, Dialogs, Output, firstArgument);
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("the window was not exposed");
  return *window_;
}

bool AppFixture::Close() {
  return window_->close();
}

std::string AppFixture::WriteModel(const std::string& name, const std::string& objects) {
  return Folder.Write(name, ModelText(objects));
}

QAction* AppFixture::StandardStructureItem(const std::string& title) const {
  return FindItem(window_->Menu().StandardStructures, ToQt(title));
}

std::vector<std::string> AppFixture::MessageTexts() const {
  std::vector<std::string> texts;
  for (const RecordingMessages::Entry& entry : Messages.Entries)
    texts.push_back(entry.Text);
  return texts;
}

std::string PortalFrameObjects() {
  return "1;1;0;0;0;-1\n"
         "1;2;0;3;0;-1\n"
         "1;3;4;3;0;-1\n"
         "1;4;4;0;0;-1\n"
         "2;1;1;2;True;True;False;;0;0;0;3\n"
         "2;2;2;3;True;True;False;;0;3;4;3\n"
         "2;3;4;3;True;True;False;;4;0;4;3\n"
         "3;1;1;0;0;0;0;0;1;True;False\n"
         "3;2;4;0;0;0;4;0;1;True;False\n"
         "4;1;2;3;2;0;3;4;3;-1.5707963267949;1000;0.5\n";
}

std::string UnsupportedBeamObjects() {
  return "1;1;0;0;0;-1\n"
         "1;2;4;0;0;-1\n"
         "2;1;1;2;True;True;False;;0;0;4;0\n";
}

std::string ModelText(const std::string& objects) {
  std::istringstream lines(objects);
  std::string line;
  std::string body;
  long count = 0;
  while (std::getline(lines, line))
    if (!line.empty()) body += ObjectKey(++count) + "=" + line + "\r\n";
  return "[History-data]\r\nCreatedDate=2004-03-01\r\nCreatedByUser=anna\r\n"
         "CreationVersion=3.1.4\r\nLastModDate=2004-03-02\r\nLastModByUser=anna\r\n"
         "[Model-Objects]\r\nGraphObjCount=" +
         std::to_string(count) + "\r\n" + body;
}

QPoint PixelOf(MainWindow& window, double x, double y) {
  const PixelPoint at = ToScreen(window.Model()->ModelEditor().View(), x, y);
  return {at.X, at.Y};
}

} // namespace strandel::testing
