<?php
// Tests of the session module in one process: the session starts on first use with safe
// cookie settings, values survive a write to the session store, SessionEnd forgets them,
// and once the page has written output every function fails quietly.
require __DIR__ . '/check.php';
load_module('session');

$store = sys_get_temp_dir() . '/tol-session-test-' . getmypid();
mkdir($store);
session_save_path($store);

expect('no session before first use', session_status(), PHP_SESSION_NONE);
expect('SessionGet of a missing name', tol_sessionget('user', 'guest'), 'guest');
expect('first use starts the session', session_status(), PHP_SESSION_ACTIVE);
$cookie = session_get_cookie_params();
expect('cookie is HttpOnly', $cookie['httponly'], true);
expect('cookie is SameSite=Lax', $cookie['samesite'], 'Lax');
expect('unknown session ids are refused', ini_get('session.use_strict_mode'), '1');
expect('SessionStart on a running session', tol_sessionstart(), true);

expect('SessionSet', tol_sessionset('user', 'ada'), true);
expect('SessionGet after SessionSet', tol_sessionget('user'), 'ada');
expect('SessionHas after SessionSet', tol_sessionhas('user'), true);
tol_sessionset('cart', [3, 5]);
tol_sessionset('note', null);
tol_sessionset('07', 'text that looks like a number');
expect('a stored null is a value', tol_sessionget('note', 'fallback'), null);
expect('SessionHas of a stored null', tol_sessionhas('note'), true);

// Names the session store cannot keep are refused by every function.
foreach ([7, '-1', 'a|b', ['x'], null, 1.5] as $name) {
    $shown = var_export($name, true);
    expect("SessionSet with name $shown", tol_sessionset($name, 1), false);
    expect("SessionGet with name $shown", tol_sessionget($name, 'fallback'), 'fallback');
    expect("SessionHas with name $shown", tol_sessionhas($name), false);
    expect("SessionRemove with name $shown", tol_sessionremove($name), false);
}

expect('SessionRemove', tol_sessionremove('user'), true);
expect('SessionHas after SessionRemove', tol_sessionhas('user'), false);
expect('SessionGet after SessionRemove', tol_sessionget('user', 'gone'), 'gone');
expect('SessionRemove of a missing name', tol_sessionremove('never'), true);

// The next page of the same visitor: the values come back from the store.
session_write_close();
$_SESSION = [];
expect('values come back from the store', tol_sessionget('cart'), [3, 5]);
expect('a name of digits with a leading zero is text', tol_sessionget('07'),
    'text that looks like a number');

expect('SessionEnd', tol_sessionend(), true);
expect('SessionEnd ends the session', session_status(), PHP_SESSION_NONE);
expect('values are gone after SessionEnd', tol_sessionget('cart', 'empty'), 'empty');
tol_sessionend();

// Output has been written: the cookie can no longer be sent.
echo "page output\n";
expect('SessionStart after output', tol_sessionstart(), false);
expect('SessionSet after output', tol_sessionset('user', 'ada'), false);
expect('SessionGet after output', tol_sessionget('user', 'fallback'), 'fallback');
expect('SessionHas after output', tol_sessionhas('user'), false);
expect('SessionRemove after output', tol_sessionremove('user'), false);
expect('SessionEnd after output', tol_sessionend(), false);

array_map('unlink', glob("$store/*"));
rmdir($store);
finish();
