#pragma once

class QApplication;

namespace vireo {

// The program's way in: language chooser on the first start, splash, main window.
int runStartup(QApplication& app);

}  // namespace vireo
