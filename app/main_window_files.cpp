#include "app/main_window.h"

namespace vireo {

void MainWindow::setUpFiles() {}

}  // namespace vireo
