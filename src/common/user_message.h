#pragma once
// How the core speaks to the user. Every message a core function has for the user
// (a bad file, a refused copy) goes through this interface: the window shows a
// message box, the batch front end one line on stderr, a test records it.

#include <string>
#include <vector>

namespace strandel {

enum class MessageKind { Information, Warning, Error };
// RecoverDiscardLater answers Yes (recover), No (discard) or Cancel (later).
enum class MessageButtons { YesNo, YesNoCancel, OkCancel, RecoverDiscardLater };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class UserMessages {
public:
  virtual ~UserMessages() = default;
  virtual void Show(const std::string& text, MessageKind kind) = 0;
  virtual MessageAnswer Ask(const std::string& text, MessageButtons buttons) = 0;
};

// One line per message on stderr; questions take `answer` without asking.
class StderrMessages : public UserMessages {
public:
  explicit StderrMessages(MessageAnswer answer = MessageAnswer::No) : answer_(answer) {}
  void Show(const std::string& text, MessageKind kind) override;
  MessageAnswer Ask(const std::string& text, MessageButtons buttons) override;

private:
  MessageAnswer answer_;
};

// Keeps every message and answers questions from a queue (then `defaultAnswer`).
class RecordingMessages : public UserMessages {
public:
  struct Entry {
    std::string Text;
    bool Question = false;
  };
  void Show(const std::string& text, MessageKind kind) override;
  MessageAnswer Ask(const std::string& text, MessageButtons buttons) override;

  std::vector<Entry> Entries;
  std::vector<MessageAnswer> Answers; // taken from the front
  MessageAnswer DefaultAnswer = MessageAnswer::Cancel;
};

// Swallows everything; for callers that have already reported, or batch loops.
class SilentMessages : public UserMessages {
public:
  void Show(const std::string&, MessageKind) override {}
  MessageAnswer Ask(const std::string&, MessageButtons) override { return MessageAnswer::Cancel; }
};

// The message as one line: line breaks become single blanks.
std::string OneLine(const std::string& text);

} // namespace strandel
