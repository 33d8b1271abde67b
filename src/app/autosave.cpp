#include "app/autosave.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "common/files.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "model/document_file.h"
#include "model/recovery.h"

namespace strandel {

Autosave::Autosave(const ModelDocument& doc, std::function<std::string()> documentPath,
                   std::string recoveryFolder, UserMessages& messages, QObject* parent)
    : QObject(parent), doc_(doc), documentPath_(std::move(documentPath)),
      folder_(std::move(recoveryFolder)), messages_(messages), session_(RecoverySessionName()) {
  connect(&timer_, &QTimer::timeout, this, &Autosave::WriteCopy);
}

void Autosave::SetInterval(double minutes) {
  if (!(minutes > 0)) {
    timer_.stop();
    return;
  }
  // QTimer counts milliseconds in an int: about 24 days at most.
  const double ms = std::min(std::round(minutes * 60'000), static_cast<double>(INT_MAX));
  timer_.start(std::max(1, static_cast<int>(ms)));
}

void Autosave::WriteCopy() {
  // Without a recovery folder (an environment that names none) nothing is copied.
  if (!doc_.Modified || folder_.empty()) return;
  const std::string documentPath = documentPath_();
  const std::string copyPath = RecoveryCopyPath(folder_, documentPath, session_);
  const GraphObject* unfinished = unfinished_ ? unfinished_() : nullptr;
  const std::string bytes = WriteDocumentText(doc_, [unfinished](const GraphObject& object) {
    const TNodeObject* node = std::get_if<TNodeObject>(&object);
    return &object == unfinished || (node != nullptr && node->Provisional);
  });
  if (copyPath == copyPath_ && bytes == copiedBytes_) return;
  FileOps ops;
  const WriteResult written = WriteRecoveryText(bytes, documentPath, copyPath, ops);
  if (!written.ok) {
    if (!failureReported_)
      messages_.Show(ReplaceAll(Translated(tr::kMsgRecoveryCopyFailed), "%1", written.message),
                     MessageKind::Warning);
    failureReported_ = true;
    return;
  }
  // A copy under an earlier name (an adopted one, or one written before the
  // document got its name) holds less than the new one.
  if (!copyPath_.empty() && copyPath_ != copyPath) RemoveRecoveryCopy(copyPath_);
  copyPath_ = copyPath;
  copiedBytes_ = bytes;
}

void Autosave::DocumentStateChanged() {
  if (!copyPath_.empty() && !doc_.Modified) RemoveCopy();
}

void Autosave::RemoveCopy() {
  if (copyPath_.empty()) return;
  RemoveRecoveryCopy(copyPath_);
  copyPath_.clear();
  copiedBytes_.clear();
}

void Autosave::Adopt(const std::string& copyPath) {
  RemoveCopy();
  copyPath_ = copyPath;
}

} // namespace strandel
