#pragma once

#include <QObject>
#include <QString>

#include "platform/prompter.h"

namespace vireo {

// What a job on the module's line tells the controller. The jobs emit these on the line's
// thread; the controller receives them, queued, on its own.
class ModuleReports : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  signals:
    void statusText(const QString& text);
    void connectingNoticeClosed();
    // A module answered the handshake with this type and version.
    void identified(const QString& type, const QString& version);
    void memorySize(int bytes);
    void progress(int value, int maximum);
    void message(const QString& text, const QString& title, PromptIcon icon);
    void settingWritten(const QString& key, const QString& text);
    void portChecked(int portNumber);
    void portLabel(const QString& text);
};

}  // namespace vireo
