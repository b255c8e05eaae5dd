#pragma once

#include <QString>

namespace vireo {

// The keys of every setting the program keeps in the settings store (platform/settings_store.h),
// in one place so that no two parts of the program name a setting differently. The header
// needs nothing but QString, so every part of the program may include it.
namespace settings_keys {
inline const QString kLanguage = QStringLiteral("Language");
inline const QString kDeveloper = QStringLiteral("Entwickerstatus");
inline const QString kPort = QStringLiteral("Lampen_Port");
inline const QString kAutoProperty = QStringLiteral("Eigenschaften");
inline const QString kActivationArea = QStringLiteral("Aktivierung");
inline const QString kSlider = QStringLiteral("Slider");
inline const QString kOptions = QStringLiteral("Parameter");
inline const QString kWelcomeHold = QStringLiteral("Time_Kommen");
inline const QString kGoodbyeHold = QStringLiteral("Time_Gehen");
inline const QString kVehicleType = QStringLiteral("Fahrzeug_Type");
inline const QString kSymmetric = QStringLiteral("Symmetrisch");  // "1" on, else off
// The folder of the file last opened or saved: where file dialogs start for an untitled document.
inline const QString kLastFolder = QStringLiteral("Letzter_Ordner");
// The recent files as a JSON array of paths, newest first.
inline const QString kRecentFiles = QStringLiteral("Letzte_Dateien");
// Whether the timeline panel is shown: kTrue or kFalse; shown when not set.
inline const QString kShowTimeline = QStringLiteral("Zeitleiste");
// The height in pixels the user gave the timeline panel by moving the line above it.
inline const QString kTimelineHeight = QStringLiteral("Zeitleiste_Hoehe");

// The two values of a yes-or-no setting stored as a word.
inline const QString kTrue = QStringLiteral("Wahr");
inline const QString kFalse = QStringLiteral("Falsch");
}  // namespace settings_keys

}  // namespace vireo
