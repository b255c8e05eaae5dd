#include "app/startup.h"

#include <QApplication>

namespace vireo {

int runStartup(QApplication& app) {
    return app.exec();
}

}  // namespace vireo
