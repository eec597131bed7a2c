<?php
// Tests of the math module: results and their types for numbers, numeric text and values
// that are no numbers.
require __DIR__ . '/check.php';
load_module('math');

check_calls('tol_abs', [
    [[-3], 3],
    [[2.5], 2.5],
    [['-4'], 4],
    [['abc'], 0],
    [[null], 0],
]);

check_calls('tol_minof', [
    [[3, 7], 3],
    [[-1.5, '-2'], -2],
    [[[4, '2', 9]], 2],
    [[5], 5],
    [[[]], 0],
    [['x', 1], 0],
]);

check_calls('tol_maxof', [
    [[3, 7], 7],
    [['10', 9.5], 10],
    [[[4, '12', -9]], 12],
    [[['a' => 1, 'b' => 3]], 3],
]);

check_calls('tol_clamp', [
    [[5, 1, 10], 5],
    [[-5, 1, 10], 1],
    [[50, 1, 10], 10],
    [[50, 10, 1], 10],
    [['7', '0', '5'], 5],
]);

check_calls('tol_round', [
    [[2.5], 3],
    [[-2.5], -3],
    [[2.4], 2],
    [[3.14159, 2], 3.14],
    [[1.005, 2], 1.01],
    [[1234, -2], 1200],
    [['2.5'], 3],
    [[1e20], 1e20],
]);

check_calls('tol_floor', [
    [[2.7], 2],
    [[-2.2], -3],
    [['5'], 5],
    [[1e20], 1e20],
]);

check_calls('tol_ceil', [
    [[2.1], 3],
    [[-2.7], -2],
    [[4], 4],
]);

check_calls('tol_sqrt', [
    [[16], 4.0],
    [['2.25'], 1.5],
    [[-1], NAN],
]);

check_calls('tol_pow', [
    [[2, 10], 1024],
    [[2, -1], 0.5],
    [['9', '0.5'], 3.0],
    [[0, 0], 1],
]);

expect('tol_pi()', tol_pi(), M_PI);

// RandomInt stays within its bounds, in either order, and reaches both of them.
$seen = [];
for ($i = 0; $i < 400; $i++) {
    $seen[tol_randomint(3, 1)] = true;
    $value = tol_randomint(-2, 2);
    expect('RandomInt(-2, 2) in range', is_int($value) && $value >= -2 && $value <= 2, true);
}
ksort($seen);
expect('RandomInt(3, 1) gives 1, 2 and 3', array_keys($seen), [1, 2, 3]);
expect('RandomInt(5, 5)', tol_randomint(5, 5), 5);

check_calls('tol_isnumber', [
    [[12], true],
    [[1.5], true],
    [['-3.5'], true],
    [[' 42 '], true],
    [['1e3'], true],
    [['12abc'], false],
    [[''], false],
    [['0x1A'], false],
    [[null], false],
    [[true], false],
    [[[1]], false],
]);

check_calls('tol_tonumber', [
    [['42'], 42],
    [['-0.5'], -0.5],
    [[' 7 '], 7],
    [['seven'], 0],
    [['seven', -1], -1],
    [[[1], 'none'], 'none'],
    [[3.5], 3.5],
]);

check_calls('tol_formatnumber', [
    [[1234567.891], '1,234,568'],
    [[1234567.891, 2], '1,234,567.89'],
    [[1234.5, 2, ',', '.'], '1.234,50'],
    [[0.5, 0], '1'],
    [[-1234.567, 1, '.', ''], '-1234.6'],
    [['12.345', 2], '12.35'],
    [[5, -2], '5'],
]);

finish();
