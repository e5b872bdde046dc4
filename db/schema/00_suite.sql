-- Tables of the suite that this module reads: common codes, menus and
-- permissions. Other systems of the suite own and write them.

CREATE TABLE zx010ms (
    head        varchar(10)  NOT NULL,
    detail      varchar(20)  NOT NULL,
    detail_name varchar(100),
    item1  varchar(100), item2  varchar(100), item3  varchar(100),
    item4  varchar(100), item5  varchar(100), item6  varchar(100),
    item7  varchar(100), item8  varchar(100), item9  varchar(100),
    item10 varchar(100), item11 varchar(100), item12 varchar(100),
    item13 varchar(100), item14 varchar(100), item15 varchar(100),
    au_emp_no   varchar(20),
    au_ip       varchar(40),
    au_date     timestamp(0) DEFAULT LOCALTIMESTAMP(0),
    PRIMARY KEY (head, detail)
);

CREATE TABLE za040ms (
    project_id  varchar(20)  NOT NULL,
    menu_id     varchar(20)  NOT NULL,
    menu_name   varchar(100) NOT NULL,
    display_seq integer      NOT NULL DEFAULT 0,
    PRIMARY KEY (project_id, menu_id)
);

CREATE TABLE za050ms (
    project_id   varchar(20)  NOT NULL,
    menu_id      varchar(20)  NOT NULL,
    program_id   varchar(20)  NOT NULL,
    program_name varchar(100) NOT NULL,
    display_seq  integer      NOT NULL DEFAULT 0,
    PRIMARY KEY (project_id, menu_id, program_id),
    FOREIGN KEY (project_id, menu_id) REFERENCES za040ms
);

CREATE TABLE za130ms (
    emp_no        varchar(20) NOT NULL,
    project_id    varchar(20) NOT NULL,
    project_level varchar(10) NOT NULL,
    PRIMARY KEY (emp_no, project_id)
);

CREATE TABLE za140ms (
    project_id    varchar(20) NOT NULL,
    project_level varchar(10) NOT NULL,
    program_id    varchar(20) NOT NULL,
    PRIMARY KEY (project_id, project_level, program_id)
);

CREATE TABLE za150ms (
    emp_no     varchar(20) NOT NULL,
    project_id varchar(20) NOT NULL,
    program_id varchar(20) NOT NULL,
    add_yn     char(1)     NOT NULL CHECK (add_yn IN ('Y', 'N')),
    PRIMARY KEY (emp_no, project_id, program_id)
);
