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

#include "app/main_window.h"
#include "app/sequence_list.h"
#include "app/timeline_panel.h"
#include "module/upload_image.h"

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
    connect(cmdDaten_, &QPushButton::clicked, timeline_->meter(), &MemoryMeterWidget::refresh);

    TimelineView* view = timeline_->view();
    for (int s = 0; s < 2; ++s) {
        connect(optAufZu_[s], &QRadioButton::toggled, view, [this, view, s](bool on) {
            if (!on) return;
            view->setSequence(s);
            view->setSelection(selectionOf(list1_[s]));
        });
        // The selection model reports also the selections the window makes itself.
        connect(list1_[s]->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                [this, view, s] {
                    if (s == activeSequence_) view->setSelection(selectionOf(list1_[s]));
                });
    }
    connect(view, &TimelineView::selectionChosen, this, [this](Selection selection) {
        selectRows(activeList(), selection);
        showStep();
    });
    connect(view, &TimelineView::showStepRequested, this, &MainWindow::showRowLamps);
    // Delete, copy, cut and paste act on the shared selection as the table's commands do.
    connect(view, &TimelineView::deleteRequested, cmdLoeschen_, &QPushButton::click);
    connect(view, &TimelineView::copyRequested, this, [this] { runTableCommand(1); });
    connect(view, &TimelineView::cutRequested, this, [this] { runTableCommand(2); });
    connect(view, &TimelineView::pasteRequested, this, [this] { runTableCommand(3); });
    // The playback cursor follows the step the simulation shows.
    const auto followPlayback = [this, view] {
        view->setPlaybackStep(playback_.isRunning() ? playback_.currentRow() : -1);
    };
    connect(timerE_, &QTimer::timeout, view, followPlayback);
    connect(cmdSilulation_, &QPushButton::clicked, view, followPlayback);
    connect(cmdSimWeiter_, &QPushButton::clicked, view, followPlayback);
    connect(&editor_, &DocumentEditor::rowsChanged, view, followPlayback);
}

}  // namespace vireo
