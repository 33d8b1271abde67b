#include "sections/section_context.h"

#include "common/user_message.h"
#include "sections/frame_connections.h"

namespace strandel {

SectionContext::SectionContext() = default;
SectionContext::~SectionContext() = default;

void SectionContext::Note(SectionNote kind, std::string text) {
  for (const auto& note : notes_) {
    if (note.first == kind) return;
  }
  notes_.emplace_back(kind, std::move(text));
}

std::vector<std::string> SectionContext::NoteTexts() const {
  std::vector<std::string> texts;
  for (const auto& note : notes_)
    texts.push_back(note.second);
  return texts;
}

void SectionContext::ShowNotes(UserMessages& messages) {
  for (const auto& note : notes_)
    messages.Show(note.second, MessageKind::Warning);
  notes_.clear();
}

const FrameConnections& SectionContext::Connections(const ModelDocument& doc) {
  if (!connections_ || indexed_ != &doc) {
    connections_ = std::make_unique<FrameConnections>(doc);
    indexed_ = &doc;
  }
  return *connections_;
}

} // namespace strandel
