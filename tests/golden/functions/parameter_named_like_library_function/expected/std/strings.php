<?php
// strings: text helpers of the std library. Text is UTF-8 and is counted in characters;
// positions start at 1 and 0 means "not found". Any value is taken as text first (null and
// arrays give ""), and bytes that are not valid UTF-8 become U+FFFD, so nothing here warns
// or fails on odd input. Helpers named tol__strings_* are private to this module.

// One valid UTF-8 sequence (group 1), or else any single byte.
const TOL__STRINGS_PIECE = '/([\x00-\x7F]|[\xC2-\xDF][\x80-\xBF]|\xE0[\xA0-\xBF][\x80-\xBF]'
    . '|[\xE1-\xEC\xEE\xEF][\x80-\xBF]{2}|\xED[\x80-\x9F][\x80-\xBF]|\xF0[\x90-\xBF][\x80-\xBF]{2}'
    . '|[\xF1-\xF3][\x80-\xBF]{3}|\xF4[\x80-\x8F][\x80-\xBF]{2})|./s';

// Any value as valid UTF-8 text.
function tol__strings_text($value): string
{
    if (is_array($value) || (is_object($value) && !method_exists($value, '__toString'))) {
        return '';
    }
    $text = (string) $value;
    if (preg_match('//u', $text) === 1) {
        return $text;
    }
    return preg_replace_callback(TOL__STRINGS_PIECE, fn ($m) => $m[1] ?? "\u{FFFD}", $text);
}

// Any value as a whole number: numbers and numeric text are cut to integers, the rest is 0.
function tol__strings_int($value): int
{
    return is_numeric($value) ? (int) $value : 0;
}

// The characters of valid UTF-8 text.
function tol__strings_chars(string $text): array
{
    return preg_split('//u', $text, -1, PREG_SPLIT_NO_EMPTY);
}

// Lower-case letter => upper-case letter, for the letters of Latin-1, Latin Extended-A, Greek
// and Cyrillic that have a one-to-one partner. ASCII is left to strtoupper and strtolower.
function tol__strings_upper_map(): array
{
    static $map = null;
    if ($map !== null) {
        return $map;
    }
    $pairs = [0xFF => 0x178, 0x3C2 => 0x3A3, 0x3AC => 0x386, 0x3AD => 0x388, 0x3AE => 0x389,
        0x3AF => 0x38A, 0x3CC => 0x38C, 0x3CD => 0x38E, 0x3CE => 0x38F];
    foreach (range(0xE0, 0xFE) as $c) {
        $pairs[$c] = $c - 0x20;
    }
    unset($pairs[0xF7]);
    // Runs of Latin Extended-A where a capital is followed by its small letter.
    $runs = [[0x100, 0x12F], [0x132, 0x137], [0x139, 0x148], [0x14A, 0x177], [0x179, 0x17E]];
    foreach ($runs as [$from, $to]) {
        for ($c = $from; $c < $to; $c += 2) {
            $pairs[$c + 1] = $c;
        }
    }
    foreach (array_merge(range(0x3B1, 0x3C1), range(0x3C3, 0x3C9), range(0x430, 0x44F)) as $c) {
        $pairs[$c] = $c - 0x20;
    }
    foreach (range(0x450, 0x45F) as $c) {
        $pairs[$c] = $c - 0x50;
    }
    $map = [];
    foreach ($pairs as $lower => $upper) {
        $map[tol__strings_chr($lower)] = tol__strings_chr($upper);
    }
    return $map;
}

// The UTF-8 text of one code point.
function tol__strings_chr(int $code): string
{
    return html_entity_decode('&#' . $code . ';', ENT_QUOTES | ENT_HTML5, 'UTF-8');
}

// Len(text): number of characters.
function tol_len($text)
{
    return preg_match_all('/./su', tol__strings_text($text));
}

// Upper(text): the text in capitals.
function tol_upper($text)
{
    return strtr(strtoupper(tol__strings_text($text)), tol__strings_upper_map());
}

// Lower(text): the text in small letters. Final sigma is not restored: capital sigma gives σ.
function tol_lower($text)
{
    $map = tol__strings_upper_map();
    unset($map["\u{3C2}"]);
    return strtr(strtolower(tol__strings_text($text)), array_flip($map));
}

// Trim(text): the text without white space (Unicode spaces included) at either end.
function tol_trim($text)
{
    return preg_replace('/^\s+|\s+$/u', '', tol__strings_text($text));
}

// Left(text, n): the first n characters.
function tol_left($text, $n)
{
    $n = tol__strings_int($n);
    $chars = tol__strings_chars(tol__strings_text($text));
    return $n <= 0 ? '' : implode('', array_slice($chars, 0, $n));
}

// Right(text, n): the last n characters.
function tol_right($text, $n)
{
    $n = tol__strings_int($n);
    $chars = tol__strings_chars(tol__strings_text($text));
    return $n <= 0 ? '' : implode('', array_slice($chars, -$n));
}

// Mid(text, start [, n]): n characters from position start on, or all of the rest.
// A start below 1 counts as 1.
function tol_mid($text, $start, $n = null)
{
    $from = max(1, tol__strings_int($start)) - 1;
    $chars = tol__strings_chars(tol__strings_text($text));
    if ($n === null) {
        return implode('', array_slice($chars, $from));
    }
    $n = tol__strings_int($n);
    return $n <= 0 ? '' : implode('', array_slice($chars, $from, $n));
}

// Find(text, part [, start]): position of the first part at or after start, or 0.
function tol_find($text, $part, $start = 1)
{
    $text = tol__strings_text($text);
    $skip = max(1, tol__strings_int($start)) - 1;
    if ($skip > tol_len($text)) {
        return 0;
    }
    $offset = strlen(tol_left($text, $skip));
    $at = strpos($text, tol__strings_text($part), $offset);
    return $at === false ? 0 : tol_len(substr($text, 0, $at)) + 1;
}

// Contains(text, part): whether part occurs in the text.
function tol_contains($text, $part)
{
    return str_contains(tol__strings_text($text), tol__strings_text($part));
}

// StartsWith(text, prefix)
function tol_startswith($text, $prefix)
{
    return str_starts_with(tol__strings_text($text), tol__strings_text($prefix));
}

// EndsWith(text, suffix)
function tol_endswith($text, $suffix)
{
    return str_ends_with(tol__strings_text($text), tol__strings_text($suffix));
}

// Replace(text, search, by): every search in the text replaced by by.
function tol_replace($text, $search, $by)
{
    $text = tol__strings_text($text);
    $search = tol__strings_text($search);
    return $search === '' ? $text : str_replace($search, tol__strings_text($by), $text);
}

// Split(text [, separator]): the pieces between separators as an array; an empty separator
// splits into characters, and an empty text gives an empty array.
function tol_split($text, $separator = ',')
{
    $text = tol__strings_text($text);
    $separator = tol__strings_text($separator);
    if ($text === '') {
        return [];
    }
    return $separator === '' ? tol__strings_chars($text) : explode($separator, $text);
}

// Join(items [, glue]): the items as text, glue between them. A value that is no array is
// taken as a list of one.
function tol_join($items, $glue = ',')
{
    $items = is_array($items) ? $items : [$items];
    return implode(tol__strings_text($glue), array_map('tol__strings_text', $items));
}

// RepeatText(text, times)
function tol_repeattext($text, $times)
{
    return str_repeat(tol__strings_text($text), max(0, tol__strings_int($times)));
}

// PadLeft(text, width [, pad]): the text made width characters long by pad in front.
function tol_padleft($text, $width, $pad = ' ')
{
    $text = tol__strings_text($text);
    return tol__strings_fill($text, $width, $pad) . $text;
}

// PadRight(text, width [, pad]): the text made width characters long by pad behind.
function tol_padright($text, $width, $pad = ' ')
{
    $text = tol__strings_text($text);
    return $text . tol__strings_fill($text, $width, $pad);
}

// The repeated pad that brings the text to width characters ("" when it is long enough).
function tol__strings_fill(string $text, $width, $pad): string
{
    $missing = tol__strings_int($width) - tol_len($text);
    $pad = tol__strings_text($pad);
    if ($missing <= 0 || $pad === '') {
        return '';
    }
    return tol_left(str_repeat($pad, $missing), $missing);
}
