#pragma once

#include <QString>
#include <QtGlobal>

namespace vireo {

// What the file commands need from the main window.
class FileMenuHost {
  public:
    virtual ~FileMenuHost() = default;

    // Licht_Aus: all lamps off and the pictures redrawn.
    virtual void lampsOff() = 0;
    // After a file was opened: show the option string in the vehicle options dialog and apply
    // the model (Modellauswahl).
    virtual void applyLoadedVehicle(const QString& model, const QString& options) = 0;
    // Fahrzeug_Auswahl: the text naming the chosen vehicle, shown in the window title.
    virtual QString vehicleChoiceText() const = 0;
    virtual void setWindowTitle(const QString& title) = 0;
    // labPos, the label of the current position in the sequence table.
    virtual void setPositionLabel(const QString& text) = 0;
    // A passing note for the user that asks nothing (the window shows it where notes never take
    // room from the editor).
    virtual void showNote(const QString& text) { Q_UNUSED(text); }
};

}  // namespace vireo
