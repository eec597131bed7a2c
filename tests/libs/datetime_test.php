<?php
// Tests of the datetime module. Known moments are written as their timestamps (2000-01-01
// 00:00 UTC is 946684800); the time zone is set by each part, and Europe/Berlin is used
// where daylight saving time matters (it began there on 2024-03-31).
require __DIR__ . '/check.php';
load_module('datetime');

const Y2K = 946684800;          // 2000-01-01 00:00:00 UTC
const LEAP_DAY = 1709164800;    // 2024-02-29 00:00:00 UTC
const AFTERNOON = 1717165800;   // 2024-05-31 14:30:00 UTC

check_calls('tol_settimezone', [
    [['Europe/Berlin'], true],
    [['US/Eastern'], true],
    [['Mars/Base'], false],
    [[''], false],
    [[null], false],
    [['UTC'], true],
]);
expect('time zone in use', date_default_timezone_get(), 'UTC');

$before = time();
$now = tol_timenow();
expect('TimeNow() is the current time', $now >= $before && $now <= time(), true);
expect('Today()', in_array(tol_today(), [date('Y-m-d', $before), date('Y-m-d')], true), true);
expect('FormatDate without a time is now', tol_formatdate('Y'), date('Y'));
expect('YearOf without a time is now', tol_yearof(), (int) date('Y'));

check_calls('tol_makedate', [
    [[2000, 1, 1], Y2K],
    [[2024, 5, 31, 14, 30], AFTERNOON],
    [[2000, 1, 1, 0, 0, 59], Y2K + 59],
    [['2024', '05', '31', '14', '30'], AFTERNOON],
    [[2024, 2, 29], LEAP_DAY],
    [[2023, 2, 29], false],
    [[2024, 4, 31], false],
    [[2024, 13, 1], false],
    [[2024, 0, 1], false],
    [[2024, 1, 1, 24], false],
    [[2024, 1, 1, 0, 60], false],
    [[2024, 1, 1, -1], false],
    [['2024a', 1, 1], false],
    [[2024.5, 1, 1], false],
    [[null, 1, 1], false],
]);

check_calls('tol_parsedate', [
    [['2000-01-01'], Y2K],
    [['2024-05-31 14:30'], AFTERNOON],
    [['2024-05-31T14:30'], AFTERNOON],
    [['2000-01-01 00:00:59'], Y2K + 59],
    [[' 2000-01-01 '], Y2K],
    [['2024-02-29'], LEAP_DAY],
    [['2023-02-29'], false],
    [['2024-05-31 25:00'], false],
    [['01.01.2000'], false],
    [['2000-1-1'], false],
    [['tomorrow'], false],
    [['2000-01-01 junk'], false],
    [[''], false],
    [[Y2K], false],
]);

check_calls('tol_formatdate', [
    [['d.m.Y H:i', Y2K], '01.01.2000 00:00'],
    [['D, j M Y', Y2K], 'Sat, 1 Jan 2000'],
    [['Y-m-d', '2024-05-31 14:30'], '2024-05-31'],
    [['H:i:s', (string) AFTERNOON], '14:30:00'],
    [['Y', 'not a date'], false],
    [['Y', [Y2K]], false],
    [[null, Y2K], false],
]);

$moment = '2024-05-31 14:07';
check_calls('tol_yearof', [[[$moment], 2024], [[Y2K], 2000], [['bad'], false]]);
check_calls('tol_monthof', [[[$moment], 5], [[Y2K], 1], [['bad'], false]]);
check_calls('tol_dayof', [[[$moment], 31], [[Y2K], 1], [['bad'], false]]);
check_calls('tol_hourof', [[[$moment], 14], [[Y2K + 3600 * 9], 9], [['bad'], false]]);
check_calls('tol_minuteof', [[[$moment], 7], [[Y2K + 59], 0], [['bad'], false]]);
check_calls('tol_weekdayof', [
    [['2024-05-27'], 1],
    [[$moment], 5],
    [['2024-06-02'], 7],
    [['bad'], false],
]);

check_calls('tol_adddays', [
    [['2024-02-28', 1], LEAP_DAY],
    [[LEAP_DAY, 1], LEAP_DAY + 86400],
    [[LEAP_DAY, -1], LEAP_DAY - 86400],
    [[LEAP_DAY, '2'], LEAP_DAY + 2 * 86400],
    [[LEAP_DAY, 0], LEAP_DAY],
    [[LEAP_DAY, 'x'], false],
    [['bad', 1], false],
]);

check_calls('tol_daysbetween', [
    [['2024-02-28', '2024-03-01'], 2],
    [['2024-03-01', '2024-02-28'], -2],
    [['2024-05-31 00:01', '2024-05-31 23:59'], 0],
    [['2024-05-31 23:59', '2024-06-01 00:01'], 1],
    [[Y2K, '2001-01-01'], 366],
    [['bad', Y2K], false],
]);

// Dates are read and shown in the time zone set last.
tol_settimezone('Europe/Berlin');
expect('FormatDate in Berlin', tol_formatdate('Y-m-d H:i', Y2K), '2000-01-01 01:00');
expect('HourOf in Berlin', tol_hourof(Y2K), 1);
expect('ParseDate in Berlin', tol_parsedate('2000-01-01 01:00'), Y2K);

// Across the change to summer time a day has 23 hours: AddDays keeps the clock time.
$noon = tol_parsedate('2024-03-30 12:00');
$next = tol_adddays($noon, 1);
expect('AddDays across the clock change', tol_formatdate('Y-m-d H:i', $next), '2024-03-31 12:00');
expect('that day is 23 hours long', $next - $noon, 23 * 3600);
expect('DaysBetween across the clock change', tol_daysbetween('2024-03-30', '2024-04-01'), 2);
expect('DaysBetween across the change back', tol_daysbetween('2024-10-26', '2024-10-28'), 2);

finish();
