#include "ui/connecting_notice.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "text/language.h"
#include "text/text_ids.h"

namespace vireo {

FrmVerbindung::FrmVerbindung(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("frmVerbindung"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(24, 16, 24, 16);
    label_ = new QLabel(LanguageTable::builtIn().entry(text::Connecting), frame);
    label_->setObjectName(QStringLiteral("labVerbindungsaufbau"));
    label_->setAlignment(Qt::AlignCenter);
    inner->addWidget(label_);
    outer->addWidget(frame);
}

void FrmVerbindung::applyCaptions(const LanguageTable& texts) {
    const QString caption = texts.entry(text::Connecting);
    if (!caption.isEmpty()) label_->setText(caption);
}

void FrmVerbindung::showNow() {
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->geometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
}

}  // namespace vireo
