-- placeholder
SELECT 1;
