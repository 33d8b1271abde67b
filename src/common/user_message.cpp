#include "common/user_message.h"

#include <cstdio>

namespace strandel {

std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  bool lastWasBreak = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!lastWasBreak && !line.empty()) line.push_back(' ');
      lastWasBreak = true;
    } else {
      line.push_back(c);
      lastWasBreak = false;
    }
  }
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return line;
}

void StderrMessages::Show(const std::string& text, MessageKind kind) {
  const char* prefix = kind == MessageKind::Error ? "error: " : "";
  std::fprintf(stderr, "%s%s\n", prefix, OneLine(text).c_str());
}

MessageAnswer StderrMessages::Ask(const std::string& text, MessageButtons) {
  std::fprintf(stderr, "%s\n", OneLine(text).c_str());
  return answer_;
}

void RecordingMessages::Show(const std::string& text, MessageKind) {
  Entries.push_back({text, false});
}

MessageAnswer RecordingMessages::Ask(const std::string& text, MessageButtons) {
  Entries.push_back({text, true});
  if (Answers.empty()) return DefaultAnswer;
  const MessageAnswer answer = Answers.front();
  Answers.erase(Answers.begin());
  return answer;
}

} // namespace strandel
