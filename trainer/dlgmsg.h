#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace trainer {

// The program's own message window: two centred lines of large red text and the button "确定".
// The caller sets str1 and str2, then shows it modally; it only informs.
class DlgMsg : public QDialog {
    Q_OBJECT

public:
    explicit DlgMsg(const QString &title = QString());

    QString str1;
    QString str2;

    // Controls, named as designed; every one carries its name as objectName.
    QWidget *ruZuvoz1 = nullptr; // the window's frame: a plain container until the skinned one
    QWidget *Frame1 = nullptr;
    QLabel *lblLabel1 = nullptr;
    QLabel *lblLabel2 = nullptr;
    QPushButton *cmd = nullptr;

    void Form_Load(); // fills and centres the two lines
    void cmd_Click();

    int exec() override; // loads, then shows modally

private:
    void createFrame();
    void createControls();
    void placeLine(QLabel *label, const QString &text);
};

} // namespace trainer
