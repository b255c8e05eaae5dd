#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QVector>
#include <cstdint>

#include "car/hit_regions.h"
#include "car/lamp_model.h"

namespace vireo {

class LanguageTable;

// Outline colours: yellow on the front pictures, green on the rear pictures.
inline const QColor kFrontOutlineColour(255, 255, 0);
inline const QColor kRearOutlineColour(0, 255, 0);
QColor outlineColour(int corner);

// One thing the window does after a mouse event, in list order.
struct EditAction {
    enum class Kind {
        SetToolTip,     // tool tip of picture `corner` = language entry `entry` + `suffix`
        InvertOutline,  // outline `rect` (pixels) on picture `corner`, inverting the pixels
        CopyOutline,    // outline `rect` on picture `corner` in `colour`
        RedrawCorner,   // redraw picture `corner` from its base and lamp byte (drops outlines)
        AutoAppend,     // process events, pause 200 ms, append a step, focus cmdWeiter
    };
    Kind kind = Kind::SetToolTip;
    int corner = 0;
    QRect rect;
    QColor colour;
    int entry = 0;
    QString suffix;

    QString toolTip(const LanguageTable& language) const;
    bool operator==(const EditAction&) const = default;
};
using EditActions = QVector<EditAction>;

// The window's check boxes the mouse editing reads at each event.
struct EditOptions {
    bool showArea = true;     // chkAktivierung: "Aktivierungsbereich anzeigen"
    bool autoAppend = false;  // chkAutomatichWeiter: "Autom."
    // "Symmetrisch": a switched lamp sets its mirror lamp (the same bit on the other side of
    // the car) to its own new state; the rear middle lamp is its own mirror.
    bool symmetric = false;
};

// What one mouse event on a corner picture does: the coordinate label texts and the actions.
struct HitOutcome {
    QString labX;
    QString labY;
    EditActions actions;
};

// Mouse buttons as the pictures report them.
constexpr int kNoButton = 0;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The mouse editing of the corner pictures: hit test, lamp toggling and the remembered
// activation area (Markierte_Ecke, Markierter_Bereich). The lamp bytes are the window's; the
// editor changes them and says which pictures to redraw.
class LampEditor {
  public:
    // Lampe_Treffen: a mouse move (button 0) or press (1, 2, 4) at (x, y) twips on the picture
    // of corner 1..4.
    HitOutcome lampeTreffen(int button, float x, float y, int corner,
                            const RegionGeometry& geometry, LampBytes& lamps,
                            const EditOptions& options);

    // The pictures were redrawn outside the editor (Licht_Aus, showing a step, playback, a
    // new vehicle, appending a step): no outline is left to erase.
    void forgetArea();

    int markierteEcke() const { return markierteEcke_; }
    int markierterBereich() const { return markierterBereich_; }

  private:
    void bereichMarkieren(int corner, int code, bool zeigen, bool showArea,
                          const RegionGeometry& geometry, EditActions& actions);
    void lampeSchalten(int bit, int corner, int button, int code, const RegionGeometry& geometry,
                       LampBytes& lamps, const EditOptions& options, EditActions& actions);
    // Whether the remembered area shows on a picture other than the ones about to be redrawn.
    bool showsOutsideRedraw(int redrawn, int alsoRedrawn) const;
    void drawArea(int corner, int code, const RegionGeometry& geometry, EditActions& actions) const;

    uint8_t markierteEcke_ = 0;      // 1..4, 5 = both rear pictures, 0 = none
    uint8_t markierterBereich_ = 0;  // region code, 0 = none
};

// Bereiche_Anzeigen, after Licht_Aus and Modellauswahl: every region outlined in copy mode, in
// code order, on both pictures of its end (left picture unmirrored first for the front, the
// rear-right picture first for the rear).
EditActions bereicheAnzeigen(const RegionGeometry& geometry);

// A mouse coordinate as the coordinate labels show it: single precision, the locale's
// decimal separator.
QString singleText(float value);

}  // namespace vireo
