-- Counter series take one spelling, table:key:key (kest_private.next_number):
-- 'EB020MS/M/NS' becomes 'eb020ms:M:NS'. Storage series already had it.
UPDATE kest_private.counters
   SET series = lower(split_part(series, '/', 1)) || ':'
                || array_to_string((string_to_array(series, '/'))[2:], ':')
 WHERE series ~ '^EB0[24]0MS/';
