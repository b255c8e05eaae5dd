#include "app/splash_window.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/app_info.h"
#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

namespace {
// A small drawn logo: a lamp with a beam, in the program's colours.
QPixmap logoPixmap() {
    QPixmap pix(96, 96);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient beam(20, 48, 96, 48);
    beam.setColorAt(0, QColor(255, 214, 80, 230));
    beam.setColorAt(1, QColor(255, 214, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(beam);
    p.drawPolygon(QPolygonF({QPointF(30, 40), QPointF(96, 12), QPointF(96, 84), QPointF(30, 56)}));
    p.setBrush(QColor(40, 44, 52));
    p.drawEllipse(QPointF(28, 48), 22, 22);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(28, 48), 13, 13);
    return pix;
}
}  // namespace

SplashWindow::SplashWindow(const LanguageTable& texts, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(kAppTitle);
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(logoPixmap());
    auto* product = new QLabel(QStringLiteral("Vireo"), frame);
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSize(24);
    big.setBold(true);
    product->setFont(big);
    auto* company = new QLabel(kCompany, frame);
    company->setObjectName(QStringLiteral("lblCompanyProduct"));
    auto* version = new QLabel(texts.entry(text::VersionLine).arg(versionText()), frame);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* info = new QLabel(texts.entry(text::LoadingProgram), frame);
    info->setObjectName(QStringLiteral("labInfo"));

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    auto* names = new QVBoxLayout;
    names->addWidget(company);
    names->addWidget(product);
    names->addWidget(version);
    top->addLayout(names);
    top->addStretch();
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(info);
    setMinimumSize(420, 200);
}

}  // namespace vireo
