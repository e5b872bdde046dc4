-- Private lessons, lesson accidents, partner-group lesson days, the
-- Interski register, its weekday places and bookings; the weekday names
-- "Z0011" for a server that lacks them.
SET search_path = ktuser, public;

-- Private lessons of a day; SEQ_NO is issued by the server per date.
CREATE TABLE IF NOT EXISTS ec060ms (
    lecture_date         varchar(8)   NOT NULL,
    seq_no               integer      NOT NULL,
    lecturer_name        varchar(60)  NOT NULL,
    tel_no               varchar(40),
    issue_no             varchar(40),
    lecture_item_gubun   varchar(2),
    lecture_rec_gubun    varchar(2),
    lecture_detail_gubun varchar(2),
    lecture_amt          bigint       NOT NULL DEFAULT 0 CHECK (lecture_amt >= 0),
    remark               varchar(80),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (lecture_date, seq_no)
);

-- Lesson accidents of a day; SEQ_NO is issued by the server per date. The
-- parties' resident numbers, phones and addresses hold kest_private.enc text.
CREATE TABLE IF NOT EXISTS ec070ms (
    trob_date        varchar(8)   NOT NULL,
    seq_no           integer      NOT NULL,
    trob_name        varchar(80)  NOT NULL,
    lecturer_emp_no  varchar(10)  NOT NULL,
    lecturer_name    varchar(60),
    trob_time        varchar(4)   NOT NULL CHECK (trob_time ~ '^([01][0-9]|2[0-3])[0-5][0-9]$'),
    trob_place       varchar(80)  NOT NULL,
    loss_name        varchar(60),
    loss_job         varchar(80),
    loss_tel_no      text,
    loss_id_no       text,
    loss_zip_code    varchar(6),
    loss_addr1       text,
    loss_addr2       text,
    offense_name     varchar(60),
    offense_job      varchar(80),
    offense_tel_no   text,
    offense_id_no    text,
    offense_zip_code varchar(6),
    offense_addr1    text,
    offense_addr2    text,
    trob_remark      varchar(160),
    trob_injury      varchar(160),
    trob_after       varchar(160),
    trob_witnesses   varchar(160),
    au_emp_no        varchar(20),
    au_ip            varchar(60),
    au_date          timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (trob_date, seq_no)
);

-- A partner group's trainees and instructors of a lesson day: discipline
-- (ski, board, children) by time of day (morning, afternoon, night, dawn).
CREATE TABLE IF NOT EXISTS ec080ms (
    event_no             varchar(20) NOT NULL,
    lecture_date         varchar(8)  NOT NULL,
    trainer_cnt_ski_am   integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_ski_am >= 0),
    trainer_cnt_ski_pm   integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_ski_pm >= 0),
    trainer_cnt_ski_nt   integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_ski_nt >= 0),
    trainer_cnt_ski_dn   integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_ski_dn >= 0),
    trainer_cnt_board_am integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_board_am >= 0),
    trainer_cnt_board_pm integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_board_pm >= 0),
    trainer_cnt_board_nt integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_board_nt >= 0),
    trainer_cnt_board_dn integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_board_dn >= 0),
    trainer_cnt_baby_am  integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_baby_am >= 0),
    trainer_cnt_baby_pm  integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_baby_pm >= 0),
    trainer_cnt_baby_nt  integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_baby_nt >= 0),
    trainer_cnt_baby_dn  integer NOT NULL DEFAULT 0 CHECK (trainer_cnt_baby_dn >= 0),
    lecturer_cnt_ski_am   integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_ski_am >= 0),
    lecturer_cnt_ski_pm   integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_ski_pm >= 0),
    lecturer_cnt_ski_nt   integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_ski_nt >= 0),
    lecturer_cnt_ski_dn   integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_ski_dn >= 0),
    lecturer_cnt_board_am integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_board_am >= 0),
    lecturer_cnt_board_pm integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_board_pm >= 0),
    lecturer_cnt_board_nt integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_board_nt >= 0),
    lecturer_cnt_board_dn integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_board_dn >= 0),
    lecturer_cnt_baby_am  integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_baby_am >= 0),
    lecturer_cnt_baby_pm  integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_baby_pm >= 0),
    lecturer_cnt_baby_nt  integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_baby_nt >= 0),
    lecturer_cnt_baby_dn  integer NOT NULL DEFAULT 0 CHECK (lecturer_cnt_baby_dn >= 0),
    au_emp_no            varchar(20),
    au_ip                varchar(60),
    au_date              timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (event_no, lecture_date)
);

-- The Interski instructors of a season year; kept outside this system.
CREATE TABLE IF NOT EXISTS ec090ms (
    season_year varchar(4)  NOT NULL,
    coach_no    integer     NOT NULL,
    coach_name  varchar(60) NOT NULL,
    coach_level varchar(2),
    use_yn      varchar(1)  NOT NULL DEFAULT 'Y' CHECK (use_yn IN ('Y', 'N')),
    PRIMARY KEY (season_year, coach_no)
);

-- An instructor's places per weekday ('1' Sunday .. '7' Saturday): the most
-- trainees and the places still free.
CREATE TABLE IF NOT EXISTS ec090dt (
    season_year    varchar(4) NOT NULL,
    coach_no       integer    NOT NULL,
    class_day_code varchar(1) NOT NULL CHECK (class_day_code BETWEEN '1' AND '7'),
    tot_cls_cnt    integer    NOT NULL DEFAULT 0 CHECK (tot_cls_cnt BETWEEN 0 AND 999),
    re_cls_cnt     integer    NOT NULL DEFAULT 0 CHECK (re_cls_cnt BETWEEN 0 AND 999),
    au_emp_no      varchar(20),
    au_ip          varchar(60),
    au_date        timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (season_year, coach_no, class_day_code),
    FOREIGN KEY (season_year, coach_no) REFERENCES ec090ms
);

-- Interski bookings of a season year. Most arrive from outside with their
-- numbers; a booking holds a place of its instructor's weekday while it is
-- confirmed (FIX_YN 'Y') and not cancelled (STATUS_CODE 'C').
CREATE TABLE IF NOT EXISTS ec100ms (
    season_year    varchar(4)  NOT NULL,
    rsv_no         bigint      NOT NULL,
    status_code    varchar(1)  CHECK (status_code IN ('R', 'U', 'C')),
    fix_yn         varchar(1)  NOT NULL DEFAULT 'N' CHECK (fix_yn IN ('Y', 'N')),
    app_date       varchar(20),
    guest_name     varchar(60),
    guest_id       varchar(40),
    student_name   varchar(60),
    guest_tel      varchar(40),
    student_age    varchar(3),
    coach_no       integer,
    class_day_code varchar(1)  CHECK (class_day_code BETWEEN '1' AND '7'),
    remarks        varchar(200),
    au_emp_no      varchar(20),
    au_ip          varchar(60),
    au_date        timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (season_year, rsv_no)
);
CREATE INDEX IF NOT EXISTS ec100ms_place ON ec100ms (season_year, coach_no, class_day_code);

INSERT INTO zx010ms (head, detail, detail_name)
SELECT v.* FROM (VALUES ('Z0011', '1', '일요일'), ('Z0011', '2', '월요일'), ('Z0011', '3', '화요일'),
                        ('Z0011', '4', '수요일'), ('Z0011', '5', '목요일'), ('Z0011', '6', '금요일'),
                        ('Z0011', '7', '토요일')) AS v (head, detail, detail_name)
 WHERE NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = 'Z0011');

RESET search_path;
