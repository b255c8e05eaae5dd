#pragma once

namespace vireo {

// Registers the resources compiled into the core library (language file, icons, desktop
// templates). A static library's resource object is only linked when something refers to it,
// so code that reads ":/..." calls this first. Safe to call any number of times.
void ensureEmbeddedResources();

}  // namespace vireo
