#include "startprogram.h"

#include "formmain.h"
#include "picturepreload.h"

#include <QApplication>
#include <QThread>

namespace trainer {

int runEdition(int argc, char **argv, const Edition &edition) {
    // Qt takes the first thread that uses it for the main thread: this one, before the picture
    // is decoded on another while the application and the window are made.
    QThread::currentThread();
    preloadPicture(edition.startPicture);
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("SafeDrive")); // the learner's store lives under it
    FormMain window(edition);
    window.show();
    return app.exec();
}

} // namespace trainer
