#include "CodeCombo.h"
#include "CodeServices.h"
#include "EZI000.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"
#include "EZS000.h"
#include "ZZP010.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A search bar of every composite kind: a station (code + name, required,
// printed on the first line), an observation period (date range, second
// line) and a station name filter (an optional condition, third line).
class KindsScreen : public TfrmEZS000
{
public:
    int picks = 0;

    KindsScreen() : TfrmEZS000(u"frmZZS998"_s, u"시험"_s)
    {
        AddSearchFields({
            {.name = u"edtObsePlace"_s, .caption = u"*관측장소"_s, .kind = FieldKind::CodeName,
             .field = u"OBSE_PLACE_GUBUN"_s, .bytes = 2, .codeGroup = u"E0001"_s, .required = true,
             .printLine = 1,
             .pick = [this](const QString &group, QString &code, QString &name, QWidget *) {
                 ++picks;
                 code = u"A2"_s;
                 name = CodeName(group, code);
                 return true;
             }},
            {.name = u"wmeObseDateFrom"_s, .caption = u"관측일자"_s, .kind = FieldKind::DateRange,
             .field = u"OBSE_DATE_FROM"_s, .printLine = 2},
            {.name = u"edtPlaceName"_s, .caption = u"장소명"_s, .field = u"DETAIL_NAME"_s, .bytes = 20,
             .condition = u"detail_name LIKE :DETAIL_NAME ESCAPE '!'"_s, .bound = LikeAnywhere},
            {.name = u"cboArea"_s, .caption = u"지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
             .codeGroup = u"E0017"_s, .condition = u"detail <> :AREA_GUBUN"_s, .withAll = true, .printLine = 3},
            {.name = u"cboUsable"_s, .caption = u"사용여부"_s, .kind = FieldKind::Code,
             .choices = {{u"가능"_s, u"불가능"_s}, {u"Y"_s, u"N"_s}}, .printLine = 0},
            {.name = u"wmeObseTime"_s, .caption = u"관측시간"_s, .kind = FieldKind::TimeOfDay, .printLine = 0},
            {.name = u"wmeIdNo"_s, .caption = u"주민번호"_s, .kind = FieldKind::ResidentNo, .printLine = 0},
        });
        cdsQuery->setColumns({{.title = u"코드"_s, .field = u"DETAIL"_s}});
        SetQuery(uR"sql(SELECT detail
FROM   zx010ms
WHERE  head = :GC_PLACE_CODE
AND    detail >= :OBSE_PLACE_GUBUN
AND    COALESCE(:OBSE_DATE_FROM, '00000000') <= COALESCE(:OBSE_DATE_TO, '99999999'){filters}
ORDER  BY detail)sql"_s,
                 {{u"GC_PLACE_CODE"_s, u"E0001"_s}});
    }
    QString searchedSql() const { return ContractSql().constFirst(); }
    void fillConditions(TfrmZZP010 &report) { FillConditions(report); }
};

// A body with a postal code, its address line and its detail (the lookup
// answers 135-080), and state buttons on F5 and F6.
class PostalScreen : public TfrmEZI000
{
public:
    int picks = 0;
    StateButtons *states = nullptr;

    PostalScreen() : TfrmEZI000(u"frmZZI998"_s, u"시험 주소"_s)
    {
        SetColumns({{.title = u"우편번호"_s, .field = u"ZIP_CODE"_s}, {.title = u"주소"_s, .field = u"ADDR1"_s},
                    {.title = u"상세주소"_s, .field = u"ADDR2"_s}, {.title = u"상태"_s, .field = u"STAT"_s}});
        states = AddStateButtons(u"상태"_s, u"STAT"_s,
                                 {{u"sbtKeep"_s, u"보관[F5]"_s, u"K"_s, Qt::Key_F5},
                                  {u"sbtRelease"_s, u"불출[F6]"_s, u"R"_s, Qt::Key_F6}});
        AddFields({
            {.name = u"wmeZipCode"_s, .caption = u"주소"_s, .kind = FieldKind::PostalCode, .field = u"ZIP_CODE"_s,
             .pick = [this](const QString &, QString &code, QString &address, QWidget *) {
                 ++picks;
                 code = u"135080"_s;
                 address = u"서울특별시 강남구 역삼동 "_s;
                 return true;
             }},
            {.name = u"edtAddr1"_s, .field = u"ADDR1"_s, .bytes = 60, .sameLine = true, .readOnly = true},
            {.name = u"edtAddr2"_s, .field = u"ADDR2"_s, .bytes = 60},
        });
        qryQuery.setSql(u"SELECT '' AS zip_code, '' AS addr1, '' AS addr2, 'R' AS stat UNION ALL "
                        "SELECT '', '', '', 'X'"_s);
    }
    void addRow() { AppendEmptyRow(); }
    bool rowChanged() const { return IsRowChanged(); }
    bool checkRow() { return CheckRow(); }
};

} // namespace

// The composite field kinds through a search bar built from their declarations.
class TestFieldKinds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_boxes = std::make_unique<RecordingModal>();
        m_screen = std::make_unique<ShownScreen<KindsScreen>>();
        QVERIFY(m_screen->exposed());
    }
    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
    }

    // Typed in upper case, the name read when the code is left and cleared
    // when it is edited; F1 fills both and moves on.
    void codeAndName()
    {
        auto *code = find<QLineEdit>(u"edtObsePlace"_s);
        auto *name = find<QLabel>(u"wlbObsePlace"_s);
        QVERIFY(find<QWidget>(u"bbtObsePlace"_s));
        code->setFocus();
        QTest::keyClicks(code, u"a1"_s);
        QCOMPARE(code->text(), u"A1"_s);
        QTest::keyClick(code, Qt::Key_Tab);
        QCOMPARE(name->text(), u"BASE1"_s);
        code->setFocus();
        QTest::keyClick(code, Qt::Key_Backspace);
        QCOMPARE(name->text(), QString());
        QTest::keyClick(code, Qt::Key_F1);
        QCOMPARE((*m_screen)->picks, 1);
        QCOMPARE(code->text(), u"A2"_s);
        QCOMPARE(name->text(), u"BASE2"_s);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"wmeObseDateFrom"_s);
    }

    // Required first, then the code the group lacks, then each end of the
    // range in turn; the message, the focus and no search.
    void checks_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no station") << QString() << u"20250230"_s << QString()
                                    << u"*관측장소을(를) 먼저 입력하십시오."_s << u"edtObsePlace"_s;
        QTest::newRow("unknown station") << u"ZZ"_s << QString() << QString()
                                         << u"*관측장소을(를) 정확히 입력하십시오."_s << u"edtObsePlace"_s;
        QTest::newRow("no such first day") << u"A1"_s << u"20250230"_s << u"20250301"_s
                                           << u"관측일자을(를) 정확히 입력하십시오."_s << u"wmeObseDateFrom"_s;
        QTest::newRow("half a last day") << u"A1"_s << u"20250101"_s << u"202501"_s
                                         << u"관측일자을(를) 정확히 입력하십시오."_s << u"wmeObseDateTo"_s;
        QTest::newRow("open ends") << u"A1"_s << QString() << QString() << QString() << QString();
        QTest::newRow("both ends") << u"A6"_s << u"20250101"_s << u"20250131"_s << QString() << QString();
    }
    void checks()
    {
        QFETCH(QString, place);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        find<QLineEdit>(u"edtObsePlace"_s)->setText(place);
        find<MaskEdit>(u"wmeObseDateFrom"_s)->setText(from);
        find<MaskEdit>(u"wmeObseDateTo"_s)->setText(to);
        m_screen->press(Qt::Key_F3);
        auto *grid = find<GridModel>(u"cdsQuery"_s);
        if (message.isEmpty()) {
            QCOMPARE(m_boxes->texts(), QStringList());
            QVERIFY(grid->isOpen());
            QVERIFY(grid->rowCount() > 0);
        } else {
            QCOMPARE(m_boxes->texts(), QStringList{message});
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            QVERIFY(!grid->isOpen());
        }
    }

    // Each field prints "caption: value" on its line: a code's name, a range
    // with its open ends, a code list's label ("[전체]" for none), a text.
    // An optional condition is in the query only while its field holds a value.
    void conditionLinesAndFilters_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("all open")
            << QString() << QString() << QString()
            << QStringList{u"*관측장소: BASE2"_s, u"관측일자: [전체]  ∼  [전체]"_s, u"장소명:    지역구분: [전체]"_s}
            << QStringList{u"A2"_s, u"A3"_s, u"A4"_s, u"A5"_s, u"A6"_s, u"A7"_s};
        QTest::newRow("name and area")
            << u"20250105"_s << u"PEAK"_s << u"M"_s
            << QStringList{u"*관측장소: BASE2"_s, u"관측일자: 2025-01-05  ∼  [전체]"_s, u"장소명: PEAK   지역구분: 본관"_s}
            << QStringList{u"A4"_s, u"A5"_s, u"A7"_s};
    }
    void conditionLinesAndFilters()
    {
        QFETCH(QString, from);
        QFETCH(QString, name);
        QFETCH(QString, area);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, rows);
        find<QLineEdit>(u"edtObsePlace"_s)->setText(u"A2"_s);
        find<MaskEdit>(u"wmeObseDateFrom"_s)->setText(from);
        find<QLineEdit>(u"edtPlaceName"_s)->setText(name);
        auto *areas = find<CodeCombo>(u"cboArea"_s);
        QCOMPARE(areas->itemText(0), u"[전체]"_s);
        areas->setCode(area);
        m_screen->press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList());
        auto *grid = find<GridModel>(u"cdsQuery"_s);
        QStringList read;
        for (int r = 0; r < grid->rowCount(); ++r)
            read << grid->value(r, u"DETAIL"_s);
        QCOMPARE(read, rows);
        const QString sql = (*m_screen)->searchedSql();
        QCOMPARE(sql.contains(u"detail_name LIKE"_s), !name.isEmpty());
        QCOMPARE(sql.contains(u"detail <> :AREA_GUBUN"_s), !area.isEmpty());

        TfrmZZP010 report(u"frmZZP998"_s, u"시험"_s);
        (*m_screen)->fillConditions(report);
        QCOMPARE((QStringList{report.Text(u"qrlCondition1"_s), report.Text(u"qrlCondition2"_s),
                              report.Text(u"qrlCondition"_s)}),
                 lines);
    }

    // The masked kinds: what the operator sees and what is stored.
    void maskedKinds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("width");
        QTest::newRow("time of day") << u"wmeObseTime"_s << u"0930"_s << u"09:30"_s << u"0930"_s << 50;
        QTest::newRow("resident number") << u"wmeIdNo"_s << u"8001011234567"_s << u"800101-1234567"_s
                                         << u"8001011234567"_s << 110;
        QTest::newRow("date range end") << u"wmeObseDateTo"_s << u"20250110"_s << u"2025-01-10"_s << u"20250110"_s
                                        << 0;
    }
    void maskedKinds()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, value);
        QFETCH(int, width);
        auto *edit = find<MaskEdit>(name);
        edit->setFocus();
        edit->home(false);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(ControlValue(edit), value);
        if (width > 0)
            QCOMPARE(edit->width(), width);
    }

    // A fixed pick list: its labels shown, its codes kept, the first chosen.
    void fixedChoices()
    {
        auto *usable = find<CodeCombo>(u"cboUsable"_s);
        QCOMPARE(usable->count(), 2);
        QCOMPARE(usable->currentText(), u"가능"_s);
        QCOMPARE(usable->code(), u"Y"_s);
        usable->setCode(u"N"_s);
        QCOMPARE(usable->currentText(), u"불가능"_s);
    }

    // Filled from a typed code when it is left, cleared while it is typed,
    // kept when passed through, filled by F1 with the focus on the detail;
    // a code without an address is refused on the code.
    void postalCode()
    {
        m_db->adminExec(u"INSERT INTO ktuser.zx030ms VALUES ('232950', 1, '강원도', '평창군', '대관령면', NULL) "
                        "ON CONFLICT DO NOTHING"_s);
        ShownScreen<PostalScreen> screen;
        QVERIFY(screen.exposed());
        QVERIFY(screen->bbtSearchClick());
        screen->addRow();
        auto *code = screen.find<MaskEdit>(u"wmeZipCode"_s);
        auto *address = screen.find<QLineEdit>(u"edtAddr1"_s);
        auto *detail = screen.find<QLineEdit>(u"edtAddr2"_s);
        QVERIFY(screen.find<QWidget>(u"bbtZipCode"_s));
        const auto type = [code](const QString &typed) {
            code->setFocus();
            code->clear();
            code->setCursorPosition(0);
            QTest::keyClicks(code, typed);
        };

        type(u"232950"_s);
        detail->setFocus();
        QCOMPARE(address->text(), u"강원도 평창군 대관령면 "_s);

        code->setFocus();
        QTest::keyClick(code, Qt::Key_Backspace);
        QCOMPARE(address->text(), QString());
        type(u"232950"_s);
        detail->setFocus();

        address->setText(u"저장된 주소"_s);
        code->setFocus();
        detail->setFocus();
        QCOMPARE(address->text(), u"저장된 주소"_s);

        code->setFocus();
        QTest::keyClick(code, Qt::Key_F1);
        QCOMPARE(screen->picks, 1);
        QCOMPARE(ControlValue(code), u"135080"_s);
        QCOMPARE(address->text(), u"서울특별시 강남구 역삼동 "_s);
        QCOMPARE(QApplication::focusWidget(), detail);

        type(u"999999"_s);
        detail->setFocus();
        QCOMPARE(address->text(), QString());
        QVERIFY(!screen->checkRow());
        QCOMPARE(m_boxes->lastText(), u"주소을(를) 정확히 입력하십시오."_s);
        QCOMPARE(QApplication::focusWidget(), code);
    }

    // A key selects its state and writes it into the row as an edit; a row
    // shown selects its state, none for a code the buttons lack; Cancel
    // selects none.
    void stateButtons()
    {
        ShownScreen<PostalScreen> screen;
        QVERIFY(screen.exposed());
        QVERIFY(screen->bbtSearchClick());
        QCOMPARE(screen->states->selected(), u"R"_s);
        QVERIFY(!screen->rowChanged());
        screen.find<QWidget>(u"wmeZipCode"_s)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(screen->states->selected(), u"K"_s);
        QCOMPARE(screen->Rows().value(0, u"STAT"_s), u"K"_s);
        QVERIFY(screen->rowChanged());
        QCOMPARE(QApplication::focusWidget()->objectName(), u"wmeZipCode"_s);
        screen->Grid()->setCurrentRow(1);
        QCOMPARE(screen->Grid()->currentRow(), 1);
        QCOMPARE(screen->states->selected(), QString());
        QVERIFY(screen->bbtCancelClick());
        QCOMPARE(screen->states->selected(), QString());
    }

private:
    template <typename Control>
    Control *find(const QString &name) const
    {
        return m_screen->template find<Control>(name);
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    std::unique_ptr<ShownScreen<KindsScreen>> m_screen;
};

QTEST_MAIN(TestFieldKinds)
#include "tst_fieldkinds.moc"
