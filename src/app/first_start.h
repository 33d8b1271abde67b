#pragma once
// What a first start (no settings file yet) gives a new user, so that the first
// frame drawn is a sound one: SI units, and a template beam of a steel IPE 200
// in S235 from the libraries. Settings files that exist keep what they hold.

#include <string>

#include "model/app_settings.h"

namespace strandel {

// The library entries of the first template beam.
inline constexpr const char* kFirstProfile = "IPE 200";
inline constexpr const char* kFirstMaterial = "S235";

// SI units and the template beam. A library file that is missing or unreadable
// leaves that part of the beam at its defaults.
void ApplyFirstStartDefaults(AppSettings& settings, const std::string& dataFolder);

} // namespace strandel
