// The installed tree, as `cmake --install` lays it out under a staging folder: each program
// beside its bank and media, the links in bin/, desktop entries and metainfo that validate,
// icons at every size; then the installed light program, run by a user who cannot write the
// tree, practises and leaves every installed file as it was.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBuildDir = QStringLiteral(SAFEDRIVE_BUILD_DIR);
const QString kSourceDir = QStringLiteral(SAFEDRIVE_SOURCE_DIR);
const QString kDriver = QStringLiteral(SAFEDRIVE_PRACTICE_DRIVER);

struct Run {
    int status = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, u"did not finish: "_s + program + u' ' + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// Every entry below root with what would show a change: contents, links' targets, permissions,
// modification times (a folder's changes when anything is created or removed in it).
std::map<QString, QByteArray> snapshot(const QString &root) {
    std::map<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray facts = QByteArray::number(int(info.permissions())) + ' ' +
                           QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isSymLink()) {
            facts += " -> " + info.symLinkTarget().toUtf8();
        } else if (info.isFile()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                facts +=
                    ' ' +
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        }
        entries[info.filePath().mid(root.size())] = facts;
    }
    return entries;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_root;               // the staging folder, standing for "/"
    QString m_noUnprivilegedUser; // why the program cannot be run as an ordinary user, if so

    QString installed(const QString &fullPath) const { return m_root + fullPath; }
    QString programFolder(const QString &program) const {
        return installed(QStringLiteral(SAFEDRIVE_LIBDIR) + u'/' + program);
    }

    // Runs the installed light program with the practice driver loaded, as an unprivileged user:
    // it practises, then starts the examination.
    Run practise() {
        const QString home = m_temp.filePath(u"home"_s);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"LD_PRELOAD"_s, m_temp.filePath(u"practicedriver.so"_s));
        environment.insert(u"HOME"_s, home);
        environment.insert(u"XDG_RUNTIME_DIR"_s, home);
        // The driver is not built with the sanitizers' runtime first in line.
        environment.insert(u"ASAN_OPTIONS"_s, u"verify_asan_link_order=0:detect_leaks=0"_s);
        const QString program = installed(QStringLiteral(SAFEDRIVE_BINDIR) + u"/safedrive-light"_s);
        if (geteuid() != 0)
            return run(program, {}, environment);
        QStringList arguments{u"-u"_s, u"nobody"_s, u"--"_s, u"env"_s};
        for (const QString &name : {u"QT_QPA_PLATFORM"_s, u"LD_PRELOAD"_s, u"HOME"_s,
                                    u"XDG_RUNTIME_DIR"_s, u"ASAN_OPTIONS"_s})
            arguments.append(name + u'=' + environment.value(name));
        return run(u"runuser"_s, arguments + QStringList{program}, environment);
    }

    // Makes the tree unwritable for its owner too when the tests do not run as root.
    void setTreeWritable(bool writable) {
        QDirIterator it(m_root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        QStringList paths{m_root};
        while (it.hasNext())
            paths.append(it.next());
        for (const QString &path : paths) {
            QFile::Permissions permissions = QFileInfo(path).permissions();
            if (writable)
                permissions |= QFile::WriteOwner;
            else
                permissions &= ~(QFile::WriteOwner | QFile::WriteUser);
            QFile::setPermissions(path, permissions);
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(m_temp.isValid());
        // The unprivileged user must reach the tree, its home and the driver.
        QVERIFY(QFile::setPermissions(m_temp.path(), QFile::Permissions(0x7755)));
        m_root = m_temp.filePath(u"root"_s);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DESTDIR"_s, m_root);
        const Run install =
            run(QStringLiteral(SAFEDRIVE_CMAKE), {u"--install"_s, kBuildDir}, environment);
        QVERIFY2(install.status == 0, qPrintable(install.output));

        // The user's own home, outside the tree, where the program may keep what it likes.
        const QString home = m_temp.filePath(u"home"_s);
        QVERIFY(QDir().mkpath(home));
        QVERIFY(QFile::setPermissions(home, QFile::Permissions(0x7700)));
        QVERIFY(QFile::copy(kDriver, m_temp.filePath(u"practicedriver.so"_s)));
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            if (!nobody || QStandardPaths::findExecutable(u"runuser"_s).isEmpty())
                m_noUnprivilegedUser = u"running as root with no user nobody or no runuser"_s;
            else
                QVERIFY(chown(qPrintable(home), nobody->pw_uid, nobody->pw_gid) == 0);
        }
    }

    void cleanupTestCase() {
        if (!m_root.isEmpty())
            setTreeWritable(true); // so the temporary folder can be removed
    }

    void programBesideItsData_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QStringList>("mediaFolders");
        QTest::newRow("light") << u"safedrive-light"_s << u"aqc.dll"_s
                               << QStringList{u"anquanimages"_s};
        QTest::newRow("heavy") << u"safedrive-heavy"_s << u"aqab.dll"_s
                               << QStringList{u"anquanimages"_s, u"anquanimages2"_s};
    }
    void programBesideItsData() {
        QFETCH(QString, program);
        QFETCH(QString, bank);
        QFETCH(QStringList, mediaFolders);
        const QString folder = programFolder(program);
        const QFileInfo executable(folder + u'/' + program);
        QVERIFY2(executable.isFile() && executable.isExecutable(),
                 qPrintable(executable.filePath()));
        // Links resolve inside the staging tree only when they are relative.
        const QFileInfo bankFile(folder + u'/' + bank);
        QVERIFY2(bankFile.isFile(), qPrintable(bankFile.filePath()));
        QVERIFY(bankFile.canonicalFilePath().startsWith(m_root));
        QCOMPARE(QFile(bankFile.filePath()).open(QIODevice::ReadOnly), true);
        for (const QString &name : mediaFolders) {
            const QDir media(folder + u'/' + name);
            QVERIFY2(media.exists(), qPrintable(media.path()));
            QVERIFY(media.canonicalPath().startsWith(m_root));
            QVERIFY2(!media.entryList({u"*.png"_s}).isEmpty(), qPrintable(name));
            QVERIFY2(!media.entryList({u"*.webm"_s}).isEmpty(), qPrintable(name));
        }
    }

    void commandsInBinWithManuals_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("realFile"); // where the command leads
        for (const char *edition : {"light", "heavy"}) {
            const QString program = u"safedrive-"_s + QLatin1StringView(edition);
            QTest::newRow(edition)
                << program << QStringLiteral(SAFEDRIVE_LIBDIR) + u'/' + program + u'/' + program;
        }
        QTest::newRow("bank") << u"safedrive-bank"_s
                              << QStringLiteral(SAFEDRIVE_BINDIR) + u"/safedrive-bank"_s;
    }
    void commandsInBinWithManuals() {
        QFETCH(QString, command);
        QFETCH(QString, realFile);
        const QFileInfo inBin(installed(QStringLiteral(SAFEDRIVE_BINDIR) + u'/' + command));
        QVERIFY2(inBin.isExecutable(), qPrintable(inBin.filePath()));
        QCOMPARE(inBin.canonicalFilePath(), QFileInfo(installed(realFile)).canonicalFilePath());
        QVERIFY(QFileInfo(installed(QStringLiteral(SAFEDRIVE_MANDIR) + u"/man1/"_s + command +
                                    u".1.gz"_s))
                    .isFile());
    }

    void desktopDataValidates_data() {
        QTest::addColumn<QString>("edition");
        QTest::newRow("light") << u"light"_s;
        QTest::newRow("heavy") << u"heavy"_s;
    }
    void desktopDataValidates() {
        QFETCH(QString, edition);
        const QString id = u"org.example.safedrive."_s + edition;
        const QString data = installed(QStringLiteral(SAFEDRIVE_DATADIR));
        const QString entry = data + u"/applications/"_s + id + u".desktop"_s;
        const QString metainfo = data + u"/metainfo/"_s + id + u".metainfo.xml"_s;
        for (const QString &tool : {u"desktop-file-validate"_s, u"appstreamcli"_s})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(tool + u" is missing: scripts/deps.sh test installs it"_s));
        // Hints and warnings count as failures too: both tools print nothing for a clean file.
        const Run desktop = run(u"desktop-file-validate"_s, {entry});
        QVERIFY2(desktop.status == 0 && desktop.output.isEmpty(), qPrintable(desktop.output));
        const Run appstream =
            run(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s, u"--pedantic"_s, metainfo});
        QVERIFY2(appstream.status == 0, qPrintable(appstream.output));

        // The entry starts the program in bin/ and names the icon installed for it.
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        const QString program = u"safedrive-"_s + edition;
        QVERIFY(lines.contains(u"Exec="_s + program));
        QVERIFY(lines.contains(u"Icon="_s + program));
        QVERIFY(lines.contains(u"Categories=Education;"_s));
        for (const QString &key :
             {u"Name="_s, u"Name[zh_CN]="_s, u"Comment="_s, u"Comment[zh_CN]="_s})
            QVERIFY2(std::any_of(lines.cbegin(), lines.cend(),
                                 [&](const QString &line) { return line.startsWith(key); }),
                     qPrintable(key));
    }

    void iconAtThemeSize_data() {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<int>("size");
        for (const char *edition : {"light", "heavy"})
            for (int size : {16, 24, 32, 48, 64, 128, 256})
                QTest::addRow("%s %d", edition, size) << QString::fromLatin1(edition) << size;
    }
    void iconAtThemeSize() {
        QFETCH(QString, edition);
        QFETCH(int, size);
        const QString path = installed(QStringLiteral(SAFEDRIVE_DATADIR)) +
                             u"/icons/hicolor/%1x%1/apps/safedrive-"_s.arg(size) + edition +
                             u".png"_s;
        const QImage icon(path);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        // The desktop shows the same picture the window wears.
        if (size == 64)
            QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                     QImage(kSourceDir + u"/editions/"_s + edition + u"/art/icon.png"_s)
                         .convertToFormat(QImage::Format_ARGB32));
    }

    void installedProgramPractisesAndExaminesReadOnly() {
        if (!m_noUnprivilegedUser.isEmpty())
            QSKIP(qPrintable(m_noUnprivilegedUser));
        setTreeWritable(false);
        const auto before = snapshot(m_root);
        const Run practice = practise();
        QVERIFY2(practice.status == 0, qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"practice kept: A"_s), qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"exam clock: 30:00"_s), qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"exam kept: A"_s), qPrintable(practice.output));
        // The pictures were found through the links beside the program, and the clip player's
        // module beside the program too.
        QVERIFY2(practice.output.contains(u"picture: shown"_s), qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"clip: moving"_s), qPrintable(practice.output));
        const QString module = programFolder(u"safedrive-light"_s) + u"/safedrive-clips.so"_s;
        QVERIFY2(practice.output.contains(u"clip module: "_s + module),
                 qPrintable(practice.output));
        const auto after = snapshot(m_root);
        for (const auto &[path, facts] : after) {
            const auto was = before.find(path);
            QVERIFY2(was != before.end(), qPrintable(u"created: "_s + path));
            QVERIFY2(was->second == facts, qPrintable(u"changed: "_s + path));
        }
        QCOMPARE(after.size(), before.size());
    }

    void missingMediaLeavesQuestionsWithoutPictures() {
        if (!m_noUnprivilegedUser.isEmpty())
            QSKIP(qPrintable(m_noUnprivilegedUser));
        setTreeWritable(true);
        QVERIFY(QDir(installed(QStringLiteral(SAFEDRIVE_DATADIR)) + u"/safedrive/media"_s)
                    .removeRecursively());
        setTreeWritable(false);
        const Run practice = practise();
        QVERIFY2(practice.status == 0, qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"exam kept: A"_s), qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"picture: none"_s), qPrintable(practice.output));
        QVERIFY2(practice.output.contains(u"clip: none"_s), qPrintable(practice.output));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
