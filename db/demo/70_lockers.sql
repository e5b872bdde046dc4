-- Season lockers of this and last season: blocks with their lockers,
-- sales in cash and by card (approval filled as the payment side leaves
-- it), keys out and back, cancellations with their penalty records, and a
-- free locker of every type.
DO $demo$
DECLARE
    season text;
BEGIN
    FOREACH season IN ARRAY ARRAY[to_char(CURRENT_DATE, 'YYYY'), to_char(CURRENT_DATE - 365, 'YYYY')] LOOP
        PERFORM pr_ehi010_01(aseason_year => season, alocation => 'M', aarea_zone => 'A', alocker_type => '1',
                             aunit_amt => '100000', amember_amt => '80000', abeginning_no => '101',
                             alocker_qty => '30', au_emp_no => 'D0001', au_ip => 'DEMO', aeditstatus => '2');
        PERFORM pr_ehi010_01(aseason_year => season, alocation => 'S', aarea_zone => 'B', alocker_type => '2',
                             aunit_amt => '150000', amember_amt => '120000', abeginning_no => '201',
                             alocker_qty => '20', au_emp_no => 'D0001', au_ip => 'DEMO', aeditstatus => '2');
        PERFORM pr_ehi010_02(aseason_year => season, aseq_no => n::text, au_emp_no => 'D0001', au_ip => 'DEMO')
           FROM eh010ms b, LATERAL (SELECT b.seq_no AS n) x WHERE b.season_year = season;
        PERFORM pr_ehi020_01(aseason_year => season, alocker_no => s.no, asale_date => s.sold,
                             am_name => s.name, am_idno => s.idno, am_tophone => '010-1234-' || s.no,
                             apay_code => s.pay, aipgum_amt => s.paid, aassurance_amt => s.deposit,
                             akey_receipt_date => s.key_out, akey_restore_date => s.key_back,
                             au_emp_no => 'D0001', au_ip => 'DEMO', aeditstatus => '1')
          FROM (VALUES ('101', season || '1201', '김사물', '8001011234567', '현금', '100000', '30000', season || '1201', NULL),
                       ('102', season || '1202', '이보관', '8102021234567', '카드', '100000', '30000', season || '1202', season || '1220'),
                       ('103', season || '1203', '박락카', '8203031234567', '현금', '50000', NULL, NULL, NULL),
                       ('104', season || '1204', '최취소', '8304041234567', '현금', '100000', NULL, NULL, NULL),
                       ('201', season || '1205', '정대형', '8405051234567', '카드', '150000', '30000', season || '1205', NULL),
                       ('202', season || '1206', '한취소', '8506061234567', '카드', '150000', NULL, NULL, NULL))
               AS s(no, sold, name, idno, pay, paid, deposit, key_out, key_back);
        UPDATE eh020ms SET terminal_id = 'T01', approval_no = '3' || locker_no || '0001', approval_time = sale_date || '101500',
                           card_issuer = '국민카드', result = '0000', result_msg = '정상승인'
         WHERE season_year = season AND pay_code = '카드';
        PERFORM pr_ehi020_03(aseason_year => season, alocker_no => no, aeditstatus => '3',
                             au_emp_no => 'D0001', au_ip => 'DEMO')
          FROM unnest(ARRAY['104', '202']) AS no;
    END LOOP;
END
$demo$;
