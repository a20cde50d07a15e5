// safedrive-light: the trainer window with the light edition's settings.
#include "trainer/formmain.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    app.setOrganizationName(u"SafeDrive"_s); // the progress store and settings live under it
    const trainer::Edition edition{
        .bankFile = u"\\aqc.dll"_s,
        .pictureFolder = u"\\anquanimages"_s,
        .clipFolder = u"\\anquanimages"_s,
        .startPicture = u":/edition/start.png"_s,
        .windowIcon = u":/edition/icon.png"_s,
        .windowTitle = u"小型汽车科目四安全文明驾驶模拟考试"_s,
    };
    trainer::FormMain window(edition);
    window.show();
    return app.exec();
}
