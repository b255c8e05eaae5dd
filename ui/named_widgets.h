#pragma once

#include <QGroupBox>
#include <QPushButton>

namespace vireo {

// Buttons and frames carry their control names as object names, so tests and tools find them.
inline QPushButton* namedButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

inline QGroupBox* namedFrame(QWidget* parent, const char* name, const QString& title) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

}  // namespace vireo
