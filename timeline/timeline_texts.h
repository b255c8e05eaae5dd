#pragma once

namespace vireo {

// Language entries of the lamp timeline and the memory meter.
constexpr int kEntryViewMenu = 240;                // "Ansicht"
constexpr int kEntryTimelineAction = 241;          // "Zeitleiste"
constexpr int kEntryToggleLampCaption = 242;       // undo caption of a click: lamp, step
constexpr int kEntrySetLampsCaption = 243;         // undo caption of a drag: lamp, first, last
constexpr int kEntryTimelineToolTip = 244;         // step, on-time, loop, lamp
constexpr int kEntryTimelineNoLoop = 245;          // the loop of a step outside every loop
constexpr int kEntryMeterUsage = 246;              // percent, used bytes, capacity
constexpr int kEntryMeterTooBig = 247;             // used bytes, capacity, bytes too many
constexpr int kEntryMeterFarTooBig = 248;          // image size, bytes too many at least
constexpr int kEntryTimelineUnreadableLoop = 249;  // bracket of a loop whose marker does not read
constexpr int kEntryTimelineSeconds = 250;         // ruler mark: seconds
constexpr int kEntryMeterNoImage = 251;            // why there is no image
constexpr int kEntryTimelineRepeat = 252;          // "× %1"

}  // namespace vireo
