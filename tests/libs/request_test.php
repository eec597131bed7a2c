<?php
// Tests of the request module against a made-up request: present, missing, list-valued and
// malformed parameters, the fallbacks, and the request method.
require __DIR__ . '/check.php';
load_module('request');

$_GET = [
    'page' => '2',
    'q' => 'grüße <b>',
    'both' => 'from address',
    'tags' => ['news', 'sport', ['deep']],
    'broken' => "a\xFFb",
    'empty' => '',
    'padded' => ' 42 ',
    'huge' => '99999999999999999999',
    'zeros' => '007',
    7 => 'seven',
];
$_POST = [
    'name' => 'Ada',
    'both' => 'from form',
    'age' => '-5',
    'ratio' => '1.5',
    'color' => ['red', "bad\xC3", 'blue'],
];

check_calls('tol_requestget', [
    [['page'], '2'],
    [['q'], 'grüße <b>'],
    [['empty', 'none'], ''],
    [['missing'], ''],
    [['missing', 'none'], 'none'],
    [['tags', 'none'], 'none'],
    [['broken', 'none'], 'none'],
    [['name', 'none'], 'none'],
    [[7], 'seven'],
    [[['page'], 'none'], 'none'],
    [[null, 'none'], 'none'],
]);

check_calls('tol_requestpost', [
    [['name'], 'Ada'],
    [['both'], 'from form'],
    [['page', 'none'], 'none'],
    [['color', 'none'], 'none'],
]);

check_calls('tol_requestparam', [
    [['both'], 'from form'],
    [['page'], '2'],
    [['name'], 'Ada'],
    [['missing', 'none'], 'none'],
]);

check_calls('tol_requestint', [
    [['page'], 2],
    [['age'], -5],
    [['padded'], 42],
    [['zeros'], 7],
    [['ratio'], 0],
    [['ratio', -1], -1],
    [['q', -1], -1],
    [['huge', -1], -1],
    [['empty', -1], -1],
    [['missing', 10], 10],
    [['tags', -1], -1],
]);

check_calls('tol_requesthas', [
    [['page'], true],
    [['name'], true],
    [['empty'], true],
    [['tags'], true],
    [['missing'], false],
    [['Page'], false],
    [[null], false],
]);

check_calls('tol_requestlist', [
    [['tags'], ['news', 'sport']],
    [['color'], ['red', 'blue']],
    [['page'], ['2']],
    [['broken'], []],
    [['missing'], []],
    [[['tags']], []],
]);

// The method comes from the server and is only believed when it is a plain word.
$methods = [
    ['POST', 'POST', true],
    ['get', 'GET', false],
    ['PUT', 'PUT', false],
    ["PO ST", 'GET', false],
    [['POST'], 'GET', false],
    [null, 'GET', false],
];
foreach ($methods as [$sent, $method, $isPost]) {
    $_SERVER['REQUEST_METHOD'] = $sent;
    $shown = var_export($sent, true);
    expect("RequestMethod() for $shown", tol_requestmethod(), $method);
    expect("IsPost() for $shown", tol_ispost(), $isPost);
}
unset($_SERVER['REQUEST_METHOD']);
expect('RequestMethod() without a method', tol_requestmethod(), 'GET');

finish();
