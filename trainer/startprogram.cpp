#include "startprogram.h"

#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "formmain.h"

#include <QApplication>
#include <QTimer>

namespace trainer {

int runEdition(int argc, char **argv, const Edition &edition) {
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("SafeDrive")); // the learner's store lives under it
    FormMain window(edition);
    window.show();
    // The bank's key is derived while the learner looks at the start page, not at the first
    // mode click.
    QTimer::singleShot(0, &window, [&edition] {
        bank::prepareBankKey(
            bank::BankConnectionString(QCoreApplication::applicationDirPath(), edition.bankFile));
    });
    return app.exec();
}

} // namespace trainer
