#pragma once
// The translation list: every text the user sees is an entry of one program-wide
// list of numbered strings, read from the language file of the chosen language.

#include <string>
#include <vector>

namespace strandel {

// Entry `index` of the list; "?" when no list is loaded or the entry is missing.
const std::string& Translated(int index);

// When the file exists, the list becomes its lines (entry i is line i counted
// from 0, lines taken as they are, empty lines included) and true is returned;
// otherwise the list keeps what it held.
bool LoadLanguage(const std::string& path);

// Replaces the list (tests and the built-in texts).
void SetTranslations(std::vector<std::string> entries);
int TranslationCount();

} // namespace strandel
