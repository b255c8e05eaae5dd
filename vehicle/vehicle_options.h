#pragma once

#include <QString>

namespace vireo {

// One check box of the vehicle options dialog: its tick and whether it is enabled.
struct OptionBox {
    bool ticked = false;
    bool enabled = true;
    bool operator==(const OptionBox&) const = default;
};

// The live state of the vehicle options dialog that other parts read: the nine option boxes,
// the two hold-time lists (positions 0..11 = "10 Sek." .. "120 Sek.") and the type, body and
// year choices (1-based option index, 0 = none selected). The dialog shows it; the rules that
// change it live in the core.
struct VehicleOptions {
    OptionBox abbiegelicht;            // chk_Abbiegelicht, option position 3
    OptionBox tagfahrlicht;            // chkTagfahrlicht, position 5
    OptionBox standlichtUs;            // chkStandlicht_US, position 6
    OptionBox tagfahrlichtStandlicht;  // chkTagfahrlicht_Standlicht, position 7
    OptionBox comingHomeAuf;           // chkCommingHome_Auf, position 8 (welcome hold on/off)
    OptionBox comingHomeZu;            // chkCommingHome_Zu, position 9 (goodbye hold on/off)
    OptionBox spiegelKurz;             // chkSpiegel_Kurz, position 10
    OptionBox spiegelLang;             // chkSpiegel_Lang, position 11
    OptionBox softEin;                 // chkSoft_Ein, position 13

    int welcomeHold = 2;  // combBegrüßung list position
    int goodbyeHold = 2;  // combVerabschiedung list position
    bool welcomeHoldEnabled = true;
    bool goodbyeHoldEnabled = true;

    int type = 0;  // optType index (1 = "BMW 7er")
    int body = 0;  // optBauform index 1..5
    int year = 0;  // optBaujahr index 1..3
    bool yearEnabled = true;

    bool operator==(const VehicleOptions&) const = default;
};

}  // namespace vireo
