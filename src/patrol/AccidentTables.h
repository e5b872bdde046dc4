#pragma once

#include "CrossTableScreen.h"

// The accident cross-tables: accidents of a period ("사고일자" from and
// to, either may stay empty) counted by hour band or kind of injury
// against weekdays, months, sexes or age bands.
namespace accidents {

enum class Rows { HourBands, Injuries };
enum class Columns { Weekdays, Months, Sexes, AgeBands };

// The table's rows, columns and counting rules with the shares as most
// tables write them; a screen changes what its table writes differently.
CrossTableDef Table(Rows rows, Columns columns);

// Shares of the total column: "N (P %)" to '99900.99', or "N(P%)" to '900.99'.
ShareFormat WideShare();
ShareFormat NarrowShare(const QString &zero);

} // namespace accidents

// A cross-table screen over the accidents of a period.
class AccidentTableScreen : public CrossTableScreen
{
    Q_OBJECT

public:
    AccidentTableScreen(const TfrmEZS000::Def &screen, const CrossTableDef &table, QWidget *parent = nullptr);

protected:
    // "사고일자: " from (or "[처음]") "  ∼  " to (or "[끝]"), as typed.
    void FillConditions(TfrmZZP010 &report) override;
};

// The layout factory of a cross-table screen.
template <class Layout>
std::unique_ptr<TfrmZZP010> CrossReport(const QList<ColumnDef> &columns)
{
    return std::make_unique<Layout>(columns);
}
