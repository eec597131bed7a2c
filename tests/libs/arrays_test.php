<?php
// Tests of the arrays module: lists and keyed tables, the two functions that change their
// variable, and values that are no arrays.
require __DIR__ . '/check.php';
load_module('arrays');

$table = ['name' => 'Ada', 'age' => 36, 'note' => null];

check_calls('tol_itemcount', [
    [[[1, 2, 3]], 3],
    [[[]], 0],
    [[$table], 3],
    [['text'], 0],
    [[null], 0],
]);

// Push appends to the variable and returns the new count; a variable without an array
// becomes an array of the one value.
$items = ['a'];
expect('Push onto a list', tol_push($items, 'b'), 2);
expect('list after Push', $items, ['a', 'b']);
$fresh = null;
expect('Push onto null', tol_push($fresh, 5), 1);
expect('null after Push', $fresh, [5]);
$text = 'not a list';
tol_push($text, 'x');
expect('text after Push', $text, ['x']);
$keyed = ['k' => 1];
tol_push($keyed, 2);
expect('keyed table after Push', $keyed, ['k' => 1, 0 => 2]);

// Pop removes and returns the last value; null when there is none.
$items = [1, 2, 3];
expect('Pop from a list', tol_pop($items), 3);
expect('list after Pop', $items, [1, 2]);
$empty = [];
expect('Pop from an empty list', tol_pop($empty), null);
$none = 'text';
expect('Pop from a text', tol_pop($none), null);
expect('text after Pop', $none, 'text');

check_calls('tol_keysof', [
    [[$table], ['name', 'age', 'note']],
    [[['x', 'y']], [0, 1]],
    [[42], []],
]);

check_calls('tol_valuesof', [
    [[$table], ['Ada', 36, null]],
    [[[5 => 'a', 9 => 'b']], ['a', 'b']],
    [[null], []],
]);

check_calls('tol_hasvalue', [
    [[['a', 'b'], 'b'], true],
    [[['a', 'b'], 'c'], false],
    [[['1', '2'], 2], true],
    [[$table, 36], true],
    [[['abc'], 0], false],
    [['abc', 'abc'], false],
]);

check_calls('tol_haskey', [
    [[$table, 'name'], true],
    [[$table, 'note'], true],
    [[$table, 'Name'], false],
    [[['x'], 0], true],
    [[['x'], 1], false],
    [[['x'], null], false],
    [[null, 'name'], false],
]);

$unsorted = [3 => 'pear', 'b' => 'Apple', 'banana'];
check_calls('tol_sorted', [
    [[[10, 9, 2, -5, 2.5]], [-5, 2, 2.5, 9, 10]],
    [[[10, 9, 2], true], [10, 9, 2]],
    [[['item10', 'item2', 'Item1']], ['Item1', 'item2', 'item10']],
    [[['banana', 'Cherry', 'apple']], ['apple', 'banana', 'Cherry']],
    [[$unsorted], ['Apple', 'banana', 'pear']],
    [[['b', 'a'], true], ['b', 'a']],
    [[[]], []],
    [['text'], []],
]);
expect('Sorted leaves its argument alone', $unsorted, [3 => 'pear', 'b' => 'Apple', 4 => 'banana']);

check_calls('tol_reversed', [
    [[[1, 2, 3]], [3, 2, 1]],
    [[['a' => 1, 'b' => 2]], [2, 1]],
    [[[]], []],
    [[7], []],
]);

finish();
