#include "recovery/data_folder.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "platform/app_info.h"

namespace vireo {

QString userDataFolder() {
    // The location is made of the application's names: borrow the editor's for the question.
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(kCompany);
    QCoreApplication::setApplicationName(kAppTitle);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    return folder;
}

}  // namespace vireo
