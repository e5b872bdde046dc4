-- The grant to record where an accident happened, so that the suite's
-- permission screens can offer it; nobody holds it until it is given.
INSERT INTO ktuser.za050ms (project_id, menu_id, program_id, program_name, display_seq)
SELECT 'KEST_E', 'EE', 'EES010W', '사고기록 조회 - 사고지점 기록', 0
 WHERE EXISTS (SELECT 1 FROM ktuser.za040ms WHERE project_id = 'KEST_E' AND menu_id = 'EE')
ON CONFLICT DO NOTHING;
