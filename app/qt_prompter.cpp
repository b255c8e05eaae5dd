#include "app/qt_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/app_info.h"

namespace vireo {

namespace {
QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrDefault(const QString& title) {
    return title.isEmpty() ? kAppTitle : title;
}

void caption(QMessageBox& box, QMessageBox::StandardButton which, const QString& text) {
    if (QAbstractButton* button = box.button(which); button && !text.isEmpty())
        button->setText(text);
}
}  // namespace

void QtPrompter::message(const QString& text, const QString& title, PromptIcon icon) {
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Ok, parent_);
    caption(box, QMessageBox::Ok, captions_.ok);
    box.exec();
}

bool QtPrompter::question(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, titleOrDefault(title), text,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    caption(box, QMessageBox::Yes, captions_.yes);
    caption(box, QMessageBox::No, captions_.no);
    return box.exec() == QMessageBox::Yes;
}

QuestionAnswer QtPrompter::questionWithCancel(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, titleOrDefault(title), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    caption(box, QMessageBox::Yes, captions_.yes);
    caption(box, QMessageBox::No, captions_.no);
    caption(box, QMessageBox::Cancel, captions_.cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return QuestionAnswer::Yes;
        case QMessageBox::No:
            return QuestionAnswer::No;
        default:
            return QuestionAnswer::Cancel;
    }
}

int QtPrompter::choose(const QString& text, const QString& title, const QStringList& answers,
                       int escapeAnswer) {
    QMessageBox box(QMessageBox::Question, titleOrDefault(title), text, QMessageBox::NoButton,
                    parent_);
    QList<QPushButton*> buttons;
    for (int i = 0; i < answers.size(); ++i) {
        const QMessageBox::ButtonRole role =
            i == escapeAnswer ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        buttons << box.addButton(answers[i], role);
    }
    // The answer that changes nothing is also the default: Enter alone never overwrites.
    if (escapeAnswer >= 0 && escapeAnswer < buttons.size()) {
        box.setEscapeButton(buttons[escapeAnswer]);
        box.setDefaultButton(buttons[escapeAnswer]);
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? escapeAnswer : int(chosen);
}

std::optional<QString> QtPrompter::input(const QString& prompt, const QString& title,
                                         const QString& defaultText) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(titleOrDefault(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (!captions_.ok.isEmpty()) dialog.setOkButtonText(captions_.ok);
    if (!captions_.cancel.isEmpty()) dialog.setCancelButtonText(captions_.cancel);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QString QtPrompter::openFileName(const QString& title, const QString& filter) {
    return openFileNameIn(title, filter, QString());
}

QString QtPrompter::openFileNameIn(const QString& title, const QString& filter,
                                   const QString& folder) {
    return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString QtPrompter::saveFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix) {
    return saveFileNameProposing(title, filter, defaultSuffix, QString());
}

QString QtPrompter::saveFileNameProposing(const QString& title, const QString& filter,
                                          const QString& defaultSuffix,
                                          const QString& proposedPath) {
    QFileDialog dialog(parent_, title, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

void QtPrompter::beep() {
    QApplication::beep();
}

}  // namespace vireo
