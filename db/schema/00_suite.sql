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
    au_ip       varchar(60),
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

-- Members (customer accounts, staff, partner groups) of the suite's member
-- register. Personal columns hold the encrypted form; read them through
-- fn_za010ms_04. A cancelled member has CANCEL_DATE set.
CREATE TABLE bb010ms (
    member_no         varchar(20)  NOT NULL PRIMARY KEY,
    member_name       varchar(60)  NOT NULL,
    member_group_code varchar(10)  NOT NULL,
    id_no             text,
    sex_code          varchar(2),
    cancel_date       varchar(8)   CHECK (cancel_date <> ''),
    main_member_name  varchar(60),
    member_info       varchar(200),
    home_tel          text,
    home_post         varchar(6),
    home_address1     text,
    home_address2     text,
    office_post       varchar(6),
    office_address1   text,
    office_address2   text,
    office_tel        text,
    mobile_tel        text
);
CREATE INDEX bb010ms_name ON bb010ms (member_name);

-- The suite's member view that most lookups read.
CREATE VIEW bb010ve AS
SELECT member_no, member_name, member_group_code, id_no, sex_code, cancel_date,
       main_member_name, member_info, home_tel, home_post, home_address1,
       home_address2, office_post, office_address1, office_address2,
       office_tel, mobile_tel
  FROM bb010ms;

-- Employees of the HR module. Instructors work in '81' and are in service
-- while EMP_STAY_CODE is '01'; EMP_POS_CODE '21' marks a permanent worker.
CREATE TABLE qa010ms (
    emp_no                 varchar(20) NOT NULL PRIMARY KEY,
    emp_k_name             varchar(60),
    emp_name               varchar(60),
    emp_work_grp_code      varchar(10),
    emp_work_grp_duty_code varchar(10),
    emp_work_code          varchar(10),
    emp_stay_code          varchar(10),
    emp_pos_code           varchar(10)
);

-- Day workers; an engagement without LAB_END_DATE ('YYYYMMDD') is open.
CREATE TABLE qg010ms (
    lab_no        varchar(20) NOT NULL PRIMARY KEY,
    lab_k_name    varchar(60),
    lab_work_grp  varchar(10),
    lab_work_duty varchar(10),
    lab_work_code varchar(10),
    lab_end_date  varchar(8) CHECK (lab_end_date <> '')
);

-- HR codes ("Q043" work teams, "Q044" grades).
CREATE TABLE zx900dt (
    grp_no    varchar(10)  NOT NULL,
    code_no   varchar(20)  NOT NULL,
    code_name varchar(100),
    PRIMARY KEY (grp_no, code_no)
);

-- Postal codes: one code covers several address lines, numbered by ZIP_SEQ.
CREATE TABLE zx030ms (
    zip_code varchar(6)   NOT NULL,
    zip_seq  integer      NOT NULL,
    address1 varchar(100),
    address2 varchar(100),
    address3 varchar(100),
    post_box varchar(100),
    PRIMARY KEY (zip_code, zip_seq)
);

-- Sales outlets of the point-of-sale system; type '50' are the sports outlets.
CREATE TABLE ja010ms (
    upjang_code varchar(10)  NOT NULL PRIMARY KEY,
    upjang_name varchar(100) NOT NULL,
    upjang_type varchar(2)   NOT NULL
);

-- The suite's calendar: one row per date, YOIL_CODE the weekday as 1
-- Sunday to 7 Saturday. The accident statistics count weekdays from it.
CREATE TABLE zx020ms (
    caln_date varchar(8) PRIMARY KEY CHECK (caln_date ~ '^[0-9]{8}$'),
    yoil_code varchar(1) NOT NULL CHECK (yoil_code BETWEEN '1' AND '7'),
    au_emp_no varchar(20),
    au_ip     varchar(60),
    au_date   timestamp(0) DEFAULT LOCALTIMESTAMP(0)
);
