#include "TfrmE0Main.h"

#include "EAS010.h"
#include "EAS020.h"
#include "EAS030.h"
#include "EBI010.h"
#include "EBI020.h"
#include "EBI030.h"
#include "EBI040.h"
#include "EBI050.h"
#include "EBS060.h"
#include "EBS070.h"
#include "EBS080.h"
#include "EBS090.h"
#include "EBS100.h"
#include "EBS110.h"
#include "EBS120.h"
#include "EBS130.h"
#include "ECI010.h"
#include "ECI020.h"
#include "ECI030.h"
#include "ECI040.h"
#include "ECI050.h"
#include "ECI060.h"
#include "ECI070.h"
#include "ECI080.h"
#include "ECI170.h"
#include "ECI190.h"
#include "ECS090.h"
#include "ECS100.h"
#include "ECS110.h"
#include "ECS120.h"
#include "ECS130.h"
#include "ECS140.h"
#include "ECS150.h"
#include "ECS160.h"
#include "ECS180.h"
#include "EDI010.h"
#include "EDI020.h"
#include "EDI030.h"
#include "EDS040.h"
#include "EDS050.h"
#include "EDS060.h"
#include "EEI020.h"
#include "EEI021.h"
#include "EES001.h"
#include "EES003.h"
#include "EES004.h"
#include "EES010.h"
#include "EES020.h"
#include "EES030.h"
#include "EES040.h"
#include "EES050.h"
#include "EES060.h"
#include "EES070.h"
#include "EES080.h"
#include "EES090.h"
#include "EES120.h"
#include "EES140.h"
#include "EHI010.h"
#include "EHI020.h"
#include "EHI040.h"
#include "EHS030.h"
#include "EHS040.h"
#include "EFS010.h"
#include "EFS020.h"
#include "EFS030.h"
#include "EFS040.h"
#include "EFS050.h"
#include "EFS060.h"
#include "EFS070.h"
#include "EGI020.h"
#include "ZZI000.h"

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
        {u"EAS010"_s, MakeScreen<TfrmEAS010>},
        {u"EAS020"_s, MakeScreen<TfrmEAS020>},
        {u"EAS030"_s, MakeScreen<TfrmEAS030>},
        {u"EBI010"_s, MakeScreen<TfrmEBI010>},
        {u"EBI020"_s, MakeScreen<TfrmEBI020>},
        {u"EBI030"_s, MakeScreen<TfrmEBI030>},
        {u"EBI040"_s, MakeScreen<TfrmEBI040>},
        {u"EBI050"_s, MakeScreen<TfrmEBI050>},
        {u"EBS060"_s, MakeScreen<TfrmEBS060>},
        {u"EBS070"_s, MakeScreen<TfrmEBS070>},
        {u"EBS080"_s, MakeScreen<TfrmEBS080>},
        {u"EBS090"_s, MakeScreen<TfrmEBS090>},
        {u"EBS100"_s, MakeScreen<TfrmEBS100>},
        {u"EBS110"_s, MakeScreen<TfrmEBS110>},
        {u"EBS120"_s, MakeScreen<TfrmEBS120>},
        {u"EBS130"_s, MakeScreen<TfrmEBS130>},
        {u"ECI010"_s, MakeScreen<TfrmECI010>},
        {u"ECI020"_s, MakeScreen<TfrmECI020>},
        {u"ECI030"_s, MakeScreen<TfrmECI030>},
        {u"ECI040"_s, MakeScreen<TfrmECI040>},
        {u"ECI050"_s, MakeScreen<TfrmECI050>},
        {u"ECI060"_s, MakeScreen<TfrmECI060>},
        {u"ECI070"_s, MakeScreen<TfrmECI070>},
        {u"ECI080"_s, MakeScreen<TfrmECI080>},
        {u"ECI170"_s, MakeScreen<TfrmECI170>},
        {u"ECI190"_s, MakeScreen<TfrmECI190>},
        {u"ECS090"_s, MakeScreen<TfrmECS090>},
        {u"ECS100"_s, MakeScreen<TfrmECS100>},
        {u"ECS110"_s, MakeScreen<TfrmECS110>},
        {u"ECS120"_s, MakeScreen<TfrmECS120>},
        {u"ECS130"_s, MakeScreen<TfrmECS130>},
        {u"ECS140"_s, MakeScreen<TfrmECS140>},
        {u"ECS150"_s, MakeScreen<TfrmECS150>},
        {u"ECS160"_s, MakeScreen<TfrmECS160>},
        {u"ECS180"_s, MakeScreen<TfrmECS180>},
        {u"EDI010"_s, MakeScreen<TfrmEDI010>},
        {u"EDI020"_s, MakeScreen<TfrmEDI020>},
        {u"EDI030"_s, MakeScreen<TfrmEDI030>},
        {u"EDS040"_s, MakeScreen<TfrmEDS040>},
        {u"EDS050"_s, MakeScreen<TfrmEDS050>},
        {u"EDS060"_s, MakeScreen<TfrmEDS060>},
        {u"EEI010"_s, MakeScreen<TfrmEEI020>},
        {u"EEI021"_s, MakeScreen<TfrmEEI021>},
        {u"EES010"_s, MakeScreen<TfrmEES010>},
        {u"EES001"_s, MakeScreen<TfrmEES001>},
        {u"EES003"_s, MakeScreen<TfrmEES003>},
        {u"EES004"_s, MakeScreen<TfrmEES004>},
        {u"EES020"_s, MakeScreen<TfrmEES020>},
        {u"EES030"_s, MakeScreen<TfrmEES030>},
        {u"EES040"_s, MakeScreen<TfrmEES040>},
        {u"EES140"_s, MakeScreen<TfrmEES140>},
        {u"EES050"_s, MakeScreen<TfrmEES050>},
        {u"EES060"_s, MakeScreen<TfrmEES060>},
        {u"EES070"_s, MakeScreen<TfrmEES070>},
        {u"EES080"_s, MakeScreen<TfrmEES080>},
        {u"EES090"_s, MakeScreen<TfrmEES090>},
        {u"EES120"_s, MakeScreen<TfrmEES120>},
        {u"EHI010"_s, MakeScreen<TfrmEHI010>},
        {u"EHI020"_s, MakeScreen<TfrmEHI020>},
        {u"EHI040"_s, MakeScreen<TfrmEHI040>},
        {u"EHS030"_s, MakeScreen<TfrmEHS030>},
        {u"EHS040"_s, MakeScreen<TfrmEHS040>},
        {u"EFS010"_s, MakeScreen<TfrmEFS010>},
        {u"EFS020"_s, MakeScreen<TfrmEFS020>},
        {u"EFS030"_s, MakeScreen<TfrmEFS030>},
        {u"EFS040"_s, MakeScreen<TfrmEFS040>},
        {u"EFS050"_s, MakeScreen<TfrmEFS050>},
        {u"EFS060"_s, MakeScreen<TfrmEFS060>},
        {u"EFS070"_s, MakeScreen<TfrmEFS070>},
        {u"EGI020"_s, MakeScreen<TfrmEGI020>},
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
