-- The suite's member master; this module registers the members whose
-- number begins with '20' (pr_egi020_01). Personal columns hold the
-- encrypted form, as in bb010ms; read them through fn_za010ms_04.
-- ID_NO_HASH is a keyed hash of the resident number, so that a number
-- already registered is found by the index instead of by decrypting every
-- row; db/rekey.sql renews it with the key.
CREATE TABLE ba040ms (
    member_no         varchar(20) NOT NULL PRIMARY KEY,
    member_name       varchar(60) NOT NULL,
    member_name_eng   varchar(60),
    id_no             text,
    sex_code          varchar(1),
    nation_code       varchar(10),
    password_no       text,
    birth_day         varchar(8),
    calendar_code     varchar(2),
    memorial_day      varchar(8),
    memorial_day_code varchar(2),
    main_member_no    varchar(20),
    job_code          varchar(10),
    company_name      varchar(100),
    post_name         varchar(60),
    office_position   varchar(60),
    e_mail            varchar(100),
    home_tel          text,
    home_fax          text,
    office_tel        text,
    office_fax        text,
    mobile_tel        text,
    home_post         varchar(6),
    home_address1     text,
    home_address2     text,
    office_post       varchar(6),
    office_address1   text,
    office_address2   text,
    use_date_from     varchar(8),
    use_date_to       varchar(8),
    member_group_code varchar(10),
    guest_type        varchar(10),
    golf_code         varchar(10),
    use_room_type     varchar(10),
    member_remark     varchar(200),
    id_no_hash        bytea,
    au_emp_no         varchar(20),
    au_ip             varchar(60),
    au_date           timestamp(0) DEFAULT LOCALTIMESTAMP(0)
);
CREATE INDEX ba040ms_name ON ba040ms (member_name);
CREATE UNIQUE INDEX ba040ms_id_no_hash ON ba040ms (id_no_hash) WHERE id_no_hash IS NOT NULL;
