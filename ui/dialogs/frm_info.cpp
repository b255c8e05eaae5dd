#include "ui/dialogs/frm_info.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "platform/app_info.h"
#include "text/language.h"
#include "text/text_ids.h"
#include "ui/access_letters.h"
#include "ui/dialogs/about_logo.h"

namespace vireo {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kLinkBlue(0, 0, 255);
const QColor kLinkRed(255, 0, 0);

const QPoint kBeamOrigin(558, 6);
const QPoint kPictureCorner(230, 131);
constexpr int kBeamColumnMs = 25;
constexpr int kBeamLookMs = 300;

// "Software entwickelt von Firma Kelvor" in German: the language's words, then the maker.
QString makerLine(const LanguageTable& table) {
    return table.entry(text::DevelopedBy) + QLatin1Char(' ') + kCompany;
}

// Labels are opaque like the rest of the controls, so the beams pass behind them.
QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kGrey);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

}  // namespace

FrmInfo::FrmInfo(const LanguageTable& table, LinkOpener openLink, Clock& clock, QWidget* parent)
    : QDialog(parent), clock_(clock), openLink_(std::move(openLink)), picture_(aboutLogo()) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kGrey);
    setPalette(palette);
    setMouseTracking(true);

    beams_ = QImage(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    beams_.fill(Qt::transparent);

    labSW_Version_ = makeLabel(QStringLiteral("labSW_Version"),
                               table.entry(text::SoftwareVersionLine).arg(versionText()), this);
    QFont big = labSW_Version_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    labSW_Version_->setFont(big);
    labSW_Version_->setGeometry(24, 20, 300, 30);
    labSoftware_ = makeLabel(QStringLiteral("labSoftware"), makerLine(table), this);
    labSoftware_->setGeometry(24, 54, 300, 22);

    labInternet_ = makeLabel(QStringLiteral("labInternet"), table.entry(text::InternetLabel), this);
    labInternet_->setGeometry(24, 206, 70, 22);
    txtHyperlink_ = makeLink(QStringLiteral("txtHyperlink"), kMakerWeb, kMakerWeb);
    txtHyperlink_->setGeometry(100, 206, 190, 22);
    labMail_ = makeLabel(QStringLiteral("labMail"), table.entry(text::MailLabel), this);
    labMail_->setGeometry(24, 234, 70, 22);
    txtE_Mail_ =
        makeLink(QStringLiteral("txtE_Mail"), kMakerMail, QStringLiteral("mailto:") + kMakerMail);
    txtE_Mail_->setGeometry(100, 234, 190, 22);

    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setPixmap(QPixmap::fromImage(picture_));
    picture1_->setGeometry(QRect(kPictureCorner, picture_.size()));
    picture1_->hide();

    cmdEnde_ = new QPushButton(this);
    cmdEnde_->setObjectName(QStringLiteral("cmdEnde"));
    cmdEnde_->setGeometry(kWidth - 24 - 110, kHeight - 20 - 30, 110, 30);
    cmdEnde_->setDefault(true);
    connect(cmdEnde_, &QPushButton::clicked, this, [this] {
        closing_ = true;
        close();
    });

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, &FrmInfo::runAnimation);
    applyCaptions(table);
}

QLineEdit* FrmInfo::makeLink(const QString& name, const QString& text, const QString& target) {
    auto* link = new QLineEdit(text, this);
    link->setObjectName(name);
    link->setReadOnly(true);
    link->setFrame(false);
    link->setFocusPolicy(Qt::NoFocus);
    link->setProperty("tag", target);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    styleLink(link, false);
    return link;
}

void FrmInfo::styleLink(QLineEdit* link, bool hovered) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::Base, kGrey);
    palette.setColor(QPalette::Text, hovered ? kLinkRed : kLinkBlue);
    link->setPalette(palette);
    QFont font = link->font();
    font.setUnderline(hovered);
    link->setFont(font);
}

void FrmInfo::openLink(QLineEdit* link) {
    // Dropping and restoring the enabled state takes the caret and any selection away.
    link->setEnabled(false);
    link->setEnabled(true);
    link->deselect();
    if (!openLink_) return;
    if (link == txtE_Mail_) {
        openLink_(QStringLiteral("mailto:") + txtE_Mail_->text() + QStringLiteral("?Subject=") +
                  QStringLiteral("&Body="));
    } else {
        openLink_(link->property("tag").toString());
    }
}

bool FrmInfo::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLineEdit*>(watched);
    if (link && (link == txtHyperlink_ || link == txtE_Mail_)) {
        switch (event->type()) {
            case QEvent::Enter:
            case QEvent::MouseMove:
                styleLink(link, true);
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return true;  // no caret, no selection: the box is a link
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                    link->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                    openLink(link);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmInfo::mouseMoveEvent(QMouseEvent* event) {
    styleLink(txtHyperlink_, false);
    styleLink(txtE_Mail_, false);
    QDialog::mouseMoveEvent(event);
}

void FrmInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closing_ = false;
    if (!drawn_) timer1_->start();
}

void FrmInfo::done(int result) {
    // However the box is closed (button, window frame, Escape), a running animation stops.
    closing_ = true;
    timer1_->stop();
    QDialog::done(result);
}

void FrmInfo::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(0, 0, beams_);
}

void FrmInfo::runAnimation() {
    timer1_->stop();
    closing_ = false;
    drawBeamColumn(0);
}

void FrmInfo::drawBeamColumn(int x) {
    // One column of the picture every 25 ms, each from the beam origin to its pixels; the box
    // stays live in between, and closing it ends the animation.
    if (closing_) return;
    if (x >= picture_.width()) {
        showPictureAfterBeams();
        return;
    }
    {
        QPainter painter(&beams_);
        for (int y = 0; y < picture_.height(); ++y) {
            painter.setPen(picture_.pixelColor(x, y));
            painter.drawLine(kBeamOrigin, kPictureCorner + QPoint(x, y));
        }
    }
    update();
    clock_.singleShot(kBeamColumnMs, this, [this, x] { drawBeamColumn(x + 1); });
}

void FrmInfo::showPictureAfterBeams() {
    picture1_->show();
    drawn_ = true;
    // A short look at the beams, then they are cleared.
    clock_.singleShot(kBeamLookMs, this, [this] {
        if (closing_) return;
        beams_.fill(Qt::transparent);
        update();
    });
}

void FrmInfo::applyCaptions(const LanguageTable& table) {
    cmdEnde_->setText(table.entry(text::Close));
    labSoftware_->setText(makerLine(table));
    markAccessLetters(*this);
}

}  // namespace vireo
