// Painting costs of the frame on shown windows, each until the window is painted again: a full
// title bar of the 986-pixel main window, one hover change, and a full repaint of a maximised
// 1920 x 1080 frame read back from the window. Prints the median of many runs.
#include "frame/ruzuvoz.h"
#include "trainer/shippedframe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace frame;

namespace {
double medianMs(int runs, const std::function<void()> &work) {
    std::vector<double> times;
    times.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

struct Host {
    QWidget window{nullptr, Qt::FramelessWindowHint};
    ruZuvoz *frame;
    explicit Host(QSize size) {
        window.setWindowTitle(QStringLiteral("科目四 安全文明驾驶常识模拟考试"));
        window.resize(size);
        frame = new ruZuvoz(&window);
        frame->Load(trainer::shippedSettings(trainer::ShippedWindow::FormMain));
        frame->setGeometry(window.rect());
        window.show();
        while (!window.windowHandle() || !window.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
};
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);

    Host main({986, 667});
    const double title = medianMs(500, [&] {
        main.frame->DrawTitleBar();
        main.window.repaint();
    });

    int hot = 0;
    const double hover = medianMs(2000, [&] {
        // The mouse moves from one caption button to the next.
        const qint16 previous = qint16(hot), next = qint16((hot + 1) % 3);
        main.frame->DrawCaptionBtns(false, main.frame->ColorDark(), previous);
        main.frame->DrawCaptionBtns(true, main.frame->ColorDark(), next);
        hot = next;
        main.window.repaint();
    });

    Host maximised({1920, 1080});
    const double full = medianMs(100, [&] {
        maximised.frame->Refresh();
        maximised.window.repaint();
        maximised.window.grab();
    });

    std::printf("frame-paint title ms=%.3f\n", title);
    std::printf("frame-paint hover ms=%.3f\n", hover);
    std::printf("frame-paint maximised ms=%.3f\n", full);
    return 0;
}
