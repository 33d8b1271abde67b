#pragma once
// The numbers of the translation list: every text the program shows is the line of
// that number in the language file, so callers write Translated(tr::kOkButton), never
// a bare number. Numbers are part of the language files' format: never renumber an
// entry; a new text takes the next free number (the highest in use is
// kLastEntry) and a line in every language file.

namespace strandel::tr {

// Line 0: the language's own name as its speakers write it ("Svenska").
inline constexpr int kLanguageName = 0;

// Buttons shared by every dialog and message box.
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr int kYesButton = 3;
inline constexpr int kNoButton = 4;
inline constexpr int kCloseButton = 5;

// Unit label of the angle field in the force, load and moment dialog.
inline constexpr int kAngleUnitLabel = 6;

// Page captions of the main window.
inline constexpr int kPageModel = 7;
inline constexpr int kPageAnalysis = 8;
inline constexpr int kPageReports = 9;
inline constexpr int kPageFem = 279;

// "&File" menu.
inline constexpr int kMenuFile = 10;
inline constexpr int kMenuFileNew = 11;
inline constexpr int kMenuFileOpen = 12;
inline constexpr int kMenuFileReopen = 13;
inline constexpr int kMenuFileClose = 14;
inline constexpr int kMenuFileSave = 15;
inline constexpr int kMenuFileSaveAs = 16;
inline constexpr int kMenuFileSaveImage = 17;
inline constexpr int kMenuFilePrint = 18;
inline constexpr int kMenuFilePrintScreen = 19;
inline constexpr int kMenuFilePrintSetup = 20;
inline constexpr int kMenuFileDocumentInfo = 21;
inline constexpr int kMenuFileExit = 22;

// "&Edit" menu.
inline constexpr int kMenuEdit = 23;
inline constexpr int kMenuEditSelectAll = 24;
inline constexpr int kMenuEditDeselectAll = 25;
inline constexpr int kMenuEditDelete = 26;
inline constexpr int kMenuEditDeleteAllLoads = 27;
inline constexpr int kMenuEditCopyImage = 28;
inline constexpr int kMenuEditAlignNodes = 29;
inline constexpr int kMenuEditMoveObjects = 30;
inline constexpr int kMenuEditFlipBeams = 31;

// "&View" menu.
inline constexpr int kMenuView = 32;
inline constexpr int kMenuViewZoomIn = 33;
inline constexpr int kMenuViewZoomOut = 34;
inline constexpr int kMenuViewZoomWindow = 35;
inline constexpr int kMenuViewZoomExtents = 36;
inline constexpr int kMenuViewZoomLast = 37;
inline constexpr int kMenuViewPan = 38;

// "&Tools" menu.
inline constexpr int kMenuTools = 39;
inline constexpr int kMenuToolsStructureGenerator = 40;
inline constexpr int kMenuToolsStandardStructures = 41;
inline constexpr int kMenuToolsOptimizer = 42;

// "&Settings" menu and its "Model display..." switches.
inline constexpr int kMenuSettings = 43;
inline constexpr int kMenuSettingsModelDisplay = 44;
inline constexpr int kMenuShowNodeNumbers = 45;
inline constexpr int kMenuShowSupportNumbers = 46;
inline constexpr int kMenuShowBeamNumbers = 47;
inline constexpr int kMenuShowBeamGroups = 48;
inline constexpr int kMenuShowBeamDirections = 49;
inline constexpr int kMenuShowLoadValues = 257;
inline constexpr int kMenuSettingsUnits = 50;
inline constexpr int kMenuSettingsLanguages = 51;
inline constexpr int kMenuSettingsDimensioningRules = 52;

// "&Help" menu.
inline constexpr int kMenuHelp = 53;
inline constexpr int kMenuHelpContents = 54;
inline constexpr int kMenuHelpAbout = 57;

// About box (the version number itself is not translated).
inline constexpr int kAboutCaption = 55;
inline constexpr int kAboutDescription = 56;
inline constexpr int kAboutVersionLabel = 58;

// Hints of the Model page's tool buttons and scale controls.
inline constexpr int kHintCreateNode = 59;
inline constexpr int kHintCreateBeam = 60;
inline constexpr int kHintCreateSupport = 61;
inline constexpr int kHintCreateLoad = 62;
inline constexpr int kHintCreateForce = 63;
inline constexpr int kHintCreateMoment = 64;
inline constexpr int kHintZoomOut = 65;
inline constexpr int kHintZoomIn = 66;
inline constexpr int kHintZoomWindow = 67;
inline constexpr int kHintZoomExtents = 68;
inline constexpr int kHintZoomBack = 69;
inline constexpr int kHintPan = 70;
inline constexpr int kHintCartesianGrid = 71;
inline constexpr int kHintAngulatedGrid = 72;
inline constexpr int kHintPolarGrid = 73;
inline constexpr int kHintShowDisplacements = 74;
inline constexpr int kHintShowUtilisation = 75;
inline constexpr int kHintBeamScale = 244;
inline constexpr int kHintLoadScale = 245;
inline constexpr int kHintDisplacementScale = 246;

// Hints of the Analysis page: the beam list and the seven diagram buttons.
inline constexpr int kHintDiagramBeam = 247;
inline constexpr int kHintNormalForceDiagram = 248;
inline constexpr int kHintShearForceDiagram = 249;
inline constexpr int kHintMomentDiagram = 250;
inline constexpr int kHintRotationDiagram = 251;
inline constexpr int kHintDisplacementDiagram = 252;
inline constexpr int kHintStressDiagram = 253;
inline constexpr int kHintUtilisationDiagram = 254;

// Hints of the Reports page.
inline constexpr int kHintReportList = 255;
inline constexpr int kHintReportMenu = 256;

// Status-bar instructions of the editing modes. Several modes share one text: the
// node, support, force-position and moment-position modes all ask for a point; the
// three direction modes, the two first points and the two second points of a line
// share theirs.
inline constexpr int kStatusPlacePoint = 226;
inline constexpr int kStatusDrawBeamStart = 227;
inline constexpr int kStatusDrawBeamEnd = 228;
inline constexpr int kStatusSupportPoint = 229;
inline constexpr int kStatusSupportDirection = 230;
inline constexpr int kStatusLoadPickBeam = 231;
inline constexpr int kStatusLoadStart = 232;
inline constexpr int kStatusLoadEnd = 233;
inline constexpr int kStatusSetDirection = 234;
inline constexpr int kStatusPickNodeOrBeam = 235;
inline constexpr int kStatusLineFirstPoint = 236;
inline constexpr int kStatusLineSecondPoint = 237;
inline constexpr int kStatusGridOrigin = 238;
inline constexpr int kStatusMoveBasePoint = 239;
inline constexpr int kStatusMoveTargetX = 240;
inline constexpr int kStatusMoveTargetY = 241;
inline constexpr int kStatusZoomWindow = 242;
inline constexpr int kStatusPan = 243;

// Messages of the main window and the editor.
inline constexpr int kMsgSaveChanges = 183;
inline constexpr int kMsgOverwriteFile = 184;
inline constexpr int kMsgWrongFileType = 185; // followed by the file's extension
inline constexpr int kMsgAnalysisFailed = 186;
// The second line of kMsgAnalysisFailed: where the structure can move; "%1"
// stands for the node number.
inline constexpr int kMsgStructureMovesInX = 288;
inline constexpr int kMsgStructureMovesInY = 289;
inline constexpr int kMsgStructureTurns = 290;
inline constexpr int kMsgInfiniteUpdateLoop = 280;

// Titles of the file dialogs.
inline constexpr int kFileDialogOpenModel = 281;
inline constexpr int kFileDialogSaveModel = 282;
inline constexpr int kFileDialogSaveImage = 283;
inline constexpr int kFileDialogSaveMaterial = 284;
inline constexpr int kFileDialogSaveProfile = 285;

// Labels of the document-information box, each padded with dots before its value.
inline constexpr int kDocInfoCreatedDate = 174;
inline constexpr int kDocInfoCreatedBy = 175;
inline constexpr int kDocInfoCreationVersion = 176;
inline constexpr int kDocInfoLastModDate = 177;
inline constexpr int kDocInfoLastModBy = 178;

// Units dialog: caption and the eleven quantity labels.
inline constexpr int kUnitsCaption = 158;
inline constexpr int kUnitLabelLength = 76;
inline constexpr int kUnitLabelDisplacement = 77;
inline constexpr int kUnitLabelForce = 78;
inline constexpr int kUnitLabelDistributedLoad = 79;
inline constexpr int kUnitLabelStress = 80;
inline constexpr int kUnitLabelSecondMoment = 81;
inline constexpr int kUnitLabelSectionModulus = 82;
inline constexpr int kUnitLabelArea = 83;
inline constexpr int kUnitLabelMoment = 84;
inline constexpr int kUnitLabelMass = 85;
inline constexpr int kUnitLabelDensity = 86;

// Node, support and force/load/moment dialogs. The force, load and moment captions
// are the quantity names of the units dialog, followed by the object's name.
inline constexpr int kForceCaption = 78;
inline constexpr int kLoadCaption = 79;
inline constexpr int kMomentCaption = 84;
inline constexpr int kLoadLabelValue = 87;
inline constexpr int kLoadLabelAngle = 88;
inline constexpr int kLoadLabelTextPos = 117;
inline constexpr int kNodeCaption = 188;
inline constexpr int kNodeLabelX = 89;
inline constexpr int kNodeLabelY = 90;
inline constexpr int kNodeLabelPositionOnBeam = 91;
inline constexpr int kSupportCaption = 187;
inline constexpr int kSupportLabelDirection = 92;
inline constexpr int kSupportLabelYDisplacement = 93;
inline constexpr int kSupportLabelXDisplacement = 94;
inline constexpr int kSupportLabelRotation = 95;
inline constexpr int kSupportLabelLocked = 96;
inline constexpr int kSupportLabelRolled = 97;

// Beam properties dialog: caption, pages, labels, menus and the input boxes it asks.
inline constexpr int kBeamCaption = 189;
inline constexpr int kBeamPageProfile = 98;
inline constexpr int kBeamPageMaterial = 99;
inline constexpr int kBeamPageMisc = 100;
inline constexpr int kBeamAchievedProperties = 101;
inline constexpr int kBeamCompressionCapacity = 102;
inline constexpr int kBeamTensileCapacity = 103;
inline constexpr int kBeamMomentCapacity = 104;
inline constexpr int kBeamLabelProfileName = 105;
inline constexpr int kBeamLabelManufacture = 106;
inline constexpr int kBeamLabelDimControl = 107;
inline constexpr int kBeamLabelBraced = 108;
inline constexpr int kBeamLabelMaterialName = 109;
inline constexpr int kBeamLabelSafetyClass = 110;
inline constexpr int kBeamLabelClimateZone = 111;
inline constexpr int kBeamLabelLoadDuration = 112;
inline constexpr int kBeamLabelHardenable = 113;
inline constexpr int kBeamLabelDensity = 114;
inline constexpr int kBeamLabelDescription = 115;
inline constexpr int kBeamLabelGroup = 116;
inline constexpr int kBeamLabelColour = 118;
inline constexpr int kBeamLabelTextPos = 119;
inline constexpr int kBeamLabelCorner1Locked = 190;
inline constexpr int kBeamLabelCorner2Locked = 191;
inline constexpr int kBeamDefaultColour = 192;
inline constexpr int kBeamHintAddGroup = 264;
inline constexpr int kBeamHintDeleteGroup = 265;
inline constexpr int kBeamMenuLoadProfile = 130;
inline constexpr int kBeamMenuSaveProfile = 131;
inline constexpr int kBeamMenuProfileByIA = 132;
inline constexpr int kBeamMenuLoadMaterial = 193;
inline constexpr int kBeamMenuSaveMaterial = 258;
inline constexpr int kProfileByIACaption = 259;
inline constexpr int kPromptSecondMoment = 260; // followed by the unit name
inline constexpr int kPromptArea = 261;         // followed by the unit name
inline constexpr int kNewGroupCaption = 262;
inline constexpr int kNewGroupPrompt = 266;
inline constexpr int kMsgLProfileMustBeBraced = 263;

// Names of the ten profile shapes, shape 1 first; also the name a new profile gets.
inline constexpr int kShapeRectangularSolid = 120;
inline constexpr int kShapeCircularSolid = 121;
inline constexpr int kShapeRectangularTube = 122;
inline constexpr int kShapeCircularTube = 123;
inline constexpr int kShapeIProfile = 124;
inline constexpr int kShapeHProfile = 125;
inline constexpr int kShapeUProfile = 126;
inline constexpr int kShapeTProfile = 127;
inline constexpr int kShapeLProfile = 128;
inline constexpr int kShapeLLProfile = 129;
inline constexpr int kFirstShapeName = kShapeRectangularSolid; // + shape number - 1

// Items of the material choice lists. High, normal and low serve both the safety
// class ("1 - low" ... "3 - high") and the dimension control; yes and no serve the
// hardenable and braced choices and the report's braced text.
inline constexpr int kManufactureHotRolled = 194;
inline constexpr int kManufactureColdFormed = 195;
inline constexpr int kManufactureExtruded = 196;
inline constexpr int kManufactureWelded = 197;
inline constexpr int kChoiceHigh = 198;
inline constexpr int kChoiceNormal = 199;
inline constexpr int kChoiceLow = 200;
inline constexpr int kClimateZone0 = 201;
inline constexpr int kClimateZone1 = 202;
inline constexpr int kClimateZone2 = 203;
inline constexpr int kClimateZone3 = 204;
inline constexpr int kLoadDurationPermanent = 205;
inline constexpr int kLoadDurationLong = 206;
inline constexpr int kLoadDurationMedium = 207;
inline constexpr int kLoadDurationShort = 208;
inline constexpr int kChoiceYes = 209;
inline constexpr int kChoiceNo = 210;
inline constexpr int kManufactureSawnTimber = 211;
inline constexpr int kManufactureGlulam = 212;

// Texts the report templates' reduction parameters expand to.
inline constexpr int kReportReductionNeglected = 213;
inline constexpr int kReportClimateZone0 = 214;
inline constexpr int kReportClimateZone1 = 215;
inline constexpr int kReportClimateZone2 = 216;
inline constexpr int kReportClimateZone3 = 217;
inline constexpr int kReportLoadDurationPermanent = 218;
inline constexpr int kReportLoadDurationLong = 219;
inline constexpr int kReportLoadDurationMedium = 220;
inline constexpr int kReportLoadDurationShort = 221;
inline constexpr int kReportSwitchOn = 222;
inline constexpr int kReportSwitchOff = 223;
inline constexpr int kReportOwnWeightOn = 224;
inline constexpr int kReportOwnWeightOff = 225;

// Dimensioning-rules dialog: caption, group and the switches in dialog order.
inline constexpr int kDimRulesCaption = 164;
inline constexpr int kDimRulesGroup = 165;
inline constexpr int kDimRuleFailureHazard = 166;
inline constexpr int kDimRuleDimensionUncertainty = 167;
inline constexpr int kDimRuleLateralBuckling = 168;
inline constexpr int kDimRuleLocalBuckling = 169;
inline constexpr int kDimRuleLoadDuration = 170;
inline constexpr int kDimRuleAirMoisture = 171;
inline constexpr int kDimRuleOwnWeight = 172;
inline constexpr int kDimRuleSecondOrder = 173;

// Structure generator: caption, labels in dialog order, and the five kinds.
inline constexpr int kGeneratorCaption = 152;
inline constexpr int kGeneratorLabelStructure = 133;
inline constexpr int kGeneratorLabelHeight = 134;
inline constexpr int kGeneratorLabelWidth = 135;
inline constexpr int kGeneratorLabelLengthSections = 136;
inline constexpr int kGeneratorLabelHeightSections = 137;
inline constexpr int kGeneratorLabelMiddleHeight = 138;
inline constexpr int kGeneratorLabelDistributedLoad = 139;
inline constexpr int kStructureFrame = 153;
inline constexpr int kStructureTower = 154;
inline constexpr int kStructureTrussGirder = 155;
inline constexpr int kStructureArch = 156;
inline constexpr int kStructureSuspensionBridge = 157;
inline constexpr int kFirstStructureName = kStructureFrame; // + kind

// Optimizer dialog.
inline constexpr int kOptimizerCaption = 140;
inline constexpr int kOptimizerVariables = 141;
inline constexpr int kOptimizerOptimize = 142;
inline constexpr int kOptimizerObjective = 143;
inline constexpr int kOptimizerAlgorithm = 144;
inline constexpr int kOptimizerAlgorithmComplex = 145;
inline constexpr int kOptimizerAlgorithmCyclic = 146;
inline constexpr int kOptimizerStart = 147;
inline constexpr int kOptimizerStop = 148;
inline constexpr int kOptimizerOriginalValue = 149;
inline constexpr int kOptimizerBestValue = 267;
inline constexpr int kOptimizerCycle = 268;
inline constexpr int kOptimizerConvergence = 269;
inline constexpr int kOptimizerMinimizeUtilisation = 179;
inline constexpr int kOptimizerMinimizeDisplacement = 180;
inline constexpr int kOptimizerKeepResult = 181;
inline constexpr int kOptimizerAborted = 182;
// A run whose every trial point failed to solve.
inline constexpr int kOptimizerNothingSolved = 291;

// Constraint editor of one optimization variable.
inline constexpr int kConstraintCaption = 270;
inline constexpr int kConstraintVariable = 271;
inline constexpr int kConstraintType = 272;
inline constexpr int kConstraintInterval = 273;
inline constexpr int kConstraintEqual = 274;
inline constexpr int kConstraintMirror = 275;
inline constexpr int kConstraintLowerBound = 276;
inline constexpr int kConstraintUpperBound = 277;
inline constexpr int kConstraintAssociated = 278;

// Print dialog.
inline constexpr int kPrintSetupButton = 150;
inline constexpr int kPrintButton = 151;
inline constexpr int kPrintCaption = 159;
inline constexpr int kPrintOptions = 160;
inline constexpr int kPrintModel = 161;
inline constexpr int kPrintFreeBody = 162;
inline constexpr int kPrintReport = 163;

// The sign conventions printed at the head of the beam sheet, where results are read.
inline constexpr int kBeamSheetSignsAxes = 286;
inline constexpr int kBeamSheetSignsForces = 287;

// The question at start when a recovery copy holds unsaved work ("%1" the file's
// name, "%2" the time of the copy), its three answers, and the warning when a
// copy cannot be written ("%1" why).
inline constexpr int kMsgRecoverChanges = 292;
inline constexpr int kRecoverButton = 293;
inline constexpr int kDiscardButton = 294;
inline constexpr int kLaterButton = 295;
inline constexpr int kMsgRecoveryCopyFailed = 296;

// Undo and redo: the Edit menu's items and tool buttons, the names of the
// steps, and what is said when the history cannot go on.
inline constexpr int kMenuEditUndo = 297;
inline constexpr int kMenuEditRedo = 298;
inline constexpr int kHintUndo = 299;
inline constexpr int kHintRedo = 300;
inline constexpr int kStepCreateNode = 301;
inline constexpr int kStepCreateBeam = 302;
inline constexpr int kStepCreateSupport = 303;
inline constexpr int kStepCreateLoad = 304;
inline constexpr int kStepCreateForce = 305;
inline constexpr int kStepCreateMoment = 306;
inline constexpr int kStepMoveNode = 307;
inline constexpr int kStepMergeNodes = 308;
inline constexpr int kStepMoveObjects = 309;
inline constexpr int kStepDelete = 310;
inline constexpr int kStepDeleteAllLoads = 311;
inline constexpr int kStepAlignNodes = 312;
inline constexpr int kStepFlipBeams = 313;
inline constexpr int kStepBeamSize = 314;
inline constexpr int kStepLoadSize = 315;
inline constexpr int kStepLoadProperties = 316;
inline constexpr int kStepForceProperties = 317;
inline constexpr int kStepMomentProperties = 318;
inline constexpr int kStepChange = 319;
inline constexpr int kMsgHistoryOutOfStep = 320;

// The beam dialog refusing a text the stored beam line cannot hold.
inline constexpr int kMsgBeamTextSemicolon = 321;
inline constexpr int kMsgBeamTextTooLong = 322;

// Why a numeric field refuses what was typed, when the expression evaluator's own
// message does not say it: an arithmetic fault, a value out of the field's range.
inline constexpr int kMsgFieldDivisionByZero = 323;
inline constexpr int kMsgFieldNotDefined = 324;
inline constexpr int kMsgFieldTooLarge = 325;
inline constexpr int kMsgFieldPercentRange = 326;
inline constexpr int kMsgFieldNotPositive = 327;
inline constexpr int kMsgFieldBelowOne = 328;

// The title line at the head of every printed and exported sheet ("%1" the
// beam's number; "%1" the sheet, "%2" how many), and the sign legend's line
// that says what the beam sheet's table lists.
inline constexpr int kSheetTitleBeam = 329;
inline constexpr int kSheetTitlePage = 330;
inline constexpr int kBeamSheetSignsTable = 331;

// A model document that is empty or does not hold what it says it holds, and the
// untitled copy its readable part opens as.
inline constexpr int kMsgFileEmpty = 332;
inline constexpr int kMsgFileEndsAfter = 333;
inline constexpr int kMsgFileObjectsMissing = 334;
inline constexpr int kMsgFileLineCutOff = 335;
inline constexpr int kMsgFileObjectsBeyondCount = 336;
inline constexpr int kMsgFileNoObjectCount = 337;
inline constexpr int kMsgOpenedAsUntitledCopy = 338;

// Loads, forces and moments on a beam or node that does not exist.
inline constexpr int kMsgLooseObjects = 339;
inline constexpr int kLooseLoad = 340;
inline constexpr int kLooseForce = 341;
inline constexpr int kLooseMoment = 342;

// A save that failed, with the folder named and Save As offered.
inline constexpr int kMsgSaveFailedOfferSaveAs = 343;

// OK of a property dialog whose object left the model while it was open.
inline constexpr int kMsgDialogObjectGone = 344;

// Load cases and combinations: the fifth load duration, the envelope notes of
// the beam page ("%1" the value, "%2" the combination, "%3" the place, "%4" to
// "%6" the normal force, shear and moment there), the result choice and the
// messages of an analysis that failed over its cases.
inline constexpr int kLoadDurationInstantaneous = 345;
inline constexpr int kEnvelopeOf = 346;
inline constexpr int kEnvelopeMax = 347;
inline constexpr int kEnvelopeMin = 348;
inline constexpr int kResultGoverning = 349;
inline constexpr int kResultCase = 350;
inline constexpr int kResultCombination = 351;
inline constexpr int kResultEnvelope = 352;
inline constexpr int kMsgLoadCasesBroken = 353;
inline constexpr int kMsgFailedInCase = 354;

// The problems of a document's load cases and combinations ("%1" the object's
// or combination's number, "%2" the load case's).
inline constexpr int kMsgLoadCaseMissing = 355;
inline constexpr int kMsgForceCaseMissing = 356;
inline constexpr int kMsgMomentCaseMissing = 357;
inline constexpr int kMsgSupportCaseMissing = 358;
inline constexpr int kMsgCombinationEmpty = 359;
inline constexpr int kMsgCombinationCaseMissing = 360;
inline constexpr int kMsgCombinationFactorNotFinite = 361;
inline constexpr int kMsgLoadCaseNumberTwice = 362;
inline constexpr int kMsgCombinationNumberTwice = 363;
inline constexpr int kMsgCombinationWithoutCases = 364;
inline constexpr int kMsgSelfWeightTwice = 365;
inline constexpr int kMsgSelfWeightNone = 366;

// The name of the one case a document of one load set becomes.
inline constexpr int kDefaultPermanentCaseName = 367;

// The load cases and combinations dialogs and the active case on the Model page.
inline constexpr int kMenuSettingsLoadCases = 368;
inline constexpr int kMenuSettingsCombinations = 369;
inline constexpr int kLoadCasesCaption = 370;
inline constexpr int kCombinationsCaption = 371;
inline constexpr int kCaseColumnNumber = 372;
inline constexpr int kCaseColumnName = 373;
inline constexpr int kCaseColumnCategory = 374;
inline constexpr int kCaseColumnDuration = 375;
inline constexpr int kCaseColumnPsi0 = 376;
inline constexpr int kCaseColumnPsi1 = 377;
inline constexpr int kCaseColumnPsi2 = 378;
inline constexpr int kCaseColumnSelfWeight = 379;
inline constexpr int kCaseSelfWeightBox = 380;
inline constexpr int kCaseAddButton = 381;
inline constexpr int kCaseDeleteButton = 382;
inline constexpr int kCaseNewName = 383;
inline constexpr int kMsgDeleteCaseObjects = 384;
inline constexpr int kMsgFieldFractionRange = 385;
inline constexpr int kCategoryPermanent = 386;
inline constexpr int kCategoryImposedA = 387;
inline constexpr int kCategoryImposedB = 388;
inline constexpr int kCategoryImposedC = 389;
inline constexpr int kCategoryImposedD = 390;
inline constexpr int kCategoryImposedE = 391;
inline constexpr int kCategoryImposed = 392;
inline constexpr int kCategorySnow = 393;
inline constexpr int kCategoryWind = 394;
inline constexpr int kCategoryTemperature = 395;
inline constexpr int kCategoryAccidental = 396;
inline constexpr int kCombinationKindUltimate = 397;
inline constexpr int kCombinationKindCharacteristic = 398;
inline constexpr int kCombinationKindFrequent = 399;
inline constexpr int kCombinationKindQuasiPermanent = 400;
inline constexpr int kCombinationColumnKind = 401;
inline constexpr int kCombinationColumnCase = 402;
inline constexpr int kCombinationNewName = 403;
inline constexpr int kGenerateGroup = 404;
inline constexpr int kGenerateRule610 = 405;
inline constexpr int kGenerateRule610ab = 406;
inline constexpr int kGenerateGammaGSup = 407;
inline constexpr int kGenerateGammaGInf = 408;
inline constexpr int kGenerateGammaQ = 409;
inline constexpr int kGenerateXi = 410;
inline constexpr int kGenerateButton = 411;
inline constexpr int kMsgReplaceCombinations = 412;
inline constexpr int kLoadCaseLabel = 413;
inline constexpr int kShowAllCases = 414;
inline constexpr int kActiveCaseTip = 415;
inline constexpr int kCombinationFactorTip = 416;
inline constexpr int kMsgCombinationWithoutCase = 417;

// The tool tip of the result choice of the Model and Analysis pages.
inline constexpr int kResultChoiceTip = 418;

// The message of an analysis whose model did not fit in memory.
inline constexpr int kMsgOutOfMemory = 419;

// Drawing: the angle of what is drawn, typed points, the first start's hint,
// the grid step and the Draw menu.
inline constexpr int kMeasureAngle = 420;
inline constexpr int kMsgTypedPointForm = 421;
inline constexpr int kMsgTypedPointNoBase = 422;
inline constexpr int kStatusFirstStartHint = 423;
inline constexpr int kTypedPointPrompt = 424;
inline constexpr int kHintGridStep = 425;
inline constexpr int kMenuDraw = 426;

// Copying part of the model: the clicks, the steps, the Edit menu's items, the
// array dialog and the right-click menu.
inline constexpr int kStatusCopyBasePoint = 427;
inline constexpr int kStatusCopyTarget = 428;
inline constexpr int kStepCut = 429;
inline constexpr int kStepPaste = 430;
inline constexpr int kStepDuplicate = 431;
inline constexpr int kStepMirror = 432;
inline constexpr int kStepArray = 433;
inline constexpr int kMenuEditCopy = 434;
inline constexpr int kMenuEditCut = 435;
inline constexpr int kMenuEditPaste = 436;
inline constexpr int kMenuEditDuplicate = 437;
inline constexpr int kMenuEditMirror = 438;
inline constexpr int kMenuEditLinearArray = 439;
inline constexpr int kMenuEditRectangularArray = 440;
inline constexpr int kArrayCaption = 441;
inline constexpr int kArrayLabelCopies = 442;
inline constexpr int kArrayLabelRows = 443;
inline constexpr int kArrayLabelColumns = 444;
inline constexpr int kArrayLabelSpacingX = 445;
inline constexpr int kArrayLabelSpacingY = 446;
inline constexpr int kMsgSelectToCopy = 447;
inline constexpr int kMenuProperties = 448;

// The filter field of the profile library's menu.
inline constexpr int kLibraryFilterHint = 449;

// Second-order analysis and the elastic critical load factor.
inline constexpr int kMsgAboveCriticalLoad = 450;
inline constexpr int kMsgAboveCriticalLoadSingle = 451;
inline constexpr int kMsgSecondOrderNotConverged = 452;
inline constexpr int kMsgSecondOrderNotConvergedSingle = 453;
inline constexpr int kWarnFirstOrderCombination = 454;
inline constexpr int kWarnFirstOrderSingle = 455;
inline constexpr int kNoCriticalLoad = 456;
inline constexpr int kCriticalLoadNotFound = 457;
inline constexpr int kMenuBucklingMode = 458;
inline constexpr int kStatusCriticalFactor = 459;
inline constexpr int kStatusCriticalFactorOf = 460;
inline constexpr int kBeamPageFirstOrder = 461;
inline constexpr int kBeamPageSecondOrder = 462;
inline constexpr int kBucklingModeOf = 463;
inline constexpr int kBucklingModeSingle = 464;
inline constexpr int kReportFirstOrder = 465;
inline constexpr int kReportSecondOrder = 466;
inline constexpr int kMsgNoBucklingMode = 467;

// The highest entry number in use; every language file has at least this many
// lines after line 0.
inline constexpr int kLastEntry = 467;

} // namespace strandel::tr
