-- Display names of the database users.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
    ('Z9999', 'KTUSER', '스포츠운영');
