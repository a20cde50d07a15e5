// safedrive-mediagen <repo-root> [pictures] [clips] [assets] [artwork]
// Draws every picture, clip, button and start page from code into the repository.
#include "canvas.h"
#include "catalogue.h"
#include "outputs.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[]) {
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || !QDir(args.first()).exists(u"tools/mediagen/catalogue.txt"_s)) {
        err << "usage: safedrive-mediagen <repo-root> [pictures] [clips] [assets] [artwork]\n";
        return 2;
    }
    const QString root = QDir(args.takeFirst()).absolutePath();
    const QStringList groups =
        args.isEmpty() ? QStringList{u"pictures"_s, u"clips"_s, u"assets"_s, u"artwork"_s} : args;

    QString error;
    // A stand-in font would draw boxes or the wrong shapes on every sign and button.
    if (!mediagen::fontsInstalled(&error)) {
        err << "font not installed: " << error << " (fonts-wqy-microhei, fonts-dejavu-core)\n";
        return 1;
    }
    const auto catalogue =
        mediagen::readCatalogue(root + u"/tools/mediagen/catalogue.txt"_s, &error);
    if (catalogue.empty()) {
        err << error << '\n';
        return 1;
    }
    bool ok = true;
    for (const QString &group : groups) {
        if (group == u"pictures"_s)
            ok =
                mediagen::writePictures(root, mediagen::namesOfKind(catalogue, u"picture"_s)) && ok;
        else if (group == u"clips"_s)
            ok = mediagen::writeClips(root, mediagen::namesOfKind(catalogue, u"clip"_s)) && ok;
        else if (group == u"assets"_s)
            ok = mediagen::writeAssets(root) && ok;
        else if (group == u"artwork"_s)
            ok = mediagen::writeArtwork(root) && ok;
        else {
            err << "unknown group: " << group << '\n';
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
