#include "ui/memory_meter_widget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "text/language.h"

namespace vireo {

MemoryMeterWidget::MemoryMeterWidget(const LanguageTable& texts, QWidget* parent)
    : QWidget(parent), texts_(texts) {
    setObjectName(QStringLiteral("memoryMeter"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("memoryMeterBar"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setFixedWidth(200);
    bar_->setMaximumHeight(14);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("memoryMeterText"));
    row->addWidget(bar_);
    row->addWidget(text_, 1);
}

void MemoryMeterWidget::setProvider(MeterInputsProvider provider) {
    provider_ = std::move(provider);
}

void MemoryMeterWidget::refresh() {
    if (!provider_) return;
    const MeterInputs in = provider_();
    reading_ = readMemoryMeter(in.document, in.options, in.moduleCode, in.capacity, texts_);
    const bool bad = reading_.state == MeterReading::State::TooBig ||
                     reading_.state == MeterReading::State::NoImage;
    const bool noImage = reading_.state == MeterReading::State::NoImage;
    bar_->setValue(std::clamp(noImage ? 0 : reading_.percent, 0, 100));
    text_->setText(reading_.text);
    // Red when the image does not fit or cannot be built.
    QPalette pal = palette();
    if (bad) {
        pal.setColor(QPalette::WindowText, QColor(200, 0, 0));
        pal.setColor(QPalette::Highlight, QColor(200, 0, 0));
    }
    text_->setPalette(pal);
    bar_->setPalette(pal);
    setToolTip(reading_.toolTip);
    Q_EMIT readingChanged();
}

}  // namespace vireo
