-- A new rental's number is taken as its save commits instead of at its
-- head: the head and its rows wait under a provisional number, which the
-- rows follow when it changes, and the head keeps it (draft_no) so that the
-- counter can ask for the real one once committed.
CREATE SEQUENCE kest_private.rental_draft;
ALTER TABLE ktuser.eb040ms ADD COLUMN draft_no bigint;
ALTER TABLE ktuser.eb040dt DROP CONSTRAINT eb040dt_rent_date_area_gubun_rent_no_fkey,
    ADD CONSTRAINT eb040dt_rent_date_area_gubun_rent_no_fkey FOREIGN KEY (rent_date, area_gubun, rent_no)
        REFERENCES ktuser.eb040ms ON UPDATE CASCADE;
