-- The time of a rental, HHMM on the server's clock, for the hourly report.
-- Rows stored before it was kept have no time: their last change is not
-- when they were rented.
ALTER TABLE ktuser.eb040dt ADD COLUMN IF NOT EXISTS rent_time varchar(4);
