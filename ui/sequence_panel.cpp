#include "ui/sequence_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "config/startup_settings.h"
#include "sequence/step_table.h"
#include "session/editing_session.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/input_hold.h"
#include "ui/named_widgets.h"
#include "ui/sequence_list.h"
#include "ui/window_commands.h"

namespace vireo {

SequencePanel::SequencePanel(EditingSession& session, const LanguageTable& texts,
                             WindowCommands& commands, QWidget* parent)
    : QWidget(parent), session_(session), texts_(texts) {
    setObjectName(QStringLiteral("sequencePanel"));
    buildWidgets();
    connectSession(commands);
    applyLanguage();
    setFocusProxy(optAufZu_[0]);
}

SequencePanel::~SequencePanel() = default;

void SequencePanel::buildWidgets() {
    auto* side = new QVBoxLayout(this);
    side->setContentsMargins(0, 8, 0, 0);

    frames_[4] = namedFrame(this, "Frame4", QString());
    auto* remote = new QHBoxLayout(frames_[4]);
    for (int s = 0; s < 2; ++s) {
        optAufZu_[s] = new QRadioButton(frames_[4]);
        optAufZu_[s]->setObjectName(QStringLiteral("optAuf_Zu_%1").arg(s));
        remote->addWidget(optAufZu_[s]);
    }
    optAufZu_[0]->setChecked(true);
    side->addWidget(frames_[4]);

    lists_ = new QStackedWidget(this);
    for (int s = 0; s < 2; ++s) {
        auto* list = new QTreeWidget(lists_);
        list->setObjectName(QStringLiteral("List1_%1").arg(s));
        list->setColumnCount(2);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        list->header()->setStretchLastSection(true);
        list->setColumnWidth(0, 90);
        list1_[s] = list;
        lists_->addWidget(list);
    }
    side->addWidget(lists_, 1);

    labPos_ = new QLabel(positionText(-1, texts_), this);
    labPos_->setObjectName(QStringLiteral("labPos"));
    side->addWidget(labPos_);

    auto* timeRow = new QHBoxLayout;
    sliderZeitein_ = new QSlider(Qt::Horizontal, this);
    sliderZeitein_->setObjectName(QStringLiteral("sliderZeitein"));
    sliderZeitein_->setRange(1, 100);
    sliderZeitein_->setSingleStep(1);
    sliderZeitein_->setPageStep(5);
    labZeitein_ = new QLabel(this);
    labZeitein_->setObjectName(QStringLiteral("labZeitein"));
    labZeitein_->setMinimumWidth(110);
    timeRow->addWidget(sliderZeitein_, 1);
    timeRow->addWidget(labZeitein_);
    side->addLayout(timeRow);

    auto* appendRow = new QHBoxLayout;
    cmdWeiter_ = namedButton(this, QStringLiteral("cmdWeiter"), QString());
    chkAutomatichWeiter_ = new QCheckBox(this);
    chkAutomatichWeiter_->setObjectName(QStringLiteral("chkAutomatichWeiter"));
    updateAutoColour();
    appendRow->addWidget(cmdWeiter_, 1);
    appendRow->addWidget(chkAutomatichWeiter_);
    // Symmetric: a lamp switched on the pictures or in the timeline switches its mirror lamp too.
    chkSymmetrisch_ = new QCheckBox(this);
    chkSymmetrisch_->setObjectName(QStringLiteral("chkSymmetrisch"));
    appendRow->addWidget(chkSymmetrisch_);
    side->addLayout(appendRow);

    frameGrid_ = new QGridLayout;
    frames_[2] = namedFrame(this, "Frame2", QString());
    {
        auto* l = new QVBoxLayout(frames_[2]);
        cmdAendern_ = namedButton(frames_[2], QStringLiteral("cmdÄndern"), QString());
        cmdEinfuegen_ = namedButton(frames_[2], QStringLiteral("cmdEinfügen"), QString());
        cmdLoeschen_ = namedButton(frames_[2], QStringLiteral("cmdLöschen"), QString());
        l->addWidget(cmdAendern_);
        l->addWidget(cmdEinfuegen_);
        l->addWidget(cmdLoeschen_);
    }
    frames_[3] = namedFrame(this, "Frame3", QString());
    {
        auto* l = new QVBoxLayout(frames_[3]);
        cmdSchleife_ = namedButton(frames_[3], QStringLiteral("cmdSchleife"), QString());
        cmdSchleifeL_ = namedButton(frames_[3], QStringLiteral("cmdSchleife_L"), QString());
        l->addWidget(cmdSchleife_);
        l->addWidget(cmdSchleifeL_);
        l->addStretch();
    }
    frames_[1] = namedFrame(this, "Frame1", QString());
    {
        auto* l = new QVBoxLayout(frames_[1]);
        cmdSilulation_ = namedButton(frames_[1], QStringLiteral("cmdSilulation"), QString());
        cmdSimWeiter_ = namedButton(frames_[1], QStringLiteral("cmdSimWeiter"), QString());
        cmdLichtaus_ = namedButton(frames_[1], QStringLiteral("cmdLichtaus"), QString());
        l->addWidget(cmdSilulation_);
        l->addWidget(cmdSimWeiter_);
        l->addWidget(cmdLichtaus_);
    }
    frameGrid_->addWidget(frames_[2], 0, 0);
    frameGrid_->addWidget(frames_[3], 0, 1);
    frameGrid_->addWidget(frames_[1], 1, 0);
    side->addLayout(frameGrid_);
}

void SequencePanel::addFrames(QWidget* data, QWidget* program) {
    frameGrid_->addWidget(data, 1, 1);
    frameGrid_->addWidget(program, 2, 0, 1, 2);
}

void SequencePanel::connectSession(WindowCommands& commands) {
    EditingSession* session = &session_;
    connect(session, &EditingSession::activeSequenceChanged, this,
            &SequencePanel::showActiveSequence);
    connect(session, &EditingSession::rowsChanged, this,
            [this](int s) { showRows(list1_[s], session_.document().sequences[s]); });
    connect(session, &EditingSession::selectionChanged, this, &SequencePanel::showSelection);
    connect(session, &EditingSession::positionChanged, labPos_, &QLabel::setText);
    connect(session, &EditingSession::playbackCaptions, this,
            [this](const QString& fromStart, const QString& fromHere) {
                cmdSilulation_->setText(fromStart);
                cmdSimWeiter_->setText(fromHere);
            });

    connect(sliderZeitein_, &QSlider::valueChanged, this, &SequencePanel::updateOnTimeLabel);
    connect(sliderZeitein_, &QSlider::valueChanged, session, &EditingSession::setOnTime);
    connect(chkAutomatichWeiter_, &QCheckBox::toggled, this, &SequencePanel::updateAutoColour);
    // The new lamp shows for a moment before it is appended; clicks and keys that come
    // meanwhile act after the append, in order. Then Space appends the next step.
    connect(session, &EditingSession::autoAppendStarted, this,
            [this] { appendHold_ = std::make_unique<InputHold>(window()); });
    connect(session, &EditingSession::autoAppendFinished, this, [this] {
        cmdWeiter_->setFocus();
        appendHold_.reset();
    });
    for (int s = 0; s < 2; ++s) {
        connect(optAufZu_[s], &QRadioButton::toggled, this, [this, s](bool on) {
            if (on) session_.chooseSequence(s);
        });
        // The user's selection goes to the session; the session's own changes come back
        // through showSelection, which does not echo them.
        QTreeWidget* list = list1_[s];
        const auto selected = [this, s, list] { session_.setSelection(s, selectionOf(list)); };
        connect(list, &QTreeWidget::itemSelectionChanged, this, selected);
        connect(list, &QTreeWidget::currentItemChanged, this, selected);
        connect(list, &QTreeWidget::itemClicked, this, &SequencePanel::showStep);
        connect(list, &QTreeWidget::customContextMenuRequested, this, [this, list](QPoint pos) {
            Q_EMIT tableMenuRequested(list->viewport()->mapToGlobal(pos));
        });
    }

    // The buttons and "Symmetrisch" run the window's actions: "Ändern" on every activation (a
    // click, Space or Enter on the focused button, or its Alt letter), like the others.
    commands.bindButtons(this);
}

void SequencePanel::applyStartupSettings(const StartupSettings& settings) {
    if (settings.autoAppend) setAutoAppend(*settings.autoAppend);
    if (settings.slider) setOnTime(*settings.slider);
    updateOnTimeLabel();
}

int SequencePanel::onTime() const {
    return sliderZeitein_->value();
}

void SequencePanel::setOnTime(int tenths) {
    sliderZeitein_->setValue(tenths);
}

bool SequencePanel::autoAppend() const {
    return chkAutomatichWeiter_->isChecked();
}

void SequencePanel::setAutoAppend(bool on) {
    chkAutomatichWeiter_->setChecked(on);
}

void SequencePanel::setPositionText(const QString& text) {
    labPos_->setText(text);
}

void SequencePanel::showStep() {
    updateOnTimeLabel();
    session_.showStep();
}

void SequencePanel::showActiveSequence(int s) {
    if (!optAufZu_[s]->isChecked()) optAufZu_[s]->setChecked(true);
    lists_->setCurrentIndex(s);
}

void SequencePanel::showSelection(int s, const Selection& selection) {
    // The user's own selection is left as the list holds it (a drag in progress keeps its anchor).
    if (selectionOf(list1_[s]) != selection) selectRows(list1_[s], selection);
}

void SequencePanel::updateOnTimeLabel() {
    labZeitein_->setText(onTimeCaption(sliderZeitein_->value(), texts_));
}

void SequencePanel::updateAutoColour() {
    QPalette pal = chkAutomatichWeiter_->palette();
    pal.setColor(QPalette::WindowText,
                 chkAutomatichWeiter_->isChecked() ? QColor(255, 0, 0) : QColor(64, 64, 64));
    chkAutomatichWeiter_->setPalette(pal);
}

void SequencePanel::holdSimulationFrameWidth() {
    // The captions while a sequence plays may be shorter than the idle ones; the frame keeps the
    // idle width so the controls beside and above it do not move during playback.
    frames_[1]->setMinimumWidth(0);
    frames_[1]->setMinimumWidth(frames_[1]->sizeHint().width());
}

void SequencePanel::applyAccessibleNames() {
    // The lists are named after their sequence, the slider after what it sets.
    list1_[0]->setAccessibleName(texts_.entry(text::RemoteUnlock).trimmed());
    list1_[1]->setAccessibleName(texts_.entry(text::RemoteLock).trimmed());
    sliderZeitein_->setAccessibleName(texts_.entry(text::OnTimeSliderName));
}

void SequencePanel::applyLanguage() {
    const LanguageTable& t = texts_;
    applyAccessibleNames();
    optAufZu_[0]->setText(t.entry(text::RemoteUnlock));
    optAufZu_[1]->setText(t.entry(text::RemoteLock));
    chkAutomatichWeiter_->setText(t.entry(text::AutoAppend));
    for (int i = 1; i <= 4; ++i) frames_[i]->setTitle(t.entry(text::FrameTitleFirst + i - 1));
    for (QTreeWidget* list : list1_)
        list->setHeaderLabels({t.entry(text::IntervalColumn), t.entry(text::LoopColumn)});
    chkAutomatichWeiter_->setToolTip(t.entry(text::ToolTipAutoAppend));
    updateOnTimeLabel();
    holdSimulationFrameWidth();
}

}  // namespace vireo
