-- Invented patrol accidents: the last whole season (1 December to
-- 15 March), the running season up to today, and three today; none to four
-- a day, over both peak areas and the other places, every course, hours
-- from early morning to late night, ages from children to the elderly,
-- every kind of injury, with the three markers placed. Values are drawn
-- from a digest of the date and number, so a reload gives the same days the
-- same accidents.
DO $$
DECLARE
    surnames constant text[] := '{김,이,박,최,정,강,조,윤,장,임,한,오,서,신,권,황,안,송}';
    givens   constant text[] := '{민준,서연,도윤,하은,지호,수아,예준,지우,현우,채원,건우,다은,우진,소율,지훈,윤서}';
    places   constant text[] := '{"슬로프 중간 지점","리프트 하차장 부근","코스 합류 지점","슬로프 하단 평지",'
                                 '"커브 구간 바깥쪽","모글 구간","점프대 착지 지점"}';
    first_aid constant text[] := '{"부목 고정 후 후송","얼음찜질","지혈 및 소독","경추 보호대 착용","상태 관찰 후 귀가 조치"}';
    peaks    constant text[] := '{P1,P1,P1,P1,P2,P2,P2,P3}';
    courses1 constant text[] := '{01,02,03,04,05,06}';
    courses2 constant text[] := '{11,12,13,14,15}';
    courses3 constant text[] := '{21,22}';
    -- Where each injured region sits on the body charts (front x, y; back x, y).
    region_xy constant integer[] := '{{334,40,334,40},{334,110,334,150},{230,150,440,150},{180,300,490,300},
                                      {334,220,334,230},{300,390,300,390},{300,460,300,460}}';
    ski_names constant text[] := '{스키,스키,스키,스노보드,스노보드,텔레마크,썰매}';
    d       date;
    day_key text;
    n       integer;
    k       integer;
    h       bytea;
    peak    text;
    course  text;
    hh      integer;
    mm      integer;
    t       text;
    age     integer;
    sex     text;
    region  integer;
    birth   integer;
    season  date := make_date(extract(year FROM current_date)::integer
                              - CASE WHEN extract(month FROM current_date) = 12 THEN 0 ELSE 1 END, 12, 1);
BEGIN
    FOR d IN SELECT DISTINCT x::date FROM (
                 SELECT generate_series(season - interval '1 year', season - interval '1 year' + interval '104 days',
                                        interval '1 day')
                 UNION ALL
                 SELECT generate_series(season, LEAST(current_date, season + 104), interval '1 day')
                 UNION ALL
                 SELECT current_date) AS s(x)
    LOOP
        day_key := to_char(d, 'YYYYMMDD');
        n := CASE WHEN d = current_date THEN 3 ELSE get_byte(decode(md5(day_key), 'hex'), 0) % 5 END;
        FOR k IN 1..n LOOP
            h := decode(md5(day_key || ':' || k), 'hex') || decode(md5(k || ':' || day_key), 'hex');
            peak := peaks[1 + get_byte(h, 1) % 8];
            course := CASE peak WHEN 'P1' THEN courses1[1 + get_byte(h, 2) % 6]
                                WHEN 'P2' THEN courses2[1 + get_byte(h, 2) % 5]
                                ELSE courses3[1 + get_byte(h, 2) % 2] END;
            hh := (ARRAY[7, 9, 10, 10, 11, 11, 12, 13, 14, 14, 15, 15, 16, 17, 19, 20, 21, 22, 23, 6])
                  [1 + get_byte(h, 3) % 20];
            mm := get_byte(h, 4) % 60;
            IF hh = 6 THEN mm := 30 + mm % 30; END IF;
            t := lpad(hh::text, 2, '0') || lpad(mm::text, 2, '0');
            age := 6 + get_byte(h, 5) % 70;
            sex := (1 + get_byte(h, 6) % 2)::text;
            region := 1 + get_byte(h, 7) % 7;
            birth := extract(year FROM d)::integer - age;
            INSERT INTO ee010ms (
                trob_date, trob_no, peak_gubun, in_name, trob_time, trob_time_gubun, weather_stat_gubun,
                temperature, tp_course_gubun, tp_lift_gubun, tp_detail_desc, tp_courselevel_gubun, tp_snow_gugubn,
                tp_snowkind_gubun, tp_classify_gubun, in_sex, in_age, in_height, in_weight, in_zip_code,
                in_addr1, in_addr2, in_id_no, in_tel_no, in_job, in_position_gubun, in_detail_gubun,
                in_stat_gubun, in_cause_gubun, in_factor_gubun, in_level_gubun, in_dayski_gubun,
                in_dayuse_gubun, in_lecture_gubun, in_ski_name, in_ski_size_gubun, in_boots_size_gubun,
                in_rent_gubun, in_rent_place, in_binding_test_gubun, in_ski_loose_gubun, in_binding_strength_gubun,
                in_binding_left_f, in_binding_left_b, in_binding_right_f, in_binding_right_b,
                wi_name, wi_tel_no, wi_trob_detail, pt_photo_gubun, ev_method_gubun, ev_means_gubun,
                me_spot_time, me_name, me_tel_no, me_emergency, me_medical_time, me_medical_name, me_patient_stat, me_after,
                te_means_gubun, te_object_gubun, co_name, co_tel_no,
                trob_point_x, trob_point_y, region_f_x, region_f_y, region_b_x, region_b_y,
                au_emp_no, au_ip)
            VALUES (
                day_key, k, peak,
                surnames[1 + get_byte(h, 8) % 18] || givens[1 + get_byte(h, 9) % 16],
                t,
                CASE WHEN t BETWEEN '0630' AND '0830' THEN '4' WHEN t <= '1200' THEN '1'
                     WHEN t <= '1630' THEN '2' WHEN t <= '2200' THEN '3' ELSE '5' END,
                lpad((1 + get_byte(h, 10) % 6)::text, 2, '0'),
                -18 + get_byte(h, 11) % 22,
                course,
                lpad((1 + get_byte(h, 12) % 7)::text, 2, '0'),
                places[1 + get_byte(h, 13) % 7],
                lpad((1 + get_byte(h, 14) % 4)::text, 2, '0'),
                lpad((1 + get_byte(h, 15) % 3)::text, 2, '0'),
                lpad((1 + get_byte(h, 16) % 4)::text, 2, '0'),
                lpad((1 + get_byte(h, 17) % 3)::text, 2, '0'),
                sex, age::text,
                CASE WHEN age < 13 THEN 120 + age * 3 ELSE 155 + get_byte(h, 18) % 35 END::text,
                CASE WHEN age < 13 THEN 20 + age * 2 ELSE 45 + get_byte(h, 19) % 45 END::text,
                lpad((10000 + get_byte(h, 20) * 300)::text, 6, '0'),
                kest_private.enc((ARRAY['서울특별시 강남구 테헤란로 ', '경기도 성남시 분당구 ', '강원도 평창군 대관령면 ',
                                        '부산광역시 해운대구 ', '인천광역시 연수구 '])[1 + get_byte(h, 21) % 5]),
                kest_private.enc((1 + get_byte(h, 22) % 300)::text || '번지'),
                kest_private.enc(lpad((birth % 100)::text, 2, '0') || lpad((1 + get_byte(h, 23) % 12)::text, 2, '0')
                                 || lpad((1 + get_byte(h, 24) % 28)::text, 2, '0')
                                 || CASE WHEN birth >= 2000 THEN (2 + sex::integer)::text ELSE sex END
                                 || lpad((get_byte(h, 25) * 24 + get_byte(h, 26))::text, 6, '0')),
                kest_private.enc('010-' || lpad((get_byte(h, 27) * 37 % 10000)::text, 4, '0') || '-'
                                 || lpad((get_byte(h, 28) * 39 % 10000)::text, 4, '0')),
                (ARRAY['학생', '회사원', '자영업', '공무원', '주부', '무직'])[1 + get_byte(h, 29) % 6],
                lpad(region::text, 2, '0'),
                (ARRAY['01', '03', '04', '07', '09', '12', '14'])[region],
                (ARRAY['01', '02', '02', '04', '04', '06', '03', '05', '99'])[1 + get_byte(h, 30) % 9],
                (ARRAY['01', '01', '01', '02', '03', '04', '05', '99'])[1 + get_byte(h, 31) % 8],
                lpad((1 + get_byte(h, 0) % 5)::text, 2, '0'),
                lpad((1 + get_byte(h, 1) % 4)::text, 2, '0'),
                lpad((1 + get_byte(h, 2) % 3)::text, 2, '0'),
                lpad((1 + get_byte(h, 3) % 3)::text, 2, '0'),
                lpad((1 + get_byte(h, 4) % 3)::text, 2, '0'),
                ski_names[1 + get_byte(h, 5) % 7],
                NULL, (225 + 5 * (get_byte(h, 6) % 15))::text,
                lpad((1 + get_byte(h, 7) % 2)::text, 2, '0'),
                CASE WHEN get_byte(h, 7) % 2 = 1 THEN '본관 대여점' END,
                lpad((1 + get_byte(h, 8) % 2)::text, 2, '0'),
                lpad((1 + get_byte(h, 9) % 3)::text, 2, '0'),
                lpad((1 + get_byte(h, 10) % 3)::text, 2, '0'),
                3 + get_byte(h, 11) % 8, 3 + get_byte(h, 11) % 8, 3 + get_byte(h, 12) % 8, 3 + get_byte(h, 12) % 8,
                CASE WHEN get_byte(h, 13) % 3 = 0 THEN '목격자' || k END,
                CASE WHEN get_byte(h, 13) % 3 = 0 THEN kest_private.enc('010-5555-' || lpad(k::text, 4, '0')) END,
                CASE WHEN get_byte(h, 13) % 3 = 0 THEN '내려오다 넘어지는 것을 보았음' END,
                (ARRAY['Y', 'N'])[1 + get_byte(h, 14) % 2],
                lpad((1 + get_byte(h, 15) % 4)::text, 2, '0'),
                lpad((1 + get_byte(h, 16) % 4)::text, 2, '0'),
                to_char(make_time(hh, mm, 0) + interval '9 minutes', 'HH24MI'),
                (ARRAY['강순찰', '유구조', '노안전', '백설원'])[1 + get_byte(h, 17) % 4],
                kest_private.enc('033-330-' || (7100 + get_byte(h, 17) % 4)::text),
                first_aid[1 + get_byte(h, 18) % 5],
                to_char(make_time(hh, mm, 0) + interval '25 minutes', 'HH24MI'),
                '의무실 간호사',
                (ARRAY['의식 명료', '통증 호소', '부종 있음', '출혈 멈춤'])[1 + get_byte(h, 19) % 4],
                (ARRAY['응급처치 후 귀가', '병원 진료 권유', '부목 교체', '휴식 후 귀가'])[1 + get_byte(h, 20) % 4],
                lpad((1 + get_byte(h, 21) % 4)::text, 2, '0'),
                lpad((1 + get_byte(h, 22) % 4)::text, 2, '0'),
                CASE WHEN get_byte(h, 31) % 8 IN (3) THEN '충돌자' || k END,
                CASE WHEN get_byte(h, 31) % 8 IN (3) THEN kest_private.enc('010-7777-' || lpad(k::text, 4, '0')) END,
                40 + get_byte(h, 23) % 2 * 320 + get_byte(h, 24) % 280, 40 + get_byte(h, 25) % 420,
                region_xy[region][1] + get_byte(h, 26) % 20 - 10, region_xy[region][2],
                region_xy[region][3] + get_byte(h, 27) % 20 - 10, region_xy[region][4],
                'DEMO', '127.0.0.1');
        END LOOP;
    END LOOP;
END
$$;
