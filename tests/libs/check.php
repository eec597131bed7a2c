<?php
// Test helper for the library modules: loads a module of the std library and checks tables
// of calls. Failures go to standard error, because anything on standard output counts as
// page output and would stop a session from starting; any PHP warning, notice or deprecation
// is a failure too. finish() ends the script with exit status 1 when a case failed.

$failures = 0;

set_error_handler(function (int $level, string $message, string $file, int $line): bool {
    fail("PHP reported \"$message\" at " . basename($file) . ":$line");
    return true;
});

// Loads libs/tol/std/<module>/<module>.php.
function load_module(string $module): void
{
    require_once dirname(__DIR__, 2) . "/libs/tol/std/$module/$module.php";
}

function fail(string $message): void
{
    global $failures;
    $failures++;
    fwrite(STDERR, "FAIL $message\n");
}

// Equal when identical (type included), or both NAN.
function same($actual, $expected): bool
{
    if (is_float($actual) && is_float($expected) && is_nan($actual) && is_nan($expected)) {
        return true;
    }
    return $actual === $expected;
}

function expect(string $label, $actual, $expected): void
{
    if (!same($actual, $expected)) {
        fail($label . "\n  expected " . var_export($expected, true) . "\n  got      "
            . var_export($actual, true));
    }
}

// Calls $function with the arguments of each case and compares the result:
// $cases is a list of [[argument, ...], expected result].
function check_calls(string $function, array $cases): void
{
    foreach ($cases as [$arguments, $expected]) {
        $shown = implode(', ', array_map(fn ($a) => var_export($a, true), $arguments));
        expect("$function($shown)", $function(...$arguments), $expected);
    }
}

function finish(): never
{
    global $failures;
    if ($failures > 0) {
        fwrite(STDERR, "$failures check(s) failed\n");
        exit(1);
    }
    exit(0);
}
