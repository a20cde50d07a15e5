// The tables of everything the generator draws, one table per concern.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <vector>

namespace mediagen {

// One picture of the catalogue: its file name, pixel size and painter.
struct PictureDrawer {
    const char *name;
    QSize size;
    void (*paint)(QPainter &p);
};

// One clip of the catalogue: painted once per frame with the phase 0 <= t < 1 of its loop.
// A clip whose motion does not come round by itself blends its last fadeSeconds into its
// first frame, so the player's restart does not jump.
struct ClipDrawer {
    const char *name;
    double seconds;
    void (*paint)(QPainter &p, double t);
    double fadeSeconds = 0;
};

inline constexpr QSize kSignSize{200, 200};
inline constexpr QSize kLampSize{160, 160};
inline constexpr QSize kSceneSize{480, 210};
inline constexpr QSize kClipSize{496, 218};
inline constexpr int kClipFps = 20;

std::vector<PictureDrawer> prohibitionSigns();
std::vector<PictureDrawer> warningSigns();
std::vector<PictureDrawer> instructionSigns();
std::vector<PictureDrawer> markingPictures();
std::vector<PictureDrawer> lampPictures();
std::vector<PictureDrawer> weatherScenes();
std::vector<PictureDrawer> trafficScenes();
std::vector<PictureDrawer> heavyVehicleScenes();
// Police hand signals, signal lights, lane markings, further signs, dangerous-goods labels and
// further scenes.
std::vector<PictureDrawer> policeGestures();
std::vector<PictureDrawer> signalLights();
std::vector<PictureDrawer> laneMarkings();
std::vector<PictureDrawer> guideSigns();
std::vector<PictureDrawer> restrictionSigns();
std::vector<PictureDrawer> hazmatPictures();
std::vector<PictureDrawer> moreScenes();
std::vector<ClipDrawer> roadClips();
std::vector<ClipDrawer> sceneClips();
std::vector<ClipDrawer> heavyClips();
std::vector<ClipDrawer> yieldClips();
std::vector<ClipDrawer> laneClips();
std::vector<ClipDrawer> junctionClips();

// Every drawing of the catalogue, table by table.
std::vector<PictureDrawer> allPictures();
std::vector<ClipDrawer> allClips();

// The picture a drawer paints on a transparent canvas of its size.
QImage drawPicture(const PictureDrawer &drawer);

// Paints the catalogue picture of that name (a sign or a lamp) scaled into box.
void paintPicture(QPainter &p, const char *name, const QRectF &box);

} // namespace mediagen
