// Draws the catalogue's pictures into editions/media/pictures.
#include "canvas.h"
#include "drawers.h"
#include "outputs.h"

#include <QSet>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

std::vector<PictureDrawer> allPictures() {
    std::vector<PictureDrawer> all;
    for (auto table : {prohibitionSigns, warningSigns, instructionSigns, markingPictures,
                       lampPictures, weatherScenes, trafficScenes, heavyVehicleScenes}) {
        const auto part = table();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace

void paintPicture(QPainter &p, const char *name, const QRectF &box) {
    for (auto table : {prohibitionSigns, warningSigns, instructionSigns, lampPictures})
        for (const auto &drawer : table())
            if (qstrcmp(drawer.name, name) == 0) {
                p.save();
                p.translate(box.topLeft());
                p.scale(box.width() / drawer.size.width(), box.height() / drawer.size.height());
                drawer.paint(p);
                p.restore();
                return;
            }
}

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
        QImage image = newCanvas(drawer.size);
        QPainter p(&image);
        prepare(p);
        drawer.paint(p);
        p.end();
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
