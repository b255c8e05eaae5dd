#pragma once

#include <QString>
#include <array>

#include "sequence/document.h"
#include "vehicle/vehicle_options.h"

namespace vireo {

// The nine option boxes of the vehicle options dialog.
enum class OptionBoxId {
    Abbiegelicht,            // chk_Abbiegelicht
    Tagfahrlicht,            // chkTagfahrlicht
    StandlichtUs,            // chkStandlicht_US
    TagfahrlichtStandlicht,  // chkTagfahrlicht_Standlicht
    ComingHomeAuf,           // chkCommingHome_Auf
    ComingHomeZu,            // chkCommingHome_Zu
    SpiegelKurz,             // chkSpiegel_Kurz
    SpiegelLang,             // chkSpiegel_Lang
    SoftEin,                 // chkSoft_Ein
};

// The boxes in the order a stored option string is applied to them (by position).
inline constexpr std::array<OptionBoxId, 9> kOptionBoxes = {
    OptionBoxId::Abbiegelicht,  OptionBoxId::Tagfahrlicht,
    OptionBoxId::StandlichtUs,  OptionBoxId::TagfahrlichtStandlicht,
    OptionBoxId::ComingHomeAuf, OptionBoxId::ComingHomeZu,
    OptionBoxId::SpiegelKurz,   OptionBoxId::SpiegelLang,
    OptionBoxId::SoftEin,
};

inline constexpr int kOptionStringLength = 20;
inline constexpr int kTypeCount = 1;        // optType 1..1
inline constexpr int kBodyCount = 5;        // optBauform 1..5
inline constexpr int kYearCount = 3;        // optBaujahr 1..3
inline constexpr int kHoldTimeCount = 12;   // "10 Sek." .. "120 Sek."
inline constexpr int kDefaultHoldTime = 2;  // "30 Sek."

OptionBox& optionBox(VehicleOptions& options, OptionBoxId id);
const OptionBox& optionBox(const VehicleOptions& options, OptionBoxId id);

// The 1-based position of the box's digit in the option string.
int optionPosition(OptionBoxId id);

// The option string padded with "0" to its 20 characters, so that every position can be
// written even when a shorter text was stored.
QString paddedOptionString(const QString& optionString);

// Sets the tick of a box the way a click does: when the tick changes, the box's rule runs
// (exclusions, enabling of the hold-time lists) and its digit is written into its position of
// the option string. Boxes changed by the rule run their own rule in turn. Setting the tick a
// box already has does nothing, as with a check box.
void setTick(VehicleOptions& options, QString& optionString, OptionBoxId id, bool ticked);

// Position 4 of the option string is always "0" (Aktiviere_BMW).
void activateBmw(QString& optionString);

// The type choice (F_Type). `restoring` true selects type `index` first (an index naming no
// option clears the selection); false is the user's click on the already selected option.
// Then the day-light and hold-light rules run for the selected type and the module type.
void selectType(VehicleOptions& options, QString& optionString, int index, bool restoring,
                const QString& moduleType);

// The body choice (F_Bauform). Only restoring changes anything: it selects body `index` and
// the year named by the third character of `model` (none when that names no year option),
// which runs the year click.
void selectBody(VehicleOptions& options, QString& optionString, int index, bool restoring,
                const QString& model, const QString& moduleType);

// A click on a year option (optBaujahr_Click): selects it and runs the hold-light rule.
void selectYear(VehicleOptions& options, QString& optionString, int index,
                const QString& moduleType);

// The hold-light rule: with "BMW 7er" selected, module types "" / "5.1" / "6.1" enable both
// hold-light boxes and any other type leaves them; without it both are disabled and unticked.
void applyHoldLightRule(VehicleOptions& options, QString& optionString, const QString& moduleType);

// Restricts the options to what the module type supports (Modul_Typ_Freigeben). Switching a
// box off disables and unticks it; enabling keeps its tick. Unknown types change nothing.
void applyModuleType(VehicleOptions& options, QString& optionString, const QString& moduleType);

// Whether a model code is one the type, body and year choices can make: three digits, each
// naming an option of its group.
bool isValidModelCode(const QString& model);

// The model code of the type, body and year choices, one digit each; a group without a
// selection adds nothing.
QString composedModel(const VehicleOptions& options);

// Shows a stored model code and option string in the options (Parameter_Anzeigen): type from
// the first character, body and year from the second and third, position 4 cleared, then the
// ticks of positions 3, 5, 6, 7, 8, 9, 10, 11, 13 (a digit "1" ticks, anything else unticks),
// each running its rule. `optionString` receives the resulting option string.
void restoreOptions(VehicleOptions& options, QString& optionString, const QString& model,
                    const QString& moduleType);

// One call for headless use: fresh options restored from the model code and option string,
// then restricted by the module type when one is given.
VehicleOptions restoredOptions(const QString& model, const QString& optionString,
                               const QString& moduleType);

}  // namespace vireo
