// Draws the catalogue's pictures into editions/media/pictures.
#include "canvas.h"
#include "drawers.h"
#include "outputs.h"

#include <QSet>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

bool writePictures(const QString &root, const QStringList &names) {
    QTextStream out(stdout);
    const auto drawers = allPictures();
    QSet<QString> drawn;
    bool ok = true;
    for (const auto &drawer : drawers) {
        const QString name = QString::fromLatin1(drawer.name);
        drawn.insert(name);
        if (!names.contains(name)) {
            out << "not in the catalogue: " << name << '\n';
            ok = false;
            continue;
        }
        const QImage image = drawPicture(drawer);
        const QString path = root + u"/editions/media/pictures/"_s + name;
        if (!savePng(image, path)) {
            out << "cannot write " << path << '\n';
            ok = false;
        }
    }
    for (const QString &name : names)
        if (!drawn.contains(name)) {
            out << "no drawing for catalogue picture " << name << '\n';
            ok = false;
        }
    out << drawn.size() << " pictures drawn\n";
    return ok;
}

} // namespace mediagen
