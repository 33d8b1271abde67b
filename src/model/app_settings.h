#pragma once
// The user's preferences, kept in the settings file (Strandel.ini): language,
// folders, the template beam of new beams, drawing sizes, recent documents, unit
// choices, the labels the model view shows and the smallest values the beam page
// shows. Read once at start, written once when the main window closes.

#include <string>
#include <vector>

#include "common/atomic_write.h"
#include "model/document.h"
#include "units/units.h"

namespace strandel {

// At most this many recent documents are kept.
inline constexpr std::size_t kMaxRecentDocs = 10;

// A crash costs at most this much work unless the settings say otherwise.
inline constexpr double kDefaultAutosaveMinutes = 5;

// The step the cursor snaps to until the user sets another: half a metre hits
// the usual bay widths and storey heights; finer points are typed.
inline constexpr double kDefaultGridStep = 0.5;

struct AppSettings {
  std::string Language = "English";
  std::string LastPath;     // folder of the current model document, ends in "/"
  std::string ReportFolder; // folder of the report templates, ends in "/"
  // The beam line every new beam starts from, so it takes the material and
  // profile of the last beam edited. Empty: every default of the beam line.
  std::string LastBeamStr;
  std::vector<std::string> RecentDocs; // full paths, most recent first
  double LastBeamHeight = 0.11;        // drawing sizes given to a new model
  double LastTxtHeight = 0.11;
  double LastLoadHeight = 0.30;
  UnitChoice Units;
  // Force components and moments smaller than these are left off the beam page.
  double MinLoadValue = 1;   // N/m
  double MinForceValue = 1;  // N
  double MinMomentValue = 1; // Nm
  bool ShowNodeNumbers = false;
  bool ShowSuppNumbers = false;
  bool ShowBeamNumbers = true;
  bool ShowBeamGroups = false;
  bool ShowBeamDirection = true;
  bool ShowLoadValues = false;
  // How often a document with unsaved changes is copied for recovery after a
  // crash; 0 switches the copies off.
  double AutosaveMinutes = kDefaultAutosaveMinutes;
  // The grid step, model length units (> 0), the same at every zoom.
  double GridStep = kDefaultGridStep;
  // The main window's size, place and maximised state as the window system
  // saves them (base64); empty: sized to fit the screen.
  std::string WindowGeometry;
};

// The folder documents are saved in at a first start: the user's documents
// folder (UserDocumentsFolder), never the program's own, whose Models/ holds
// the examples that come with it.
std::string DefaultModelFolder();
// The report templates are only read: <data>/Reports/ when it exists, else the
// data folder.
std::string DefaultReportFolder(const std::string& dataFolder);

// Reads the settings file; a missing one (the first start) is no fault: every
// key takes its default, without a word. A stored model folder that no longer
// exists or cannot be written, and a report folder that no longer exists, fall
// back to the defaults; empty recent-document entries are skipped.
AppSettings LoadSettings(const std::string& settingsPath, const std::string& dataFolder);

// The file's bytes, sections and keys in their fixed order.
std::string WriteSettingsText(const AppSettings& settings);
// Writes the file through a temporary file beside it, so a failed save leaves the
// previous settings file as it was.
WriteResult SaveSettings(const AppSettings& settings, const std::string& settingsPath,
                         FileOps& ops);
WriteResult SaveSettings(const AppSettings& settings, const std::string& settingsPath);

// The drawing sizes a new document takes from the settings.
DocumentSizes NewDocumentSizes(const AppSettings& settings);

} // namespace strandel
