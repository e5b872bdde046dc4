// Bad input typed into every field the entry screens build (their search
// bars, heads and bodies) as an operator would type or paste it, then F3 or
// F2. Each case starts from one stored row of the screen's table loaded
// afresh. Expected of every case: a message that says what is wrong (a box
// or the status line, never the server's raw text), or the value saved as
// the control showed it; and whatever happens, nothing invalid in the
// tables (widths in CP949 bytes, dates, control characters) and nothing
// changed by a refused save. A name with printer tags and raw bytes is also
// rented on a new row: its ticket must carry no tag or control byte of its
// own.
//
//   soak_bad_input [VALUES]        (all of the catalogue; fewer: its first VALUES)

#include "CodeCombo.h"
#include "ConnectionWatch.h"
#include "EBI010.h"
#include "EBI020.h"
#include "EBI030.h"
#include "EBI040.h"
#include "EBI050.h"
#include "EEI020.h"
#include "FieldTable.h"
#include "GridModel.h"
#include "InputEdits.h"
#include "PtyPair.h"
#include "RecordingModal.h"
#include "RentalCounter.h"
#include "ScreenSoak.h"
#include "SoakSupport.h"
#include "StartupValues.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHash>
#include <QInputMethodEvent>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

// One bad value; pasted ones go in through the clipboard (control bytes
// cannot be typed).
struct Bad
{
    QString name;
    QString text;
    bool paste = false;
};

QList<Bad> Catalogue()
{
    return {
        {u"quote"_s, u"O'Brien"_s},
        {u"SQL drop"_s, u"'; DROP TABLE eb020ms; --"_s},
        {u"SQL delete"_s, u"x'); DELETE FROM eb050ms; --"_s},
        {u"metacharacters"_s, u"\\'\"`%_;/*"_s},
        {u"printer tags"_s, u"<ESC>@<CB><p>"_s},
        {u"raw control bytes (pasted)"_s, u"A\x1b@\x07\x0c"_s, true},
        {u"line break (pasted)"_s, u"첫줄\r\n둘째줄"_s, true},
        {u"overlong Hangul"_s, QString(45, QChar(0xAC00))},
        {u"overlong Hangul (pasted)"_s, QString(45, QChar(0xAC00)), true},
        {u"Hangul one byte over"_s, QString(2, QChar(0xAC00)) + u"x"_s},
        {u"emoji"_s, u"😀😀😀😀😀😀"_s},
        {u"long ASCII (pasted)"_s, QString(300, u'x'), true},
        {u"30 February"_s, u"20250230"_s},
        {u"month 13"_s, u"20251301"_s},
        {u"letters for a date"_s, u"abcdefgh"_s},
        {u"short date"_s, u"2025011"_s},
        {u"letters in a number"_s, u"1a2"_s},
        {u"negative"_s, u"-5"_s},
        {u"decimal"_s, u"1.5"_s},
        {u"full-width digits"_s, u"１２"_s},
        {u"huge number"_s, u"99999999999999999999"_s},
        {u"blanks"_s, u"   "_s},
        {u"full-width blank"_s, QString(QChar(0x3000))},
        {u"time 24:60"_s, u"2460"_s},
    };
}

// A screen, its stored row and how it reaches it.
struct Screen
{
    QString id;
    std::function<TfrmEZI000 *()> make;
    QString table;
    QString fixture; // one stored row, loaded before every case
    std::function<void(TfrmEZI000 &)> search; // sets the search bar and presses F3
};

bool IsField(QWidget *w)
{
    if (w->objectName().isEmpty() || !w->isEnabled())
        return false;
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return !edit->isReadOnly() && (qobject_cast<TextEdit *>(w) || qobject_cast<NumberEdit *>(w)
                                       || qobject_cast<MaskEdit *>(w));
    if (auto *date = qobject_cast<DateEdit *>(w))
        return !date->isReadOnly();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return !memo->isReadOnly();
    return qobject_cast<CodeCombo *>(w) != nullptr;
}

// The page a control lies on comes to the front.
void Uncover(QWidget *w)
{
    for (QWidget *child = w, *parent = w->parentWidget(); parent; child = parent, parent = parent->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(parent);
        if (!stack)
            continue;
        if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
            tabs->setCurrentWidget(child);
        else
            stack->setCurrentWidget(child);
    }
}

// Types as the keyboard does: ASCII as keys, anything else as the input
// method commits it (a Korean IME commits each syllable).
void TypeText(QWidget *w, const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, n);
        i += n;
        const char16_t c = piece.at(0).unicode();
        if (n == 1 && c >= 0x20 && c < 0x7f) {
            QTest::keyClick(w, char(c));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(piece);
            QApplication::sendEvent(w, &commit);
        }
    }
}

QString Clean(const QString &text)
{
    static const QRegularExpression ends(u"^[\\s\\x{00a0}\\x{3000}]+|[\\s\\x{00a0}\\x{3000}]+$"_s);
    return QString(text).remove(ends);
}

// The server's own words, which an operator cannot act on.
bool Raw(const QString &message)
{
    static const QRegularExpression raw(
        u"ERROR|SQLSTATE|character varying|violates|syntax|invalid input|PL/pgSQL|null value|QPSQL|function .*\\("_s,
        QRegularExpression::CaseInsensitiveOption);
    return raw.match(message).hasMatch();
}

class BadInputSoak
{
public:
    explicit BadInputSoak(int values) : m_findings(u"R3"_s)
    {
        m_bad = Catalogue();
        if (values < m_bad.size())
            m_bad = m_bad.mid(0, values);
    }

    int run()
    {
        QStringList names;
        for (const Bad &bad : m_bad)
            names << bad.name;
        m_findings.say(u"tried: %1 bad values (%2) typed or pasted into every field of the entry screens EBI010,"
                       " EBI020, EBI030, EBI040, EBI050 and the patrol entry EEI010 (search bar: then F3; head and"
                       " body: Tab out, then F2), each from a freshly loaded stored row; and each value as a renter's"
                       " name on a new rental row, its ticket read back"_s.arg(m_bad.size()).arg(names.join(u", "_s)));
        m_db = std::make_unique<TestDatabase>(qEnvironmentVariable("KEST_SOAK_DB", u"soak_bad_input"_s));
        if (!m_pty.isValid())
            throw std::runtime_error("socat gave no pseudo-terminal pair");
        m_line.setPortName(m_pty.deviceSide);
        if (!m_line.open(QIODevice::ReadWrite))
            throw std::runtime_error("cannot open the fake printer's end");
        // The storage screen takes its printer from Kest_E.ini.
        QFile ini(m_config.filePath(u"Kest_E.ini"_s));
        ini.open(QIODevice::WriteOnly);
        ini.write((u"[Printer]\nPort="_s + m_pty.printerSide + u"\n"_s).toUtf8());
        ini.close();
        StartupValues values = Startup();
        values.exeDir = WithTrailingSeparator(m_config.path());
        SetStartupValues(values);
        m_db->adminExec(u"TRUNCATE eb040dt, eb040ms, eb020tm, eb020ms, eb030ms, eb050ms, ee010ms, eb010ms"_s);

        for (const Screen &screen : screens())
            walk(screen);
        tickets();
        audit();

        m_findings.say(u"found: %1 cases: %2"_s.arg(m_cases).arg(outcomes()));
        m_findings.say(u"messages shown:"_s);
        for (auto it = m_messages.cbegin(); it != m_messages.cend(); ++it)
            m_findings.say(u"  %1 x %2"_s.arg(it.value(), 4).arg(it.key()));
        return m_findings.finish();
    }

private:
    QList<Screen> screens() const
    {
        const QString today = soak::Today();
        const auto press = [](TfrmEZI000 &s) { QTest::keyClick(&s, Qt::Key_F3); };
        return {
            {u"EBI010"_s, [] { return new TfrmEBI010; }, u"eb010ms"_s, QString(),
             [=](TfrmEZI000 &s) {
                 s.findChild<DateEdit *>(u"dtpDate"_s)->setDateKey(today);
                 press(s);
             }},
            {u"EBI020"_s, [] { return new TfrmEBI020; }, u"eb020ms"_s,
             u"DELETE FROM eb020ms; INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun,"
             " equip_rent_yn, buy_date, remark) VALUES ('M', 'CS', 'C0001', '150', 'Y', '20240301', '비고')"_s,
             [=](TfrmEZI000 &s) {
                 s.findChild<CodeCombo *>(u"cboAreaGubun"_s)->setCode(u"M"_s);
                 s.findChild<CodeCombo *>(u"cboEquipGubun"_s)->setCode(u"CS"_s);
                 press(s);
             }},
            {u"EBI030"_s, [] { return new TfrmEBI030; }, u"eb030ms"_s,
             u"DELETE FROM eb030ms; INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty)"
             " VALUES ('M', '250', 7)"_s,
             [=](TfrmEZI000 &s) {
                 s.findChild<CodeCombo *>(u"cboArea"_s)->setCode(u"M"_s);
                 press(s);
             }},
            {u"EBI040"_s, [this] { return new TfrmEBI040(m_pty.printerSide, nullptr); }, u"eb040dt"_s,
             u"TRUNCATE eb040dt, eb040ms, eb020tm; DELETE FROM eb020ms;"
             " INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun)"
             " SELECT 'M', 'CS', 'C' || lpad(g::text, 4, '0'), '150' FROM generate_series(1, 200) g;"
             " INSERT INTO eb040ms (rent_date, area_gubun, rent_no, deal_name, keep_kind_gubun, keep_box_no)"
             " VALUES ('%1', 'M', 1, '김대여', '01', 'A12');"
             " INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, ticket_kind, rent_stat, equip_gubun,"
             " equip_no, rent_name, shoes_size, rent_time) VALUES ('%1', 'M', 1, 1, '01', 'D', 'CS', 'C0001',"
             " '홍길동', '250', '0900')"_s.arg(today),
             [=](TfrmEZI000 &s) {
                 s.findChild<CodeCombo *>(u"cboArea"_s)->setCode(u"M"_s);
                 s.findChild<QLineEdit *>(u"edtRentNo"_s)->setText(u"1"_s);
                 press(s);
             }},
            {u"EBI050"_s, [] { return new TfrmEBI050; }, u"eb050ms"_s,
             u"TRUNCATE eb050ms; DELETE FROM kest_private.counters WHERE series LIKE 'eb050ms:%';"
             " SELECT pr_ebi050_01(aseason_gubun => '26', aarea_gubun => 'M', akeep_stat => 'K',"
             " aipgo_date => '20261201', akeep_gubun => '03', aequip_gubun => 'SB', aequip_name_gubun => '02',"
             " anative_no => 'SN-1', akeep_name => '갑', atel_no => '031-000-0000', akeep_box_no => 'Z-1',"
             " aeditstatus => '2')"_s,
             [=](TfrmEZI000 &s) {
                 auto *season = s.findChild<QLineEdit *>(u"edtSeason"_s);
                 season->setFocus();
                 season->setText(u"26"_s);
                 s.findChild<CodeCombo *>(u"cboArea"_s)->setCode(u"M"_s);
                 press(s);
             }},
            {u"EEI010"_s, [] { return new TfrmEEI020; }, u"ee010ms"_s,
             u"TRUNCATE ee010ms; INSERT INTO ee010ms (trob_date, trob_no, peak_gubun, in_name, trob_time,"
             " trob_time_gubun, in_age, in_id_no, in_tel_no) VALUES ('20250105', 1, 'P1', '김철수', '1015', '1',"
             " '34', kest_private.enc('9001011234567'), kest_private.enc('010-1111-2222'))"_s,
             [=](TfrmEZI000 &s) {
                 s.findChild<DateEdit *>(u"dtpDate"_s)->setDateKey(u"20250105"_s);
                 press(s);
             }},
        };
    }

    QString tableState(const QString &table) const
    {
        return m_db->adminScalar(u"SELECT md5(COALESCE(string_agg(t::text, E'\\n' ORDER BY t::text), ''))"
                                 " FROM %1 t"_s.arg(table));
    }

    // A fresh screen on the stored row; null when it could not get there.
    std::unique_ptr<TfrmEZI000> open(const Screen &screen, bool toRow)
    {
        if (!screen.fixture.isEmpty())
            m_db->adminExec(screen.fixture);
        auto form = std::unique_ptr<TfrmEZI000>(screen.make());
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        if (toRow) {
            screen.search(*form);
            if (form->IsSearchMode() || form->Rows().rowCount() == 0)
                return nullptr;
        }
        m_boxes.clear();
        return form;
    }

    void close(std::unique_ptr<TfrmEZI000> &form)
    {
        m_boxes.confirmAnswers = {true, true, true};
        form->close();
        form.reset();
        while (m_line.waitForReadyRead(5))
            m_line.readAll();
    }

    void type(QWidget *field, const Bad &bad)
    {
        Uncover(field);
        field->setFocus();
        if (bad.paste) {
            QApplication::clipboard()->setText(bad.text);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            edit->setCursorPosition(0);
        } else if (!qobject_cast<CodeCombo *>(field)) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Delete);
        }
        TypeText(field, bad.text);
    }

    QStringList shownBoxes() const
    {
        QStringList texts;
        for (const QString &text : m_boxes.texts())
            if (text != u"저장 하시겠습니까?"_s)
                texts << text;
        return texts;
    }

    void count(const QString &outcome) { ++m_outcomes[outcome]; }

    void message(const QString &where, const QString &text)
    {
        ++m_messages[text.simplified().left(100)];
        if (Raw(text))
            m_findings.invalid(where + u"refused with the server's raw text: "_s + text.simplified());
    }

    void walk(const Screen &screen)
    {
        std::unique_ptr<TfrmEZI000> probe = open(screen, false);
        if (!probe) {
            m_findings.stuck(screen.id + u": the screen did not open"_s);
            return;
        }
        // In search mode only the search bar takes input; after F3 only the row.
        QStringList searchFields;
        for (QWidget *w : probe->findChildren<QWidget *>())
            if (IsField(w) && !searchFields.contains(w->objectName()))
                searchFields << w->objectName();
        screen.search(*probe);
        if (probe->IsSearchMode()) {
            m_findings.stuck(screen.id + u": the stored row could not be searched: "_s + m_boxes.texts().join(u" | "_s));
            close(probe);
            return;
        }
        QStringList rowFields;
        for (QWidget *w : probe->findChildren<QWidget *>())
            if (IsField(w) && !searchFields.contains(w->objectName()) && !rowFields.contains(w->objectName()))
                rowFields << w->objectName();
        close(probe);
        m_findings.say(u"%1: %2 search fields, %3 row fields (%4)"_s.arg(screen.id)
                           .arg(searchFields.size())
                           .arg(rowFields.size())
                           .arg((searchFields + rowFields).join(u" "_s)));

        for (const QString &name : searchFields)
            for (const Bad &bad : std::as_const(m_bad))
                searchCase(screen, name, bad);
        for (const QString &name : rowFields)
            for (const Bad &bad : std::as_const(m_bad))
                rowCase(screen, name, bad);
    }

    void searchCase(const Screen &screen, const QString &name, const Bad &bad)
    {
        ++m_cases;
        const QString where = u"%1 %2 <- %3: "_s.arg(screen.id, name, bad.name);
        std::unique_ptr<TfrmEZI000> form = open(screen, false);
        if (!form) {
            m_findings.stuck(where + u"the screen did not open"_s);
            return;
        }
        const QString before = tableState(screen.table);
        // The rest of the search bar as a search sets it, then the one field typed over.
        QWidget *field = form->findChild<QWidget *>(name);
        const QString usual = ControlValue(field);
        screen.search(*form);
        if (!form->IsSearchMode()) {
            m_boxes.confirmAnswers = {true};
            QTest::keyClick(form.get(), Qt::Key_F8);
        }
        m_boxes.clear();
        type(field, bad);
        const QString shown = ControlValue(field);
        QTest::keyClick(form.get(), Qt::Key_F3);
        const QStringList boxes = shownBoxes();
        for (const QString &text : boxes)
            message(where, text);
        if (!form->IsSearchMode())
            count(u"search ran"_s);
        else if (!boxes.isEmpty())
            count(u"search refused with a message"_s);
        else if (shown == usual)
            count(u"the control kept the keys out"_s);
        else
            m_findings.stuck(where + u"F3 did nothing and said nothing (the field shows \"%1\")"_s.arg(shown));
        if (tableState(screen.table) != before && screen.id != u"EBI010"_s)
            m_findings.invalid(where + u"a search changed "_s + screen.table);
        close(form);
    }

    void rowCase(const Screen &screen, const QString &name, const Bad &bad)
    {
        ++m_cases;
        const QString where = u"%1 %2 <- %3: "_s.arg(screen.id, name, bad.name);
        std::unique_ptr<TfrmEZI000> form = open(screen, true);
        if (!form) {
            m_findings.stuck(where + u"the stored row could not be searched"_s);
            return;
        }
        const QString before = tableState(screen.table);
        QWidget *field = form->findChild<QWidget *>(name);
        if (!field || !IsField(field)) {
            count(u"field not open on the stored row"_s);
            close(form);
            return;
        }
        const QString usual = ControlValue(field);
        type(field, bad);
        const QString shown = ControlValue(field);
        QTest::keyClick(field, Qt::Key_Tab);
        m_boxes.confirmAnswers = {true};
        QTest::keyClick(form.get(), Qt::Key_F2);
        const QStringList boxes = shownBoxes();
        for (const QString &text : boxes)
            if (text != u"정상적으로 저장 되었습니다."_s)
                message(where, text);
        const bool saved = form->StatusMessage() == u"자료를 저장했습니다."_s
                           || boxes.contains(u"정상적으로 저장 되었습니다."_s);
        if (saved) {
            // Read back through the screen's own query: what is stored is what was shown.
            QWidget *again = form->findChild<QWidget *>(name);
            const QString back = again ? ControlValue(again) : QString();
            // An empty number edit holds 0.
            const bool number = qobject_cast<NumberEdit *>(field) != nullptr;
            const auto same = [number](const QString &a, const QString &b) {
                return number ? (a.isEmpty() ? u"0"_s : a) == (b.isEmpty() ? u"0"_s : b) : Clean(a) == Clean(b);
            };
            for (const QString &fault : auditTable(screen.table))
                m_stored[bad.name + u": stored "_s + fault.section(u' ', 3)]
                    << u"%1 %2 (%3)"_s.arg(screen.id, name, fault.section(u':', 0, 0));
            if (same(back, shown))
                count(u"saved as shown"_s);
            else if (same(shown, usual))
                count(u"the control kept the keys out, saved"_s);
            else
                m_findings.lost(where + u"the field showed \"%1\", the stored row reads back \"%2\""_s.arg(shown, back));
        } else if (!boxes.isEmpty()) {
            count(u"refused with a message"_s);
        } else if (Clean(shown) == Clean(usual)) {
            count(u"the control kept the keys out"_s);
        } else if (!form->StatusMessage().isEmpty() && form->StatusMessage() != ServerText::Waiting) {
            message(where, form->StatusMessage());
            count(u"refused on the status line"_s);
        } else {
            m_findings.stuck(where + u"F2 neither saved nor said why (the field shows \"%1\")"_s.arg(shown));
        }
        if (!saved && tableState(screen.table) != before)
            m_findings.invalid(where + u"not saved, yet "_s + screen.table + u" changed"_s);
        close(form);
    }

    // Each value as a renter's name on a new rental row: its ticket.
    void tickets()
    {
        const Screen rental = screens().at(3);
        m_db->adminExec(rental.fixture);
        soak::RentalCounter counter(m_pty.printerSide, m_boxes);
        while (m_line.waitForReadyRead(20))
            m_line.readAll();
        int printed = 0;
        for (const Bad &bad : std::as_const(m_bad)) {
            ++m_cases;
            const QString where = u"EBI040 ticket <- %1: "_s.arg(bad.name);
            counter.search();
            counter.fillHead();
            if (!counter.fillRow(u"임시"_s)) {
                m_findings.stuck(where + u"no free item"_s);
                continue;
            }
            QWidget *name = counter.screen().findChild<QWidget *>(u"edtRentName"_s);
            type(name, bad);
            const QString shown = ControlValue(name);
            m_boxes.clear();
            counter.save();
            QByteArray bytes;
            while (m_line.waitForReadyRead(150))
                bytes += m_line.readAll();
            if (!counter.saved()) {
                const QStringList boxes = shownBoxes();
                for (const QString &text : boxes)
                    message(where, text);
                if (boxes.isEmpty())
                    m_findings.stuck(where + u"F2 neither saved nor said why"_s);
                count(u"ticket: refused"_s);
                continue;
            }
            ++printed;
            // The tags of a ticket are its layout's: 2 + 2 x 8 elements x 3 + "<p>".
            const qsizetype tags = bytes.count('<');
            static const QRegularExpression control(u"[\\x00-\\x1f\\x7f]"_s);
            const QString text = QString::fromLatin1(bytes);
            if (!bytes.startsWith("<CB>") || !bytes.endsWith("<p>") || bytes.count("<CB>") != 1)
                m_findings.lost(where + u"no single whole ticket came out: "_s + QString::fromLatin1(bytes.left(60)));
            else if (tags != 2 + 2 * 8 * 3 + 1)
                m_findings.invalid(where + u"the ticket carries %1 tags instead of %2 (name \"%3\")"_s.arg(tags)
                                       .arg(2 + 2 * 8 * 3 + 1)
                                       .arg(shown));
            else if (text.contains(control))
                m_findings.invalid(where + u"control bytes reach the printer inside the ticket (name \"%1\")"_s.arg(
                                               shown.toHtmlEscaped()));
            else
                count(u"ticket: printed whole, no tag or control byte from the value"_s);
        }
        m_findings.say(u"EBI040 tickets: %1 rows saved with a bad name, tickets compared"_s.arg(printed));
    }

    // What is wrong in a table: text columns over their width in CP949
    // bytes or holding control characters (personal ones read decrypted),
    // date columns that are no dates. One line per column and fault.
    QStringList auditTable(const QString &table)
    {
        if (!m_audits.contains(table)) {
            const QStringList columns = soak::AdminRows(
                *m_db, u"SELECT column_name || ' ' || data_type || ' ' || COALESCE(character_maximum_length, 0)"
                       " FROM information_schema.columns WHERE table_schema = 'ktuser' AND table_name = '%1'"
                       " AND data_type IN ('character varying', 'text', 'character') ORDER BY ordinal_position"_s
                           .arg(table));
            QStringList checks;
            for (const QString &line : columns) {
                const QStringList part = line.split(u' ');
                const QString column = part[0];
                const int width = part.last().toInt();
                const QString value = part[1] == u"text"_s ? u"fn_za010ms_04(%1)"_s.arg(column) : column;
                checks << u"'%1: ' || count(*) FILTER (WHERE %2 ~ '[\x01-\x1f\x7f]') || ' with control characters'"_s
                              .arg(column, value);
                if (width > 0)
                    checks << u"'%1: ' || count(*) FILTER (WHERE kest_private.cp949_length(%2) > %3) || ' over %3 CP949"
                              " bytes'"_s.arg(column, value).arg(width);
                if (column.endsWith(u"_date"_s) && width == 8)
                    checks << u"'%1: ' || count(*) FILTER (WHERE %1 IS NOT NULL AND NOT kest_private.is_date(%1))"
                              " || ' no date'"_s.arg(column);
            }
            m_audits[table] = u"SELECT array_to_string(ARRAY[%1], '|') FROM %2"_s.arg(checks.join(u", "_s), table);
            m_auditedColumns += int(columns.size());
        }
        QStringList faults;
        for (const QString &item : m_db->adminScalar(m_audits[table]).split(u'|'))
            if (!item.contains(u": 0 "_s))
                faults << table + u"."_s + QString(item).replace(u": "_s, u": rows "_s);
        return faults;
    }

    void audit()
    {
        for (auto it = m_stored.cbegin(); it != m_stored.cend(); ++it)
            m_findings.invalid(u"%1, from %2 field(s): %3"_s.arg(it.key()).arg(it->size()).arg(it->join(u", "_s)),
                               int(it->size()));
        for (const QString &table : {u"eb010ms"_s, u"eb020ms"_s, u"eb030ms"_s, u"eb040ms"_s, u"eb040dt"_s,
                                     u"eb050ms"_s, u"ee010ms"_s})
            for (const QString &fault : auditTable(table))
                m_findings.invalid(u"at the end: "_s + fault);
        m_findings.say(u"tables checked after every saved case and at the end: %1 text columns of eb010ms, eb020ms,"
                       " eb030ms, eb040ms, eb040dt, eb050ms, ee010ms"_s.arg(m_auditedColumns));
    }

    QString outcomes() const
    {
        QStringList parts;
        for (auto it = m_outcomes.cbegin(); it != m_outcomes.cend(); ++it)
            parts << u"%1 %2"_s.arg(it.value()).arg(it.key());
        return parts.join(u", "_s);
    }

    Findings m_findings;
    QList<Bad> m_bad;
    std::unique_ptr<TestDatabase> m_db;
    PtyPair m_pty;
    QSerialPort m_line;
    QTemporaryDir m_config;
    RecordingModal m_boxes;
    int m_cases = 0;
    QMap<QString, int> m_outcomes;
    QMap<QString, int> m_messages;
    QHash<QString, QString> m_audits; // table: its audit query
    QMap<QString, QStringList> m_stored; // value and fault: the fields that stored it
    int m_auditedColumns = 0;
};

} // namespace

int main(int argc, char **argv)
{
    return soak::RunScreenSoak<BadInputSoak>(argc, argv, "soak_bad_input", 1000);
}
