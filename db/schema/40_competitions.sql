-- Competitions and badge tests: the tables the shared services and lookups
-- read. The competition screens add their remaining columns.

-- Badge test entrants; RECV_NO is issued by the server. ID_NO holds the
-- encrypted resident number (13 digits when read).
CREATE TABLE ed020ms (
    season_gubun   varchar(2)  NOT NULL,
    recv_no        integer     NOT NULL,
    apply_date     varchar(8)  CHECK (apply_date <> ''),
    entry_name_kor varchar(30),
    id_no          text,
    apply_class    varchar(2),
    au_emp_no      varchar(20),
    au_ip          varchar(60),
    au_date        timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (season_gubun, recv_no)
);
