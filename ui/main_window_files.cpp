#include <QAction>
#include <QLabel>
#include <QMenu>

#include "session/file_menu.h"
#include "session/file_menu_host.h"
#include "ui/main_window.h"
#include "ui/sequence_panel.h"

namespace vireo {

// What the file commands need from the window, and the commands themselves. A child object of
// the window, so it goes with it.
class MainWindow::FileCommands : public QObject, public FileMenuHost {
  public:
    explicit FileCommands(MainWindow& window)
        : QObject(&window),
          window_(window),
          menu_(window.editor_, *window.context_.prompter, window.texts_, *this) {}

    FileMenu& menu() { return menu_; }

    void lampsOff() override { window_.lichtAus(); }

    void applyLoadedVehicle(const QString& model, const QString& options) override {
        window_.vehicle_.restore(model, options);
        window_.modellauswahl();
    }

    QString vehicleChoiceText() const override { return window_.fahrzeugAuswahl_; }

    void setWindowTitle(const QString& title) override { window_.setWindowTitle(title); }

    void setPositionLabel(const QString& text) override {
        window_.sequence_->setPositionText(text);
    }

  private:
    MainWindow& window_;
    FileMenu menu_;
};

void MainWindow::setUpFiles() {
    files_ = new FileCommands(*this);
    FileMenu& menu = files_->menu();
    connect(menuItems_[1], &QAction::triggered, this, [&menu] { menu.newDocument(); });
    connect(menuItems_[2], &QAction::triggered, this, [&menu] { menu.open(); });
    connect(menuItems_[3], &QAction::triggered, this, [&menu] { menu.save(); });
    connect(menuItems_[4], &QAction::triggered, this, [&menu] { menu.saveAs(); });
    // The submenus "Language" and "Modul Update" switch the lamps off as they open, like every
    // other entry of "Datei" but "Beenden".
    for (int i : {6, 8})
        connect(menuItems_[i]->menu(), &QMenu::aboutToShow, this, &MainWindow::lichtAus);
    setUpFileLists();
}

FileMenu& MainWindow::fileMenu() {
    return files_->menu();
}

MainWindow::CommandLineOutcome MainWindow::loadCommandLineFile() {
    if (kommandozeile_.isEmpty()) return CommandLineOutcome::None;
    const KvsReadResult read = files_->menu().openAtStart(kommandozeile_);
    switch (read.verdict) {
        case KvsVerdict::Loaded:
            // The vehicle comes from the file; the rest of loading applies it.
            return CommandLineOutcome::Loaded;
        case KvsVerdict::Damaged:
            return CommandLineOutcome::Damaged;
        case KvsVerdict::Unreadable:
            break;
    }
    commandLineProblem_ = read.problem;
    return CommandLineOutcome::Failed;
}

bool MainWindow::askAboutChangesOnClose() {
    // A failed save has shown its warning already; the document stays open for another try.
    return files_->menu().askOnClose();
}

QString MainWindow::dateiPfad() const {
    return files_->menu().path();
}

void MainWindow::updateTitle() {
    // The vehicle may change before the file menu exists (at construction); nothing to name yet.
    if (files_) files_->menu().refreshTitle();
}

}  // namespace vireo
