<?php
// arrays: lists and tables for the std library. A value that is no array counts as an empty
// one. Push and Pop change the variable they are given; the other functions return a new
// array or a value and leave their argument alone. Helpers named tol__arrays_* are private.

// Any value as an array: arrays stay, anything else is an empty array.
function tol__arrays_of($items): array
{
    return is_array($items) ? $items : [];
}

// ItemCount(items): number of items.
function tol_itemcount($items)
{
    return count(tol__arrays_of($items));
}

// Push(items, value): appends value to the array variable items and returns the new count.
// A variable that holds no array becomes an array of this one value.
function tol_push(&$items, $value)
{
    $items = tol__arrays_of($items);
    $items[] = $value;
    return count($items);
}

// Pop(items): removes the last item of the array variable items and returns it; null when
// there is none.
function tol_pop(&$items)
{
    if (!is_array($items)) {
        return null;
    }
    return array_pop($items);
}

// KeysOf(items): the keys as a list.
function tol_keysof($items)
{
    return array_keys(tol__arrays_of($items));
}

// ValuesOf(items): the values as a list, numbered from 0.
function tol_valuesof($items)
{
    return array_values(tol__arrays_of($items));
}

// HasValue(items, value): whether an item equals value, compared as with "==".
function tol_hasvalue($items, $value)
{
    return in_array($value, tol__arrays_of($items));
}

// HasKey(items, key): whether the array has the key, also when its item is null.
function tol_haskey($items, $key)
{
    if (!is_int($key) && !is_string($key)) {
        return false;
    }
    return array_key_exists($key, tol__arrays_of($items));
}

// Sorted(items [, descending]): the values in order, as a new list numbered from 0. Lists of
// numbers are sorted by value, anything else as text in natural order ("a2" before "a10"),
// ignoring letter case.
function tol_sorted($items, $descending = false)
{
    $values = array_values(tol__arrays_of($items));
    $numbers = array_filter($values, fn ($v) => is_int($v) || is_float($v));
    $order = count($numbers) === count($values) ? SORT_NUMERIC : SORT_NATURAL | SORT_FLAG_CASE;
    sort($values, $order);
    return $descending ? array_reverse($values) : $values;
}

// Reversed(items): the values in the opposite order, as a new list numbered from 0.
function tol_reversed($items)
{
    return array_reverse(array_values(tol__arrays_of($items)));
}
