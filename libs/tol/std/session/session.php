<?php
// session: values kept for one visitor from page to page, for the std library. A session can
// only start before the page has written anything, because it sends a cookie; every function
// starts it when it can and otherwise reports failure (false, or the fallback) without a
// warning. The cookie is sent with HttpOnly and SameSite=Lax, and session ids that the server
// did not hand out are refused. Names are text; whole numbers and names with "|" are refused
// (the session store cannot keep them). Helpers named tol__session_* are private.

// Whether the session is running, after starting it if that is still possible.
function tol__session_ready(): bool
{
    $status = session_status();
    if ($status === PHP_SESSION_ACTIVE) {
        return true;
    }
    if ($status === PHP_SESSION_DISABLED || headers_sent()) {
        return false;
    }
    return session_start([
        'cookie_httponly' => true,
        'cookie_samesite' => 'Lax',
        'use_strict_mode' => true,
        'use_only_cookies' => true,
    ]);
}

// A name as a session key, or null when it cannot be one. The session store keeps text keys
// only: it skips names that PHP turns into number keys ("7", "-1"), and a "|" in a name would
// spoil everything stored for the visitor.
function tol__session_key($name): ?string
{
    if (!is_string($name) && !is_int($name)) {
        return null;
    }
    $name = (string) $name;
    $textKey = is_string(array_key_first([$name => true]));
    return $textKey && !str_contains($name, '|') ? $name : null;
}

// SessionStart(): starts the session; false when that is no longer possible.
function tol_sessionstart()
{
    return tol__session_ready();
}

// SessionGet(name [, fallback]): the value stored under name, or fallback.
function tol_sessionget($name, $fallback = '')
{
    $key = tol__session_key($name);
    if ($key === null || !tol__session_ready()) {
        return $fallback;
    }
    return array_key_exists($key, $_SESSION) ? $_SESSION[$key] : $fallback;
}

// SessionSet(name, value): stores value under name; false when there is no session.
function tol_sessionset($name, $value)
{
    $key = tol__session_key($name);
    if ($key === null || !tol__session_ready()) {
        return false;
    }
    $_SESSION[$key] = $value;
    return true;
}

// SessionHas(name): whether a value is stored under name.
function tol_sessionhas($name)
{
    $key = tol__session_key($name);
    return $key !== null && tol__session_ready() && array_key_exists($key, $_SESSION);
}

// SessionRemove(name): forgets the value under name; false when there is no session.
function tol_sessionremove($name)
{
    $key = tol__session_key($name);
    if ($key === null || !tol__session_ready()) {
        return false;
    }
    unset($_SESSION[$key]);
    return true;
}

// SessionEnd(): forgets every value, ends the session and, when still possible, tells the
// browser to drop the session cookie (for a log-out page).
function tol_sessionend()
{
    if (!tol__session_ready()) {
        return false;
    }
    $_SESSION = [];
    if (ini_get('session.use_cookies') && !headers_sent()) {
        $cookie = session_get_cookie_params();
        unset($cookie['lifetime']);
        setcookie(session_name(), '', ['expires' => 1] + $cookie);
    }
    return session_destroy();
}
