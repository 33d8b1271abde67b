#pragma once
// Text between the core (UTF-8 std::string) and Qt (QString).

#include <QString>
#include <string>

#include "common/translation.h"

namespace strandel {

inline QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text) {
  return text.toStdString();
}
// A translation entry as a QString.
inline QString Tr(int entry) {
  return ToQt(Translated(entry));
}
// The entry, or `english` when no language file gives it.
inline QString TrOr(int entry, const char* english) {
  return ToQt(TranslatedOr(entry, english));
}

} // namespace strandel
