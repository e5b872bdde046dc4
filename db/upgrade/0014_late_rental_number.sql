-- A new rental's number is taken at the end of its save instead of at its
-- head: the head and its rows wait under a provisional number, which the
-- rows follow when it changes.
CREATE SEQUENCE kest_private.rental_draft;
ALTER TABLE ktuser.eb040dt DROP CONSTRAINT eb040dt_rent_date_area_gubun_rent_no_fkey,
    ADD CONSTRAINT eb040dt_rent_date_area_gubun_rent_no_fkey FOREIGN KEY (rent_date, area_gubun, rent_no)
        REFERENCES ktuser.eb040ms ON UPDATE CASCADE;
