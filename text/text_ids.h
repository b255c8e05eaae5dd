#pragma once

// The language entries the program shows, by name: LanguageTable::entry(text::SaveQuestion).
// Each entry number is written here once; everything else names it. Entries that are read as
// a table (one after the other in a loop) are named by their first entry.
namespace vireo::text {

// Main window: menus
constexpr int FileMenu = 1;  // "Datei"
constexpr int New = 2;       // also the name of a document that has no file yet
constexpr int Open = 3;
constexpr int Save = 4;
constexpr int SaveAs = 5;
constexpr int Properties = 6;  // also the title of the properties dialog
constexpr int ModuleUpdate = 7;
constexpr int ConnectionMenu = 8;
constexpr int Configuration = 9;
constexpr int InfoMenu = 10;
constexpr int ReadModuleType = 11;
constexpr int About = 12;
constexpr int HelpMenu = 13;
constexpr int StartHelp = 14;
constexpr int ShowAreas = 15;
constexpr int FileMenuItemFirst = New;  // a table of five: New, Open, Save, SaveAs, Properties

// Context menu of the sequence list; also the undo captions of cut and paste
constexpr int Copy = 16;
constexpr int Cut = 17;
constexpr int Paste = 18;
constexpr int PasteAtEnd = 19;
constexpr int ListMenuItemFirst = Copy;  // a table of four: Copy, Cut, Paste, PasteAtEnd

// Main window: buttons; also the undo captions of the table's edits
constexpr int Simulation = 20;        // plays from the start
constexpr int SimulationOnward = 21;  // plays from the current row
constexpr int AllLampsOff = 22;
constexpr int Change = 23;
constexpr int InsertRow = 24;
constexpr int DeleteRows = 25;
constexpr int CreateLoop = 26;
constexpr int DeleteLoop = 27;
constexpr int MemoryRequired = 28;
constexpr int SendData = 29;
constexpr int Exit = 30;
constexpr int SaveAndNext = 31;

// Properties dialog, shared OK, about box
constexpr int RegisterExtension = 32;
constexpr int Ok = 33;
constexpr int Close = 34;

// Remote-control buttons: which sequence is edited
constexpr int RemoteUnlock = 35;
constexpr int RemoteLock = 36;

// Vehicle options dialog: type, body styles (a table of five), model years
constexpr int VehicleType7Series = 37;
constexpr int BodyStyleFirst = 44;
constexpr int YearBeforeFacelift = 49;
constexpr int YearWithFacelift = 51;
constexpr int YearFrom2006 = 207;

// Check boxes of the main window and the properties dialog
constexpr int AutoAppend = 56;  // "Autom."
constexpr int AutoAppendAtStart = 57;
constexpr int ShowActivationArea = 58;

// Frames of the main window: a table of six titles
constexpr int FrameTitleFirst = 62;

// Vehicle options dialog: frames, headings (a table of four) and title
constexpr int LightFunctionsFrame = 68;
constexpr int OptionsHeadingFirst = 69;
constexpr int OptionsTitle = 75;
constexpr int VehicleFunctionsFrame = 152;
constexpr int VehicleChoicePrefix = 273;  // the window title before the vehicle type

// Light functions of the vehicle options dialog
constexpr int CorneringLight = 61;
constexpr int RemoteShortPress = 155;
constexpr int RemoteLongPress = 156;
constexpr int FoldMirrors = 177;  // the language file's line carries four more leading characters
constexpr int DaytimeLightUs = 197;
constexpr int ParkingLightUs = 198;
constexpr int DaytimeLightViaParkingLight = 199;
constexpr int WelcomeLight = 200;  // also the name of sequence 0
constexpr int GoodbyeLight = 201;  // also the name of sequence 1
constexpr int DaytimeLightUsToolTip = 203;
constexpr int SoftOn = 208;
constexpr int HoldTimeItem = 284;  // an item of the hold-time lists: %1 seconds

// Status and captions
constexpr int Connecting = 73;
constexpr int DevelopedBy = 74;   // followed by " " and the maker's name
constexpr int OnTimeSuffix = 76;  // follows the on-time number
constexpr int NotConnected = 78;

// Step editing
constexpr int LoopShortened = 79;
constexpr int DeleteRowsQuestion = 80;

// Files
constexpr int ChecksumWrong = 81;
constexpr int FileError = 82;  // title of every file message
constexpr int SaveQuestion = 83;
constexpr int LoadWarning = 88;
constexpr int NewQuestion = 90;
constexpr int SequenceFileTitle = 126;  // title of the open and save dialogs
constexpr int FileFilter = 274;

// First start
constexpr int FirstStartWelcome = 84;
constexpr int FirstStartTitle = 85;
constexpr int SetupDone = 86;
constexpr int RegisteringExtension = 87;
constexpr int SetupDoneTitle = 89;

// Serial port: PortPrefix + number + PortMissing, or PortPrefix + number + PortInUse + line
// break + PortInUseHint; without permission PortNoPermission + line break + PortPermissionHint
constexpr int PortPrefix = 91;
constexpr int PortMissing = 92;
constexpr int PortErrorTitle = 93;
constexpr int PortInUse = 94;
constexpr int PortInUseHint = 95;
constexpr int PortNoPermission = 223;
constexpr int PortPermissionHint = 224;

// Loops
constexpr int RepeatCountInvalid = 96;
constexpr int InvalidInput = 97;
constexpr int LoopTooLong = 98;
constexpr int CreateLoopTitle = 99;
constexpr int RepeatCountQuestion = 115;
constexpr int RepeatCountTitle = 116;

// Module: connection and upload
constexpr int NoModuleFound = 101;
constexpr int NoModuleTitle = 102;
constexpr int NoModuleConnected = 103;
constexpr int ImageTooBig = 104;
constexpr int ImageTooBigHint = 105;
constexpr int MemoryRequiredLabel = 106;  // followed by " ", the percentage and " %"
constexpr int ValueOverflow = 107;
constexpr int EchoWrong = 108;
constexpr int TransferErrorTitle = 109;
constexpr int UploadDone = 110;
constexpr int ModuleSilent = 111;
constexpr int UploadTooManyLoops = 225;
constexpr int UploadTooManySteps = 226;
constexpr int UploadNoData = 227;

// Module report and identification
constexpr int ModuleFunctions = 112;
constexpr int Edition = 113;
constexpr int ModuleInfoTitle = 114;
constexpr int FirmwareVersion = 127;
constexpr int UnknownModuleType = 163;
constexpr int ReportWelcomeLight = 186;
constexpr int ReportGoodbyeLight = 187;
constexpr int ReportSerialTransfer = 188;
constexpr int ReportFirmwareUpdate = 189;
constexpr int ReportLoops = 190;
constexpr int ReportOnTime = 193;
constexpr int ReportIndicatorsAndFog = 194;
constexpr int ReportRearLamps = 195;
constexpr int ReportFrontLamps = 209;
constexpr int FirmwareOutdated = 211;
constexpr int NeedsAtLeast = 212;
constexpr int ModuleType = 285;  // "Typ"
constexpr int CompilerDate = 286;
constexpr int CodedModel = 287;
constexpr int ModuleMemory = 288;

// Lamp names, followed by a position suffix such as "_L"
constexpr int LampParkingRing = 117;
constexpr int LampLowBeam = 118;
constexpr int LampHighBeam = 119;
constexpr int LampFog = 120;
constexpr int LampIndicator = 122;
constexpr int LampTail = 124;
constexpr int LampReversing = 125;

// Main window: the edit menu with undo and redo
constexpr int EditMenu = 213;
constexpr int Undo = 214;
constexpr int Redo = 215;

// Refused table edits; %1 is the limit
constexpr int LimitTableFull = 216;
constexpr int LimitTooManyRows = 217;
constexpr int LimitTooManyToCopy = 218;
constexpr int LimitTooManyLoops = 219;
constexpr int LimitTooManySplitRuns = 220;
constexpr int LimitLoopBeyondRow = 221;
constexpr int LimitNoLoopNumber = 222;

// Missing programs and files; followed by a line break and the path
constexpr int HelpMissing = 228;
constexpr int BootloaderMissing = 229;
constexpr int BootloaderNotStarted = 272;
constexpr int NoManualViewer = 289;

// Columns of the sequence lists; the caption of both playback buttons while playing
constexpr int IntervalColumn = 230;
constexpr int LoopColumn = 231;
constexpr int Stop = 232;

// Save refused: SaveRefused with the field, StepField with row, sequence and column
constexpr int SaveRefused = 233;
constexpr int ModelCodeField = 234;
constexpr int OptionsField = 235;
constexpr int StepField = 236;
constexpr int LampsColumn = 237;

// Language file and stored settings
constexpr int LanguageShort = 238;
constexpr int SettingsReplaced = 239;

// Lamp timeline and memory meter
constexpr int ViewMenu = 240;
constexpr int TimelineAction = 241;
constexpr int ToggleLampCaption = 242;       // undo caption of a click: lamp, step
constexpr int SetLampsCaption = 243;         // undo caption of a drag: lamp, first, last
constexpr int TimelineToolTip = 244;         // step, on-time, loop, lamp
constexpr int TimelineNoLoop = 245;          // the loop of a step outside every loop
constexpr int MeterUsage = 246;              // percent, used bytes, capacity
constexpr int MeterTooBig = 247;             // used bytes, capacity, bytes too many
constexpr int TimelineUnreadableLoop = 249;  // bracket of a loop whose marker does not read
constexpr int TimelineSeconds = 250;         // ruler mark: seconds
constexpr int MeterNoImage = 251;            // why there is no image
constexpr int TimelineRepeat = 252;          // "× %1"

// Recent and dropped files; %1 is the file
constexpr int RecentFileGone = 253;
constexpr int NotASequenceFile = 254;
constexpr int OneFileAtATime = 255;

// File menu: the examples and their titles
constexpr int ExamplesMenu = 256;
constexpr int ExampleSweep = 257;
constexpr int ExampleIndicatorsOutward = 258;
constexpr int ExampleDoubleBlink = 259;
constexpr int ExampleLensFadeIn = 260;
constexpr int ExampleGoodbyeFromRear = 261;
constexpr int ExampleAlternate = 262;
constexpr int ExampleFullShow = 263;

// Export of the playback as an animated GIF
constexpr int ExportAnimationMenu = 264;
constexpr int ExportAnimationTitle = 265;
constexpr int GifFilter = 266;
constexpr int AnimationFileName = 267;
constexpr int WritingAnimation = 268;
constexpr int AnimationNotWritten = 270;
constexpr int NothingToShow = 271;
constexpr int AnimationWritten = 290;
// The status line while the window waits for a transfer to end before it closes.
constexpr int ClosingAfterExchange = 291;

// The recovery journal, the recovery offer at start and the earlier versions
constexpr int RecoveryOff = 315;  // %1 the reason
constexpr int RecoveryOn = 316;
constexpr int RecoveryDamaged = 317;  // %1 the folder, %2 the names
constexpr int RecoveryTitle = 318;
constexpr int RecoveryIntro = 319;
constexpr int RecoveryRestore = 320;
constexpr int RecoveryDiscard = 321;
constexpr int RecoveryLater = 322;
constexpr int RecoveryDiscardQuestion = 323;  // %1 the document's name
constexpr int Untitled = 324;
constexpr int EntryNewer = 325;
constexpr int EntryFileGone = 326;
constexpr int EntrySameAsFile = 327;
constexpr int EntryNeverSaved = 328;
constexpr int EarlierVersions = 329;    // the File menu item and the dialog's title
constexpr int EarlierVersionsOf = 330;  // %1 the file
constexpr int OpenVersionAsNew = 331;
constexpr int NoEarlierVersions = 332;  // %1 the file
constexpr int RecoveryEntryLine = 333;  // %1 name, %2 folder, %3 time, %4 how it stands to its file
constexpr int EarlierVersionLine = 334;  // %1 time, %2 size in bytes

// Answer buttons of the questions and dialogs
constexpr int Cancel = 269;
constexpr int Yes = 275;
constexpr int No = 276;

// Tool tips of the main window's buttons
constexpr int ToolTipSaveAndNext = 277;
constexpr int ToolTipAutoAppend = 278;
constexpr int ToolTipChange = 279;
constexpr int ToolTipCreateLoop = 280;
constexpr int ToolTipDeleteLoop = 281;
constexpr int ToolTipSimulation = 282;
constexpr int ToolTipSimulationOnward = 283;

// Names a screen reader says: the lamp in focus on the pictures (%1 its name), the slider
constexpr int LampOnName = 292;
constexpr int LampOffName = 293;
constexpr int OnTimeSliderName = 294;
// Compacting a sequence
constexpr int CompactSequence = 295;
constexpr int CompactSequenceBytes = 296;  // sequence name, bytes before, bytes after
constexpr int CompactImageBytes = 297;     // image bytes before, after, capacity
constexpr int CompactStillTooLarge = 298;  // bytes too many
constexpr int CompactQuestion = 299;
constexpr int CompactNothingToWin = 300;
constexpr int CompactCheckFailed = 301;
constexpr int CompactEndless = 302;        // sequence name
constexpr int CompactNoImage = 303;        // sequence name, why
constexpr int CompactMadeBuildable = 362;  // sequence name, why not before, bytes after
constexpr int NoImageTooManyLoops = 363;   // most loops
constexpr int NoImageTooManyRows = 364;    // most rows
constexpr int NoImageOverflow = 365;

// The bytes of a step and of the memory image
constexpr int StepBytes = 304;  // step, bytes, parts
constexpr int BytesControl = 305;
constexpr int BytesTime = 306;
constexpr int BytesOneCorner = 307;
constexpr int BytesCorners = 308;  // corners
constexpr int BytesLoop = 309;
constexpr int StepBeyondCapacity = 310;  // bytes too many
constexpr int MeterHeaderBytes = 311;    // bytes
constexpr int MeterHoldBytes = 312;      // bytes
constexpr int MeterFreeBytes = 313;      // bytes
constexpr int MeterSequenceBytes = 314;  // sequence name, bytes
// Edit menu: transforms of the rows, the pattern generator and symmetric editing
constexpr int MirrorRows = 335;
constexpr int ReverseRows = 336;
constexpr int StretchRows = 337;
constexpr int GoodbyeFromWelcome = 338;
constexpr int ReverseCutsLoop = 339;
constexpr int ReplaceGoodbyeQuestion = 340;
constexpr int InsertPattern = 341;
constexpr int SymmetricEditing = 342;
constexpr int StretchFactorQuestion = 343;

// The pattern generator: patterns, lamp orders, passes and the cost
constexpr int PatternChase = 344;
constexpr int PatternFill = 345;
constexpr int PatternEmpty = 346;
constexpr int PatternBlink = 347;
constexpr int PatternAlternate = 348;
constexpr int OrderPicked = 349;
constexpr int OrderAcross = 350;
constexpr int OrderOutsideIn = 351;
constexpr int OrderInsideOut = 352;
constexpr int PatternPasses = 353;
constexpr int PatternBounce = 376;
constexpr int OrderPairs = 377;

// The pattern dialog: corner names in the file's corner order, its labels, the lamp list's head
constexpr int CornerNameFirst =
    355;  // a table of four: front right, front left, rear left, rear right
constexpr int PatternKindLabel = 359;
constexpr int PatternOrderLabel = 360;
constexpr int PatternLampsHead = 361;
// Where the pattern goes: in an empty table, at the end (the last row), after a row (the row),
// after a loop (its last row, its number)
constexpr int PatternPlaceStart = 366;
constexpr int PatternPlaceEnd = 367;
constexpr int PatternPlaceAfterRow = 368;
constexpr int PatternPlaceAfterLoop = 369;
// Counts that agree with their number: one, or %1 of them
constexpr int OneStep = 370;
constexpr int Steps = 371;
constexpr int OneByte = 372;
constexpr int Bytes = 373;
// What inserting the pattern adds to the image: the steps, the bytes; the steps alone
constexpr int PatternAddedBytes = 374;
constexpr int PatternNoImage = 375;
// Tool tip of "Symmetrisch"
constexpr int ToolTipSymmetric = 378;
// Saving over a file changed since it was opened or saved: the question, its first two answers
constexpr int FileChangedQuestion = 379;
constexpr int OverwriteAnswer = 380;
constexpr int SaveElsewhereAnswer = 381;
constexpr int NewestVersionLine = 382;  // as EarlierVersionLine, for the newest version
constexpr int VersionNotKept = 383;     // %1 the file, %2 the reason
// "Passend machen": the command, the dialog's title and undo step, its figures (bytes now,
// after, the capacity; the change in all and the largest, in seconds), a change (sequence
// name, step, old and new on-time; or the step dropped), what on-times alone cannot do (the
// bytes the steps alone need, the capacity), the choice to drop steps and its failure, a show
// that fits already, and the hint on the cost strip's red mark
constexpr int MakeItFit = 388;
constexpr int MakeItFitTitle = 389;
constexpr int FitBytes = 390;
constexpr int FitChangeSeconds = 391;
constexpr int FitChangedStep = 392;
constexpr int FitDroppedStep = 393;
constexpr int FitStepsAloneNeed = 394;
constexpr int FitDropSteps = 395;
constexpr int FitNotEvenDropping = 396;
constexpr int FitAlreadyFits = 397;
constexpr int FitHintOnMark = 398;
constexpr int FitApply = 399;
constexpr int FitCheckFailed = 400;

// File menu: the language list, the module update's two items, the settings reset
constexpr int LanguageMenu = 384;
constexpr int UpdateItem = 385;
constexpr int UpdateHelpItem = 386;
constexpr int ClearSettings = 387;
// The language chooser, shown before any language is chosen.
constexpr int ChooseLanguage = 401;
// The splash: what loads meanwhile, and the program's version.
constexpr int LoadingProgram = 402;
constexpr int VersionLine = 403;
// The about box: the version and the maker's addresses.
constexpr int SoftwareVersionLine = 404;
constexpr int InternetLabel = 405;
constexpr int MailLabel = 406;
// labPos: the 1-based position of the shown step.
constexpr int PositionLine = 407;
// The developer's labels of the mouse position, before the mouse moved.
constexpr int MouseXLabel = 408;
constexpr int MouseYLabel = 409;
// The name of coded model 0 in the module's report.
constexpr int UncodedModel = 410;

}  // namespace vireo::text
