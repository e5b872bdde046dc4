#pragma once

#include "ReportDocument.h"
#include "RowSource.h"

#include <QJsonObject>

#include <functional>
#include <optional>

// The golden page cases: a list report read from JSON, and the page model
// written as text, one line a page and one line an item:
//   page 1 of 3
//   text 48.9,15.3 87.3x8.7 Cb qrlTitle "일일 장비대여 현황"   (alignment L/C/R, b bold, name or -;
//                                                             a line break written \n)
//   line 10.0,52.0 195.0,52.0
//   box 49.9,16.3 87.3x8.7 #808080                           (fill, or none)
//   fill 10.0,52.0 185.0x5.6 #ffff00
//   picture 10.0,52.0 9.0x9.0 32x32
// Measures are mm from the page's top-left corner.
struct GoldenCase
{
    report::Layout layout;
    report::RecordList rows;
    report::Inputs inputs;
};

// Null, with the reason in *problem, when the JSON says something the reader does not know.
std::optional<GoldenCase> ReadCase(const QJsonObject &object, QString *problem);
// The same without a layout, for a case of a screen's own layout (named by
// its id in "layout"): the records, the run's texts and time.
std::optional<GoldenCase> ReadRun(const QJsonObject &object, QString *problem);

QString DumpDocument(const report::Document &document);

// A case folder laid out by `pages` (from case.json and its run) and
// compared with its expected.txt. Empty when they match; otherwise what
// differs, with the model read written to <case>.actual.txt in the working folder.
using CasePages = std::function<std::optional<report::Document>(const QJsonObject &object, const GoldenCase &run)>;
QString CheckCaseFolder(const QString &folder, const CasePages &pages);
