#include "ui/access_letters.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "text/menu_mnemonics.h"

namespace vireo {

QList<QWidget*> captionedControls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != window.window()) continue;  // a dialog of its own
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QCheckBox*>(widget) ||
            qobject_cast<QRadioButton*>(widget))
            controls << widget;
        else if (const auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            controls << widget;
    }
    return controls;
}

QString captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return static_cast<const QAbstractButton*>(control)->text();
}

void markAccessLetters(QWidget& window) {
    const QList<QWidget*> controls = captionedControls(window);
    QStringList captions;
    for (const QWidget* control : controls) captions << captionOf(control);
    const QStringList marked = withMnemonics(captions);
    for (int i = 0; i < controls.size(); ++i) {
        if (marked[i] == captions[i]) continue;
        if (auto* label = qobject_cast<QLabel*>(controls[i]))
            label->setText(marked[i]);
        else
            static_cast<QAbstractButton*>(controls[i])->setText(marked[i]);
    }
}

}  // namespace vireo
