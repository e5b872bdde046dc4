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

constexpr int Rows = 20000;

} // namespace

void BenchEntryLoad(BenchRun &run)
{
    // Two letters and four digits fill the five-character numbers.
    run.database.adminExec(uR"(
INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn, buy_date, remark)
SELECT 'M', 'CS', chr(80 + n / 10000) || lpad((n % 10000)::text, 4, '0'), '150', 'Y', '20241101', '벤치 ' || n
  FROM generate_series(0, %1 - 1) AS n)"_s.arg(Rows));

    RecordingModal modal;
    ShownScreen<TfrmEBI020> screen;
    screen.find<CodeCombo>(u"cboAreaGubun"_s)->setCode(u"M"_s);
    screen.find<CodeCombo>(u"cboEquipGubun"_s)->setCode(u"CS"_s);
    const GridModel *grid = &screen->Rows();
    const QString path = u"P1 entry screen load, 20,000 rows"_s;
    const Sample screenLoad = Repeat(run.runs, [&] {
        // Search is offered again once the rows are given up.
        screen.press(Qt::Key_F8);
        const double ms = TimeMs([&] { screen.press(Qt::Key_F3); });
        if (grid->rowCount() != Rows)
            qFatal("the screen read %d rows", int(grid->rowCount()));
        return ms;
    });
    const QString sql = screen->ContractSql().constFirst();
    const Sample plainLoop = Repeat(run.runs, [&] {
        return TimeMs([&] {
            QSqlQuery query(Connection());
            query.setForwardOnly(true);
            query.prepare(sql);
            query.bindValue(u":AREA_GUBUN"_s, u"M"_s);
            query.bindValue(u":EQUIP_GUBUN"_s, u"CS"_s);
            query.exec();
            QList<QVariantList> rows;
            const int columns = query.record().count();
            while (query.next()) {
                QVariantList row;
                for (int c = 0; c < columns; ++c)
                    row.append(query.value(c));
                rows.append(row);
            }
            if (rows.size() != Rows)
                qFatal("the plain loop read %d rows", int(rows.size()));
        });
    });
    run.table.ratio(path, screenLoad, plainLoop, 1.5);
}
