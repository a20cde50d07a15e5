// The tables of drawings gathered in one place, and drawing one of them on its canvas.
#include "canvas.h"
#include "drawers.h"

namespace mediagen {

std::vector<PictureDrawer> allPictures() {
    std::vector<PictureDrawer> all;
    for (auto table :
         {prohibitionSigns, warningSigns, instructionSigns, markingPictures, lampPictures,
          weatherScenes, trafficScenes, heavyVehicleScenes, policeGestures, signalLights,
          laneMarkings, guideSigns, restrictionSigns, hazmatPictures, moreScenes}) {
        const auto part = table();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<ClipDrawer> allClips() {
    std::vector<ClipDrawer> all;
    for (auto table : {roadClips, sceneClips, heavyClips, yieldClips, laneClips, junctionClips}) {
        const auto part = table();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

QImage drawPicture(const PictureDrawer &drawer) {
    QImage image = newCanvas(drawer.size);
    QPainter p(&image);
    prepare(p);
    drawer.paint(p);
    return image;
}

void paintPicture(QPainter &p, const char *name, const QRectF &box) {
    for (auto table :
         {prohibitionSigns, warningSigns, instructionSigns, lampPictures, restrictionSigns})
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

} // namespace mediagen
