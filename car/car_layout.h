#pragma once

#include <QRect>
#include <QSize>

namespace vireo {

// Where the car sits in the main window's car panel, in logical pixels of the panel: the four
// corner pictures side by side in pairs, the front pair (front right, front left, as the car is
// seen from ahead) above the rear pair (rear left, rear right, as it is seen from behind). The
// number plates lie over the pairs; their places depend on the model (VehicleSetup).
QRect cornerPictureRect(int corner);  // empty for a number outside 1..4
// The four pictures together; exported animations show exactly this part of the panel.
QRect carPicturesRect();
// The panel: the pictures with their margins and the status line above them.
QSize carPanelSize();

}  // namespace vireo
