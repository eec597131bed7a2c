<?php
// datetime: dates and times for the std library. A time is a timestamp (seconds since
// 1970-01-01 UTC) or a text "YYYY-MM-DD" with an optional " HH:MM" or " HH:MM:SS" (a "T" may
// stand for the space, as date inputs send it); a time left out (null) means now. Dates are
// read and shown in the time zone of the page (SetTimeZone). Every function returns false
// for a time that is not valid. Helpers named tol__datetime_* are private to this module.

// Any time as a timestamp, or null when it is not a valid time.
function tol__datetime_stamp($stamp): ?int
{
    if ($stamp === null) {
        return time();
    }
    if (is_int($stamp) || is_float($stamp) || (is_string($stamp) && is_numeric($stamp))) {
        $stamp = (float) $stamp;
        return is_finite($stamp) && abs($stamp) < PHP_INT_MAX ? (int) $stamp : null;
    }
    $parsed = is_string($stamp) ? tol_parsedate($stamp) : false;
    return $parsed === false ? null : $parsed;
}

// One part of a time (a letter of date()) as a number; false for a time that is not valid.
function tol__datetime_part($stamp, string $letter)
{
    $stamp = tol__datetime_stamp($stamp);
    return $stamp === null ? false : (int) date($letter, $stamp);
}

// A time as a date-time object in the page's time zone.
function tol__datetime_object(int $stamp): DateTimeImmutable
{
    $zone = new DateTimeZone(date_default_timezone_get());
    return (new DateTimeImmutable('@' . $stamp))->setTimezone($zone);
}

// TimeNow(): the current timestamp.
function tol_timenow()
{
    return time();
}

// Today(): today's date as "YYYY-MM-DD".
function tol_today()
{
    return date('Y-m-d');
}

// FormatDate(pattern [, stamp]): the time written by pattern, where letters stand for parts:
// d day, m month, Y year, H hour, i minute, s second, D and l weekday, M and F month name;
// other characters are copied.
function tol_formatdate($pattern, $stamp = null)
{
    $stamp = tol__datetime_stamp($stamp);
    return $stamp === null || !is_string($pattern) ? false : date($pattern, $stamp);
}

// YearOf([stamp]): the year, such as 2024.
function tol_yearof($stamp = null)
{
    return tol__datetime_part($stamp, 'Y');
}

// MonthOf([stamp]): the month, 1 to 12.
function tol_monthof($stamp = null)
{
    return tol__datetime_part($stamp, 'n');
}

// DayOf([stamp]): the day of the month, 1 to 31.
function tol_dayof($stamp = null)
{
    return tol__datetime_part($stamp, 'j');
}

// HourOf([stamp]): the hour, 0 to 23.
function tol_hourof($stamp = null)
{
    return tol__datetime_part($stamp, 'G');
}

// MinuteOf([stamp]): the minute, 0 to 59.
function tol_minuteof($stamp = null)
{
    return tol__datetime_part($stamp, 'i');
}

// WeekdayOf([stamp]): the day of the week, 1 for Monday to 7 for Sunday.
function tol_weekdayof($stamp = null)
{
    return tol__datetime_part($stamp, 'N');
}

// MakeDate(year, month, day [, hour [, minute [, second]]]): the timestamp of that moment;
// false when the date does not exist (such as 2023-02-29) or a part is out of range.
function tol_makedate($year, $month, $day, $hour = 0, $minute = 0, $second = 0)
{
    $parts = [$year, $month, $day, $hour, $minute, $second];
    foreach ($parts as $part) {
        if (!is_int($part) && !(is_string($part) && preg_match('/^[0-9]+$/', $part) === 1)) {
            return false;
        }
    }
    [$year, $month, $day, $hour, $minute, $second] = array_map('intval', $parts);
    $clock = $hour >= 0 && $hour <= 23 && $minute >= 0 && $minute <= 59 && $second >= 0
        && $second <= 59;
    if (!$clock || !checkdate($month, $day, $year)) {
        return false;
    }
    return mktime($hour, $minute, $second, $month, $day, $year);
}

// ParseDate(text): the timestamp of a text "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or
// "YYYY-MM-DD HH:MM:SS" (or with "T" for the space); false for any other text.
function tol_parsedate($text)
{
    $pattern = '/^([0-9]{4})-([0-9]{2})-([0-9]{2})(?:[ T]([0-9]{2}):([0-9]{2})(?::([0-9]{2}))?)?$/';
    if (!is_string($text) || preg_match($pattern, trim($text), $m) !== 1) {
        return false;
    }
    return tol_makedate($m[1], $m[2], $m[3], $m[4] ?? '0', $m[5] ?? '0', $m[6] ?? '0');
}

// AddDays(stamp, days): the same clock time days later (earlier for a negative number).
function tol_adddays($stamp, $days)
{
    $stamp = tol__datetime_stamp($stamp);
    if ($stamp === null || !is_numeric($days)) {
        return false;
    }
    return tol__datetime_object($stamp)->modify(sprintf('%+d days', (int) $days))->getTimestamp();
}

// DaysBetween(first, last): the number of calendar days from the date of first to the date
// of last; negative when last is earlier.
function tol_daysbetween($first, $last)
{
    [$first, $last] = [tol__datetime_stamp($first), tol__datetime_stamp($last)];
    if ($first === null || $last === null) {
        return false;
    }
    $from = tol__datetime_object($first)->setTime(0, 0);
    $span = $from->diff(tol__datetime_object($last)->setTime(0, 0));
    return $span->invert ? -$span->days : $span->days;
}

// SetTimeZone(zone): shows and reads dates in the named zone, such as "Europe/Berlin" or
// "UTC", from now on; false for a name that is not known.
function tol_settimezone($zone)
{
    $known = timezone_identifiers_list(DateTimeZone::ALL_WITH_BC);
    if (!is_string($zone) || !in_array($zone, $known, true)) {
        return false;
    }
    return date_default_timezone_set($zone);
}
