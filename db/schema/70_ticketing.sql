-- Tables of the ticketing and point-of-sale system that the sales
-- statistics read. That system owns and writes them; the counters only read.
-- Outlets are ja010ms (00_suite.sql).

-- Sales lines: one per item of a bill. ACCEPT_MEMBER_NO is the customer
-- account the sale was made for; its first characters give the customer class.
CREATE TABLE ia010ms (
    sale_date        varchar(8)  NOT NULL,
    upjang_code      varchar(10) NOT NULL,
    pos_no           varchar(2)  NOT NULL,
    bill_no          varchar(10) NOT NULL,
    bill_seq         integer     NOT NULL,
    menu_code        varchar(8)  NOT NULL,
    menu_item1       varchar(10),
    menu_item2       varchar(10),
    menu_item3       varchar(10),
    menu_item4       varchar(10),
    menu_item5       varchar(10),
    ticket_kind      varchar(10),
    unit_amt         numeric(10) NOT NULL DEFAULT 0,
    dc_rate          numeric(3)  NOT NULL DEFAULT 0,
    sale_qty         numeric(5)  NOT NULL DEFAULT 0,
    sale_amt         numeric(10) NOT NULL DEFAULT 0,
    accept_member_no varchar(20),
    PRIMARY KEY (sale_date, upjang_code, pos_no, bill_no, bill_seq)
);
-- The statistics read one outlet over a period, or every outlet over a
-- period; one outlet's lines come in the line list's order without a sort.
CREATE INDEX ia010ms_upjang_date ON ia010ms (upjang_code, sale_date, pos_no, bill_no, bill_seq);
CREATE INDEX ia010ms_date ON ia010ms (sale_date);

-- Menus per outlet: the sales type, ticket kind and adult/child class
-- (DAESO_CODE '1' adult, '2' child, 'Z' no distinction) of a menu.
CREATE TABLE jb010ms (
    upjang_code varchar(10)  NOT NULL,
    menu_code   varchar(8)   NOT NULL,
    menu_item1  varchar(10)  NOT NULL DEFAULT '',
    menu_item2  varchar(10)  NOT NULL DEFAULT '',
    menu_item3  varchar(10)  NOT NULL DEFAULT '',
    menu_item4  varchar(10)  NOT NULL DEFAULT '',
    menu_item5  varchar(10)  NOT NULL DEFAULT '',
    menu_name   varchar(100),
    type_code_1 varchar(10),
    ticket_kind varchar(10),
    daeso_code  varchar(1),
    PRIMARY KEY (upjang_code, menu_code, menu_item1, menu_item2, menu_item3, menu_item4, menu_item5)
);
CREATE INDEX jb010ms_menu ON jb010ms (menu_code);

-- Sales types per outlet.
CREATE TABLE jb020ms (
    upjang_code varchar(10)  NOT NULL,
    type_code   varchar(10)  NOT NULL,
    type_name   varchar(100),
    PRIMARY KEY (upjang_code, type_code)
);

-- Events of the sales office; MARKET_CODE '024' is a camp.
CREATE TABLE fa010ms (
    event_no    varchar(20)  NOT NULL PRIMARY KEY,
    event_name  varchar(100),
    market_code varchar(10)
);

-- Gondola gate passages: one row per ticket read at a gate. TICKET_NO is
-- the ticket's number as printed; the ticket's sale is an ia010ms line of
-- the gondola's outlet.
CREATE TABLE ia020ms (
    pass_date   varchar(8)   NOT NULL,
    gate_code   varchar(10)  NOT NULL,
    pass_time   varchar(6)   NOT NULL,
    ticket_no   varchar(20)  NOT NULL,
    ticket_kind varchar(10),
    upjang_code varchar(10),
    PRIMARY KEY (pass_date, gate_code, pass_time, ticket_no)
);
CREATE INDEX ia020ms_date ON ia020ms (pass_date);
