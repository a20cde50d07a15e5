// A test-only tool: pictures of the frame in its four styles and in the shipped settings of the
// program's two windows, for looking at (framescreens <folder>).
#include "frame/ruzuvoz.h"
#include "trainer/shippedframe.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace frame;
using namespace Qt::Literals::StringLiterals;

namespace {
QIcon sampleIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(30, 110, 200));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawEllipse(2, 2, 28, 28);
    painter.drawLine(16, 8, 16, 24);
    painter.drawLine(8, 16, 24, 16);
    return QIcon(pixmap);
}

void shoot(const QString &folder, const QString &name, const QString &title, QSize size,
           const PropertyStore &settings, bool icon, int hotButton = -1) {
    QWidget host(nullptr, Qt::FramelessWindowHint);
    host.setWindowTitle(title);
    if (icon)
        host.setWindowIcon(sampleIcon());
    host.resize(size);
    auto *ruZuvoz1 = new ruZuvoz(&host);
    ruZuvoz1->Load(settings);
    auto *label = new QLabel(u"第1题：驾驶机动车在道路上行驶，遇到这种情况怎样做？"_s, ruZuvoz1);
    label->move(20, 30);
    label->adjustSize();
    auto *button = new QPushButton(u"下一题"_s, ruZuvoz1);
    button->move(20, 70);
    host.show();
    if (hotButton != -1)
        ruZuvoz1->DrawCaptionBtns(true, ruZuvoz1->ColorDark(), qint16(hotButton));
    QApplication::processEvents();
    host.grab().save(QDir(folder).filePath(name + u".png"_s));
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(u"WenQuanYi Micro Hei"_s, 9));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s;
    const QStringList styles{u"cylinder"_s, u"gripbar"_s, u"solid"_s, u"linear"_s};
    for (int style = 0; style < 4; ++style) {
        for (int theme = 0; theme < 5; ++theme)
            shoot(folder, u"style-%1-theme%2"_s.arg(styles.at(style)).arg(theme),
                  u"安全文明驾驶常识 — %1"_s.arg(styles.at(style)), {420, 200},
                  PropertyStore::fromVariantMap({{u"style"_s, style}, {u"themecolor"_s, theme}}),
                  theme % 2 == 0);
    }
    shoot(folder, u"formmain"_s, u"科目四 安全文明驾驶常识模拟考试"_s, {986, 667},
          trainer::shippedSettings(trainer::ShippedWindow::FormMain), true);
    for (int style = 0; style < 4; ++style)
        shoot(folder, u"hot-%1"_s.arg(styles.at(style)), u"悬停"_s, {300, 120},
              PropertyStore::fromVariantMap({{u"style"_s, style}, {u"themecolor"_s, 0}}), false,
              style % 3);
    shoot(folder, u"dlgmsg"_s, u"考试结果"_s, {360, 193},
          trainer::shippedSettings(trainer::ShippedWindow::DlgMsg), false);
    return 0;
}
