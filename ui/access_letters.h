#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace vireo {

// The controls of the window `window` that an Alt letter can reach: its push buttons, check
// boxes and radio buttons, and the labels that name a field (those with a buddy).
QList<QWidget*> captionedControls(QWidget& window);
// The caption of one of those controls, with its "&".
QString captionOf(const QWidget* control);

// Gives every one of those controls an Alt letter of its own: a caption that carries its "&"
// keeps it, every other one takes its first letter that none took before (withMnemonics). Call
// it after the captions were set.
void markAccessLetters(QWidget& window);

}  // namespace vireo
