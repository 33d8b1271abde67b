#pragma once
// What the program asks of the operating system besides files: who is working and
// where the program lives.

#include <string>

namespace strandel {

// The login name (at most 255 characters); "?" when it cannot be found.
std::string CurrentUserName();

// The folder of the running executable, ending in "/" ("./" when unknown).
std::string ProgramFolder();

// Today's date as date text, "yyyy-MM-dd".
std::string TodayText();

} // namespace strandel
