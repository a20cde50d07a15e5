// The tables of everything the generator draws, one table per concern.
#pragma once

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
struct ClipDrawer {
    const char *name;
    double seconds;
    void (*paint)(QPainter &p, double t);
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
std::vector<ClipDrawer> roadClips();

// Paints the catalogue sign of that name scaled into box (for signs standing in scenes).
void paintSign(QPainter &p, const char *name, const QRectF &box);
std::vector<ClipDrawer> hazardClips();

} // namespace mediagen
