#include "ui/timeline_panel.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "config/settings_keys.h"
#include "module/upload_image.h"
#include "platform/settings_store.h"
#include "sequence/document_editor.h"
#include "sequence/edit_outcome.h"
#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/window_commands.h"

namespace vireo {

namespace {
namespace k = settings_keys;
// Room kept on the screen for the window's title bar and frame.
constexpr int kWindowFrameRoom = 40;
// The lamp rows a window on a short screen keeps in view before the editor part scrolls.
constexpr int kRowsKept = 8;
}  // namespace

TimelinePanel::TimelinePanel(const EditingSession& session, const LanguageTable& texts,
                             SettingsStore& settings, QWidget* parent)
    : QWidget(parent), texts_(texts), settings_(settings) {
    setObjectName(QStringLiteral("timelinePanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 0, 8, 4);
    column->setSpacing(2);
    view_ = new TimelineView(session, texts, this);
    meter_ = new MemoryMeterWidget(texts, this);
    column->addWidget(view_);
    column->addWidget(meter_);

    // The meter follows every change of the rows, also by undo and redo.
    const DocumentEditor& editor = session.documentEditor();
    connect(&editor, &DocumentEditor::rowsChanged, meter_, &MemoryMeterWidget::refresh);
    connect(&editor, &DocumentEditor::documentReset, meter_, &MemoryMeterWidget::refresh);
    // The timeline shows what each step costs, as the meter last measured it.
    connect(meter_, &MemoryMeterWidget::readingChanged, view_,
            [this] { view_->setImageCost(meter_->reading().cost); });

    viewMenu_ = new QMenu(this);
    viewMenu_->setObjectName(QStringLiteral("Ansicht"));
    showAction_ = new QAction(viewMenu_);
    showAction_->setObjectName(QStringLiteral("Zeitleiste"));
    showAction_->setCheckable(true);
    viewMenu_->addAction(showAction_);
    const bool shown = settings_.read(k::kShowTimeline) != k::kFalse;
    showAction_->setChecked(shown);
    setVisible(shown);
    connect(showAction_, &QAction::toggled, this, &TimelinePanel::showPanel);
    applyLanguage();
}

void TimelinePanel::applyLanguage() {
    viewMenu_->setTitle(texts_.entry(text::ViewMenu));
    showAction_->setText(texts_.entry(text::TimelineAction));
    view_->setAccessibleName(withoutAccessLetter(texts_.entry(text::TimelineAction)));
    view_->applyLanguage();
    meter_->refresh();
}

void TimelinePanel::placeIn(QSplitter* splitter) {
    splitter_ = splitter;
    splitter->addWidget(this);
    splitter->setChildrenCollapsible(false);
    // Height the window gains or loses goes to the timeline; the editor part keeps its size.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(splitter->indexOf(this), 1);
    connect(splitter, &QSplitter::splitterMoved, this,
            [this] { settings_.write(k::kTimelineHeight, QString::number(height())); });
    growWindow();
}

std::optional<int> TimelinePanel::storedHeight() const {
    bool number = false;
    const int stored = settings_.read(k::kTimelineHeight).toInt(&number);
    if (!number || stored < minimumSizeHint().height()) return std::nullopt;
    return stored;
}

void TimelinePanel::growWindow() {
    QWidget* window = this->window();
    if (!window || window == this || !splitter_ || isHidden()) return;
    // The window grows by the timeline: the height the user left it at, or else every lamp row.
    // When the screen is too short for that, the editor part gives up height first: without a
    // stored height down to what its fixed parts need (its list shrinks), with one down to a
    // few lines (it scrolls), as the user chose. Then the timeline gives up rows down to the
    // first kRowsKept with the cost strip, then the editor part more (it scrolls, down to its
    // first line) and only then the timeline more (down to a few rows, which it scrolls).
    QWidget* editorPart = splitter_->widget(0);
    const std::optional<int> stored = storedHeight();
    const bool shown = window->isVisible();
    int editor = shown ? editorPart->height() : editorPart->sizeHint().height();
    int panel = stored.value_or(sizeHint().height());
    const int editorScrolling = editorPart->minimumSizeHint().height();
    int editorLeast = editorScrolling;
    if (const auto* area = qobject_cast<QScrollArea*>(editorPart); area && !stored)
        editorLeast = area->widget()->minimumSizeHint().height();
    const int panelLeast = minimumSizeHint().height();
    const int panelKept =
        panelLeast + view_->heightForRows(kRowsKept) - view_->minimumSizeHint().height();
    // The menu bar and the line between editor part and timeline.
    const int others = (shown ? window->height() - splitter_->height()
                              : window->sizeHint().height() - splitter_->sizeHint().height()) +
                       splitter_->handleWidth();
    if (const QScreen* screen = window->screen()) {
        int over =
            others + editor + panel - (screen->availableGeometry().height() - kWindowFrameRoom);
        const auto give = [&over](int& part, int least) {
            const int given = std::clamp(over, 0, std::max(0, part - least));
            part -= given;
            over -= given;
        };
        give(editor, editorLeast);
        give(panel, panelKept);
        give(editor, editorScrolling);
        give(panel, panelLeast);
    }
    window->resize(window->width(),
                   std::max(others + editor + panel, window->minimumSizeHint().height()));
    splitter_->setSizes({editor, panel});
}

void TimelinePanel::showPanel(bool shown) {
    settings_.write(k::kShowTimeline, shown ? k::kTrue : k::kFalse);
    if (shown == !isHidden()) return;
    // The window grows by the panel and shrinks back, so the controls above keep their size.
    QWidget* window = this->window();
    const int change = height() + (splitter_ ? splitter_->handleWidth() : 0);
    setVisible(shown);
    if (!window || window == this) return;
    if (shown)
        growWindow();
    else
        window->resize(window->width(), window->height() - change);
}

void TimelinePanel::follow(EditingSession& session, WindowCommands& commands) {
    // The one place the meter's inputs come from; besides every edit (followed above) it
    // follows the vehicle settings (an identified module restricts the options) and the model.
    meter_->setProvider([&session] {
        return MeterInputs{session.document(), session.vehicleSettings().options(),
                           session.setup().modellnummer, kUploadCapacity};
    });
    connect(&session.vehicleSettings(), &VehicleSettings::changed, meter_,
            &MemoryMeterWidget::refresh);
    connect(&session, &EditingSession::setupChanged, meter_, &MemoryMeterWidget::refresh);

    EditingSession* s = &session;
    connect(s, &EditingSession::activeSequenceChanged, view_, [this, s](int sequence) {
        view_->setSequence(sequence);
        view_->setSelection(s->selection(sequence));
    });
    connect(s, &EditingSession::selectionChanged, view_,
            [this, s](int sequence, const Selection& selection) {
                if (sequence == s->activeSequence()) view_->setSelection(selection);
            });
    connect(view_, &TimelineView::selectionChosen, s, [s](Selection selection) {
        s->setSelection(s->activeSequence(), selection);
        s->showStep();
    });
    connect(view_, &TimelineView::showStepRequested, s, &EditingSession::showRow);
    // A lamp switched in the timeline is an edit of the session (with the mirror lamp while
    // symmetric editing is on).
    connect(view_, &TimelineView::lampsSwitched, s, &EditingSession::switchLamps);
    // Delete, copy, cut and paste act on the shared selection as the table's commands do.
    connect(view_, &TimelineView::commandRequested, this,
            [&commands](CommandId id) { commands.action(id)->trigger(); });
    // The playback cursor follows the step the simulation shows.
    connect(s, &EditingSession::playbackStep, view_, &TimelineView::setPlaybackStep);
}

}  // namespace vireo
