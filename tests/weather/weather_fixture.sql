-- Observations of 2025-01-09 and 2025-01-10. BASE1 ('A1') reads at 09:00,
-- 09:30 (most readings missing) and 10:00; KESTCC ('A6') only at 10:15;
-- BASE2 ('A2') not at all. On 2025-01-09 BASE1 has one observation with
-- every reading missing.
INSERT INTO ea010ms (obse_date, obse_time, obse_place_gubun, temperature, humidity, wind_velocity, wind_direction,
                     radiation, atmospheric, snowfall) VALUES
    ('20250110', '0900', 'A1', -3.15, 81, 2.35, 181, 100.5, 1013.6, 1.4),
    ('20250110', '0930', 'A1', NULL, NULL, 1.05, NULL, NULL, 1012.2, NULL),
    ('20250110', '1000', 'A1', 2.5, 60, 4, 90, 200, NULL, 2.3),
    ('20250110', '1015', 'A6', 1, 50, 1, 45, NULL, NULL, NULL),
    ('20250109', '0800', 'A1', NULL, NULL, NULL, NULL, NULL, NULL, NULL);
