-- Private lessons, lesson accidents, partner-group lesson days, the
-- Interski register, its weekday places and bookings; the weekday names
-- "Z0011" for a server that lacks them.
SET search_path = ktuser, public;

\ir ../schema/31_lesson_days.sql

INSERT INTO zx010ms (head, detail, detail_name)
SELECT v.* FROM (VALUES ('Z0011', '1', '일요일'), ('Z0011', '2', '월요일'), ('Z0011', '3', '화요일'),
                        ('Z0011', '4', '수요일'), ('Z0011', '5', '목요일'), ('Z0011', '6', '금요일'),
                        ('Z0011', '7', '토요일')) AS v (head, detail, detail_name)
 WHERE NOT EXISTS (SELECT 1 FROM zx010ms WHERE head = 'Z0011');

RESET search_path;
