-- Invented members of the registry: forty '20' members, a quarter of them
-- expired, and a few of other groups that the registration never lists.
INSERT INTO ba040ms (member_no, member_name, member_name_eng, id_no, id_no_hash, sex_code, e_mail, home_tel,
                     mobile_tel, home_post, home_address1, home_address2, use_date_from, use_date_to,
                     member_group_code, guest_type, golf_code, use_room_type)
SELECT '20' || lpad(n::text, 8, '0'),
       (ARRAY['김','이','박','최','정','강','조','윤','장','임'])[1 + n % 10]
           || (ARRAY['민준','서연','도윤','하은','지호','수아','예준','지우','현우','채원'])[1 + (n * 3) % 10],
       (ARRAY['정회원','가족회원','주중회원'])[1 + n % 3],
       kest_private.enc(x.id), kest_private.id_no_hash(x.id),
       (ARRAY['1','2'])[1 + n % 2],
       'member' || n || '@example.com',
       kest_private.enc('02-555-' || lpad(n::text, 4, '0')),
       kest_private.enc('010-2000-' || lpad(n::text, 4, '0')),
       '232' || lpad((n % 1000)::text, 3, '0'),
       kest_private.enc('강원도 평창군 대관령면 ' || n || '번지'), kest_private.enc(n || '동 ' || n || '호'),
       to_char(CURRENT_DATE - 300, 'YYYYMMDD'),
       to_char(CURRENT_DATE + CASE WHEN n % 4 = 0 THEN -(n * 3) ELSE 365 - n END, 'YYYYMMDD'),
       '20', '250', '99', '99'
  FROM generate_series(1, 40) AS n,
       LATERAL (SELECT (70 + n % 20)::text || lpad((1 + n % 12)::text, 2, '0') || '15' || (1 + n % 2)::text
                       || lpad(n::text, 6, '0') AS id) x;

INSERT INTO ba040ms (member_no, member_name, birth_day, id_no, id_no_hash, sex_code, use_date_from, use_date_to,
                     member_group_code)
VALUES ('1000000001', '한다른', 'CARD', NULL, NULL, '1', '20250101', '20991231', '10'),
       ('4100000001', '설원산악회', NULL, NULL, NULL, 'Z', '20250101', '20991231', '41'),
       ('9900000001', '오직원', '직원', kest_private.enc('7502021234567'), kest_private.id_no_hash('7502021234567'),
        '1', '20250101', '20991231', '99');
