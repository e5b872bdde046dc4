-- Season lockers: the blocks of a season (eh010ms), one row per locker
-- (eh020ms) and the penalty records of cancelled sales (eh030ms). Locker
-- numbers are digits as text without leading zeros, so that their numeric
-- order is the order of the lists. Code columns hold the DETAIL of their
-- group in zx010ms; PAY_CODE holds the label of its "C0003" row as the list
-- shows it. M_IDNO and M_TOPHONE hold the encrypted form (kest_private.enc)
-- and are read through fn_za010ms_04.
CREATE TABLE eh010ms (
    season_year  varchar(4)  NOT NULL CHECK (season_year ~ '^[0-9]{4}$'),
    seq_no       integer     NOT NULL CHECK (seq_no BETWEEN 1 AND 9999),
    location     varchar(16) NOT NULL,
    area_zone    varchar(16) NOT NULL,
    locker_type  varchar(16) NOT NULL,
    unit_amt     bigint      NOT NULL CHECK (unit_amt BETWEEN 0 AND 9999999999),
    member_amt   bigint      NOT NULL CHECK (member_amt BETWEEN 0 AND 9999999999),
    beginning_no integer     NOT NULL CHECK (beginning_no BETWEEN 1 AND 9999),
    locker_qty   integer     NOT NULL CHECK (locker_qty BETWEEN 1 AND 9999),
    au_emp_no    varchar(20),
    au_ip        varchar(60),
    au_date      timestamp(0),
    PRIMARY KEY (season_year, seq_no),
    CHECK (beginning_no + locker_qty - 1 <= 9999)
);

CREATE TABLE eh020ms (
    season_year      varchar(4)  NOT NULL CHECK (season_year ~ '^[0-9]{4}$'),
    location         varchar(16) NOT NULL,
    area_zone        varchar(16) NOT NULL,
    locker_type      varchar(16) NOT NULL,
    locker_no        varchar(4)  NOT NULL CHECK (locker_no ~ '^[1-9][0-9]{0,3}$'),
    unit_amt         bigint      NOT NULL CHECK (unit_amt BETWEEN 0 AND 9999999999),
    member_amt       bigint      NOT NULL CHECK (member_amt BETWEEN 0 AND 9999999999),
    sale_date        varchar(8)  CHECK (sale_date ~ '^[0-9]{8}$'),
    m_id             varchar(40),
    m_name           varchar(20),
    m_idno           text,
    m_tophone        text,
    pay_code         varchar(100),
    sale_amt         bigint      CHECK (sale_amt BETWEEN 0 AND 9999999999),
    ipgum_amt        bigint      CHECK (ipgum_amt BETWEEN 0 AND 9999999999),
    ipgum_yn         varchar(1)  CHECK (ipgum_yn IN ('Y', 'N')),
    assurance_amt    bigint      CHECK (assurance_amt BETWEEN 0 AND 9999999999),
    key_receipt_date varchar(8)  CHECK (key_receipt_date ~ '^[0-9]{8}$'),
    key_restore_date varchar(8)  CHECK (key_restore_date ~ '^[0-9]{8}$'),
    dc_remarks       varchar(100),
    use_yn           varchar(1)  NOT NULL DEFAULT 'N' CHECK (use_yn IN ('Y', 'N', 'C')),
    -- Card approval and payment state: written by the payment side, never
    -- by the counters' procedures (a move carries them with the sale).
    terminal_id      varchar(40),
    approval_no      varchar(40),
    approval_time    varchar(40),
    acquire_code     varchar(40),
    card_issuer      varchar(60),
    result           varchar(40),
    result_msg       varchar(200),
    status_flag      varchar(40),
    fappstate        varchar(40),
    freservestate    varchar(40),
    fcompletecode    varchar(40),
    fbank            varchar(60),
    card_seq_no      varchar(40),
    card_join_no     varchar(40),
    au_emp_no        varchar(20),
    au_ip            varchar(60),
    au_date          timestamp(0),
    PRIMARY KEY (season_year, locker_no)
);
CREATE INDEX eh020ms_sale_date ON eh020ms (sale_date) WHERE sale_date IS NOT NULL;

CREATE TABLE eh030ms (
    season_year  varchar(4)  NOT NULL CHECK (season_year ~ '^[0-9]{4}$'),
    seq_no       integer     NOT NULL CHECK (seq_no >= 1),
    cancel_date  varchar(8)  NOT NULL CHECK (cancel_date ~ '^[0-9]{8}$'),
    location     varchar(16) NOT NULL,
    area_zone    varchar(16) NOT NULL,
    locker_type  varchar(16) NOT NULL,
    locker_no    varchar(4)  NOT NULL,
    m_name       varchar(20),
    sale_date    varchar(8),
    sale_amt     bigint,
    penalty_amt  bigint      NOT NULL CHECK (penalty_amt >= 0),
    ipgum_date   varchar(8)  CHECK (ipgum_date ~ '^[0-9]{8}$'),
    pay_code     varchar(100),
    ipgum_amt    bigint      CHECK (ipgum_amt >= 0),
    penalty_yn   varchar(1)  NOT NULL DEFAULT 'N' CHECK (penalty_yn IN ('Y', 'N')),
    return_date  varchar(8)  CHECK (return_date ~ '^[0-9]{8}$'),
    return_amt   bigint      CHECK (return_amt >= 0),
    au_emp_no    varchar(20),
    au_ip        varchar(60),
    au_date      timestamp(0),
    PRIMARY KEY (season_year, seq_no)
);
