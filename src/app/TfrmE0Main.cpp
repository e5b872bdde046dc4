#include "TfrmE0Main.h"

#include "EBI020.h"
#include "EBI030.h"
#include "EBI040.h"
#include "EBI050.h"
#include "EEI020.h"
#include "EEI021.h"
#include "EES010.h"
#include "TfrmZZI000.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Every screen of the module, by its screen id: the one place that names
// the screen classes. A screen joins with one line,
//   {u"EBI040"_s, MakeScreen<TfrmEBI040>},
// and an id without a line opens nothing.
const std::vector<ScreenEntry> &screens()
{
    static const std::vector<ScreenEntry> table = {
        {u"EBI020"_s, MakeScreen<TfrmEBI020>},
        {u"EBI030"_s, MakeScreen<TfrmEBI030>},
        {u"EBI040"_s, MakeScreen<TfrmEBI040>},
        {u"EBI050"_s, MakeScreen<TfrmEBI050>},
        {u"EEI010"_s, MakeScreen<TfrmEEI020>},
        {u"EEI021"_s, MakeScreen<TfrmEEI021>},
        {u"EES010"_s, MakeScreen<TfrmEES010>},
    };
    return table;
}

} // namespace

TfrmE0Main::TfrmE0Main(QWidget *parent, const QString &projectId) : TfrmZZMain(parent, projectId) {}

QStringList TfrmE0Main::ScreenIds()
{
    QStringList ids;
    for (const ScreenEntry &entry : screens())
        ids.append(entry.id);
    return ids;
}

TfrmZZI000 *TfrmE0Main::CreateScreen(const QString &id)
{
    return CreateFromTable(screens(), id);
}
