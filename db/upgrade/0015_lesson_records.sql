-- The lesson screens' tables: club enrolments, the trainees' remaining
-- columns, instructor assignments and the history of cancelled staff
-- bookings; names and remarks widened to hold Hangul whole (two bytes a
-- character); the skill group "E0025" for a server that lacks it.
SET search_path = ktuser, public;

CREATE TABLE IF NOT EXISTS ec010ms (
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

ALTER TABLE ec020dt
    ALTER COLUMN trainer_name TYPE varchar(60),
    ADD COLUMN IF NOT EXISTS member_no          varchar(10),
    ADD COLUMN IF NOT EXISTS id_no              text,
    ADD COLUMN IF NOT EXISTS zip_code           varchar(6),
    ADD COLUMN IF NOT EXISTS addr1              text,
    ADD COLUMN IF NOT EXISTS addr2              text,
    ADD COLUMN IF NOT EXISTS tel_no             text,
    ADD COLUMN IF NOT EXISTS mobile_no          text,
    ADD COLUMN IF NOT EXISTS train_test         varchar(1000),
    ADD COLUMN IF NOT EXISTS lecturer_view      varchar(1000),
    ADD COLUMN IF NOT EXISTS next_train_content varchar(1000),
    ADD COLUMN IF NOT EXISTS lecturer_emp_no    varchar(16),
    ADD COLUMN IF NOT EXISTS lecturer_name      varchar(60),
    ADD COLUMN IF NOT EXISTS spe_remark         varchar(1000),
    ADD COLUMN IF NOT EXISTS remark             varchar(1000);

CREATE TABLE IF NOT EXISTS ec030ms (
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

ALTER TABLE ec040ms ALTER COLUMN remark TYPE varchar(1000);

-- Bookings were compared trimmed; from now on they are stored so.
UPDATE ec050ms SET emp_no = btrim(emp_no) WHERE emp_no <> btrim(emp_no);

CREATE TABLE IF NOT EXISTS ec050hs (
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
CREATE INDEX IF NOT EXISTS ec050hs_slot ON ec050hs (yaeyak_date, lecture_item_gubun, lecture_rec_gubun,
                                                    lecture_detail_gubun);

INSERT INTO zx010ms (head, detail, detail_name)
SELECT v.* FROM (VALUES ('E0025', '01', '기초 자세'), ('E0025', '02', '회전'), ('E0025', '03', '모굴'),
                        ('E0025', '04', '레이싱')) AS v (head, detail, detail_name)
 WHERE NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = 'E0025');

RESET search_path;
