#include "ListLayout.h"
#include "PageDump.h"
#include "ReportDocument.h"
#include "RowSource.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace report;

Q_DECLARE_METATYPE(report::Format)
Q_DECLARE_METATYPE(report::Item)

// Laying records out on pages, read through the page model.
namespace {

RecordList numberedRows(int count)
{
    RecordList rows({u"NO"_s, u"NAME"_s});
    for (int i = 1; i <= count; ++i)
        rows.append({QString::number(i), u"이름%1"_s.arg(i)});
    return rows;
}

const QList<Column> TwoColumns = {
    {.title = u"번호"_s, .field = u"NO"_s, .width = 20, .alignment = Qt::AlignRight},
    {.title = u"이름"_s, .field = u"NAME"_s, .width = 40},
};

Layout countedList()
{
    return ListLayout({.id = u"EBP060"_s,
                       .title = u"일일 장비대여 현황"_s,
                       .columns = TwoColumns,
                       .summary = {{.rect = {0, 0, 60, SummaryHeight}, .text = u"건수: %1"_s, .source = Source::Count}}});
}

// Round measures: margins 10 / 7, title 7, header 10, detail 50, footer 20.
// The footer starts at 297 - 7 - 20 = 270. Page 1 holds details at 27, 77,
// 127, 177 (the next would end at 277); later pages start at 20 and hold
// five, the last ending exactly at 270.
Layout tallRows()
{
    return {.id = u"TALL"_s,
            .page = {.margins = {.top = 10, .bottom = 7, .left = 10, .right = 10}},
            .bands = {
                {.kind = BandKind::Title, .height = 7, .items = {{.rect = {0, 0, 100, 7}, .name = u"title"_s, .text = u"T"_s}}},
                {.kind = BandKind::ColumnHeader, .height = 10, .items = {{.rect = {0, 0, 100, 10}, .name = u"head"_s, .text = u"H"_s}}},
                {.kind = BandKind::Detail, .height = 50, .items = {{.rect = {0, 0, 100, 50}, .name = u"row"_s, .field = u"NO"_s}}},
                {.kind = BandKind::PageFooter, .height = 20,
                 .items = {{.rect = {0, 0, 100, 20}, .name = u"page"_s, .source = Source::PageOfPages}}},
            }};
}

QStringList texts(const QList<PageItem> &items)
{
    QStringList out;
    for (const PageItem &item : items)
        out << item.text;
    return out;
}

QList<qreal> tops(const QList<PageItem> &items)
{
    QList<qreal> out;
    for (const PageItem &item : items)
        out << item.rect.top();
    return out;
}

// Text items of detail, group footer and summary bands, page after page.
QStringList bodyTexts(const Document &document)
{
    QStringList out;
    for (const Page &page : document.pages)
        for (const PageItem &item : page.items)
            if (item.kind == ItemKind::Text
                && (item.band == BandKind::Detail || item.band == BandKind::GroupFooter || item.band == BandKind::Summary))
                out << item.text;
    return out;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReportPages : public QObject
{
    Q_OBJECT

private slots:
    void emptyResultIsOnePageWithTitleConditionsAndFooter()
    {
        const Document document = Paginate(countedList(), numberedRows(0),
                                           {.texts = {{ConditionItems[1], u"*대여일자: 2024-01-05"_s},
                                                      {ConditionItems[2], u"*지역구분: 본관"_s}}});
        QCOMPARE(document.pages.size(), 1);
        QCOMPARE(texts(document.named(0, TitleItem)), QStringList{u"일일 장비대여 현황"_s});
        QCOMPARE(texts(document.named(0, ConditionItems[1])), QStringList{u"*대여일자: 2024-01-05"_s});
        QCOMPARE(texts(document.named(0, ConditionItems[2])), QStringList{u"*지역구분: 본관"_s});
        QCOMPARE(texts(document.named(0, PageNumberItem)), QStringList{u"1 / 1"_s});
        QCOMPARE(texts(document.named(0, LayoutIdItem)), QStringList{u"EBP060"_s});
        for (const PageItem &item : document.pages.first().items)
            QVERIFY2(item.band == BandKind::Title || item.band == BandKind::PageFooter,
                     qPrintable(u"a band other than title and footer printed: "_s + item.text));
    }

    void everyPageFooterCountsThePages_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::newRow("one record") << 1 << 1;
        QTest::newRow("first page full") << 4 << 1;
        QTest::newRow("one more record") << 5 << 2;
        QTest::newRow("second page full to the footer") << 9 << 2;
        QTest::newRow("three pages") << 11 << 3;
    }
    void everyPageFooterCountsThePages()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        const Document document = Paginate(tallRows(), numberedRows(rows));
        QCOMPARE(document.pages.size(), pages);
        for (int p = 0; p < pages; ++p)
            QCOMPARE(texts(document.named(p, u"page"_s)), QStringList{u"%1 / %2"_s.arg(p + 1).arg(pages)});
        QCOMPARE(texts(document.named(0, u"title"_s)).size(), 1);
        for (int p = 1; p < pages; ++p)
            QVERIFY(document.named(p, u"title"_s).isEmpty());
    }

    void aBandThatDoesNotFitMovesToTheNextPage()
    {
        const Document document = Paginate(tallRows(), numberedRows(11));
        QCOMPARE(texts(document.named(0, u"row"_s)), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
        QCOMPARE(tops(document.named(0, u"row"_s)), (QList<qreal>{27, 77, 127, 177}));
        QCOMPARE(texts(document.named(1, u"row"_s)), (QStringList{u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s}));
        QCOMPARE(tops(document.named(1, u"row"_s)), (QList<qreal>{20, 70, 120, 170, 220}));
        QCOMPARE(tops(document.named(2, u"row"_s)), (QList<qreal>{20, 70}));
        for (int p = 0; p < 3; ++p) {
            QCOMPARE(tops(document.named(p, u"head"_s)), QList<qreal>{p == 0 ? 17.0 : 10.0});
            QCOMPARE(tops(document.named(p, u"page"_s)), QList<qreal>{270});
        }
    }

    void theSummaryMovesWhenTheLastPageIsFull()
    {
        Layout layout = tallRows();
        layout.bands.append({.kind = BandKind::Summary, .height = 1,
                             .items = {{.rect = {0, 0, 100, 1}, .name = u"sum"_s, .source = Source::Count}}});
        const Document full = Paginate(layout, numberedRows(9));
        QCOMPARE(full.pages.size(), 3);
        QCOMPARE(texts(full.named(2, u"sum"_s)), QStringList{u"9"_s});
        QCOMPARE(tops(full.named(2, u"sum"_s)), QList<qreal>{20});
        const Document room = Paginate(layout, numberedRows(8));
        QCOMPARE(room.pages.size(), 2);
        QCOMPARE(tops(room.named(1, u"sum"_s)), QList<qreal>{220});
    }

    void groupFootersCloseTheirGroupInnerFirst()
    {
        const RecordList rows({u"AREA"_s, u"KIND"_s, u"QTY"_s},
                              {{u"A"_s, u"x"_s, u"1"_s}, {u"A"_s, u"x"_s, u"2"_s}, {u"A"_s, u"y"_s, u"4"_s},
                               {u"B"_s, u"y"_s, u"8"_s}, {u"C"_s, u"y"_s, u"16"_s}, {u"C"_s, u"y"_s, u"32.5"_s}});
        auto footer = [](const QString &field, const QString &label) {
            return Band{.kind = BandKind::GroupFooter, .height = 5, .items = {
                {.rect = {0, 0, 50, 5}, .text = label + u" %1"_s, .field = u"QTY"_s, .source = Source::Sum},
                {.rect = {50, 0, 20, 5}, .text = u"(%1)"_s, .source = Source::Count}},
                .groupField = field};
        };
        const Layout layout{.id = u"GROUPS"_s, .bands = {
            {.kind = BandKind::Detail, .height = 5, .items = {{.rect = {0, 0, 50, 5}, .field = u"QTY"_s}}},
            footer(u"AREA"_s, u"area"_s),
            footer(u"KIND"_s, u"kind"_s),
            {.kind = BandKind::Summary, .height = 5, .items = {
                {.rect = {0, 0, 50, 5}, .text = u"total %1"_s, .field = u"QTY"_s, .source = Source::Sum}}},
        }};
        QCOMPARE(bodyTexts(Paginate(layout, rows)), (QStringList{
            u"1"_s, u"2"_s, u"kind 3"_s, u"(2)"_s,
            u"4"_s, u"kind 4"_s, u"(1)"_s, u"area 7"_s, u"(3)"_s,
            u"8"_s, u"kind 8"_s, u"(1)"_s, u"area 8"_s, u"(1)"_s,
            u"16"_s, u"32.5"_s, u"kind 48.5"_s, u"(2)"_s, u"area 48.5"_s, u"(2)"_s,
            u"total 63.5"_s}));
    }

    void highlightFollowsThePredicate()
    {
        const RecordList rows({u"HOUR"_s, u"KIND"_s, u"CNT"_s},
                              {{u"09"_s, u"스키"_s, u"3"_s}, {QString(), u"소계"_s, u"3"_s}, {u"10"_s, u"보드"_s, u"1"_s},
                               {QString(), u"소계"_s, u"1"_s}});
        const Layout layout = ListLayout({.id = u"EBP080"_s, .title = u"시간대별 장비대여 현황"_s,
                                          .columns = {{.title = u"시간대"_s, .field = u"HOUR"_s},
                                                      {.title = u"장비구분"_s, .field = u"KIND"_s},
                                                      {.title = u"대여현황"_s, .field = u"CNT"_s}},
                                          .highlight = [](const Scope &r) { return r.value(u"KIND"_s) == u"소계"; }});
        const Document document = Paginate(layout, rows);
        QList<qreal> fillTops;
        QList<qreal> subtotalTops;
        for (const PageItem &item : document.pages.first().items) {
            if (item.kind == ItemKind::Fill) {
                QCOMPARE(item.fill, SubtotalFill);
                fillTops << item.rect.top();
            }
            if (item.text == u"소계")
                subtotalTops << item.rect.top();
        }
        QCOMPARE(fillTops.size(), 2);
        QCOMPARE(fillTops, subtotalTops);
    }

    void valueFormats_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<Format>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << u"1234"_s << Format::Plain << u"1234"_s;
        QTest::newRow("grouped") << u"1234567"_s << Format::Number << u"1,234,567"_s;
        QTest::newRow("three digits") << u"999"_s << Format::Number << u"999"_s;
        QTest::newRow("negative with decimals") << u"-1234.50"_s << Format::Number << u"-1,234.50"_s;
        QTest::newRow("not a number") << u"12a"_s << Format::Number << u"12a"_s;
        QTest::newRow("empty number") << QString() << Format::Number << QString();
        QTest::newRow("date key") << u"20240105"_s << Format::DateKey << u"2024-01-05"_s;
        QTest::newRow("no such date") << u"20241305"_s << Format::DateKey << u"20241305"_s;
        QTest::newRow("short date") << u"2024010"_s << Format::DateKey << u"2024010"_s;
    }
    void valueFormats()
    {
        QFETCH(QString, value);
        QFETCH(Format, format);
        QFETCH(QString, shown);
        QCOMPARE(FormatValue(value, format), shown);
    }

    void sourcesOfText_data()
    {
        QTest::addColumn<Item>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("literal") << Item{.text = u"건수:"_s} << u"건수:"_s;
        QTest::newRow("field as date") << Item{.field = u"day"_s, .format = Format::DateKey} << u"2024-02-29"_s;
        QTest::newRow("missing field") << Item{.field = u"NONE"_s} << QString();
        QTest::newRow("print date and time") << Item{.text = u"Date : %1"_s, .source = Source::PrintDateTime}
                                             << u"Date : 2024-02-29 07:08:09"_s;
        QTest::newRow("print date") << Item{.source = Source::PrintDate} << u"2024-02-29"_s;
        QTest::newRow("record number") << Item{.text = u"#%1"_s, .source = Source::RecordNumber} << u"#1"_s;
        QTest::newRow("count") << Item{.source = Source::Count} << u"1"_s;
        QTest::newRow("sum grouped") << Item{.field = u"AMOUNT"_s, .source = Source::Sum, .format = Format::Number}
                                     << u"1,500,000"_s;
        QTest::newRow("computed") << Item{.source = Source::Computed, .format = Format::Number,
                                          .compute = [](const Scope &s) { return s.value(u"AMOUNT"_s) + u"0"_s; }}
                                  << u"15,000,000"_s;
        QTest::newRow("page number") << Item{.text = u"- %1 -"_s, .source = Source::PageNumber} << u"- 1 -"_s;
        QTest::newRow("page count") << Item{.source = Source::PageCount} << u"1"_s;
        QTest::newRow("named text wins") << Item{.name = u"qrlSum"_s, .source = Source::Count} << u"7.5"_s;
    }
    void sourcesOfText()
    {
        QFETCH(Item, item);
        QFETCH(QString, text);
        item.rect = {0, 0, 10, 5};
        const Layout layout{.id = u"ONE"_s, .bands = {{.kind = BandKind::Detail, .height = 5, .items = {item}}}};
        const RecordList rows({u"DAY"_s, u"AMOUNT"_s}, {{u"20240229"_s, u"1500000"_s}});
        const Document document = Paginate(layout, rows,
                                           {.texts = {{u"qrlSum"_s, u"7.5"_s}},
                                            .printedAt = QDateTime(QDate(2024, 2, 29), QTime(7, 8, 9))});
        QCOMPARE(texts(document.pages.first().items), QStringList{text});
    }

    // Each folder under pages/ is one report:
    //   case.json     the list layout, the records, the run's texts and time;
    //   expected.txt  the page model, one item a line (see PageDump.h).
    // On a difference the model read is written to <case>.actual.txt in the
    // test's working folder.
    void goldenPages_data()
    {
        QTest::addColumn<QString>("folder");
        const QDir root(QStringLiteral(PAGE_CASES));
        const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(!cases.isEmpty());
        for (const QString &name : cases)
            QTest::newRow(qPrintable(name)) << root.filePath(name);
    }
    void goldenPages()
    {
        QFETCH(QString, folder);
        const QDir dir(folder);
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(readAll(dir.filePath(u"case.json"_s)), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QString problem;
        const auto run = ReadCase(object, &problem);
        QVERIFY2(run, qPrintable(problem));

        const QString actual = DumpDocument(Paginate(run->layout, run->rows, run->inputs));
        const QString expected = QString::fromUtf8(readAll(dir.filePath(u"expected.txt"_s)));
        if (actual != expected) {
            QFile out(dir.dirName() + u".actual.txt"_s);
            if (out.open(QIODevice::WriteOnly))
                out.write(actual.toUtf8());
        }
        QCOMPARE(actual.split(u'\n'), expected.split(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TestReportPages)
#include "tst_reporting_pages.moc"
