-- Equipment rental and storage: the tables the shared services read. The
-- equipment screens add their remaining columns. Dates are 'YYYYMMDD' text.

-- Course and lift operation records, one row per date and facility.
CREATE TABLE eb010ms (
    run_date         varchar(8)  NOT NULL,
    fac_gubun        varchar(2)  NOT NULL,
    fac_detail_gubun varchar(10) NOT NULL,
    run_yn           varchar(2),
    au_emp_no        varchar(20),
    au_ip            varchar(60),
    au_date          timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver          integer NOT NULL DEFAULT 1,
    PRIMARY KEY (run_date, fac_gubun, fac_detail_gubun)
);

-- The rental equipment register. An item out on a multi-day rental has
-- SVRL_RENT_YN 'Y'.
CREATE TABLE eb020ms (
    area_gubun       varchar(2)  NOT NULL,
    equip_gubun      varchar(2)  NOT NULL,
    equip_no         varchar(5)  NOT NULL,
    equip_size_gubun varchar(10),
    equip_rent_yn    char(1)     NOT NULL DEFAULT 'Y' CHECK (equip_rent_yn IN ('Y', 'N')),
    svrl_rent_yn     char(1)     NOT NULL DEFAULT 'N' CHECK (svrl_rent_yn IN ('Y', 'N')),
    svrl_from_date   varchar(8)  CHECK (svrl_from_date <> ''),
    buy_date         varchar(8)  CHECK (buy_date ~ '^[0-9]{8}$'),
    remark           varchar(60) CHECK (remark <> ''),
    au_emp_no        varchar(20),
    au_ip            varchar(60),
    au_date          timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver          integer NOT NULL DEFAULT 1, -- the version a screen read: each change raises it
    PRIMARY KEY (area_gubun, equip_gubun, equip_no)
);

-- Rental heads; RENT_NO is issued by the server.
CREATE TABLE eb040ms (
    rent_date       varchar(8)  NOT NULL,
    area_gubun      varchar(2)  NOT NULL,
    rent_no         bigint      NOT NULL,
    deal_name       varchar(30),
    keep_kind_gubun varchar(10),
    keep_box_no     varchar(5),
    au_emp_no       varchar(20),
    au_ip           varchar(60),
    au_date         timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver         integer NOT NULL DEFAULT 1,
    draft_no        bigint, -- the provisional number a new head was saved under, until its commit numbered it
    PRIMARY KEY (rent_date, area_gubun, rent_no)
);

-- Rental rows; RENT_SEQ is issued by the server.
CREATE TABLE eb040dt (
    rent_date   varchar(8)  NOT NULL,
    area_gubun  varchar(2)  NOT NULL,
    rent_no     bigint      NOT NULL,
    rent_seq    integer     NOT NULL,
    ticket_kind varchar(10),
    rent_stat   varchar(2),
    equip_gubun varchar(2),
    equip_no    varchar(5),
    rent_name   varchar(30),
    tel_no      text,        -- personal: kest_private.enc, read with fn_za010ms_04
    height      integer,
    weight      integer,
    shoes_size  varchar(10),
    binding     integer,
    zip_code    varchar(6),
    addr1       text,        -- personal
    addr2       text,        -- personal
    svrl_rent_from_date varchar(8) CHECK (svrl_rent_from_date <> ''),
    svrl_rent_to_date   varchar(8) CHECK (svrl_rent_to_date <> ''),
    remark      varchar(60),
    au_emp_no   varchar(20),
    au_ip       varchar(60),
    au_date     timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver     integer NOT NULL DEFAULT 1,
    rent_time   varchar(4),  -- HHMM on the server's clock when the row was first saved
    PRIMARY KEY (rent_date, area_gubun, rent_no, rent_seq),
    -- A new head's provisional number becomes its real one at the end of its save.
    FOREIGN KEY (rent_date, area_gubun, rent_no) REFERENCES eb040ms ON UPDATE CASCADE
);
CREATE INDEX eb040dt_item ON eb040dt (rent_date, area_gubun, equip_gubun, equip_no);
-- An item is out (D) or on a multi-day rental (S) at most once a day, whatever
-- the isolation a session runs at: the procedures check it first, this
-- decides between two counters that checked at the same moment.
CREATE UNIQUE INDEX eb040dt_open_item ON eb040dt (rent_date, area_gubun, equip_gubun, equip_no)
    WHERE rent_stat IN ('D', 'S');

-- Items a counter has picked for a rental row that is not saved yet. The
-- holder is the counter (employee and workstation) that picked the item:
-- only it may release the hold. AU_DATE is when the hold was taken; an old
-- hold lapses (kest_private.settings), so a counter that died keeps nothing.
-- Screens read the holds in force through eb020tm_live.
CREATE TABLE eb020tm (
    rent_date   varchar(8)  NOT NULL,
    area_gubun  varchar(2)  NOT NULL,
    equip_gubun varchar(2)  NOT NULL,
    equip_no    varchar(5)  NOT NULL,
    au_emp_no   varchar(20) NOT NULL,
    au_ip       varchar(60),
    au_date     timestamp(0) NOT NULL DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (rent_date, area_gubun, equip_gubun, equip_no)
);

-- Base stock of rental boots per area and boot size ("E0011").
CREATE TABLE eb030ms (
    area_gubun       varchar(2)  NOT NULL,
    boots_size_gubun varchar(10) NOT NULL,
    stock_qty        integer     NOT NULL DEFAULT 0 CHECK (stock_qty BETWEEN 0 AND 9999),
    au_emp_no        varchar(20),
    au_ip            varchar(60),
    au_date          timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver          integer NOT NULL DEFAULT 1,
    PRIMARY KEY (area_gubun, boots_size_gubun)
);
