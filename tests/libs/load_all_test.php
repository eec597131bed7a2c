<?php
// Loads every module of every library below libs/tol into one process, as a page that says
// "include std.*" does. No module may write anything while loading (a single blank line
// would keep sessions and headers from working), start a session, or define a function that
// another module defines too (PHP would stop with a fatal error).
require __DIR__ . '/check.php';

$modules = glob(dirname(__DIR__, 2) . '/libs/tol/*/*/*.php');
expect('modules found', count($modules) > 0, true);

ob_start();
foreach ($modules as $module) {
    require_once $module;
}
expect('output while loading', ob_get_clean(), '');
expect('session after loading', session_status(), PHP_SESSION_NONE);

finish();
