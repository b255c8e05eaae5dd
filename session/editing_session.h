#pragma once

#include <QObject>
#include <array>
#include <memory>
#include <optional>

#include "car/lamp_editor.h"
#include "car/vehicle_catalogue.h"
#include "sequence/copy_buffer.h"
#include "sequence/document_editor.h"
#include "sequence/edit_outcome.h"
#include "sequence/pattern_command.h"
#include "show/document_compaction.h"
#include "show/show_fit.h"
#include "simulation/playback_machine.h"
#include "timeline/timeline_geometry.h"
#include "vehicle/vehicle_settings.h"

namespace vireo {

class Clock;
class LanguageTable;
class Prompter;
class RepeatingTimer;
class SettingsStore;

// The editing state of one window, without any widget: the document and its history, the
// vehicle settings, the copy buffer, the active sequence and the selection of each sequence,
// the lamps shown on the pictures, the mouse editing of the pictures and the playback with its
// timer. The window hands it the user's intents and shows what its signals report; the rules
// live in the core functions it calls.
//
// Nothing here waits: the 500 ms of darkness before playback and the 200 ms before an automatic
// append are timers of the clock, and playback steps come from a repeating timer of the clock.
class EditingSession : public QObject {
    Q_OBJECT
  public:
    EditingSession(SettingsStore& settings, Prompter& prompter, const LanguageTable& texts,
                   Clock& clock, QObject* parent = nullptr);
    ~EditingSession() override;

    // The document with its history, and the vehicle settings, to read (and follow by their
    // signals); they change through the intents below.
    const DocumentEditor& documentEditor() const { return editor_; }
    const Document& document() const { return editor_.document(); }
    const VehicleSettings& vehicleSettings() const { return vehicle_; }
    // The owners themselves, for what works below the intents: the recovery journal, which
    // follows every step of the history, and tools and tests that load a session directly.
    DocumentEditor& editor() { return editor_; }
    VehicleSettings& vehicle() { return vehicle_; }
    const CopyBuffer& copyBuffer() const { return copyBuffer_; }
    int activeSequence() const { return active_; }
    const Sequence& activeRows() const { return editor_.sequence(active_); }
    const Selection& selection(int s) const { return selections_[s]; }
    const Selection& activeSelection() const { return selections_[active_]; }
    // Lampen_Zustand: the lamps shown on the pictures and edited by mouse.
    const LampBytes& lamps() const { return lamps_; }
    // The applied vehicle: picture bases, click regions, number plates, module code.
    const VehicleSetup& setup() const { return setup_; }
    // The slider's on-time of the next step, in tenths of a second.
    int onTime() const { return onTime_; }
    bool playbackRunning() const { return playback_.isRunning(); }
    // The row playback shows; -1 when it does not run.
    int playbackRow() const { return playback_.isRunning() ? playback_.currentRow() : -1; }
    bool autoAppendPending() const { return appendPending_; }
    // "Symmetrisch": switching a lamp on the pictures (or, through the timeline's edit, in the
    // timeline) also sets its mirror lamp.
    bool symmetric() const { return symmetric_; }

    // --- the user's intents
    void setOnTime(int tenths) { onTime_ = tenths; }
    // optAuf_Zu: the sequence the commands work on.
    void chooseSequence(int s);
    // The user selected rows of sequence s (in the list or the timeline).
    void setSelection(int s, const Selection& selection);
    // Licht_Aus: all lamps off.
    void lampsOff();
    // The pictures show these lamps, as clicks on them would have set them.
    void setLamps(const LampBytes& lamps);
    // Modellauswahl: applies the vehicle's model code to the pictures and regions.
    void applyModel();
    // The document becomes this one, with a history of its own (a file opened, a new document).
    void resetDocument(const Document& document);
    // The vehicle of a document read from a file (or the stored one at start): its model and
    // option string run the restore rules (as showing them in the options dialog does), then
    // the model is applied.
    void applyVehicle(const QString& model, const QString& options);
    // Turns symmetric editing on or off and remembers it in the settings.
    void setSymmetric(bool on);
    // A mouse move (button 0) or press on the picture of a corner, in twips; the session's
    // symmetric flag applies whatever the options say.
    void pictureMouse(int corner, int button, float x, float y, const EditOptions& options);
    // "Bereiche anzeigen": lamps off, the model again, then every region outlined.
    void showAreas();

    // The table commands on the active sequence and its selection.
    void appendStep();
    void changeRows();
    void insertRow();
    void deleteRows();
    void createLoop();
    void deleteLoop();
    void copyRows();
    void cutRows();
    void pasteRows();
    void pasteRowsAtEnd();
    // "Sequenz verdichten": what compacting the active sequence (or both) would do, for the
    // window to show before anything changes: bytes of each sequence and of the whole image
    // before and after, against the upload's capacity.
    DocumentCompaction planCompaction(bool bothSequences) const;
    // Applies a plan as one undoable step. Nothing changes when the plan wins nothing, failed its
    // check or was made for rows that have changed since; returns whether it applied.
    bool applyCompaction(const DocumentCompaction& plan);
    // "Passend machen": the document nearest to this one (by its steps' on-times, and with
    // `allowDrops` by dropping the shortest steps) whose image fits the upload's capacity, for
    // the window to show before anything changes.
    ShowFit planFit(bool allowDrops) const;
    // Applies a fit as one undoable step, when it changed the document and was made for the
    // rows as they are now; returns whether it applied.
    bool applyFit(const ShowFit& plan);
    // Whether the image of the document fits the upload's capacity (an image that cannot be
    // built does not fit).
    bool imageFits() const;
    // The transforms of the selected rows (all rows when none is selected), each one undo step.
    void mirrorRows();
    void reverseRows();
    // Asks the factor (text::StretchFactorQuestion) and stretches; nothing on cancel.
    void stretchRows();
    void stretchRowsBy(double factor);
    // The goodbye sequence becomes the welcome sequence reversed (asking before it replaces
    // rows); the goodbye sequence is shown afterwards.
    void goodbyeFromWelcome();
    // "Muster einfügen": the pattern's rows after the selected row or at the end.
    void insertPattern(const PatternChoice& choice);
    // A click or a drag on the timeline of sequence s: the lamp of the first cell switches in
    // steps anchor.step .. endStep (its mirror lamp too while symmetric editing is on), as one
    // undo step that selects the first cell's step.
    void switchLamps(int s, TimelineCell anchor, int endStep);
    // What the context menu offers now for the active sequence.
    TableMenuState tableMenuState() const;
    void undo();
    void redo();

    // A click on a row: the lamps of the first selected row (or the last row) are shown.
    void showStep();
    // Shows the lamps and position of a row of the active sequence.
    void showRow(int row);

    // The vehicle settings, each change through its rule in VehicleSettings.
    void setHoldTimes(int welcome, int goodbye) { vehicle_.setHoldTimes(welcome, goodbye); }
    // An identified module restricts the options to what its type supports.
    void setModuleType(const QString& moduleType) { vehicle_.setModuleType(moduleType); }
    // The clicks of the options dialog, its OK (which returns the model code it applied) and its
    // Cancel (back to the settings of when it opened).
    void tickOption(OptionBoxId id, bool ticked) { vehicle_.setTick(id, ticked); }
    void clickVehicleType(int index) { vehicle_.clickType(index); }
    void clickVehicleBody(int index) { vehicle_.clickBody(index); }
    void clickVehicleYear(int index) { vehicle_.clickYear(index); }
    void chooseHold(bool welcome, int position) { vehicle_.chooseHold(welcome, position); }
    QString acceptVehicle() { return vehicle_.accept(); }
    void revertVehicle(const VehicleSettings::Snapshot& opened) { vehicle_.revert(opened); }

    // The window goes: nothing the session owns reports to it any more (the session goes after
    // the window's members).
    void silence();

    // "Simula&tion |>" and "Simulation >>": start, or stop a running playback.
    void playFromStart();
    void playFromHere();
    void stopPlayback();

  Q_SIGNALS:
    // The pictures of these corners show other lamps (or another vehicle) now.
    void cornersChanged(const QList<int>& corners);
    // Outlines and tool tips for the pictures (never a redraw: that is cornersChanged).
    void pictureActions(const vireo::EditActions& actions);
    // The mouse position over a picture, for the developer's coordinate labels.
    void mousePosition(const QString& x, const QString& y);
    void activeSequenceChanged(int s);
    // The rows of sequence s changed; the lists show them anew.
    void rowsChanged(int s);
    void selectionChanged(int s, const vireo::Selection& selection);
    // labPos: the position of the step shown.
    void positionChanged(const QString& text);
    // The captions of the two playback buttons.
    void playbackCaptions(const QString& fromStart, const QString& fromHere);
    // The row playback shows, -1 when it ends.
    void playbackStep(int row);
    // Another model was applied: picture bases, regions and number plates.
    void setupChanged();
    // An automatic append waits its moment; input to the window waits with it.
    void autoAppendStarted();
    // The automatic append is done: Space now appends the next step.
    void autoAppendFinished();
    // Rows were copied or cut: what can be pasted changed.
    void copyBufferChanged();
    // Symmetric editing was turned on or off (the menu item follows it).
    void symmetricChanged(bool on);

  private:
    void runEdit(const Selection& before, const std::optional<EditOutcome>& outcome);
    // Runs a row command of the core on the active rows and their current selection (then
    // `args`, the command's own arguments) as one undo step and returns its outcome (none when
    // the command did nothing).
    template <typename Edit, typename... Args>
    std::optional<EditOutcome> editRows(Edit edit, Args&&... args);
    void runEditActions(const EditActions& actions);
    // The lamps of the first selected row, when a row is selected.
    void showSelectedRow();
    void runPlayback(const PlaybackActions& actions);
    void setRowSelected(int row, bool selected);
    void showSelection(int s, const Selection& selection);
    void finishAutoAppend(int ticket);
    void onRowsChanged(int s, const Selection& selection);
    void onDocumentReset();

    SettingsStore& settings_;
    Prompter& prompter_;
    const LanguageTable& texts_;
    Clock& clock_;
    // What the row commands ask the user through, in the session's language.
    EditContext context_;
    DocumentEditor editor_;
    VehicleSettings vehicle_;
    CopyBuffer copyBuffer_;
    int active_ = 0;
    std::array<Selection, 2> selections_;
    LampBytes lamps_{};
    VehicleSetup setup_;
    LampEditor lampEditor_;
    int onTime_ = 1;
    PlaybackMachine playback_;
    // TimerE: the steps of a running playback.
    std::unique_ptr<RepeatingTimer> stepTimer_;
    bool appendPending_ = false;
    int appendTicket_ = 0;
    bool symmetric_ = false;
};

}  // namespace vireo
