-- Lessons: the tables the shared services and lookups read. The lesson
-- screens add their remaining columns. Dates are 'YYYYMMDD' text.

-- Ski school receipts; they come from outside this system.
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
    trainer_name         varchar(30),
    sex                  varchar(2),
    age                  varchar(3),
    lecture_item_gubun   varchar(2),
    lecture_rec_gubun    varchar(2),
    lecture_detail_gubun varchar(2),
    au_emp_no            varchar(20),
    au_ip                varchar(40),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (season_gubun, receipt_no, receipt_seq),
    FOREIGN KEY (season_gubun, receipt_no) REFERENCES ec020ms
);

-- Places open for staff bookings per date and lesson slot.
CREATE TABLE ec040ms (
    yaeyak_date          varchar(8)  NOT NULL,
    lecture_item_gubun   varchar(2)  NOT NULL,
    lecture_rec_gubun    varchar(2)  NOT NULL,
    lecture_detail_gubun varchar(2)  NOT NULL,
    yaeyak_ability_cnt   integer     NOT NULL DEFAULT 0,
    remark               varchar(500),
    au_emp_no            varchar(20),
    au_ip                varchar(40),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun)
);

-- Staff bookings: one row per employee, date and slot.
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
    au_ip                varchar(40),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun, emp_no)
);
