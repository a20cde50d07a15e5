#include "startprogram.h"

#include "formmain.h"
#include "picturepreload.h"

#include <QApplication>

namespace trainer {

int runEdition(int argc, char **argv, const Edition &edition) {
    QApplication app(argc, argv);
    preloadPicture(edition.startPicture); // decoded on a thread while the window is made
    app.setOrganizationName(QStringLiteral("SafeDrive")); // the learner's store lives under it
    FormMain window(edition);
    window.show();
    return app.exec();
}

} // namespace trainer
