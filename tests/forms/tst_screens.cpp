#include "Cp949.h"
#include "GridModel.h"
#include "GridView.h"
#include "Modal.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "StartupValues.h"
#include "StatusPanels.h"
#include "TestDatabase.h"
#include "TestScreens.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString NoRows = u"조회할 내용이 없습니다."_s;

const QString CodeFixture = uR"(
INSERT INTO zx010ms (head, detail, detail_name, item1) VALUES
    ('TX001', '01', '가나', '123'), ('TX001', '02', 'Ab', '-45'),
    ('TX001', '03', '다라', '12.5'), ('TX001', '04', NULL, NULL);
INSERT INTO zx010ms (head, detail, detail_name, item1)
SELECT 'TX250', lpad(n::text, 3, '0'), 'N' || n, n::text FROM generate_series(1, 250) AS n;
)"_s;

// The record words of the worksheet format, written out by hand.
QByteArray words(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values) {
        bytes.append(char(value & 0xFF));
        bytes.append(char((value >> 8) & 0xFF));
    }
    return bytes;
}

QByteArray textCell(int row, int column, const QByteArray &text)
{
    return words({0x0204, int(text.size()) + 8, row, column, 0, int(text.size())}) + text;
}

QByteArray numberCell(int row, int column, const QByteArray &littleEndianDouble)
{
    return words({0x0203, 14, row, column, 0}) + littleEndianDouble;
}

struct Cell
{
    int row;
    int column;
    bool number;
    QString text;
};

// The cells of a worksheet file, in file order.
QList<Cell> cellsOf(const QByteArray &file)
{
    QList<Cell> cells;
    const auto word = [&](qsizetype at) { return int(quint8(file[at])) | int(quint8(file[at + 1])) << 8; };
    qsizetype at = 0;
    while (at + 4 <= file.size()) {
        const int kind = word(at);
        const int length = word(at + 2);
        if (kind == 0x0204)
            cells.append({word(at + 4), word(at + 6), false, FromCp949(file.mid(at + 12, word(at + 10)))});
        else if (kind == 0x0203) {
            double value = 0;
            std::memcpy(&value, file.constData() + at + 10, 8);
            cells.append({word(at + 4), word(at + 6), true, QString::number(value)});
        }
        at += 4 + length;
    }
    return cells;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <class T>
T *child(QWidget &screen, const QString &name)
{
    T *found = screen.findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

void press(QWidget &screen, QKeyCombination key)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target ? target : &screen, key.key(), key.keyboardModifiers());
}

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(CodeFixture);
        QVERIFY(m_dir.isValid());
    }

    void statusBarShowsScreenUserAndRole_data()
    {
        QTest::addColumn<int>("roleType");
        QTest::addColumn<QString>("roleName");
        QTest::addColumn<QString>("panel3");
        QTest::newRow("1 site") << 1 << u"본사"_s << u"사업장 - 본사"_s;
        QTest::newRow("2 team") << 2 << u"스키팀"_s << u"팀 - 스키팀"_s;
        QTest::newRow("3 outlet") << 3 << u"렌탈샵"_s << u"영업장 - 렌탈샵"_s;
        QTest::newRow("2 without a name") << 2 << QString() << QString();
        QTest::newRow("0") << 0 << u"본사"_s << QString();
        QTest::newRow("4") << 4 << u"본사"_s << QString();
    }
    void statusBarShowsScreenUserAndRole()
    {
        QFETCH(int, roleType);
        QFETCH(QString, roleName);
        QFETCH(QString, panel3);
        const StartupValues saved = Startup();
        StartupValues values = saved;
        values.roleType = roleType;
        values.roleName = roleName;
        SetStartupValues(values);
        ShownScreen<TfrmZXS010> screen;
        SetStartupValues(saved);
        QVERIFY(screen.exposed());

        auto *bar = child<StatusPanels>(*screen, u"stbMessage"_s);
        QCOMPARE(bar->text(0), u"ZXS010"_s);
        QCOMPARE(bar->text(2), u"사용자 : 시험사용자"_s);
        QCOMPARE(bar->text(3), panel3);
        const QFontMetrics metrics(screen->font());
        QCOMPARE(bar->panelWidth(0), metrics.horizontalAdvance(u"ZXS010"_s) + 20);
        QCOMPARE(bar->panelWidth(3), panel3.isEmpty() ? 0 : metrics.horizontalAdvance(panel3) + 20);
        for (int width : {1008, 1200}) {
            screen->HostResized(width, 670);
            QTRY_COMPARE(bar->width(), width);
            QTRY_COMPARE(bar->panelWidth(1), width - bar->panelWidth(0) - bar->panelWidth(2) - bar->panelWidth(3));
        }
    }

    void entryScreenModesGateTheHotkeys()
    {
        ShownScreen<TfrmZXI010> screen;
        QVERIFY(screen.exposed());
        QVERIFY(screen->IsSearchMode());
        QCOMPARE(QApplication::focusWidget(), screen->edtKey);
        QVERIFY(!screen->edtName->isEnabled());
        QVERIFY(child<QPushButton>(*screen, u"bbtClose"_s)->isEnabled());

        press(*screen, Qt::Key_F2); // Save is disabled in search mode
        QCOMPARE(screen->saves, 0);

        press(*screen, Qt::Key_F3);
        QVERIFY(!screen->IsSearchMode());
        QVERIFY(!screen->edtKey->isEnabled());
        QVERIFY(screen->edtName->isEnabled());
        QCOMPARE(QApplication::focusWidget(), screen->edtName);
        press(*screen, Qt::Key_F2);
        QCOMPARE(screen->saves, 1);

        child<QPushButton>(*screen, u"bbtSave"_s)->hide();
        press(*screen, Qt::Key_F2);
        QCOMPARE(screen->saves, 1);

        press(*screen, Qt::Key_F8);
        QVERIFY(screen->IsSearchMode());
        QVERIFY(screen->edtKey->isEnabled());
        QCOMPARE(QApplication::focusWidget(), screen->edtKey);
    }

    void searchScreenHotkeyNeedsItsButton_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("prints");
        QTest::newRow("shown") << u"shown"_s << 1;
        QTest::newRow("hidden") << u"hidden"_s << 0;
        QTest::newRow("disabled") << u"disabled"_s << 0;
    }
    void searchScreenHotkeyNeedsItsButton()
    {
        QFETCH(QString, state);
        QFETCH(int, prints);
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        auto *print = child<QPushButton>(*screen, u"bbtPrint"_s);
        print->setVisible(state != u"hidden"_s);
        print->setEnabled(state != u"disabled"_s);
        screen->ShowStatus(u"이전 메시지"_s);
        press(*screen, Qt::Key_F11);
        QCOMPARE(screen->prints, prints);
        QCOMPARE(screen->StatusMessage(), QString()); // the common start clears it either way
    }

    void enterOnTheLastSearchFieldRunsSearch()
    {
        RecordingModal boxes;
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        QCOMPARE(QApplication::focusWidget(), screen->edtHead);
        QTest::keyClicks(screen->edtHead, u"TX001"_s);
        press(*screen, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen->edtName);
        press(*screen, Qt::Key_Return);
        auto *date = child<QDateEdit>(*screen, u"dtpDate"_s);
        QCOMPARE(InputControlOf(QApplication::focusWidget()), date);
        QCOMPARE(screen->searches, 0);
        press(*screen, Qt::Key_Enter);

        QCOMPARE(screen->searches, 1);
        QVERIFY(boxes.boxes.isEmpty());
        auto *grid = child<GridView>(*screen, u"rgrGrid"_s);
        QCOMPARE(grid->gridModel()->rowCount(), 4);
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(grid->currentRow(), 0);
        QCOMPARE(grid->gridModel()->footer(0), QString());
        QCOMPARE(grid->gridModel()->footer(2), u"4"_s);
        QCOMPARE(grid->gridModel()->footer(3), u"0"_s);
    }

    void emptyResultIsReported()
    {
        RecordingModal boxes;
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        screen->edtHead->setText(u"NONE"_s);
        press(*screen, Qt::Key_F3);
        QCOMPARE(boxes.texts(), QStringList{NoRows});
        QCOMPARE(boxes.boxes.constFirst().kind, BoxKind::Information);
        auto *grid = child<GridView>(*screen, u"rgrGrid"_s);
        QVERIFY(grid->gridModel()->isOpen());
        QCOMPARE(grid->gridModel()->rowCount(), 0);
        QCOMPARE(QApplication::focusWidget(), screen->edtName); // the control after the one that searched
    }

    void resultListFetchesInBatchesAndNavigates()
    {
        RecordingModal boxes;
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        auto *grid = child<GridView>(*screen, u"rgrGrid"_s);
        const auto click = [&](const QString &name) { QTest::mouseClick(child<QToolButton>(*screen, name), Qt::LeftButton); };

        click(u"sbtLast"_s); // closed: nothing happens
        QCOMPARE(grid->currentRow(), -1);

        screen->edtHead->setText(u"TX250"_s);
        press(*screen, Qt::Key_F3);
        QCOMPARE(grid->gridModel()->rowCount(), GridModel::FetchSize);
        click(u"sbtLast"_s);
        QCOMPARE(grid->gridModel()->rowCount(), 250);
        QCOMPARE(grid->currentRow(), 249);
        QCOMPARE(grid->gridModel()->value(249, u"DETAIL"_s), u"250"_s);
        click(u"sbtFirst"_s);
        QCOMPARE(grid->currentRow(), 0);
        click(u"sbtPrior"_s);
        QCOMPARE(grid->currentRow(), 0);
        click(u"sbtNext"_s);
        QCOMPARE(grid->currentRow(), 1);

        press(*screen, Qt::Key_F8);
        QVERIFY(!grid->gridModel()->isOpen());
        QCOMPARE(grid->gridModel()->footer(2), u"0"_s);
        QCOMPARE(QApplication::focusWidget(), screen->edtHead);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void columnMenuShowsAndHidesColumns()
    {
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        screen->edtHead->setText(u"TX001"_s);
        press(*screen, Qt::Key_F3);
        auto *menu = child<QMenu>(*screen, u"popGrid"_s);
        QStringList entries;
        for (QAction *entry : menu->actions())
            entries.append(entry->text() + (entry->isChecked() ? u"+"_s : u"-"_s));
        QCOMPARE(entries, (QStringList{u"그룹-"_s, u"코드+"_s, u"코드명+"_s, u"값+"_s}));
        auto *grid = child<GridView>(*screen, u"rgrGrid"_s);
        menu->actions().at(2)->trigger();
        QVERIFY(grid->isColumnHidden(2));
        menu->actions().at(0)->trigger();
        QVERIFY(!grid->isColumnHidden(0));
    }

    void exportWritesTheWorksheetByteForByte()
    {
        RecordingModal boxes;
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        screen->edtHead->setText(u"TX001"_s);
        press(*screen, Qt::Key_F3);
        auto *grid = child<GridView>(*screen, u"rgrGrid"_s);
        grid->setCurrentRow(2);
        const QString path = m_dir.filePath(u"codes"_s);
        boxes.fileNames = {path};
        press(*screen, QKeyCombination(Qt::CTRL, Qt::Key_F11));

        const QByteArray head = ToCp949(u"TX001"_s);
        const QByteArray expected =
            words({0x0809, 8, 0, 0x0010, 0, 0}) + textCell(0, 0, ToCp949(u"공통코드 조회"_s))
            + textCell(2, 0, ToCp949(u"그룹"_s)) + textCell(2, 1, ToCp949(u"코드"_s))
            + textCell(2, 2, ToCp949(u"코드명"_s)) + textCell(2, 3, ToCp949(u"값"_s))
            // the hidden group column too; digit-only codes in a left-aligned column stay text
            + textCell(3, 0, head) + textCell(3, 1, "01") + textCell(3, 2, "\xB0\xA1\xB3\xAA")
            + numberCell(3, 3, QByteArray::fromHex("0000000000c05e40")) // 123
            + textCell(4, 0, head) + textCell(4, 1, "02") + textCell(4, 2, "Ab")
            + numberCell(4, 3, QByteArray::fromHex("00000000008046c0")) // -45
            + textCell(5, 0, head) + textCell(5, 1, "03") + textCell(5, 2, ToCp949(u"다라"_s))
            + textCell(5, 3, "12.5") + textCell(6, 0, head) + textCell(6, 1, "04") + textCell(6, 2, "")
            + numberCell(6, 3, QByteArray(8, '\0')) // empty in a right-aligned column: 0
            + words({0x000A, 0});
        QCOMPARE(readFile(path + u".xls"_s).toHex(' '), expected.toHex(' '));
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(boxes.texts(), QStringList{u"저장한 파일(codes.xls)을 Excel로 불러올까요?"_s});
        QCOMPARE(boxes.openedFiles, QStringList{path + u".xls"_s});
    }

    // Yes to opening the worksheet on a PC without a program for it says
    // where the file was saved.
    void exportSaysWhereTheFileIsWhenNothingOpensIt()
    {
        RecordingModal boxes;
        boxes.desktopOpens = false;
        TfrmZXS010 screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        screen.edtHead->setText(u"TX001"_s);
        press(screen, Qt::Key_F3);
        const QString path = m_dir.filePath(u"unopened"_s);
        boxes.fileNames = {path};
        press(screen, QKeyCombination(Qt::CTRL, Qt::Key_F11));
        QVERIFY2(boxes.boxes.size() == 2, qPrintable(boxes.texts().join(u'|')));
        QCOMPARE(boxes.texts(), (QStringList{u"저장한 파일(unopened.xls)을 Excel로 불러올까요?"_s,
                                             u"파일을 열 프로그램이 없어 열지 못했습니다.\r파일은 저장되어 있습니다: "_s
                                                 + QDir::toNativeSeparators(path + u".xls"_s)}));
        QCOMPARE(boxes.boxes.last().kind, BoxKind::Error);
    }

    // A save dialog opens in the folder the operator saved to last, kept
    // for him alone; the home folder the first time or when it went away.
    void saveDialogsOpenInTheLastFolder()
    {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
        QSettings(QSettings::UserScope, u"Kest"_s, u"Kest_E"_s).clear();
        QCOMPARE(SaveDialogStart(u"EBS060.pdf"_s), QDir(QDir::homePath()).filePath(u"EBS060.pdf"_s));
        QTemporaryDir reports;
        RememberSaveFolder(QDir(reports.path()).filePath(u"EBS100.xls"_s));
        QCOMPARE(SaveDialogStart(u"EBS060.pdf"_s), QDir(reports.path()).filePath(u"EBS060.pdf"_s));
        QCOMPARE(SaveDialogStart(u"/somewhere/else/EBS070"_s), QDir(reports.path()).filePath(u"EBS070"_s));
        reports.remove();
        QCOMPARE(SaveDialogStart(u"EBS060.pdf"_s), QDir(QDir::homePath()).filePath(u"EBS060.pdf"_s));
    }

    void exportFileNameTakesTheXlsExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << u"report"_s << u"report.xls"_s;
        QTest::newRow("upper case kept") << u"report.XLS"_s << u"report.XLS"_s;
        QTest::newRow("other extension replaced") << u"report.txt"_s << u"report.xls"_s;
        QTest::newRow("dot in the folder only") << u"dir.d/report"_s << u"dir.d/report.xls"_s;
    }
    void exportFileNameTakesTheXlsExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"dir.d"_s));
        RecordingModal boxes;
        boxes.confirmAnswers = {false};
        TfrmZXS010 screen;
        screen.edtHead->setText(u"TX001"_s);
        screen.bbtSearchClick();
        boxes.clear();
        boxes.fileNames = {dir.filePath(typed)};
        QCOMPARE(screen.ExportToExcel(), dir.filePath(written));
        QVERIFY(QFile::exists(dir.filePath(written)));
        QVERIFY(boxes.boxes.isEmpty());
    }

    void exportWritesColumnsHiddenThroughTheMenu()
    {
        RecordingModal boxes;
        boxes.confirmAnswers = {false};
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        screen->edtHead->setText(u"TX001"_s);
        press(*screen, Qt::Key_F3);
        child<QMenu>(*screen, u"popGrid"_s)->actions().at(1)->trigger();
        child<QMenu>(*screen, u"popGrid"_s)->actions().at(2)->trigger();
        const QString path = m_dir.filePath(u"hidden.xls"_s);
        boxes.fileNames = {path};
        press(*screen, QKeyCombination(Qt::CTRL, Qt::Key_F11));
        QStringList titles;
        for (const Cell &cell : cellsOf(readFile(path)))
            if (cell.row == 2)
                titles.append(cell.text);
        QCOMPARE(titles, (QStringList{u"그룹"_s, u"코드"_s, u"코드명"_s, u"값"_s}));
        QVERIFY(boxes.openedFiles.isEmpty()); // the operator said No
    }

    void exportAsksBeforeOverwriting_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void exportAsksBeforeOverwriting()
    {
        QFETCH(bool, overwrite);
        const QString path = m_dir.filePath(u"old.xls"_s);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            old.write("old");
        }
        RecordingModal boxes;
        TfrmZXS010 screen;
        screen.edtHead->setText(u"TX001"_s);
        screen.bbtSearchClick();
        boxes.clear();
        boxes.fileNames = {path};
        boxes.confirmAnswers = {overwrite};
        QCOMPARE(screen.ExportToExcel(), overwrite ? path : QString());
        QCOMPARE(boxes.texts(), QStringList{u"이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"_s});
        QCOMPARE(readFile(path) == "old", !overwrite);
    }

    void exportRefusals_data()
    {
        QTest::addColumn<bool>("search");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("no search yet") << false << u"x"_s << u"조회 결과가 없습니다. 조회를 먼저 하십시오."_s << QString();
        QTest::newRow("no file name") << true << QString() << u"저장할 파일 이름을 지정하지 않았습니다."_s << QString();
        QTest::newRow("folder missing") << true << u"/nonexistent-kest/report"_s << QString()
                                        << u"Excel 파일로 저장할 수 없습니다."_s;
    }
    void exportRefusals()
    {
        QFETCH(bool, search);
        QFETCH(QString, fileName);
        QFETCH(QString, status);
        QFETCH(QString, error);
        RecordingModal boxes;
        TfrmZXS010 screen;
        screen.edtHead->setText(u"TX001"_s);
        if (search)
            screen.bbtSearchClick();
        if (!fileName.isEmpty())
            boxes.fileNames = {fileName};
        QCOMPARE(screen.bbtExcelClick(), true);
        QCOMPARE(screen.StatusMessage(), status);
        QCOMPARE(boxes.texts(), error.isEmpty() ? QStringList() : QStringList{error});
        QVERIFY(boxes.openedFiles.isEmpty());
    }

    void inputsTakeTheFocusColours()
    {
        const QColor focus = QApplication::palette().color(QPalette::ToolTipBase);
        ShownScreen<TfrmZXI010> entry;
        QVERIFY(entry.exposed());
        QCOMPARE(entry->edtKey->palette().color(QPalette::Base), focus);
        press(*entry, Qt::Key_F3);
        QCOMPARE(entry->edtKey->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(entry->edtName->palette().color(QPalette::Base), focus);
        entry->edtStamp->setFocus();
        QCOMPARE(entry->edtStamp->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
        entry->edtName->setFocus();
        QCOMPARE(entry->edtStamp->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
        entry->close();

        ShownScreen<TfrmZXS010> search;
        QVERIFY(search.exposed());
        auto *date = child<QDateEdit>(*search, u"dtpDate"_s);
        date->setReadOnly(true);
        date->setFocus();
        QCOMPARE(date->palette().color(QPalette::Base), focus);
        search->edtHead->setFocus();
        QCOMPARE(date->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void workingDateFollowsThePicker()
    {
        TfrmZXS010 screen;
        QCOMPARE(screen.WorkDate(), QDate::currentDate().toString(u"yyyyMMdd"_s));
        auto *date = child<QDateEdit>(screen, u"dtpDate"_s);
        QCOMPARE(date->date(), QDate::currentDate());
        date->setDate(QDate(2024, 1, 31));
        QCOMPARE(screen.WorkDate(), u"20240131"_s);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
