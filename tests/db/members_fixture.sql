-- A member of this registry (an older number than the counter knows) and
-- members of other groups with the '20' prefix nowhere.
INSERT INTO ba040ms (member_no, member_name, id_no, id_no_hash, sex_code, use_date_from, use_date_to,
                     member_group_code, guest_type, golf_code, use_room_type)
VALUES ('2000000041', '김회원', kest_private.enc('8001011234567'), kest_private.id_no_hash('8001011234567'),
        '1', '20250101', '20251231', '10', '100', '01', '01'),
       ('3000000001', '박다른', kest_private.enc('8101012234567'), kest_private.id_no_hash('8101012234567'),
        '2', '20250101', '20251231', '30', '300', '01', '01');
