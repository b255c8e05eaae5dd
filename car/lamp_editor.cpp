#include "car/lamp_editor.h"

#include <QLocale>

#include "text/language.h"

namespace vireo {

namespace {

constexpr int kBothRearPictures = 5;

EditAction toolTipAction(int corner, int bit) {
    const LampName name = lampName(corner, bit);
    EditAction a;
    a.kind = EditAction::Kind::SetToolTip;
    a.corner = corner;
    a.entry = name.entry;
    a.suffix = name.suffix;
    return a;
}

EditAction outlineAction(EditAction::Kind kind, int corner, const QRect& rect) {
    EditAction a;
    a.kind = kind;
    a.corner = corner;
    a.rect = rect;
    a.colour = outlineColour(corner);
    return a;
}

EditAction simpleAction(EditAction::Kind kind, int corner = 0) {
    EditAction a;
    a.kind = kind;
    a.corner = corner;
    return a;
}

void toggleBit(LampBytes& lamps, int corner, int bit) {
    int& byte = lampByte(lamps, corner);
    byte = (byte ^ (1 << bit)) & 0xFF;
}

void setBit(LampBytes& lamps, int corner, int bit, bool on) {
    int& byte = lampByte(lamps, corner);
    byte = on ? (byte | (1 << bit)) : (byte & ~(1 << bit));
}

}  // namespace

QColor outlineColour(int corner) {
    return isFrontCorner(corner) ? kFrontOutlineColour : kRearOutlineColour;
}

QString EditAction::toolTip(const LanguageTable& language) const {
    return language.entry(entry) + suffix;
}

QString singleText(float value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(value), 'g', 7);
}

HitOutcome LampEditor::lampeTreffen(int button, float x, float y, int corner,
                                    const RegionGeometry& geometry, LampBytes& lamps,
                                    const EditOptions& options) {
    HitOutcome out;
    out.labX = singleText(x);
    out.labY = singleText(y);
    if (!isFrontCorner(corner) && !isRearCorner(corner)) return out;

    const int code = hitRegion(geometry, corner, x, y);
    if (code == 0) {
        bereichMarkieren(0, 0, false, options.showArea, geometry, out.actions);
        return out;
    }
    const int bit = regionBit(code);
    out.actions.append(toolTipAction(corner, bit));
    if (code == kMiddleLampRegion) {
        bereichMarkieren(kBothRearPictures, code, true, options.showArea, geometry, out.actions);
        lampeSchalten(bit, corner, button, code, geometry, lamps, options, out.actions);
    } else if (code == 1) {
        // The light rings switch before their area is marked.
        lampeSchalten(bit, corner, button, code, geometry, lamps, options, out.actions);
        bereichMarkieren(corner, code, true, options.showArea, geometry, out.actions);
    } else {
        bereichMarkieren(corner, code, true, options.showArea, geometry, out.actions);
        lampeSchalten(bit, corner, button, code, geometry, lamps, options, out.actions);
    }
    // An automatic append, when requested, is the last action: the trailing area marking of
    // the light rings finds the area already marked and adds nothing after it.
    return out;
}

void LampEditor::forgetArea() {
    markierteEcke_ = 0;
    markierterBereich_ = 0;
}

void LampEditor::bereichMarkieren(int corner, int code, bool zeigen, bool showArea,
                                  const RegionGeometry& geometry, EditActions& actions) {
    if (showArea) {
        // Erase whenever the remembered area is not the one to show. (Moving straight from a
        // region to the same region of the neighbouring picture must not leave the old outline.)
        const bool other = markierteEcke_ != corner || markierterBereich_ != code;
        if (other && markierteEcke_ != 0)
            drawArea(markierteEcke_, markierterBereich_, geometry, actions);
        if (((markierteEcke_ != corner && zeigen) || markierterBereich_ != code) && corner != 0)
            drawArea(corner, code, geometry, actions);
    }
    markierteEcke_ = uint8_t(corner);
    markierterBereich_ = uint8_t(code);
}

void LampEditor::lampeSchalten(int bit, int corner, int button, int code,
                               const RegionGeometry& geometry, LampBytes& lamps,
                               const EditOptions& options, EditActions& actions) {
    if (button != kNoButton) {
        const bool bothRear = bit == kMiddleRearLampBit && isRearCorner(corner);
        // The other picture that changes: the other rear corner for the middle lamp, the
        // mirror corner when editing symmetrically, none otherwise.
        const int other = (bothRear || options.symmetric) ? mirrorCorner(corner) : 0;
        // The redraw drops the outline only from the redrawn pictures; one shown elsewhere (the
        // light rings switch before their area is marked) is erased here, not forgotten.
        if (showsOutsideRedraw(corner, other ? other : corner) && options.showArea)
            drawArea(markierteEcke_, markierterBereich_, geometry, actions);
        toggleBit(lamps, corner, bit);
        if (other) {
            if (bothRear)
                toggleBit(lamps, other, bit);
            else
                setBit(lamps, other, bit, lampByte(lamps, corner) & (1 << bit));
            actions.append(simpleAction(EditAction::Kind::RedrawCorner, other));
        }
        actions.append(simpleAction(EditAction::Kind::RedrawCorner, corner));
        forgetArea();
        if (code != kMiddleLampRegion)
            bereichMarkieren(corner, code, true, options.showArea, geometry, actions);
    }
    if (button == kLeftButton && options.autoAppend)
        actions.append(simpleAction(EditAction::Kind::AutoAppend));
}

bool LampEditor::showsOutsideRedraw(int redrawn, int alsoRedrawn) const {
    if (markierteEcke_ == 0) return false;
    if (markierteEcke_ == kBothRearPictures)
        return !((redrawn == kCornerHL || alsoRedrawn == kCornerHL) &&
                 (redrawn == kCornerHR || alsoRedrawn == kCornerHR));
    return markierteEcke_ != redrawn && markierteEcke_ != alsoRedrawn;
}

void LampEditor::drawArea(int corner, int code, const RegionGeometry& geometry,
                          EditActions& actions) const {
    const auto outline = [&](int picture) {
        actions.append(outlineAction(EditAction::Kind::InvertOutline, picture,
                                     regionOutline(geometry, picture, code)));
        // The upper red lamp is shown with the lower one's area as well.
        if (code == kUpperRedRegion && isRearCorner(picture))
            actions.append(outlineAction(EditAction::Kind::InvertOutline, picture,
                                         regionOutline(geometry, picture, kLowerRedRegion)));
    };
    if (corner == kBothRearPictures) {
        outline(kCornerHR);
        outline(kCornerHL);
    } else {
        outline(corner);
    }
}

EditActions bereicheAnzeigen(const RegionGeometry& geometry) {
    EditActions actions;
    for (int code : kFrontCodes) {
        actions.append(outlineAction(EditAction::Kind::CopyOutline, kCornerVL,
                                     regionOutline(geometry, kCornerVL, code)));
        actions.append(outlineAction(EditAction::Kind::CopyOutline, kCornerVR,
                                     regionOutline(geometry, kCornerVR, code)));
    }
    for (int code : kRearCodes) {
        actions.append(outlineAction(EditAction::Kind::CopyOutline, kCornerHR,
                                     regionOutline(geometry, kCornerHR, code)));
        actions.append(outlineAction(EditAction::Kind::CopyOutline, kCornerHL,
                                     regionOutline(geometry, kCornerHL, code)));
    }
    return actions;
}

}  // namespace vireo
