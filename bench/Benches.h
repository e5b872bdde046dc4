#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class BenchTable;
class TestDatabase;

// What every benchmark gets: how often to run each path, the table, the
// database it fills as it needs, and this program, for the paths that time
// processes of their own.
struct BenchRun
{
    int runs = 5;
    BenchTable &table;
    TestDatabase &database;
    QString self;
    // The size a path was given on the command line (P1=80000), else `fallback`.
    int size(const char *path, int fallback) const { return sizes.value(QString::fromLatin1(path), fallback); }
    QHash<QString, int> sizes;
};

void BenchEntryLoad(BenchRun &run); // an entry screen's load against a plain read loop
void BenchFirstRows(BenchRun &run); // first rows of a long result against a short one
void BenchExport(BenchRun &run);    // the worksheet export against one raw write
void BenchExportXlsx(BenchRun &run); // the .xlsx export against the library's own write, and its memory
void BenchPersonal(BenchRun &run);  // personal columns through the reading function
void BenchCounters(BenchRun &run);  // rentals saved by eight counters at once
void BenchStartup(BenchRun &run);   // start-up to the menu against a bare window
void BenchReports(BenchRun &run);   // report preview and a long PDF
void BenchViewerReports(BenchRun &run); // the viewer's accident reports against hand-written queries
void BenchAccidentTables(BenchRun &run); // the accident cross-tables against one counting pass
void BenchReplicaReads(BenchRun &run); // counters saving while the statistics read on a replica or the primary
void BenchAccidentMap(BenchRun &run);    // a season's accidents on the map against the empty map
void BenchSales(BenchRun &run);      // the outlet sales statistics over a season of sales lines

// Ten seasons of accidents, `accidents` of them (kept when there are as many).
void FillAccidents(TestDatabase &database, int accidents);
// A season (20261201 to 20270330) of the four sports outlets' sales lines, `lines` of them (kept likewise).
void FillSales(TestDatabase &database, int lines);

// The child processes some benchmarks start (this program with "child").
int FirstRowsChild(const QStringList &args);
int CounterChild(const QStringList &args);
int StartupChild(const QStringList &args);
int ExportXlsxChild(const QStringList &args);
int StatisticsChild(const QStringList &args);
