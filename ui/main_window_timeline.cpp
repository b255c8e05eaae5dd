// The lamp timeline and the memory meter below the face: created, placed and wired to the
// table, the pictures, the playback and the vehicle settings. The panel keeps its own rules.

#include <QAction>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>

#include "module/upload_image.h"
#include "ui/data_panel.h"
#include "ui/main_window.h"
#include "ui/sequence_list.h"
#include "ui/sequence_panel.h"
#include "ui/timeline_panel.h"

namespace vireo {

void MainWindow::setUpTimeline() {
    timeline_ = new TimelinePanel(editor_, texts_, *context_.settings, centralWidget());
    timeline_->placeIn(centralWidget()->findChild<QSplitter*>(QStringLiteral("editorSplitter")));
    menuBar()->insertMenu(menuConnect_->menuAction(), timeline_->viewMenu());
    // The one place the meter's inputs come from.
    timeline_->meter()->setProvider([this] {
        return MeterInputs{editor_.document(), vehicle_.options(), moduleCode(), kUploadCapacity};
    });
    // Besides every edit (the panel follows those itself): every change of the vehicle settings,
    // and a module identified or written (its memory size).
    connect(&vehicle_, &VehicleSettings::changed, timeline_->meter(), &MemoryMeterWidget::refresh);
    connect(mType_, &QAction::triggered, timeline_->meter(), &MemoryMeterWidget::refresh);
    connect(data_, &DataPanel::sendRequested, timeline_->meter(), &MemoryMeterWidget::refresh);

    TimelineView* view = timeline_->view();
    connect(session_, &EditingSession::activeSequenceChanged, view, [this, view](int s) {
        view->setSequence(s);
        view->setSelection(session_->selection(s));
    });
    connect(session_, &EditingSession::selectionChanged, view,
            [this, view](int s, const Selection& selection) {
                if (s == session_->activeSequence()) view->setSelection(selection);
            });
    connect(view, &TimelineView::selectionChosen, this, [this](Selection selection) {
        session_->setSelection(session_->activeSequence(), selection);
        sequence_->showStep();
    });
    connect(view, &TimelineView::showStepRequested, session_, &EditingSession::showRow);
    // Delete, copy, cut and paste act on the shared selection as the table's commands do.
    connect(view, &TimelineView::deleteRequested, session_, &EditingSession::deleteRows);
    connect(view, &TimelineView::copyRequested, listMenu_[1], &QAction::trigger);
    connect(view, &TimelineView::cutRequested, listMenu_[2], &QAction::trigger);
    connect(view, &TimelineView::pasteRequested, listMenu_[3], &QAction::trigger);
    // The playback cursor follows the step the simulation shows.
    connect(session_, &EditingSession::playbackStep, view, &TimelineView::setPlaybackStep);
}

}  // namespace vireo
