<?php
// math: numbers for the std library. Every function takes numbers or numeric text; any other
// value counts as 0, so nothing here fails on what a visitor typed. Whole results (Round,
// Floor, Ceil) come back as integers when they fit. Helpers named tol__math_* are private.

// Any value as a number: numbers stay, numeric text is converted, the rest is 0.
function tol__math_num($value): int|float
{
    if (is_int($value) || is_float($value)) {
        return $value;
    }
    return is_string($value) && is_numeric($value) ? trim($value) + 0 : 0;
}

// A float without fraction as an integer, when it fits one.
function tol__math_whole(float $value): int|float
{
    $fits = is_finite($value) && abs($value) < PHP_INT_MAX && floor($value) == $value;
    return $fits ? (int) $value : $value;
}

// Abs(x)
function tol_abs($x)
{
    return abs(tol__math_num($x));
}

// MinOf(a [, b]): the smaller of a and b; with an array alone, its smallest item.
function tol_minof($a, $b = null)
{
    $values = array_map('tol__math_num', tol__math_values($a, $b));
    return $values === [] ? 0 : min($values);
}

// MaxOf(a [, b]): the larger of a and b; with an array alone, its largest item.
function tol_maxof($a, $b = null)
{
    $values = array_map('tol__math_num', tol__math_values($a, $b));
    return $values === [] ? 0 : max($values);
}

// The values that MinOf and MaxOf compare.
function tol__math_values($a, $b): array
{
    if ($b !== null) {
        return [$a, $b];
    }
    return is_array($a) ? array_values($a) : [$a];
}

// Clamp(x, low, high): x, but not below low and not above high.
function tol_clamp($x, $low, $high)
{
    [$low, $high] = [tol__math_num($low), tol__math_num($high)];
    if ($low > $high) {
        [$low, $high] = [$high, $low];
    }
    return min(max(tol__math_num($x), $low), $high);
}

// Round(x [, digits]): x rounded half away from zero to digits places after the point.
function tol_round($x, $digits = 0)
{
    $digits = (int) tol__math_num($digits);
    $rounded = round(tol__math_num($x), $digits);
    return $digits <= 0 ? tol__math_whole($rounded) : $rounded;
}

// Floor(x): the largest whole number not above x.
function tol_floor($x)
{
    return tol__math_whole(floor(tol__math_num($x)));
}

// Ceil(x): the smallest whole number not below x.
function tol_ceil($x)
{
    return tol__math_whole(ceil(tol__math_num($x)));
}

// Sqrt(x): the square root; NAN for a negative x.
function tol_sqrt($x)
{
    return sqrt(tol__math_num($x));
}

// Pow(base, exponent)
function tol_pow($base, $exponent)
{
    return tol__math_num($base) ** tol__math_num($exponent);
}

// Pi()
function tol_pi()
{
    return M_PI;
}

// RandomInt(low, high): a random whole number from low to high, both included.
function tol_randomint($low, $high)
{
    [$low, $high] = [(int) tol__math_num($low), (int) tol__math_num($high)];
    return $low <= $high ? random_int($low, $high) : random_int($high, $low);
}

// IsNumber(value): whether the value is a number or numeric text such as "12" or "-3.5".
function tol_isnumber($value)
{
    return is_int($value) || is_float($value) || (is_string($value) && is_numeric($value));
}

// ToNumber(value [, fallback]): the value as a number, or fallback when it is none.
function tol_tonumber($value, $fallback = 0)
{
    return tol_isnumber($value) ? tol__math_num($value) : $fallback;
}

// FormatNumber(x [, decimals [, point [, thousands]]]): x as text with decimals places,
// the decimal point and the thousands separator given.
function tol_formatnumber($x, $decimals = 0, $point = '.', $thousands = ',')
{
    $decimals = max(0, (int) tol__math_num($decimals));
    return number_format(tol__math_num($x), $decimals, (string) $point, (string) $thousands);
}
