-- Lessons: ski club and ski school records, instructor assignments, staff
-- bookings. Dates are 'YYYYMMDD' text; personal columns (resident number,
-- addresses, telephones) hold kest_private.enc text, read with
-- fn_za010ms_04. Text widths are CP949 bytes, checked by the procedures: a
-- Hangul character takes two.

-- Ski club enrolments of a season; LECTURE_NO is issued by the server.
CREATE TABLE ec010ms (
    season_gubun       varchar(2)   NOT NULL,
    lecture_no         integer      NOT NULL,
    member_no          varchar(10),
    trainer_name       varchar(60)  NOT NULL,
    enter_date         varchar(8)   NOT NULL,
    sex                varchar(2),
    age                varchar(3),
    id_no              text,
    zip_code           varchar(6),
    addr1              text,
    addr2              text,
    job                varchar(80),
    tel_no             text,
    mobile_no          text,
    email              varchar(40),
    player_exp         varchar(160),
    lecture_item_gubun varchar(2),
    lecture_rec_gubun  varchar(2),
    want_skill_gubun   varchar(2),
    use_ski_place      varchar(80),
    trainer_ability    varchar(160),
    enter_motive       varchar(160),
    lecturer_emp_no    varchar(16),
    lecturer_name      varchar(60),
    spe_remark         varchar(160),
    remark             varchar(160),
    au_emp_no          varchar(20),
    au_ip              varchar(60),
    au_date            timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (season_gubun, lecture_no)
);

-- Ski school receipts; they come from outside this system. The number is
-- digits, compared as a number (leading zeros aside).
CREATE TABLE ec020ms (
    season_gubun varchar(2)  NOT NULL,
    receipt_no   varchar(10) NOT NULL,
    enter_date   varchar(8)  CHECK (enter_date <> ''),
    receipt_name varchar(30),
    PRIMARY KEY (season_gubun, receipt_no)
);

-- Trainees of a receipt; RECEIPT_SEQ is issued by the server.
CREATE TABLE ec020dt (
    season_gubun         varchar(2)  NOT NULL,
    receipt_no           varchar(10) NOT NULL,
    receipt_seq          integer     NOT NULL,
    member_no            varchar(10),
    trainer_name         varchar(60),
    sex                  varchar(2),
    age                  varchar(3),
    id_no                text,
    zip_code             varchar(6),
    addr1                text,
    addr2                text,
    tel_no               text,
    mobile_no            text,
    lecture_item_gubun   varchar(2),
    lecture_rec_gubun    varchar(2),
    lecture_detail_gubun varchar(2),
    train_test           varchar(1000),
    lecturer_view        varchar(1000),
    next_train_content   varchar(1000),
    lecturer_emp_no      varchar(16),
    lecturer_name        varchar(60),
    spe_remark           varchar(1000),
    remark               varchar(1000),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (season_gubun, receipt_no, receipt_seq),
    FOREIGN KEY (season_gubun, receipt_no) REFERENCES ec020ms
);

-- Instructor assignments of a day: one per instructor, lesson area and
-- detail class.
CREATE TABLE ec030ms (
    lecture_date         varchar(8)   NOT NULL,
    lecturer_emp_no      varchar(16)  NOT NULL,
    area_gubun           varchar(2)   NOT NULL,
    lecture_detail_gubun varchar(2)   NOT NULL,
    lecturer_name        varchar(60),
    team                 varchar(16),
    lecturer_gubun       varchar(16),
    lecture_item_gubun   varchar(16),
    lecture_rec_gubun    varchar(2),
    lecture_cnt          integer      NOT NULL DEFAULT 0,
    remark               varchar(160),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (lecture_date, lecturer_emp_no, area_gubun, lecture_detail_gubun)
);

-- Places open for staff bookings per date and lesson slot.
CREATE TABLE ec040ms (
    yaeyak_date          varchar(8)  NOT NULL,
    lecture_item_gubun   varchar(2)  NOT NULL,
    lecture_rec_gubun    varchar(2)  NOT NULL,
    lecture_detail_gubun varchar(2)  NOT NULL,
    yaeyak_ability_cnt   integer     NOT NULL DEFAULT 0,
    remark               varchar(1000),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun)
);

-- Staff bookings: one row per employee, date and slot; EMP_NO is stored
-- trimmed.
CREATE TABLE ec050ms (
    yaeyak_date          varchar(8)  NOT NULL,
    lecture_item_gubun   varchar(2)  NOT NULL,
    lecture_rec_gubun    varchar(2)  NOT NULL,
    lecture_detail_gubun varchar(2)  NOT NULL,
    emp_no               varchar(20) NOT NULL,
    emp_name             varchar(60),
    yaeyak_cnt           integer     NOT NULL DEFAULT 0,
    remark               varchar(500),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no)
);

-- Cancelled staff bookings: the booking as it was (booked_* say who took
-- it, when and where), the reason, and who cancelled it, where and when.
CREATE TABLE ec050hs (
    cancel_seq           bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    yaeyak_date          varchar(8)  NOT NULL,
    lecture_item_gubun   varchar(2)  NOT NULL,
    lecture_rec_gubun    varchar(2)  NOT NULL,
    lecture_detail_gubun varchar(2)  NOT NULL,
    emp_no               varchar(20) NOT NULL,
    emp_name             varchar(60),
    yaeyak_cnt           integer     NOT NULL,
    remark               varchar(500),
    booked_emp_no        varchar(20),
    booked_ip            varchar(60),
    booked_date          timestamp(0),
    cancel_remark        varchar(80),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0)
);
CREATE INDEX ec050hs_slot ON ec050hs (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun);
