#include "EDP050.h"

#include "ListLayout.h"

using namespace Qt::StringLiterals;

TfrmEDP050::TfrmEDP050(const QList<ColumnDef> &columns, QObject *parent)
    : TfrmEZP010(u"frmEDP050"_s, u"뱃지테스트 참가자 현황"_s, parent)
{
    SetGridColumns(columns);
    SetSummary(CountSummary());
}

report::Layout TfrmEDP050::Layout() const
{
    report::Layout layout = TfrmEZP010::Layout();
    const report::Font bold{.pointSize = 8, .bold = true};
    const report::Font plain{.pointSize = 8};
    for (report::Band &band : layout.bands) {
        if (band.kind != report::BandKind::Detail)
            continue;
        qreal right = 0;
        for (const report::Item &item : std::as_const(band.items))
            right = std::max(right, item.rect.right());
        const qreal h = report::DetailHeight;
        // Under each entrant's line, the home and the office: phones and address.
        const auto place = [&](int line, const QString &heading, const QString &prefix) {
            const qreal y = line * h;
            const qreal addr = 150;
            const qreal half = (right - addr - 20) / 2;
            const QList<report::Item> items = {
                {.rect = {2, y, 22, h}, .text = heading, .font = bold},
                {.rect = {25, y, 14, h}, .text = u"전화번호"_s, .font = bold},
                {.rect = {40, y, 34, h}, .field = prefix + u"TEL_NO"_s, .font = plain},
                {.rect = {75, y, 14, h}, .text = u"FAX번호"_s, .font = bold},
                {.rect = {90, y, 34, h}, .field = prefix + u"FAX_NO"_s, .font = plain},
                {.rect = {125, y, 8, h}, .text = u"주소"_s, .font = bold},
                {.rect = {134, y, 15, h}, .field = prefix + u"ZIP_CODE"_s, .font = plain},
                {.rect = {addr, y, half, h}, .field = prefix + u"ADDR1"_s, .font = plain},
                {.rect = {addr + half + 1, y, right - addr - half - 1, h}, .field = prefix + u"ADDR2"_s, .font = plain},
            };
            band.items.append(items);
        };
        place(1, u"[자택정보]"_s, u"HOME_"_s);
        place(2, u"[직장정보]"_s, u"OFFICE_"_s);
        band.height = 3 * h + 0.6;
        band.items.append({.kind = report::ItemKind::Line, .rect = QRectF(QPointF(0, 3 * h + 0.3), QPointF(right, 3 * h + 0.3)),
                           .penWidth = 0.1});
    }
    return layout;
}
