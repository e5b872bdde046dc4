#include "CodeCombo.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Routines.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }

    void rowsArriveAHundredAtATime()
    {
        GridModel model;
        model.setColumns({{.title = u"번호"_s, .field = u"N"_s, .alignment = Qt::AlignRight},
                          {.title = u"메모"_s, .field = u"MEMO"_s}});
        auto query = std::make_unique<SqlQuery>(u"SELECT n, 'x' || n AS label FROM generate_series(1, :LAST) n ORDER BY n"_s);
        query->bind(u"LAST"_s, u"250"_s);
        query->exec();
        model.setQuery(std::move(query));
        QVERIFY(model.isOpen());
        QCOMPARE(model.rowCount(), 100);
        QVERIFY(model.canFetchMore());
        model.fetchMore();
        QCOMPARE(model.rowCount(), 200);
        GridView view;
        view.setGridModel(&model);
        view.last(); // the last record needs every row
        QCOMPARE(model.rowCount(), 250);
        QCOMPARE(view.currentRow(), 249);
        QVERIFY(!model.canFetchMore());
        QCOMPARE(model.value(249, u"n"_s), u"250"_s);
        QCOMPARE(model.value(249, u"LABEL"_s), u"x250"_s);
        QCOMPARE(model.value(0, u"MEMO"_s), QString()); // a column's field the query lacks
        view.first();
        QCOMPARE(view.currentRow(), 0);
        view.prior();
        QCOMPARE(view.currentRow(), 0);
        view.next();
        QCOMPARE(view.currentRow(), 1);
        model.close();
        QVERIFY(!model.isOpen());
        QCOMPARE(model.rowCount(), 0);
    }

    // The row log both entry bases save from: values as the server holds
    // them, through edits, sorting, removal and a refused delete.
    void rowLogKeepsWhatTheServerHolds()
    {
        GridModel model;
        model.setColumns({{.title = u"번호"_s, .field = u"N"_s}, {.title = u"이름"_s, .field = u"NAME"_s}});
        auto query = std::make_unique<SqlQuery>(u"SELECT n, 'r' || n AS name FROM generate_series(1, 3) n ORDER BY n"_s);
        query->exec();
        model.setQuery(std::move(query));
        model.fetchAll();
        using Status = GridModel::RowStatus;
        QCOMPARE(model.rowStatus(0), Status::Stored);

        model.setValue(0, u"NAME"_s, u"고침"_s);
        model.markChanged(0);
        QCOMPARE(model.rowStatus(0), Status::Changed);
        QCOMPARE(model.readValue(0, u"NAME"_s), u"r1"_s);
        const int added = model.insertRecord();
        model.setValue(added, u"N"_s, u"9"_s);
        QCOMPARE(model.rowStatus(added), Status::Inserted);
        QVERIFY(!model.isStoredRow(added));

        model.sortRecords(0, Qt::DescendingOrder); // 9, 3, 2, 1
        QCOMPARE(model.value(3, u"NAME"_s), u"고침"_s);
        QCOMPARE(model.readValue(3, u"NAME"_s), u"r1"_s);
        QCOMPARE(model.rowStatus(3), Status::Changed);
        QCOMPARE(model.rowStatus(0), Status::Inserted);

        model.setValue(2, u"N"_s, u"77"_s); // typed over before the delete
        model.removeRecord(2);
        model.removeRecord(0); // never stored: nothing to log
        QCOMPARE(model.deletedRecords().size(), 1);
        QCOMPARE(model.deletedRecords().at(0).read.at(model.fieldIndex(u"N"_s)), u"2"_s);

        // The server refused the delete: the row comes back as it is stored.
        const int back = model.restoreDeleted(0);
        QCOMPARE(model.value(back, u"N"_s), u"2"_s);
        QCOMPARE(model.rowStatus(back), Status::Stored);
        QVERIFY(model.deletedRecords().isEmpty());

        model.removeRecord(back);
        model.acceptRecords();
        QVERIFY(model.deletedRecords().isEmpty());
        for (int row = 0; row < model.rowCount(); ++row) {
            QCOMPARE(model.rowStatus(row), Status::Stored);
            QCOMPARE(model.readValue(row, u"NAME"_s), model.value(row, u"NAME"_s));
        }
    }

    void pickListShowsLabelsAndKeepsCodes()
    {
        GridModel model;
        model.setColumns({{.title = u"성별"_s, .field = u"SEX"_s}});
        model.pickList(0).append(u"남"_s, u"1"_s);
        model.pickList(0).append(u"여"_s, u"2"_s);
        const int a = model.insertRecord();
        const int b = model.insertRecord();
        model.setValue(a, u"SEX"_s, u"2"_s);
        model.setValue(b, u"SEX"_s, u"9"_s);
        QCOMPARE(model.data(model.index(a, 0)).toString(), u"여"_s);
        QCOMPARE(model.data(model.index(a, 0), Qt::EditRole).toString(), u"2"_s);
        QCOMPARE(model.data(model.index(b, 0)).toString(), QString()); // a code the list lacks
    }

    void dataWidthCutsInBytes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("hangul at 16 bytes") << u"가나다라마바사아자차"_s << u"가나다라마바사아"_s;
        QTest::newRow("odd byte left over") << u"a가나다라마바사아"_s << u"a가나다라마바사"_s;
        QTest::newRow("fits") << u"스키"_s << u"스키"_s;
    }
    void dataWidthCutsInBytes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        GridModel model;
        model.setColumns({{.title = u"이름"_s, .field = u"NAME"_s, .dataWidth = 16}});
        const int row = model.insertRecord();
        model.setData(model.index(row, 0), typed);
        QCOMPARE(model.value(row, u"NAME"_s), kept);

        TextEdit edit;
        edit.setMaxBytes(16);
        edit.setText(typed);
        QCOMPARE(edit.text(), kept);
    }

    void pastedControlCharactersBecomeSpaces_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("line break") << 0 << u"첫줄\r\n둘째줄"_s << u"첫줄  둘째줄"_s;
        QTest::newRow("printer commands") << 0 << u"A\x1b@\x07\x0c\x7f"_s << u"A @   "_s;
        QTest::newRow("tab, then cut in bytes") << 6 << u"가\t나다"_s << u"가 나"_s;
        QTest::newRow("nothing to change") << 16 << u"O'Brien <p>"_s << u"O'Brien <p>"_s;
    }
    void pastedControlCharactersBecomeSpaces()
    {
        QFETCH(int, bytes);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        TextEdit edit;
        edit.setMaxBytes(bytes);
        QApplication::clipboard()->setText(pasted);
        edit.paste();
        QCOMPARE(edit.text(), kept);
    }

    void displayMaskShapesTheShownText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date key") << u"20261201"_s << u"2026-12-01"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("other length") << u"202612"_s << u"202612"_s;
    }
    void displayMaskShapesTheShownText()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        GridModel model;
        model.setColumns({{.title = u"일자"_s, .field = u"DAY"_s, .displayMask = u"9999-99-99"_s}});
        const int row = model.insertRecord();
        model.setValue(row, u"DAY"_s, stored);
        QCOMPARE(model.data(model.index(row, 0)).toString(), shown);
        QCOMPARE(model.data(model.index(row, 0), Qt::EditRole).toString(), stored);
    }

    void valueChangesAreSignalledOnce()
    {
        GridModel model;
        model.setColumns({{.title = u"A"_s, .field = u"A"_s}});
        const int row = model.insertRecord();
        int signals_ = 0;
        connect(&model, &GridModel::valueChanged, this, [&] { ++signals_; });
        model.setValue(row, u"a"_s, u"x"_s);
        model.setValue(row, u"A"_s, u"x"_s); // unchanged
        QCOMPARE(signals_, 1);
    }

    void footersAndHiddenColumns()
    {
        GridModel model;
        model.setColumns({{.title = u"구분"_s, .field = u"K"_s},
                          {.title = u"금액"_s, .field = u"AMT"_s, .alignment = Qt::AlignRight, .footer = true},
                          {.title = u"비고"_s, .field = u"R"_s, .visible = false}});
        GridView view;
        view.setGridModel(&model);
        view.setFooterVisible(true);
        QVERIFY(view.isColumnHidden(2));
        model.setFooter(1, u"1,234,567"_s);
        QCOMPARE(model.footer(1), u"1,234,567"_s);
        model.resetFooters(u"0"_s);
        QCOMPARE(model.footer(0), QString());
        QCOMPARE(model.footer(1), u"0"_s);
        view.setColumnShown(2, true);
        QVERIFY(!view.isColumnHidden(2));

        // The footer row lies under the cells, inside the grid, and the
        // column titles keep their place above them.
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QWidget *bar = view.findChild<QWidget *>(u"footer"_s);
        QVERIFY(bar && bar->isVisible());
        const QRect footer = bar->geometry();
        QCOMPARE(footer.height(), GridView::FooterHeight);
        QVERIFY(view.rect().contains(footer));
        QVERIFY(footer.top() > view.viewport()->geometry().bottom());
        QVERIFY(view.viewport()->geometry().top() >= view.horizontalHeader()->height());
    }

    void codeComboKeepsCodes()
    {
        CodeCombo combo;
        combo.addCode(u"본관"_s, u"1"_s);
        combo.addCode(u"별관"_s, u"2"_s);
        combo.setCode(u"2"_s);
        QCOMPARE(combo.currentText(), u"별관"_s);
        QCOMPARE(combo.code(), u"2"_s);
        combo.setCode(u"7"_s);
        QCOMPARE(combo.code(), QString());
    }

    void editsReadWhatScreensStore()
    {
        NumberEdit number;
        number.setGrouping(true);
        number.setValue(1234567);
        QCOMPARE(number.text(), u"1,234,567"_s);
        QCOMPARE(number.value(), qint64(1234567));
        number.clear();
        QCOMPARE(number.value(), qint64(0));

        DateEdit date;
        date.setDateKey(u"20040131"_s);
        QCOMPARE(date.text(), u"2004-01-31"_s);
        QCOMPARE(date.dateKey(), u"20040131"_s);
        date.setDateKey(u"20040230"_s); // not a date: ignored
        QCOMPARE(date.dateKey(), u"20040131"_s);

        MaskEdit mask;
        mask.setInputMask(u"999-999;_"_s);
        mask.setText(u"123456"_s);
        QCOMPARE(mask.text(), u"123-456"_s);
        QCOMPARE(mask.plainText(), u"123456"_s);
    }

    void qtTextsAndDatesAreKorean()
    {
        QVERIFY2(UseKorean(), "Qt's Korean texts are not installed (qt6-translations-l10n)");
        QMessageBox box(QMessageBox::Question, u"제목"_s, u"본문"_s, QMessageBox::Yes | QMessageBox::No);
        QVERIFY2(box.button(QMessageBox::Yes)->text().startsWith(u"예"_s), qPrintable(box.button(QMessageBox::Yes)->text()));
        QVERIFY2(box.button(QMessageBox::No)->text().startsWith(u"아니요"_s), qPrintable(box.button(QMessageBox::No)->text()));

        // The calendar of a date picker: Korean month and day names, weeks from Sunday.
        QWidget form;
        auto *date = new DateEdit(&form);
        date->setDateKey(u"20261204"_s);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Down, Qt::AltModifier);
        auto *calendar = date->findChild<QCalendarWidget *>();
        QVERIFY(calendar && calendar->isVisible());
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(calendar->locale().dayName(5), u"금요일"_s);
        auto *month = calendar->findChild<QToolButton *>(u"qt_calendar_monthbutton"_s);
        QVERIFY(month);
        QCOMPARE(month->text(), u"12월"_s);
        const QAbstractItemModel *days = calendar->findChild<QTableView *>()->model();
        QStringList header;
        for (int column = 0; column < days->columnCount(); ++column)
            if (const QString day = days->index(0, column).data().toString(); !day.isEmpty())
                header.append(day);
        QCOMPARE(header, (QStringList{u"일"_s, u"월"_s, u"화"_s, u"수"_s, u"목"_s, u"금"_s, u"토"_s}));
        // A long date shows its Korean day name.
        DateEdit accident;
        accident.setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
        accident.setDateKey(u"20261204"_s);
        QVERIFY2(accident.text().contains(u"금요일"_s), qPrintable(accident.text()));
    }

    void tabLeavesTheDatePickerWhole()
    {
        QWidget form;
        auto *layout = new QHBoxLayout(&form);
        auto *before = new QLineEdit(&form);
        auto *date = new DateEdit(&form);
        auto *after = new QLineEdit(&form);
        for (QWidget *w : {static_cast<QWidget *>(before), static_cast<QWidget *>(date), static_cast<QWidget *>(after)})
            layout->addWidget(w);
        date->setDateKey(u"20250110"_s);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), date);
        // Entered by Tab, the year is selected: typed digits give the date.
        QTest::keyClicks(date, u"20261201"_s);
        QCOMPARE(date->dateKey(), u"20261201"_s);
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), date);
        QTest::keyClick(date, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), before);

        // F4 opens the calendar too, without changing the date.
        date->setFocus();
        QTest::keyClick(date, Qt::Key_F4);
        auto *calendar = date->findChild<QCalendarWidget *>();
        QVERIFY(calendar && calendar->isVisible());
        QCOMPARE(date->dateKey(), u"20261201"_s);
        QTest::keyClick(calendar, Qt::Key_Escape);
    }

    void tabLeavesEveryGrid()
    {
        GridModel model;
        model.setColumns({{.title = u"코드"_s, .field = u"C"_s, .width = 60},
                          {.title = u"이름"_s, .field = u"N"_s, .width = 80},
                          {.title = u"비고"_s, .field = u"R"_s, .width = 80}});
        for (int row = 0; row < 2; ++row)
            model.insertRecord();
        QWidget form;
        auto *layout = new QVBoxLayout(&form);
        auto *before = new QLineEdit(&form);
        auto *grid = new GridView(&form);
        auto *after = new QPushButton(u"다음"_s, &form);
        layout->addWidget(before);
        layout->addWidget(grid);
        layout->addWidget(after);
        grid->setGridModel(&model);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        for (const bool editable : {false, true}) {
            grid->setEditable(editable);
            grid->setFocus();
            grid->setCurrentIndex(model.index(0, 0));
            // The arrows move between cells and rows.
            QTest::keyClick(grid, Qt::Key_Right);
            QTest::keyClick(grid, Qt::Key_Down);
            QCOMPARE(grid->currentIndex(), model.index(1, 1));
            QTest::keyClick(grid, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), after);
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), before);
        }
        // Tab in a cell's editor keeps what was typed and leaves the grid.
        grid->setFocus();
        grid->setCurrentIndex(model.index(0, 1));
        QTest::keyClick(grid, Qt::Key_A);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid);
        QTest::keyClicks(editor, u"bc"_s);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        QCOMPARE(model.value(0, u"N"_s).toLower(), u"abc"_s);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
