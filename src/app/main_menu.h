#pragma once
// The main menu of the window: every menu and item with its accelerator and
// shortcut, captioned with the program's built-in English until the language's
// texts are applied. The window connects the items to its commands.

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace strandel {

// The "Model display..." switches, in the order they are stored.
enum class DisplaySwitch {
  NodeNumbers,
  SupportNumbers,
  BeamNumbers,
  BeamGroups,
  BeamDirections,
  LoadValues
};
inline constexpr int kDisplaySwitchCount = 6;

struct MainMenu {
  QMenu* File = nullptr;
  QAction* New = nullptr;
  QAction* Open = nullptr;
  QMenu* ReOpen = nullptr;
  QAction* Close = nullptr;
  QAction* Save = nullptr;
  QAction* SaveAs = nullptr;
  QAction* SaveImage = nullptr;
  QAction* Print = nullptr;
  QAction* PrintScreen = nullptr;
  QAction* PrintSetup = nullptr;
  QAction* DocumentInformation = nullptr;
  QAction* Exit = nullptr;

  QMenu* Edit = nullptr;
  // Also the first two buttons of the Model page's tool bar.
  QAction* Undo = nullptr;
  QAction* Redo = nullptr;
  QAction* SelectAll = nullptr;
  QAction* DeselectAll = nullptr;
  QAction* Delete = nullptr;
  QAction* DeleteAllLoads = nullptr;
  QAction* CopyImage = nullptr;
  QAction* AlignNodes = nullptr;
  QAction* MoveObjects = nullptr;
  QAction* FlipBeams = nullptr;
  QAction* Copy = nullptr;
  QAction* Cut = nullptr;
  QAction* Paste = nullptr;
  QAction* Duplicate = nullptr;
  QAction* Mirror = nullptr;
  QAction* LinearArray = nullptr;
  QAction* RectangularArray = nullptr;

  QMenu* View = nullptr;
  QAction* ZoomIn = nullptr;
  QAction* ZoomOut = nullptr;
  QAction* ZoomWindow = nullptr;
  QAction* ZoomExtents = nullptr;
  QAction* ZoomLast = nullptr;
  QAction* Pan = nullptr;

  // The create tools of the Model page, with their one-key shortcuts; the
  // window puts the tool bar's buttons in it.
  QMenu* Draw = nullptr;

  QMenu* Tools = nullptr;
  QAction* StructureGenerator = nullptr;
  QMenu* StandardStructures = nullptr;
  QAction* Optimizer = nullptr;

  QMenu* Settings = nullptr;
  QMenu* ModelDisplay = nullptr;
  std::array<QAction*, kDisplaySwitchCount> DisplaySwitches{};
  QAction* Units = nullptr;
  QMenu* Languages = nullptr;
  QAction* DimensioningRules = nullptr;
  QAction* LoadCases = nullptr;
  QAction* Combinations = nullptr;

  QMenu* Help = nullptr;
  QAction* Contents = nullptr;
  QAction* About = nullptr;

  QAction* DisplaySwitchItem(DisplaySwitch which) const {
    return DisplaySwitches[static_cast<std::size_t>(which)];
  }
};

// Builds the menus into the bar.
MainMenu BuildMainMenu(QMenuBar* bar);

// Sets every caption from the translation list.
void ApplyMenuTexts(const MainMenu& menu);

} // namespace strandel
