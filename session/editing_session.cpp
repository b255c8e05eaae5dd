#include "session/editing_session.h"

#include <algorithm>

#include "car/lamp_model.h"
#include "config/settings_keys.h"
#include "image/image_cost.h"
#include "module/upload_image.h"
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "sequence/loop_commands.h"
#include "sequence/step_commands.h"
#include "sequence/step_table.h"
#include "sequence/transforms.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "timeline/timeline_edits.h"

namespace vireo {

namespace {
constexpr int kAutoAppendPauseMs = 200;
}  // namespace

EditingSession::EditingSession(SettingsStore& settings, Prompter& prompter,
                               const LanguageTable& texts, Clock& clock, QObject* parent)
    : QObject(parent),
      settings_(settings),
      prompter_(prompter),
      texts_(texts),
      clock_(clock),
      context_{prompter, texts},
      vehicle_(settings),
      playback_(texts),
      symmetric_(settings.read(settings_keys::kSymmetric) == QLatin1String("1")) {
    // The document carries the vehicle it was made for.
    connect(&vehicle_, &VehicleSettings::changed, this, [this] {
        editor_.setModel(vehicle_.model());
        editor_.setOptions(vehicle_.optionString());
    });
    connect(&editor_, &DocumentEditor::rowsChanged, this, &EditingSession::onRowsChanged);
    connect(&editor_, &DocumentEditor::documentReset, this, &EditingSession::onDocumentReset);

    stepTimer_ = clock_.makeTimer(this, [this] {
        // The moment before an automatic append holds the sequence still: a step that falls due
        // then does not replace the lamps about to be appended (the append ends playback).
        if (appendPending_) return;
        runPlayback(playback_.tick());
    });
}

EditingSession::~EditingSession() = default;

void EditingSession::chooseSequence(int s) {
    stopPlayback();
    active_ = s;
    Q_EMIT activeSequenceChanged(s);
}

void EditingSession::setSelection(int s, const Selection& selection) {
    if (selections_[s] == selection) return;
    showSelection(s, selection);
}

void EditingSession::showSelection(int s, const Selection& selection) {
    selections_[s] = selection;
    Q_EMIT selectionChanged(s, selection);
}

void EditingSession::lampsOff() {
    const auto order = vireo::lichtAus(lamps_);
    Q_EMIT cornersChanged(QList<int>(order.begin(), order.end()));
    // The redraw dropped any outline, so the editor starts from a clean picture.
    lampEditor_.forgetArea();
}

void EditingSession::setLamps(const LampBytes& lamps) {
    lamps_ = lamps;
    Q_EMIT cornersChanged(QList<int>(kLichtAusOrder.begin(), kLichtAusOrder.end()));
    lampEditor_.forgetArea();
}

void EditingSession::applyModel() {
    vireo::modellauswahl(vehicle_.model(), setup_);
    Q_EMIT setupChanged();
}

void EditingSession::resetDocument(const Document& document) {
    editor_.reset(document);
}

void EditingSession::applyVehicle(const QString& model, const QString& options) {
    vehicle_.restore(model, options);
    applyModel();
}

void EditingSession::setSymmetric(bool on) {
    symmetric_ = on;
    settings_.write(settings_keys::kSymmetric, on ? QStringLiteral("1") : QStringLiteral("0"));
    Q_EMIT symmetricChanged(on);
}

void EditingSession::pictureMouse(int corner, int button, float x, float y,
                                  const EditOptions& options) {
    EditOptions withSymmetry = options;
    withSymmetry.symmetric = symmetric_;
    const HitOutcome outcome =
        lampEditor_.lampeTreffen(button, x, y, corner, setup_.regions, lamps_, withSymmetry);
    Q_EMIT mousePosition(outcome.labX, outcome.labY);
    runEditActions(outcome.actions);
}

void EditingSession::runEditActions(const EditActions& actions) {
    for (const EditAction& a : actions) {
        switch (a.kind) {
            case EditAction::Kind::RedrawCorner:
                Q_EMIT cornersChanged({a.corner});
                break;
            case EditAction::Kind::AutoAppend: {
                // The new lamp shows for a moment; then the step is appended.
                appendPending_ = true;
                const int ticket = ++appendTicket_;
                Q_EMIT autoAppendStarted();
                clock_.singleShot(kAutoAppendPauseMs, this,
                                  [this, ticket] { finishAutoAppend(ticket); });
                break;
            }
            case EditAction::Kind::SetToolTip:
            case EditAction::Kind::InvertOutline:
            case EditAction::Kind::CopyOutline:
                Q_EMIT pictureActions({a});
                break;
        }
    }
}

void EditingSession::finishAutoAppend(int ticket) {
    if (!appendPending_ || ticket != appendTicket_) return;
    appendPending_ = false;
    appendStep();
    Q_EMIT autoAppendFinished();
}

void EditingSession::showAreas() {
    lampsOff();
    applyModel();
    Q_EMIT pictureActions(vireo::bereicheAnzeigen(setup_.regions));
}

void EditingSession::runEdit(const Selection& before, const std::optional<EditOutcome>& outcome) {
    if (!outcome) return;
    // A command that leaves the rows as they were still sets the selection (a loop that was
    // not created deselects what it walked over).
    if (!commitEdit(editor_, active_, before, *outcome, texts_))
        showSelection(active_, outcome->selection);
    if (outcome->lampsOff) lampsOff();
}

template <typename Edit, typename... Args>
std::optional<EditOutcome> EditingSession::editRows(Edit edit, Args&&... args) {
    const Selection before = activeSelection();
    auto outcome = edit(activeRows(), before, std::forward<Args>(args)...);
    runEdit(before, outcome);
    return outcome;
}

void EditingSession::appendStep() {
    editRows(&vireo::appendStep, onTime_, lamps_, context_);
}

void EditingSession::changeRows() {
    editRows(&vireo::changeRows, onTime_, lamps_);
}

void EditingSession::insertRow() {
    editRows(&vireo::insertRow, onTime_, context_);
}

void EditingSession::deleteRows() {
    editRows(&vireo::deleteRows, context_);
}

void EditingSession::createLoop() {
    editRows(&vireo::createLoop, context_);
}

void EditingSession::deleteLoop() {
    editRows(&vireo::deleteLoop);
}

DocumentCompaction EditingSession::planCompaction(bool bothSequences) const {
    return compactDocument(document(), bothSequences ? -1 : active_, vehicle_.options(),
                           setup_.modellnummer, kUploadCapacity);
}

bool EditingSession::applyCompaction(const DocumentCompaction& plan) {
    if (!plan.changed() || plan.checkFailed()) return false;
    if (document().sequences != plan.before.sequences) return false;
    stopPlayback();
    // The rows are new: no selection survives them.
    editor_.commitBoth(plan.document.sequences, selections_, {},
                       undoStepText(texts_, text::CompactSequence));
    return true;
}

ShowFit EditingSession::planFit(bool allowDrops) const {
    return fitDocument(document(), vehicle_.options(), setup_.modellnummer, kUploadCapacity,
                       allowDrops);
}

bool EditingSession::applyFit(const ShowFit& plan) {
    if (!plan.changed() || document().sequences != plan.before.sequences) return false;
    stopPlayback();
    editor_.commitBoth(plan.document.sequences, selections_, {},
                       undoStepText(texts_, text::MakeItFitTitle));
    return true;
}

bool EditingSession::imageFits() const {
    const ImageCost cost =
        imageCost(document(), vehicle_.options(), setup_.modellnummer, kUploadCapacity, texts_);
    return cost.hasFigures() && cost.total <= kUploadCapacity;
}

void EditingSession::copyRows() {
    if (vireo::copyRows(activeRows(), activeSelection(), copyBuffer_, context_))
        Q_EMIT copyBufferChanged();
}

void EditingSession::cutRows() {
    editRows(&vireo::cutRows, copyBuffer_, context_);
    Q_EMIT copyBufferChanged();
}

void EditingSession::pasteRows() {
    editRows(&vireo::pasteRows, copyBuffer_, context_);
}

void EditingSession::pasteRowsAtEnd() {
    editRows(&vireo::pasteRowsAtEnd, copyBuffer_, context_);
}

void EditingSession::mirrorRows() {
    editRows(&vireo::mirrorRows);
}

void EditingSession::reverseRows() {
    // Other rows stand under the selection now: the pictures show them.
    if (editRows(&vireo::reverseRows, context_)) showSelectedRow();
}

void EditingSession::stretchRows() {
    if (activeRows().isEmpty()) return;
    if (const auto factor = askStretchFactor(context_)) stretchRowsBy(*factor);
}

void EditingSession::stretchRowsBy(double factor) {
    editRows(&vireo::stretchRows, factor);
}

void EditingSession::goodbyeFromWelcome() {
    const auto outcome = vireo::goodbyeFromWelcome(document(), context_);
    if (!outcome) return;
    // The change shows the goodbye sequence (the editor reports a change of the other one).
    commitEdit(editor_, kGoodbye, selections_[kGoodbye], *outcome, texts_);
}

void EditingSession::insertPattern(const PatternChoice& choice) {
    const auto outcome = editRows(&vireo::insertPattern, choice, context_);
    // The new rows are selected: the pictures show the first of them.
    if (outcome) showSelectedRow();
}

void EditingSession::switchLamps(int s, TimelineCell anchor, int endStep) {
    switchLampRun(editor_, s, anchor, endStep, selections_[s], texts_, symmetric_);
}

TableMenuState EditingSession::tableMenuState() const {
    return vireo::tableMenuState(activeRows().size(), copyBuffer_);
}

void EditingSession::undo() {
    editor_.undoStack()->undo();
}

void EditingSession::redo() {
    editor_.undoStack()->redo();
}

void EditingSession::showStep() {
    const int row = shownRow(activeRows(), activeSelection());
    if (row >= 0) showRow(row);
}

void EditingSession::showSelectedRow() {
    const QList<int> selected = validSelectedRows(activeSelection(), activeRows().size());
    if (!selected.isEmpty()) showRow(selected.first());
}

void EditingSession::showRow(int row) {
    const Sequence& rows = activeRows();
    if (row < 0 || row >= rows.size()) return;
    Q_EMIT positionChanged(positionText(row, texts_));
    lamps_ = rows[row].lamps;
    Q_EMIT cornersChanged(QList<int>(kLichtAusOrder.begin(), kLichtAusOrder.end()));
    lampEditor_.forgetArea();
}

void EditingSession::onRowsChanged(int s, const Selection& selection) {
    // The commands edit the shown sequence; a change to the other one comes from undo or redo,
    // and the user is shown the sequence that changed.
    if (s != active_)
        chooseSequence(s);
    else
        stopPlayback();
    Q_EMIT rowsChanged(s);
    showSelection(s, selection);
}

void EditingSession::onDocumentReset() {
    stopPlayback();
    for (int s = 0; s < 2; ++s) {
        Q_EMIT rowsChanged(s);
        showSelection(s, Selection{});
    }
}

void EditingSession::silence() {
    blockSignals(true);
    editor_.undoStack()->blockSignals(true);
    vehicle_.blockSignals(true);
}

void EditingSession::playFromStart() {
    runPlayback(playback_.pressPlayFromStart(activeRows()));
}

void EditingSession::playFromHere() {
    runPlayback(playback_.pressPlayFromHere(activeRows(), activeSelection()));
}

void EditingSession::stopPlayback() {
    if (playback_.isRunning()) runPlayback(playback_.stop());
}

void EditingSession::setRowSelected(int row, bool selected) {
    Selection selection = selections_[active_];
    QList<int>& rows = selection.rows;
    const auto at = std::lower_bound(rows.begin(), rows.end(), row);
    const bool present = at != rows.end() && *at == row;
    if (selected && !present) rows.insert(at, row);
    if (!selected && present) rows.erase(at);
    showSelection(active_, selection);
}

void EditingSession::runPlayback(const PlaybackActions& actions) {
    for (const PlaybackAction& a : actions) {
        switch (a.kind) {
            case PlaybackAction::Kind::SetCaptions:
                Q_EMIT playbackCaptions(a.text, a.text2);
                break;
            case PlaybackAction::Kind::LampsOff:
                lampsOff();
                break;
            case PlaybackAction::Kind::Pause: {
                // The pause may be ended by a stop, or a new run started during it; the machine
                // then answers nothing.
                const int run = playback_.runNumber();
                clock_.singleShot(a.ms, this,
                                  [this, run] { runPlayback(playback_.endPause(run)); });
                break;
            }
            case PlaybackAction::Kind::SelectRow:
                setRowSelected(a.row, true);
                break;
            case PlaybackAction::Kind::DeselectRow:
                setRowSelected(a.row, false);
                break;
            case PlaybackAction::Kind::DeselectAll:
                showSelection(active_, Selection{});
                break;
            case PlaybackAction::Kind::ShowRow:
                showRow(a.row);
                break;
            case PlaybackAction::Kind::StartTimer:
                stepTimer_->start(a.ms);
                break;
            case PlaybackAction::Kind::StopTimer:
                stepTimer_->stop();
                break;
        }
    }
    Q_EMIT playbackStep(playbackRow());
}

}  // namespace vireo
