#include "Cp949.h"
#include "Routines.h"

#include <QHostInfo>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <iconv.h>

using namespace Qt::StringLiterals;

class TestRoutines : public QObject
{
    Q_OBJECT

private slots:
    void dateToDisplay_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leap day") << u"20040229"_s << u"2004-02-29"_s;
        QTest::newRow("no leap day") << u"20030229"_s << u"20030229"_s;
        QTest::newRow("separators dropped") << u"2004/01/31"_s << u"2004-01-31"_s;
        QTest::newRow("month 13") << u"20041301"_s << u"20041301"_s;
        QTest::newRow("too short") << u"2004013"_s << u"2004013"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void dateToDisplay()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DateToDisplay(input), expected);
    }

    void dateToKey_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("display date") << u"2004-01-31"_s << u"20040131"_s;
        QTest::newRow("short month") << u"2004-1-31"_s << u"2004-1-31"_s;
        QTest::newRow("invalid day") << u"2004-02-30"_s << u"2004-02-30"_s;
        QTest::newRow("already a key") << u"20040131"_s << u"20040131"_s;
    }
    void dateToKey()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DateToKey(input), expected);
    }

    void dateKeysAndDayNames_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("isKey");
        QTest::addColumn<QString>("dayName");
        QTest::newRow("thursday") << u"20040101"_s << true << u"목요일"_s;
        QTest::newRow("sunday") << u"20040104"_s << true << u"일요일"_s;
        QTest::newRow("saturday") << u"20040103"_s << true << u"토요일"_s;
        QTest::newRow("seven digits") << u"2004010"_s << false << QString();
        QTest::newRow("month 13") << u"20041301"_s << false << QString();
        QTest::newRow("display form") << u"2004-01-01"_s << false << QString();
    }
    void dateKeysAndDayNames()
    {
        QFETCH(QString, key);
        QFETCH(bool, isKey);
        QFETCH(QString, dayName);
        QCOMPARE(IsDateKey(key), isKey);
        QCOMPARE(DayName(key), dayName);
    }

    void todayKeyIsToday()
    {
        QCOMPARE(TodayKey(), QDate::currentDate().toString(u"yyyyMMdd"_s));
        QVERIFY(IsDateKey(TodayKey()));
    }

    void digitsOnly_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("grouped negative") << u"-1,234"_s << u"-1234"_s;
        QTest::newRow("inner minus dropped") << u"12-34"_s << u"1234"_s;
        QTest::newRow("postal code") << u"123-456"_s << u"123456"_s;
        QTest::newRow("letters") << u"a1b2"_s << u"12"_s;
    }
    void digitsOnly()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DigitsOnly(input), expected);
    }

    void textToInt64_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("empty") << QString() << qint64(0);
        QTest::newRow("letters") << u"abc"_s << qint64(0);
        QTest::newRow("leading blank") << u" 42"_s << qint64(42);
        QTest::newRow("negative") << u"-17"_s << qint64(-17);
        QTest::newRow("large") << u"9000000000"_s << qint64(9000000000);
        QTest::newRow("exponent text") << u"1e+06"_s << qint64(0);
        QTest::newRow("blank only") << u"   "_s << qint64(0);
    }
    void textToInt64()
    {
        QFETCH(QString, input);
        QFETCH(qint64, expected);
        QCOMPARE(TextToInt64(input), expected);
        if (expected != 0)
            QCOMPARE(TextToInt64(Int64ToText(expected)), expected);
    }

    void unscrambleReadsWhatTheToolWrites_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("short") << u"kest2026"_s;
        QTest::newRow("sixteen bytes") << u"ABCDEFGHIJKLMNOP"_s;
        QTest::newRow("longer than the offset table") << u"a much longer password text!"_s;
        QTest::newRow("one character") << u"x"_s;
    }
    void unscrambleReadsWhatTheToolWrites()
    {
        QFETCH(QString, password);
        QProcess tool;
        tool.start(QStringLiteral(KEST_PASS_TOOL), {password});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        const QString stored = QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
        QVERIFY(stored.size() >= 64);
        QCOMPARE(Unscramble(stored, PasswordStartKey), password);
        QVERIFY(Unscramble(stored, PasswordStartKey ^ 0x0100) != password);
    }

    void unscrambleRefusesNonHexadecimal_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("letters") << u"ZZ00"_s;
        QTest::newRow("odd length") << u"ABC"_s;
        QTest::newRow("blank inside") << u"A 00"_s;
    }
    void unscrambleRefusesNonHexadecimal()
    {
        QFETCH(QString, stored);
        QVERIFY_THROWS_EXCEPTION(ConversionError, Unscramble(stored, PasswordStartKey));
    }

    void cp949Bytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("cutAt");
        QTest::addColumn<QString>("cut");
        QTest::newRow("ascii") << u"abcdef"_s << 6 << 4 << u"abcd"_s;
        QTest::newRow("hangul even") << u"홍길동"_s << 6 << 4 << u"홍길"_s;
        QTest::newRow("hangul never split") << u"홍길동"_s << 6 << 5 << u"홍길"_s;
        QTest::newRow("mixed") << u"A홍B"_s << 4 << 3 << u"A홍"_s;
        QTest::newRow("fits") << u"홍길동"_s << 6 << 16 << u"홍길동"_s;
        QTest::newRow("name at 16 bytes") << u"가나다라마바사아자"_s << 18 << 16 << u"가나다라마바사아"_s;
    }
    void cp949Bytes()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QFETCH(int, cutAt);
        QFETCH(QString, cut);
        QCOMPARE(Cp949Length(text), bytes);
        QCOMPARE(CutToCp949Bytes(text, cutAt), cut);
        QCOMPARE(FromCp949(ToCp949(text)), text);
    }

    void counterIdentityIsTheConfiguredIdOrTheHostName()
    {
        QCOMPARE(CounterIdentity(u" 대여1번 "_s), u"대여1번"_s);
        QCOMPARE(CounterIdentity({}), QHostInfo::localHostName());
        QCOMPARE(CounterIdentity(u"   "_s), QHostInfo::localHostName());
    }

    void cp949EncodesHangulAsTwoBytes()
    {
        QCOMPARE(ToCp949(u"가"_s), QByteArray("\xB0\xA1"));
        QCOMPARE(ToCp949(u"€x"_s).right(1), QByteArray("x"));
    }

    // Unit by unit, the bytes are the converter's for the whole text: every
    // character of the first plane in one text, characters CP949 lacks,
    // beyond the first plane and lone halves of a pair among them.
    void cp949UnitsAreTheWholeTextsBytes()
    {
        QString every;
        for (char32_t c = 1; c < 0x10000; ++c)
            if (!QChar::isSurrogate(c))
                every.append(QChar(char16_t(c)));
        QCOMPARE(ToCp949(every), wholeText(every));
        const QString odd = u"가"_s + QChar(0xD83D) + QChar(0xDE00) + u"나"_s + QChar(0xDC00) + u"x"_s + QChar(0xD800);
        QCOMPARE(ToCp949(odd), QByteArray("\xB0\xA1?\xB3\xAA?x?"));
        QCOMPARE(ToCp949(odd), wholeText(odd));
    }

private:
    // The text through iconv at once, an unconvertible character as '?'.
    static QByteArray wholeText(const QString &text)
    {
        iconv_t cd = iconv_open("CP949", "UTF-8");
        QByteArray input = text.toUtf8();
        QByteArray out;
        char *in = input.data();
        size_t inLeft = size_t(input.size());
        while (inLeft > 0) {
            char buffer[4096];
            char *o = buffer;
            size_t outLeft = sizeof buffer;
            const size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
            out.append(buffer, qsizetype(sizeof buffer - outLeft));
            if (r != size_t(-1) || errno == E2BIG)
                continue;
            out.append('?');
            size_t skip = 1;
            while (skip < inLeft && (quint8(in[skip]) & 0xC0) == 0x80)
                ++skip;
            in += skip;
            inLeft -= skip;
        }
        iconv_close(cd);
        return out;
    }
};

QTEST_GUILESS_MAIN(TestRoutines)
#include "tst_routines.moc"
