// An entry screen reading 20,000 rows into its grid (the register of
// items, by its search key), against a plain read of the same rows into a
// list.
#include "Bench.h"
#include "Benches.h"
#include "CodeCombo.h"
#include "DataModule.h"
#include "EBI020.h"
#include "GridModel.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

// Two letters and four digits fill the five-character numbers.
void addItems(const TestDatabase &database, int from, int to)
{
    database.adminExec(uR"(
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, buy_date, remark)
SELECT 'M', 'CS', chr(80 + n / 10000) || lpad((n % 10000)::text, 4, '0'), '150', 'Y', '20241101', '벤치 ' || n
  FROM generate_series(%1, %2 - 1) AS n)"_s.arg(from).arg(to));
}

} // namespace

// Size: the rows loaded (20,000); the growth table adds a quarter and a half of it.
void BenchEntryLoad(BenchRun &run)
{
    const int rows = run.size("P1", 20000);
    RecordingModal modal;
    ShownScreen<TfrmEBI020> screen;
    screen.find<CodeCombo>(u"cboAreaGubun"_s)->setCode(u"M"_s);
    screen.find<CodeCombo>(u"cboEquipGubun"_s)->setCode(u"CS"_s);
    const GridModel *grid = &screen->Rows();
    const QString sql = screen->ContractSql().constFirst();
    const auto screenLoad = [&](int expected) {
        // Search is offered again once the rows are given up.
        screen.press(Qt::Key_F8);
        const double ms = TimeMs([&] { screen.press(Qt::Key_F3); });
        if (grid->rowCount() != expected)
            qFatal("the screen read %d rows", int(grid->rowCount()));
        return ms;
    };
    const auto plainLoop = [&](int expected) {
        return TimeMs([&] {
            QSqlQuery query(Connection());
            query.setForwardOnly(true);
            query.prepare(sql);
            query.bindValue(u":AREA_GUBUN"_s, u"M"_s);
            query.bindValue(u":EQUIP_GUBUN"_s, u"CS"_s);
            query.exec();
            QList<QVariantList> read;
            const int columns = query.record().count();
            while (query.next()) {
                QVariantList row;
                for (int c = 0; c < columns; ++c)
                    row.append(query.value(c));
                read.append(row);
            }
            if (read.size() != expected)
                qFatal("the plain loop read %d rows", int(read.size()));
        });
    };
    // The register grows between the sizes: a quarter, a half, the whole.
    QList<std::pair<int, double>> growth;
    int stored = 0;
    for (const int size : {rows / 4, rows / 2, rows}) {
        addItems(run.database, stored, size);
        stored = size;
        const bool last = size == rows;
        const QList<Sample> s = Interleave(last ? run.runs : std::min(run.runs, 3),
                                           {[&] { return screenLoad(size); }, [&] { return plainLoop(size); }});
        growth.append({size, s.at(0).median()});
        if (last)
            run.table.ratio(u"P1 entry screen load, %L1 rows (floor: plain read)"_s.arg(rows), s.at(0), s.at(1), 1.5);
    }
    run.table.growth(u"P1 entry screen load"_s, u"rows"_s, growth);
}
