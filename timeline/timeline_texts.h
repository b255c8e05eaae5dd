#pragma once

#include "config/text_ids.h"

namespace vireo {

// The timeline's entries under the names app/ reads until it takes them from config/text_ids.h.
constexpr int kEntryViewMenu = text::ViewMenu;
constexpr int kEntryTimelineAction = text::TimelineAction;
constexpr int kEntryTimelineToolTip = text::TimelineToolTip;
constexpr int kEntryTimelineNoLoop = text::TimelineNoLoop;

}  // namespace vireo
