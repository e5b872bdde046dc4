-- One open rental per item and day, decided by the server. An item already
-- out twice must be settled first (return one of the rows): the script
-- names them and changes nothing.
DO $$
DECLARE
    doubled text;
BEGIN
    SELECT string_agg(format('%s %s %s-%s (대여번호 %s)', rent_date, area_gubun, equip_gubun, equip_no, numbers),
                      ', ')
      INTO doubled
      FROM (SELECT rent_date, area_gubun, equip_gubun, equip_no, string_agg(rent_no || '-' || rent_seq, ' ') AS numbers
              FROM ktuser.eb040dt
             WHERE rent_stat IN ('D', 'S') AND equip_no IS NOT NULL
             GROUP BY 1, 2, 3, 4
            HAVING count(*) > 1) d;
    IF doubled IS NOT NULL THEN
        RAISE EXCEPTION '같은 날 두 번 대여된 장비가 있습니다. 한 건을 반납 처리한 뒤 다시 실행하십시오: %', doubled;
    END IF;
END
$$;
CREATE UNIQUE INDEX eb040dt_open_item ON ktuser.eb040dt (rent_date, area_gubun, equip_gubun, equip_no)
    WHERE rent_stat IN ('D', 'S');
