// safedrive-bank: builds an encrypted question bank from its JSON source, dumps it, checks it.
#include "commands.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return banktool::runCommand(app.arguments().mid(1), out, err);
}
