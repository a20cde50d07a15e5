// The floor of the start-up figure: a bare Qt Widgets window of the trainer window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("小型汽车科目四安全文明驾驶模拟考试"));
    window.resize(986, 667);
    window.show();
    return app.exec();
}
