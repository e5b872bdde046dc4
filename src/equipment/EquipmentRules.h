#pragma once

#include <QString>

// Rules of the rental and storage counters that more than one of their
// screens asks the server.

// The free items of a date, area and kind: rentable, not out on a multi-day
// rental, not on a day rental of the date, not held by a counter. Binds
// RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, and EQUIP_SIZE_GUBUN and EQUIP_NO,
// each of which narrows the list when not empty.
extern const QString FreeItemsSql;

// True when the item cannot be rented on the date (see FreeItemsSql).
bool EquipmentTaken(const QString &dateKey, const QString &area, const QString &equipKind, const QString &equipNo);

// True when the size (a code of "E0010") lies in a range of the size group
// of the area and equipment kind. Skis and snowboards have size groups (skis
// one per area: none for an unknown area); any other kind (boots, poles,
// helmets) has none to keep to and passes without asking the server.
bool SizeInGroup(const QString &area, const QString &equipKind, const QString &sizeCode);

// The due release date (date key) of a storage of the kind deposited on the
// date: the date plus the kind's ITEM1 days of "E0016". Empty for an invalid
// date or an unknown kind.
QString ReleaseDate(const QString &depositDateKey, const QString &storageKind);
