#pragma once

#include <QList>
#include <QString>

namespace vireo {

// One thing the window does for the playback machine, in the order given.
struct PlaybackAction {
    enum class Kind {
        SetCaptions,  // captions of cmdSilulation (text) and cmdSimWeiter (text2)
        LampsOff,     // Licht_Aus
        Pause,        // keep everything as it is for ms, letting window events run
        SelectRow,    // select row
        DeselectRow,  // deselect row
        DeselectAll,  // deselect every row of the active sequence
        ShowRow,      // show the lamps and position of row
        StartTimer,   // (re)start TimerE with an interval of ms
        StopTimer,    // disable TimerE
    };
    Kind kind;
    int row = -1;  // 0-based
    int ms = 0;
    QString text;
    QString text2;

    bool operator==(const PlaybackAction&) const = default;
};

using PlaybackActions = QList<PlaybackAction>;

}  // namespace vireo
