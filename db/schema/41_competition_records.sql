-- The competitions of a day, and the judging of the badge test entrants of
-- 40_competitions.sql.

-- The competitions of a day; SEQ_NO is issued by the server per date.
-- TEL_NO is stored encrypted.
CREATE TABLE ed010ms (
    game_date    varchar(8)  NOT NULL,
    seq_no       integer     NOT NULL,
    game_name    varchar(80) NOT NULL,
    society_name varchar(80),
    society_rep  varchar(60),
    tel_no       text,
    game_content varchar(160),
    game_scale   varchar(160),
    slope        varchar(2),
    slope_amt    bigint      CHECK (slope_amt BETWEEN 0 AND 9999999999),
    problem      varchar(160),
    remark       varchar(160),
    au_emp_no    varchar(20),
    au_ip        varchar(60),
    au_date      timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver      integer     NOT NULL DEFAULT 1,
    PRIMARY KEY (game_date, seq_no)
);

-- The three judges' scores of an entrant on a test day: one row per
-- entrant and day. The entrant cannot go while a row refers to it.
CREATE TABLE ed020dt (
    season_gubun    varchar(2)  NOT NULL,
    examine_date    varchar(8)  NOT NULL,
    recv_no         integer     NOT NULL,
    examiner_a      varchar(60),
    pflug_bogen_a   smallint    CHECK (pflug_bogen_a BETWEEN 0 AND 999),
    stem_turn_a     smallint    CHECK (stem_turn_a BETWEEN 0 AND 999),
    parallel_turn_a smallint    CHECK (parallel_turn_a BETWEEN 0 AND 999),
    wedern_turn_a   smallint    CHECK (wedern_turn_a BETWEEN 0 AND 999),
    middle_turn_a   smallint    CHECK (middle_turn_a BETWEEN 0 AND 999),
    gen_descent_a   smallint    CHECK (gen_descent_a BETWEEN 0 AND 999),
    examiner_b      varchar(60),
    pflug_bogen_b   smallint    CHECK (pflug_bogen_b BETWEEN 0 AND 999),
    stem_turn_b     smallint    CHECK (stem_turn_b BETWEEN 0 AND 999),
    parallel_turn_b smallint    CHECK (parallel_turn_b BETWEEN 0 AND 999),
    wedern_turn_b   smallint    CHECK (wedern_turn_b BETWEEN 0 AND 999),
    middle_turn_b   smallint    CHECK (middle_turn_b BETWEEN 0 AND 999),
    gen_descent_b   smallint    CHECK (gen_descent_b BETWEEN 0 AND 999),
    examiner_c      varchar(60),
    pflug_bogen_c   smallint    CHECK (pflug_bogen_c BETWEEN 0 AND 999),
    stem_turn_c     smallint    CHECK (stem_turn_c BETWEEN 0 AND 999),
    parallel_turn_c smallint    CHECK (parallel_turn_c BETWEEN 0 AND 999),
    wedern_turn_c   smallint    CHECK (wedern_turn_c BETWEEN 0 AND 999),
    middle_turn_c   smallint    CHECK (middle_turn_c BETWEEN 0 AND 999),
    gen_descent_c   smallint    CHECK (gen_descent_c BETWEEN 0 AND 999),
    au_emp_no       varchar(20),
    au_ip           varchar(60),
    au_date         timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    row_ver         integer     NOT NULL DEFAULT 1,
    PRIMARY KEY (season_gubun, examine_date, recv_no),
    CONSTRAINT ed020dt_entrant FOREIGN KEY (season_gubun, recv_no) REFERENCES ed020ms (season_gubun, recv_no)
);
