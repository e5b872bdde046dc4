#include "EAS010.h"
#include "EAS020.h"
#include "EAS030.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "ReportPreview.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The weather screens over a day of observations with missing readings.
namespace {

QStringList Row(const GridModel &grid, int row, const QStringList &fields)
{
    QStringList cells;
    for (const QString &f : fields)
        cells << grid.value(row, f);
    return cells;
}

QStringList Footers(const GridModel &grid, const QStringList &fields)
{
    QStringList cells;
    for (const QString &f : fields)
        cells << grid.footer(grid.columnOf(f));
    return cells;
}

const QStringList Measures = {u"TEMPERATURE"_s, u"HUMIDITY"_s,  u"WIND_VELOCITY"_s, u"WIND_DIRECTION"_s,
                              u"RADIATION"_s,   u"ATMOSPHERIC"_s, u"SNOWFALL"_s};

QStringList StationFields(const QString &station)
{
    QStringList fields;
    for (const QString &m : {u"TEMPERATURE"_s, u"HUMIDITY"_s, u"WIND_VELOCITY"_s, u"WIND_DIRECTION"_s})
        fields << m + u'_' + station;
    return fields;
}

} // namespace

class TestWeather : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminRunFile(QStringLiteral(WEATHER_FIXTURE));
    }
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_boxes = std::make_unique<RecordingModal>(); }
    void cleanup()
    {
        m_shown.reset();
        m_screen = nullptr;
        m_boxes.reset();
    }

    // Hour by hour a missing reading counts as 0; a station without a
    // reading in an hour has empty cells there. The day's footers leave
    // missing readings out and are empty only for a station with none all day.
    void hourlyPivot()
    {
        auto *screen = open<TfrmEAS010>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        const GridModel &grid = model();
        QCOMPARE(grid.column(1).title, u"BASE1\n최소온도"_s);
        QCOMPARE(grid.column(7).title, u"KESTCC\n온도"_s);
        QCOMPARE(grid.column(grid.columnCount() - 1).title, u"NEWPEAK2\n풍향"_s);
        QCOMPARE(grid.rowCount(), 2);
        const QStringList base1 = QStringList{u"MIN_TEMPERATURE_A1"_s, u"MAX_TEMPERATURE_A1"_s} + StationFields(u"A1"_s);
        QCOMPARE(Row(grid, 0, QStringList{u"OBSE_TIME"_s} + base1),
                 (QStringList{u"09"_s, u"-3.15"_s, u"0"_s, u"-1.58"_s, u"40.5"_s, u"1.7"_s, u"90.5"_s}));
        QCOMPARE(Row(grid, 1, QStringList{u"OBSE_TIME"_s} + base1),
                 (QStringList{u"10"_s, u"2.5"_s, u"2.5"_s, u"2.5"_s, u"60"_s, u"4"_s, u"90"_s}));
        QCOMPARE(Row(grid, 0, StationFields(u"A6"_s)), (QStringList{QString(), QString(), QString(), QString()}));
        QCOMPARE(Row(grid, 1, StationFields(u"A6"_s)), (QStringList{u"1"_s, u"50"_s, u"1"_s, u"45"_s}));
        QCOMPARE(Footers(grid, base1),
                 (QStringList{u"-3.15"_s, u"2.5"_s, u"-0.33"_s, u"70.5"_s, u"2.47"_s, u"135.5"_s}));
        QCOMPARE(Footers(grid, StationFields(u"A6"_s)), (QStringList{u"1"_s, u"50"_s, u"1"_s, u"45"_s}));
        QCOMPARE(Footers(grid, StationFields(u"A2"_s)), (QStringList{QString(), QString(), QString(), QString()}));
    }

    void hourlyScreenPrintsNothing()
    {
        auto *screen = open<TfrmEAS010>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        bool shown = false;
        m_boxes->dialogScript = [&](QDialog &) {
            shown = true;
            return int(QDialog::Rejected);
        };
        screen->findChild<QPushButton *>(u"bbtPreview"_s)->click();
        screen->findChild<QPushButton *>(u"bbtPrint"_s)->click();
        QVERIFY(!shown);
        QVERIFY(m_boxes->boxes.isEmpty());
    }

    // A missing reading is empty in its row and lowers the day's average.
    void dayOfOneStation()
    {
        auto *screen = open<TfrmEAS020>();
        station(u"A1"_s);
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        const GridModel &grid = model();
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(Row(grid, 0, {u"OBSE_TIME"_s}), QStringList{u"10:00"_s});
        QCOMPARE(Row(grid, 1, QStringList{u"OBSE_TIME"_s} + Measures),
                 (QStringList{u"09:30"_s, QString(), QString(), u"1.05"_s, QString(), QString(), u"1012.2"_s, QString()}));
        QCOMPARE(Row(grid, 2, {u"OBSE_TIME"_s}), QStringList{u"09:00"_s});
        QCOMPARE(Footers(grid, QStringList{u"OBSE_TIME"_s} + Measures),
                 (QStringList{u"평 균"_s, u"-0.217"_s, u"47"_s, u"2.467"_s, u"90.3"_s, u"100.167"_s, u"675"_s, u"4"_s}));

        // The printed form: the date as YYYY-MM-DD, the station's name, the averages after "평균".
        report::Document shown;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            if (auto *preview = dynamic_cast<report::ReportPreview *>(&dialog))
                shown = preview->document();
            return int(QDialog::Rejected);
        };
        screen->findChild<QPushButton *>(u"bbtPreview"_s)->click();
        QCOMPARE(shown.id, u"EAP020"_s);
        const auto text = [&](const QString &name) {
            const QList<report::PageItem> items = shown.named(0, name);
            return items.isEmpty() ? u"(none)"_s : items.first().text;
        };
        QCOMPARE(text(u"qrlTitle"_s), u"기상정보 현황"_s);
        QCOMPARE(text(u"qrlCondition1"_s), QString());
        QCOMPARE(text(u"qrlCondition2"_s), u"*관측일자: 2025-01-10"_s);
        QCOMPARE(text(u"qrlCondition"_s), u"*관측장소: BASE1"_s);
        QCOMPARE(text(u"TEMPERATURE"_s), u"-0.217"_s);
        QCOMPARE(text(u"SNOWFALL"_s), u"4"_s);
    }

    // A day whose readings are all missing has empty averages; the footer
    // counts those readings as 0.
    void daysOfARange()
    {
        auto *screen = open<TfrmEAS030>();
        station(u"A1"_s);
        screen->findChild<QDateEdit *>(u"dtpFromDate"_s)->setDate(QDate(2025, 1, 9));
        screen->findChild<QDateEdit *>(u"dtpToDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        const GridModel &grid = model();
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(Row(grid, 0, QStringList{u"OBSE_DATE"_s} + Measures),
                 (QStringList{u"20250109"_s, QString(), QString(), QString(), QString(), QString(), QString(), QString()}));
        QCOMPARE(Row(grid, 1, QStringList{u"OBSE_DATE"_s} + Measures),
                 (QStringList{u"20250110"_s, u"-0.33"_s, u"70.5"_s, u"2.47"_s, u"135.5"_s, u"150.25"_s, u"1012.9"_s,
                              u"1.85"_s}));
        QCOMPARE(Footers(grid, QStringList{u"OBSE_DATE"_s} + Measures),
                 (QStringList{u"평 균"_s, u"-0.163"_s, u"35.3"_s, u"1.85"_s, u"67.8"_s, u"75.125"_s, u"506"_s, u"4"_s}));
    }

    void rangeStartsAndEndsToday()
    {
        auto *screen = open<TfrmEAS030>();
        QCOMPARE(screen->findChild<QDateEdit *>(u"dtpFromDate"_s)->date(), QDate::currentDate());
        QCOMPARE(screen->findChild<QDateEdit *>(u"dtpToDate"_s)->date(), QDate::currentDate());
    }

    void stationChecks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << u"*관측장소을(를) 먼저 입력하십시오."_s;
        QTest::newRow("not a station") << u"ZZ"_s << u"*관측장소을(를) 정확히 입력하십시오."_s;
    }
    void stationChecks()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        for (int screen = 0; screen < 2; ++screen) {
            if (screen == 0)
                open<TfrmEAS020>();
            else
                open<TfrmEAS030>();
            m_boxes->clear();
            station(code);
            search();
            QCOMPARE(m_boxes->texts(), QStringList{message});
            QCOMPARE(QApplication::focusWidget()->objectName(), u"edtObsePlace"_s);
            QVERIFY(!model().isOpen());
        }
    }

    // A station picked in the lookup is searched at once.
    void pickedStationIsSearched()
    {
        auto *screen = open<TfrmEAS020>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        QString caption;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            if (!QTest::qWaitForWindowActive(&dialog))
                return 0;
            caption = dialog.windowTitle();
            QTest::keyClick(&dialog, Qt::Key_F10);
            return dialog.result();
        };
        auto *edit = screen->findChild<QLineEdit *>(u"edtObsePlace"_s);
        edit->setFocus();
        QTest::keyClicks(edit, u"a1"_s);
        QCOMPARE(edit->text(), u"A1"_s);
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(caption, u"관측장소 구분"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbObsePlace"_s)->text(), u"BASE1"_s);
        QCOMPARE(model().rowCount(), 3);
    }

private:
    template <typename Screen>
    Screen *open()
    {
        auto shown = std::make_shared<ShownScreen<Screen>>();
        m_shown = shown;
        m_screen = shown->get();
        return static_cast<Screen *>(m_screen);
    }
    void station(const QString &code)
    {
        auto *edit = m_screen->findChild<QLineEdit *>(u"edtObsePlace"_s);
        edit->setFocus();
        edit->setText(code);
    }
    void search() { QTest::keyClick(m_screen, Qt::Key_F3); }
    GridModel &model() { return *m_screen->findChild<GridModel *>(u"cdsQuery"_s); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    std::shared_ptr<void> m_shown; // the ShownScreen of m_screen
    TfrmEZS000 *m_screen = nullptr;
};

QTEST_MAIN(TestWeather)
#include "tst_weather.moc"
