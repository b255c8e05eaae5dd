#include "app/main_window.h"

namespace vireo {

void MainWindow::setUpModule() {}

}  // namespace vireo
