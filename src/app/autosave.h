#pragma once
// Autosave: while the document has unsaved changes, a recovery copy of it is
// written every few minutes (AutosaveMinutes of the settings) into the user's
// state folder, so a crash costs at most that much work. The document and its
// Modified state are never touched; a save or a normal close removes the copy.

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "common/user_message.h"
#include "model/document.h"

namespace strandel {

class Autosave : public QObject {
  Q_OBJECT
public:
  // `documentPath` gives the document's full path at the time of each copy.
  Autosave(const ModelDocument& doc, std::function<std::string()> documentPath,
           std::string recoveryFolder, UserMessages& messages, QObject* parent = nullptr);

  // The object the user is placing, if any (a beam whose end is not yet
  // clicked): the copy holds the model without it and without the nodes made
  // for it, as the last finished step left the model.
  void SetUnfinished(std::function<const GraphObject*()> unfinished) {
    unfinished_ = std::move(unfinished);
  }
  // Minutes between copies (fractions allowed); 0 or less stops them.
  void SetInterval(double minutes);
  // Writes the copy when the document has changes the last copy lacks; the
  // timer calls this. The first failure is reported, later ones are not, so a
  // full disk does not bring up a message every few minutes.
  void WriteCopy();
  // The document was saved, replaced or closed: without unsaved changes it
  // needs no copy any more.
  void DocumentStateChanged();
  // The window closes normally (saved, or the changes given up): the copy goes.
  void RemoveCopy();
  // A copy recovered at start becomes this run's copy: it stays until the
  // work is saved or given up, or until this run has written its own.
  void Adopt(const std::string& copyPath);

  const QTimer& Timer() const { return timer_; }
  // The copy this run keeps; empty while there is none.
  const std::string& CopyPath() const { return copyPath_; }

private:
  const ModelDocument& doc_;
  std::function<std::string()> documentPath_;
  std::function<const GraphObject*()> unfinished_;
  std::string folder_;
  UserMessages& messages_;
  std::string session_;
  std::string copyPath_;
  std::string copiedBytes_; // what the copy holds, so an unchanged model is not written again
  bool failureReported_ = false;
  QTimer timer_;
};

} // namespace strandel
