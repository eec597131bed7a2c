<?php
// request: the parameters of the current request for the std library. A parameter that is
// missing, that is not a single text (name[] sends a list), or that is not valid UTF-8 is
// treated as missing, so every function returns its fallback instead of warning. Values are
// the visitor's text exactly as sent: escape them before printing (HtmlEscape). Helpers
// named tol__request_* are private to this module.

// The text of parameter name in one source (a copy of $_GET or $_POST), or null.
function tol__request_value(array $source, $name): ?string
{
    if (!is_string($name) && !is_int($name)) {
        return null;
    }
    return tol__request_text($source[$name] ?? null);
}

// A sent value as valid UTF-8 text, or null when it is none.
function tol__request_text($value): ?string
{
    return is_string($value) && preg_match('//u', $value) === 1 ? $value : null;
}

// RequestGet(name [, fallback]): parameter name of the address (query string).
function tol_requestget($name, $fallback = '')
{
    return tol__request_value($_GET, $name) ?? $fallback;
}

// RequestPost(name [, fallback]): field name of a form sent with method post.
function tol_requestpost($name, $fallback = '')
{
    return tol__request_value($_POST, $name) ?? $fallback;
}

// RequestParam(name [, fallback]): the posted field name, or else the address parameter.
function tol_requestparam($name, $fallback = '')
{
    return tol__request_value($_POST, $name) ?? tol__request_value($_GET, $name) ?? $fallback;
}

// RequestInt(name [, fallback]): the parameter (posted or in the address) as a whole number;
// fallback when it is missing or not a whole number in range.
function tol_requestint($name, $fallback = 0)
{
    $value = tol_requestparam($name, null);
    if ($value === null || preg_match('/^[ \t\r\n]*[+-]?[0-9]+[ \t\r\n]*$/', $value) !== 1) {
        return $fallback;
    }
    $number = trim($value) + 0;
    return is_int($number) ? $number : $fallback;
}

// RequestHas(name): whether the visitor sent parameter name at all, posted or in the address.
function tol_requesthas($name)
{
    if (!is_string($name) && !is_int($name)) {
        return false;
    }
    return array_key_exists($name, $_POST) || array_key_exists($name, $_GET);
}

// RequestList(name): the values of a parameter sent as a list (name[] in the form), posted or
// in the address, as a list of texts; a single value gives a list of one, missing gives an
// empty list. Entries that are not valid text are left out.
function tol_requestlist($name)
{
    if (!is_string($name) && !is_int($name)) {
        return [];
    }
    $sent = $_POST[$name] ?? $_GET[$name] ?? [];
    $values = array_map('tol__request_text', is_array($sent) ? array_values($sent) : [$sent]);
    return array_values(array_filter($values, 'is_string'));
}

// RequestMethod(): the request method in capitals, such as "GET" or "POST"; "GET" when none
// is known.
function tol_requestmethod()
{
    $method = $_SERVER['REQUEST_METHOD'] ?? '';
    return is_string($method) && preg_match('/^[A-Za-z]+$/', $method) === 1
        ? strtoupper($method) : 'GET';
}

// IsPost(): whether the page was requested by sending a form with method post.
function tol_ispost()
{
    return tol_requestmethod() === 'POST';
}
