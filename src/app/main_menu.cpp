#include "app/main_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/qt_text.h"
#include "app/tool_icons.h"
#include "common/text_entries.h"

namespace strandel {
namespace {

QAction* Item(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setShortcut(shortcut);
  return action;
}

void Caption(QAction* action, int entry) {
  action->setText(Tr(entry));
}
void Caption(QMenu* menu, int entry) {
  menu->setTitle(Tr(entry));
}

} // namespace

MainMenu BuildMainMenu(QMenuBar* bar) {
  MainMenu m;
  m.File = bar->addMenu(QStringLiteral("&File"));
  m.New = Item(m.File, "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
  m.Open = Item(m.File, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
  m.ReOpen = m.File->addMenu(QStringLiteral("&ReOpen"));
  m.Close = Item(m.File, "&Close");
  m.Save = Item(m.File, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S));
  m.SaveAs = Item(m.File, "Save &As");
  m.SaveImage = Item(m.File, "Save Model as image...");
  m.Print = Item(m.File, "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
  m.PrintScreen = Item(m.File, "Print Screen");
  m.PrintSetup = Item(m.File, "Print Setup...");
  m.DocumentInformation = Item(m.File, "Document information");
  m.Exit = Item(m.File, "E&xit");

  m.Edit = bar->addMenu(QStringLiteral("&Edit"));
  m.Undo = Item(m.Edit, "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
  m.Redo = Item(m.Edit, "&Redo");
  m.Redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  for (QAction* item : {m.Undo, m.Redo}) {
    item->setEnabled(false);
    item->setIconVisibleInMenu(false);
  }
  m.Undo->setIcon(ToolIcon("undo"));
  m.Redo->setIcon(ToolIcon("redo"));
  m.Edit->addSeparator();
  m.SelectAll = Item(m.Edit, "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A));
  m.DeselectAll = Item(m.Edit, "Deselect All");
  m.Delete = Item(m.Edit, "&Delete", QKeySequence(Qt::CTRL | Qt::Key_Delete));
  m.DeleteAllLoads = Item(m.Edit, "De&lete All Loads");
  m.CopyImage = Item(m.Edit, "Copy &Image to Clippboard", QKeySequence(Qt::CTRL | Qt::Key_I));
  m.AlignNodes = Item(m.Edit, "&Align Nodes to Line");
  m.MoveObjects = Item(m.Edit, "Move objects...");
  m.FlipBeams = Item(m.Edit, "Flip Beams");
  m.Edit->addSeparator();
  m.Copy = Item(m.Edit, "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
  m.Cut = Item(m.Edit, "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X));
  m.Paste = Item(m.Edit, "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V));
  m.Duplicate = Item(m.Edit, "D&uplicate", QKeySequence(Qt::CTRL | Qt::Key_D));
  m.Mirror = Item(m.Edit, "&Mirror about a line");
  m.LinearArray = Item(m.Edit, "Linear array...");
  m.RectangularArray = Item(m.Edit, "Rectangular array...");

  m.View = bar->addMenu(QStringLiteral("&View"));
  m.ZoomIn = Item(m.View, "Zoom &In");
  m.ZoomOut = Item(m.View, "Zoom &Out");
  m.ZoomWindow = Item(m.View, "Zoom &Window");
  m.ZoomExtents = Item(m.View, "Zoom &Extents");
  m.ZoomLast = Item(m.View, "Zoom &Last");
  m.Pan = Item(m.View, "&Pan");

  m.Draw = bar->addMenu(QStringLiteral("&Draw"));

  m.Tools = bar->addMenu(QStringLiteral("&Tools"));
  m.StructureGenerator = Item(m.Tools, "Structure &Generator...");
  m.StandardStructures = m.Tools->addMenu(QStringLiteral("&Standard Structures..."));
  m.Optimizer = Item(m.Tools, "&Optimizer...");

  m.Settings = bar->addMenu(QStringLiteral("&Settings"));
  m.ModelDisplay = m.Settings->addMenu(QStringLiteral("Model display..."));
  const char* switches[kDisplaySwitchCount] = {"Show node-numbers",    "Show support-numbers",
                                               "Show beam-numbers",    "Show beam-groups",
                                               "Show beam-directions", "Show load-values"};
  for (int i = 0; i < kDisplaySwitchCount; ++i) {
    m.DisplaySwitches[static_cast<std::size_t>(i)] = Item(m.ModelDisplay, switches[i]);
    m.DisplaySwitches[static_cast<std::size_t>(i)]->setCheckable(true);
  }
  m.Units = Item(m.Settings, "&Units...");
  m.Languages = m.Settings->addMenu(QStringLiteral("&Languages..."));
  m.DimensioningRules = Item(m.Settings, "Dimensioning rules...");
  m.LoadCases = Item(m.Settings, "Load cases...");
  m.Combinations = Item(m.Settings, "Combinations...");

  m.Help = bar->addMenu(QStringLiteral("&Help"));
  m.Contents = Item(m.Help, "&Contents...", QKeySequence(Qt::Key_F1));
  m.About = Item(m.Help, "&About Strandel");
  return m;
}

void ApplyMenuTexts(const MainMenu& m) {
  Caption(m.File, tr::kMenuFile);
  Caption(m.New, tr::kMenuFileNew);
  Caption(m.Open, tr::kMenuFileOpen);
  Caption(m.ReOpen, tr::kMenuFileReopen);
  Caption(m.Close, tr::kMenuFileClose);
  Caption(m.Save, tr::kMenuFileSave);
  Caption(m.SaveAs, tr::kMenuFileSaveAs);
  Caption(m.SaveImage, tr::kMenuFileSaveImage);
  Caption(m.Print, tr::kMenuFilePrint);
  Caption(m.PrintScreen, tr::kMenuFilePrintScreen);
  Caption(m.PrintSetup, tr::kMenuFilePrintSetup);
  Caption(m.DocumentInformation, tr::kMenuFileDocumentInfo);
  Caption(m.Exit, tr::kMenuFileExit);

  Caption(m.Edit, tr::kMenuEdit);
  // The window adds the name of the step to these.
  Caption(m.Undo, tr::kMenuEditUndo);
  Caption(m.Redo, tr::kMenuEditRedo);
  Caption(m.SelectAll, tr::kMenuEditSelectAll);
  Caption(m.DeselectAll, tr::kMenuEditDeselectAll);
  Caption(m.Delete, tr::kMenuEditDelete);
  Caption(m.DeleteAllLoads, tr::kMenuEditDeleteAllLoads);
  Caption(m.CopyImage, tr::kMenuEditCopyImage);
  Caption(m.AlignNodes, tr::kMenuEditAlignNodes);
  Caption(m.MoveObjects, tr::kMenuEditMoveObjects);
  Caption(m.FlipBeams, tr::kMenuEditFlipBeams);
  Caption(m.Copy, tr::kMenuEditCopy);
  Caption(m.Cut, tr::kMenuEditCut);
  Caption(m.Paste, tr::kMenuEditPaste);
  Caption(m.Duplicate, tr::kMenuEditDuplicate);
  Caption(m.Mirror, tr::kMenuEditMirror);
  Caption(m.LinearArray, tr::kMenuEditLinearArray);
  Caption(m.RectangularArray, tr::kMenuEditRectangularArray);

  Caption(m.View, tr::kMenuView);
  Caption(m.ZoomIn, tr::kMenuViewZoomIn);
  Caption(m.ZoomOut, tr::kMenuViewZoomOut);
  Caption(m.ZoomWindow, tr::kMenuViewZoomWindow);
  Caption(m.ZoomExtents, tr::kMenuViewZoomExtents);
  Caption(m.ZoomLast, tr::kMenuViewZoomLast);
  Caption(m.Pan, tr::kMenuViewPan);

  Caption(m.Draw, tr::kMenuDraw);
  Caption(m.Tools, tr::kMenuTools);
  Caption(m.StructureGenerator, tr::kMenuToolsStructureGenerator);
  Caption(m.StandardStructures, tr::kMenuToolsStandardStructures);
  Caption(m.Optimizer, tr::kMenuToolsOptimizer);

  Caption(m.Settings, tr::kMenuSettings);
  Caption(m.ModelDisplay, tr::kMenuSettingsModelDisplay);
  const int switches[kDisplaySwitchCount] = {
      tr::kMenuShowNodeNumbers, tr::kMenuShowSupportNumbers, tr::kMenuShowBeamNumbers,
      tr::kMenuShowBeamGroups,  tr::kMenuShowBeamDirections, tr::kMenuShowLoadValues};
  for (int i = 0; i < kDisplaySwitchCount; ++i)
    Caption(m.DisplaySwitches[static_cast<std::size_t>(i)], switches[i]);
  Caption(m.Units, tr::kMenuSettingsUnits);
  Caption(m.Languages, tr::kMenuSettingsLanguages);
  Caption(m.DimensioningRules, tr::kMenuSettingsDimensioningRules);
  Caption(m.LoadCases, tr::kMenuSettingsLoadCases);
  Caption(m.Combinations, tr::kMenuSettingsCombinations);

  Caption(m.Help, tr::kMenuHelp);
  Caption(m.Contents, tr::kMenuHelpContents);
  Caption(m.About, tr::kMenuHelpAbout);
}

} // namespace strandel
