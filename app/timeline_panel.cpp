#include "app/timeline_panel.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "config/language.h"
#include "platform/settings_store.h"
#include "sequence/document_editor.h"
#include "timeline/timeline_texts.h"

namespace vireo {

namespace {
// Whether the panel is shown: "Wahr" or "Falsch"; shown when not set.
const QString kShowTimelineKey = QStringLiteral("Zeitleiste");
// Room kept on the screen for the window's title bar and frame.
constexpr int kWindowFrameRoom = 40;
}  // namespace

TimelinePanel::TimelinePanel(DocumentEditor& editor, const LanguageTable& texts,
                             SettingsStore& settings, QWidget* parent)
    : QWidget(parent), texts_(texts), settings_(settings) {
    setObjectName(QStringLiteral("timelinePanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 0, 8, 4);
    column->setSpacing(2);
    view_ = new TimelineView(editor, texts, this);
    meter_ = new MemoryMeterWidget(texts, this);
    column->addWidget(view_);
    column->addWidget(meter_);

    // The meter follows every change of the rows, also by undo and redo.
    connect(&editor, &DocumentEditor::rowsChanged, meter_, &MemoryMeterWidget::refresh);
    connect(&editor, &DocumentEditor::documentReset, meter_, &MemoryMeterWidget::refresh);

    viewMenu_ = new QMenu(this);
    viewMenu_->setObjectName(QStringLiteral("Ansicht"));
    showAction_ = new QAction(viewMenu_);
    showAction_->setObjectName(QStringLiteral("Zeitleiste"));
    showAction_->setCheckable(true);
    viewMenu_->addAction(showAction_);
    const bool shown = settings_.read(kShowTimelineKey) != QLatin1String("Falsch");
    showAction_->setChecked(shown);
    setVisible(shown);
    connect(showAction_, &QAction::toggled, this, &TimelinePanel::showPanel);
    applyLanguage();
}

void TimelinePanel::applyLanguage() {
    viewMenu_->setTitle(texts_.entry(kEntryViewMenu));
    showAction_->setText(texts_.entry(kEntryTimelineAction));
    view_->applyLanguage();
    meter_->refresh();
}

void TimelinePanel::growWindow() {
    QWidget* window = this->window();
    if (!window || window == this || isHidden()) return;
    // Every lamp row is shown unless the screen is too short for it: then the timeline gives up
    // rows (down to a few, which it scrolls) until the window fits.
    const int full = view_->sizeHint().height();
    int height = window->height() + sizeHint().height() + 6;
    int shortfall = 0;
    if (const QScreen* screen = window->screen())
        shortfall = std::max(0, height - (screen->availableGeometry().height() - kWindowFrameRoom));
    view_->setMinimumHeight(std::max(view_->minimumSizeHint().height(), full - shortfall));
    height -= shortfall;
    window->resize(window->width(), std::max(height, window->minimumSizeHint().height()));
}

void TimelinePanel::showPanel(bool shown) {
    settings_.write(kShowTimelineKey, shown ? QStringLiteral("Wahr") : QStringLiteral("Falsch"));
    if (shown == !isHidden()) return;
    // The window grows by the panel and shrinks back, so the controls above keep their size.
    QWidget* window = this->window();
    const int change = height() + 6;
    setVisible(shown);
    if (!window || window == this) return;
    if (shown)
        growWindow();
    else
        window->resize(window->width(), window->height() - change);
}

}  // namespace vireo
