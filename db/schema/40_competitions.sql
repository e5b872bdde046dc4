-- Competitions and badge tests.

-- Badge test entrants; RECV_NO is issued by the server per season. ID_NO,
-- the telephone numbers and the address lines are stored encrypted.
CREATE TABLE ed020ms (
    season_gubun    varchar(2)  NOT NULL,
    recv_no         integer     NOT NULL,
    apply_date      varchar(8)  CHECK (apply_date <> ''),
    entry_name_kor  varchar(60),
    id_no           text,
    apply_class     varchar(2),
    au_emp_no       varchar(20),
    au_ip           varchar(60),
    au_date         timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    entry_name_chi  varchar(60),
    entry_name_eng  varchar(60),
    ski_skill       varchar(80),
    home_tel_no     text,
    home_fax_no     text,
    home_zip_code   varchar(6),
    home_addr1      text,
    home_addr2      text,
    office_tel_no   text,
    office_fax_no   text,
    office_zip_code varchar(6),
    office_addr1    text,
    office_addr2    text,
    mobile_no       text,
    email           varchar(80),
    apply_amt       bigint      CHECK (apply_amt BETWEEN 0 AND 9999999999),
    row_ver         integer     NOT NULL DEFAULT 1,
    PRIMARY KEY (season_gubun, recv_no)
);
