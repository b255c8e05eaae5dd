#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "desktop/help_file.h"
#include "module/module_port.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"
#include "sequence/document.h"
#include "text/language.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

class ModuleLine;
class ModuleReports;

// The module side of the program: the port choice, the module's identity, the upload, the memory
// check and the bootloader. Every exchange with the module runs on the line's own thread (see
// ModuleLine); the controller stays on the thread that made it and reports there by signals, so
// the caller never waits on the line. One exchange at a time: a command that needs the line
// while an exchange runs is ignored.
class ModuleController : public QObject {
    Q_OBJECT
  public:
    // `texts` is read at the start of every command, so it may change between commands (a new
    // language); `resolver` names the device of a port number (see port_names.h).
    ModuleController(SettingsStore& settings, const LanguageTable& texts,
                     ModulePort::DeviceResolver resolver, QObject* parent = nullptr);
    // Lets a running exchange end first (an upload always sends its end frame).
    ~ModuleController() override;

    QString moduleType() const { return type_; }        // of the last valid identification
    QString moduleVersion() const { return version_; }  // likewise
    // The memory the module reported, or the upload capacity once an upload has begun; 0 until
    // a module answered.
    int memorySize() const { return memorySize_; }
    bool exchangeRunning() const { return running_; }
    bool portOpen() const;

    // The user chose port item `portNumber`: check mark, trial open (a failure is reported),
    // the stored "Lampen_Port" and the port label.
    void choosePort(int portNumber);
    // "Modul-Typ auslesen": the handshake on the port and, when a module answered, the report
    // of its edition.
    void readModuleType(int portNumber, bool developerMode);
    // "Daten senden": when there is something to send, the handshake, then the image built for
    // the edition of the module that answered, ending with the end frame. The document and the
    // options are taken as they are now.
    void sendData(int portNumber, const Document& document, const VehicleOptions& options,
                  const QString& optionString, int moduleCode, bool developerMode);
    // "Speicherbedarf": how much of the memory an upload may use the document needs; reported
    // at once, the line is not used.
    void checkMemory(const Document& document, const VehicleOptions& options, int moduleCode);
    // "Update": starts the bootloader beside the program, or says why it could not.
    void startBootloader(const QString& programFolder);
    // The bootloader's help in the given language's manual.
    static HelpDocument bootloaderHelp(const QString& programFolder, bool german);

  signals:
    // A module answered: its type and version. The caller restricts the options to its edition.
    void identityChanged(const QString& type, const QString& version);
    // The status line's text about the module (labInfo).
    void statusTextChanged(const QString& text);
    // The progress bar: value runs 1..maximum while sending and returns to 0 at the end.
    void progressChanged(int value, int maximum);
    void connectingNoticeChanged(bool shown);
    // An exchange started or ended: the commands that would start another are off meanwhile.
    void exchangeRunningChanged(bool running);
    // A message for the user.
    void messageReady(const QString& text, const QString& title, PromptIcon icon);
    // The port item to check, and the port label's text, of a port choice.
    void portChecked(int portNumber);
    void portLabelChanged(const QString& text);

  private:
    // Marks the exchange as running and hands the job to the line.
    void start(int portNumber, bool showNotice, std::function<void(ModulePort&)> job);
    void onJobFinished();
    void onIdentified(const QString& type, const QString& version);

    SettingsStore& settings_;
    const LanguageTable& texts_;
    ModuleReports* reports_ = nullptr;
    ModuleLine* line_ = nullptr;
    QString type_;
    QString version_;
    int memorySize_ = 0;
    bool running_ = false;
};

}  // namespace vireo
