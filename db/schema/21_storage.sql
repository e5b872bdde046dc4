-- Customers' own equipment left at the ski-storage counter. KEEP_NO is
-- issued by the server per season and area and only grows, so that a
-- re-read ordered by it keeps the stored rows first and the newest last.
-- Dates are 'YYYYMMDD' text. ADDR1, ADDR2, TEL_NO and MOBILE_NO hold the
-- encrypted form (kest_private.enc); screens read them through
-- fn_za010ms_04 under their own names.
CREATE TABLE eb050ms (
    season_gubun     varchar(2)  NOT NULL,
    area_gubun       varchar(2)  NOT NULL,
    keep_no          bigint      NOT NULL,
    keep_stat        varchar(1)  NOT NULL CHECK (keep_stat IN ('K', 'R')),
    ipgo_date        varchar(8)  NOT NULL,
    chulgo_date      varchar(8)  CHECK (chulgo_date <> ''),
    guest_no         varchar(10),
    guest_name       varchar(30),
    keep_gubun       varchar(2)  NOT NULL,
    equip_gubun      varchar(2)  NOT NULL,
    equip_name_gubun varchar(2)  NOT NULL,
    equip_name_etc   varchar(40),
    native_no        varchar(40) NOT NULL,
    poels_yn         varchar(1)  CHECK (poels_yn IN ('Y', 'N')),
    poels_name       varchar(40),
    member_no        varchar(10),
    keep_name        varchar(30) NOT NULL,
    zip_code         varchar(6),
    addr1            text,
    addr2            text,
    tel_no           text,
    mobile_no        text,
    keep_box_no      varchar(10) NOT NULL,
    remark           varchar(60),
    conf_question    varchar(80),
    conf_answer      varchar(80),
    au_emp_no        varchar(20),
    au_ip            varchar(60),
    au_date          timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver          integer NOT NULL DEFAULT 1,
    PRIMARY KEY (season_gubun, area_gubun, keep_no)
);
