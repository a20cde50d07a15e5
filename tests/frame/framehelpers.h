#pragma once

// What the frame's tests share: scripted platform facts, a recording error hook, pixels.

#include "frame/errorhook.h"
#include "frame/framesurface.h"
#include "frame/olecolor.h"
#include "frame/platformfacts.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

namespace frametest {

struct ScriptedFacts final : frame::PlatformFacts {
    bool library = true;
    bool themed = false;
    std::optional<QString> scheme;
    bool tracking = true;
    frame::OleColor buttonFace = frame::RGB(212, 208, 200);

    bool hasVisualStyles() const override { return library; }
    bool appIsThemed() const override { return themed; }
    std::optional<QString> colourSchemeName() const override { return scheme; }
    std::optional<frame::OleColor> systemColour(int index) const override {
        if (index == 15)
            return buttonFace;
        if (index == 5)
            return frame::RGB(255, 255, 255);
        return std::nullopt;
    }
    bool isFunctionExported(const QString &, const QString &) const override { return tracking; }
};

struct Report {
    int number;
    QString description;
    QString source;
    QString procedure;
};

// Records what reaches the frame's hook while it lives.
class RecordingHook {
public:
    RecordingHook() {
        m_previous = frame::setErrorHook([this](int number, const QString &description,
                                                const QString &source, const QString &procedure) {
            reports.append({number, description, source, procedure});
        });
    }
    ~RecordingHook() { frame::setErrorHook(std::move(m_previous)); }
    RecordingHook(const RecordingHook &) = delete;
    RecordingHook &operator=(const RecordingHook &) = delete;

    QStringList procedures() const {
        QStringList names;
        for (const Report &report : reports)
            names << report.procedure;
        return names;
    }
    QList<Report> reports;

private:
    frame::ErrorHook m_previous;
};

inline frame::OleColor pixel(const QImage &image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return frame::RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// A blank surface whose rows are all its own, in a colour no primitive under test uses; it reads
// back as an image.
struct BlankSurface {
    BlankSurface(int width, int height) {
        surface.reset(QSize(width, height), height, 0);
        surface.fill(qRgb(1, 2, 3));
    }
    operator QImage() const { return surface.toImage(); }
    frame::FrameSurface surface;
};
inline constexpr frame::OleColor Blank = frame::RGB(1, 2, 3);

inline int countColour(const QImage &image, frame::OleColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += pixel(image, x, y) == colour ? 1 : 0;
    return count;
}

} // namespace frametest
