#include "StartupValues.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// name: text of the file, or null for no file.
using Files = QMap<QString, QString>;

void writeFiles(const QString &dir, const Files &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(QDir(dir).filePath(it.key()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(it.value().toUtf8());
    }
}

const QString MainCount = u"[MAIN]\nPROGRAM_COUNT=%1\n"_s;
const QString Role = u"[Role]\nType=2\nName=%1\n"_s;

} // namespace

// The INI files are read beside the executable when it carries any, else
// from the system folder of an installed package; never half from each.
class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        SetStartupValues({});
        SetSystemConfigDir(u"/etc/kest/"_s);
    }

    void filesComeFromOneFolder_data()
    {
        QTest::addColumn<Files>("beside");
        QTest::addColumn<Files>("system");
        QTest::addColumn<bool>("exeDirExists");
        QTest::addColumn<QString>("expectedDir"); // "beside" or "system"
        QTest::addColumn<int>("count");           // Main.ini [MAIN] PROGRAM_COUNT, default 10
        QTest::addColumn<QString>("roleName");    // Kest_E.ini [Role] Name

        const Files both = {{u"Main.ini"_s, MainCount.arg(3)}, {u"Kest_E.ini"_s, Role.arg(u"렌탈팀"_s)}};
        const Files system = {{u"Main.ini"_s, MainCount.arg(7)}, {u"Kest_E.ini"_s, Role.arg(u"보관팀"_s)}};
        QTest::newRow("beside only") << both << Files() << true << u"beside"_s << 3 << u"렌탈팀"_s;
        QTest::newRow("beside wins over the system") << both << system << true << u"beside"_s << 3 << u"렌탈팀"_s;
        QTest::newRow("none beside: the system") << Files() << system << true << u"system"_s << 7 << u"보관팀"_s;
        QTest::newRow("executable folder gone") << Files() << system << false << u"system"_s << 7 << u"보관팀"_s;
        QTest::newRow("other files beside do not count")
            << Files{{u"Kest_E.exe.config"_s, u"x"_s}, {u"README"_s, u"x"_s}} << system << true << u"system"_s << 7
            << u"보관팀"_s;
        // One file beside: the folder is the configuration, the system's
        // role does not fill the gap.
        QTest::newRow("one file beside, none mixed in")
            << Files{{u"Main.ini"_s, MainCount.arg(4)}} << system << true << u"beside"_s << 4 << QString();
        QTest::newRow("upper-case name beside") << Files{{u"RVUPDATE.INI"_s, u"[PROGRAM]\n"_s}} << system << true
                                                << u"beside"_s << 10 << QString();
        QTest::newRow("nowhere: defaults") << Files() << Files() << true << u"system"_s << 10 << QString();
    }
    void filesComeFromOneFolder()
    {
        QFETCH(Files, beside);
        QFETCH(Files, system);
        QFETCH(bool, exeDirExists);
        QFETCH(QString, expectedDir);
        QFETCH(int, count);
        QFETCH(QString, roleName);

        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString exeDir = root.filePath(u"app"_s), systemDir = root.filePath(u"etc/kest"_s);
        QVERIFY(QDir().mkpath(systemDir));
        if (exeDirExists)
            QVERIFY(QDir().mkpath(exeDir));
        writeFiles(exeDir, beside);
        writeFiles(systemDir, system);

        StartupValues values;
        values.exeDir = exeDir + u'/';
        SetStartupValues(values);
        SetSystemConfigDir(systemDir); // without its separator

        QCOMPARE(ConfigDir(), (expectedDir == u"beside"_s ? exeDir : systemDir) + u'/');
        QCOMPARE(IniInt(u"Main.ini"_s, u"MAIN"_s, u"PROGRAM_COUNT"_s, 10), count);
        QCOMPARE(IniValue(u"Kest_E.ini"_s, u"Role"_s, u"Name"_s), roleName);
    }

    // A number of an INI file read within its range (PROGRAM_COUNT: 1 to
    // 100, default 10): anything else gives the default, with a log line
    // unless the value was simply not given.
    void numbersWithinTheirRange_data()
    {
        QTest::addColumn<QString>("text"); // null: no key
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("logged");
        QTest::newRow("in range") << u"7"_s << 7 << false;
        QTest::newRow("highest") << u"100"_s << 100 << false;
        QTest::newRow("lowest") << u"1"_s << 1 << false;
        QTest::newRow("spaces around") << u" 12 "_s << 12 << false;
        QTest::newRow("zero") << u"0"_s << 10 << true;
        QTest::newRow("negative") << u"-3"_s << 10 << true;
        QTest::newRow("too many") << u"101"_s << 10 << true;
        QTest::newRow("huge") << u"3000000000000"_s << 10 << true;
        QTest::newRow("letters") << u"ten"_s << 10 << true;
        QTest::newRow("digits then letters") << u"12개"_s << 10 << true;
        QTest::newRow("empty") << QString(u""_s) << 10 << false;
        QTest::newRow("no key") << QString() << 10 << false;
    }
    void numbersWithinTheirRange()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(bool, logged);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writeFiles(dir.path(), {{u"Main.ini"_s, text.isNull() ? u"[MAIN]\n"_s : MainCount.arg(text)}});
        StartupValues values;
        values.exeDir = dir.path() + u'/';
        SetStartupValues(values);
        if (logged)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(u"^Main.ini \\[MAIN\\] PROGRAM_COUNT=.*: not a whole number from 1"
                                                    " to 100; 10 is used$"_s));
        QCOMPARE(IniNumber(u"Main.ini"_s, u"MAIN"_s, u"PROGRAM_COUNT"_s, 10, 1, 100), expected);
    }

    void installedLocationIsTheDefault()
    {
        QCOMPARE(SystemConfigDir(), u"/etc/kest/"_s);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
