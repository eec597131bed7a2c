<?php
// Tests of the strings module: every function on ASCII and non-ASCII text, on values that
// are not text, and on bytes that are not valid UTF-8.
require __DIR__ . '/check.php';
load_module('strings');

$bad = "a\xFFb";  // one byte that is not UTF-8 between two letters

check_calls('tol_len', [
    [['hello'], 5],
    [[''], 0],
    [['Grüße'], 5],
    [['日本語'], 3],
    [["line\nbreak"], 10],
    [[$bad], 3],
    [[12345], 5],
    [[null], 0],
    [[['a', 'b']], 0],
]);

check_calls('tol_upper', [
    [['Hello, World 1'], 'HELLO, WORLD 1'],
    [['grüße'], 'GRÜßE'],
    [['ærø ÿ'], 'ÆRØ Ÿ'],
    [['łódź čeština ŀ ž'], 'ŁÓDŹ ČEŠTINA Ŀ Ž'],
    [['ελλάδα ς'], 'ΕΛΛΆΔΑ Σ'],
    [['москва ёлка'], 'МОСКВА ЁЛКА'],
    [['÷ ß ı'], '÷ ß ı'],
    [[$bad], "A\u{FFFD}B"],
]);

check_calls('tol_lower', [
    [['Hello, World 1'], 'hello, world 1'],
    [['ÄÖÜ ÆRØ Ÿ'], 'äöü ærø ÿ'],
    [['ŁÓDŹ ČEŠTINA Ŀ Ž'], 'łódź čeština ŀ ž'],
    [['ΕΛΛΆΔΑ ΣΟΦΊΑ'], 'ελλάδα σοφία'],
    [['МОСКВА ЁЛКА'], 'москва ёлка'],
    [['× İ'], '× İ'],
]);

check_calls('tol_trim', [
    [['  word  '], 'word'],
    [["\t\n both \r\n"], 'both'],
    [["\u{00A0}nbsp\u{2003}"], 'nbsp'],
    [['in  side'], 'in  side'],
    [['   '], ''],
]);

check_calls('tol_left', [
    [['Grüße', 3], 'Grü'],
    [['abc', 0], ''],
    [['abc', -2], ''],
    [['abc', 10], 'abc'],
    [['abcdef', '2'], 'ab'],
    [[123.5, 3], '123'],
]);

check_calls('tol_right', [
    [['Grüße', 3], 'üße'],
    [['abc', 0], ''],
    [['abc', -1], ''],
    [['abc', 10], 'abc'],
]);

check_calls('tol_mid', [
    [['Grüße', 2], 'rüße'],
    [['Grüße', 2, 2], 'rü'],
    [['Grüße', 5, 3], 'e'],
    [['Grüße', 6], ''],
    [['Grüße', 0, 2], 'Gr'],
    [['Grüße', 2, 0], ''],
    [['Grüße', '3', '1'], 'ü'],
]);

check_calls('tol_find', [
    [['banana', 'an'], 2],
    [['banana', 'an', 3], 4],
    [['banana', 'an', 5], 0],
    [['banana', 'x'], 0],
    [['Grüße aus Köln', 'Köln'], 11],
    [['ééé', 'é', 2], 2],
    [['abc', '', 2], 2],
    [['abc', '', 4], 4],
    [['abc', 'c', 9], 0],
    [['abc', 'a', -5], 1],
]);

check_calls('tol_contains', [
    [['banana', 'nan'], true],
    [['banana', 'Nan'], false],
    [['Köln', 'ö'], true],
    [['abc', ''], true],
]);

// Contains answers the same question as Find.
foreach ([['banana', 'an'], ['banana', 'x'], ['', ''], ['Köln', 'öl'], ['a', 'ab']] as [$t, $p]) {
    expect("Contains and Find agree on '$t', '$p'", tol_contains($t, $p), tol_find($t, $p) > 0);
}

check_calls('tol_startswith', [
    [['index.php', 'index'], true],
    [['index.php', 'php'], false],
    [['Äpfel', 'Ä'], true],
    [['abc', ''], true],
]);

check_calls('tol_endswith', [
    [['index.php', '.php'], true],
    [['index.php', 'index'], false],
    [['', 'x'], false],
]);

check_calls('tol_replace', [
    [['a-b-c', '-', '+'], 'a+b+c'],
    [['Straße', 'ß', 'ss'], 'Strasse'],
    [['abc', '', 'x'], 'abc'],
    [['aaa', 'aa', 'b'], 'ba'],
    [['abc', 'b', ''], 'ac'],
]);

check_calls('tol_split', [
    [['a,b,c'], ['a', 'b', 'c']],
    [['a; b', '; '], ['a', 'b']],
    [['a,,b'], ['a', '', 'b']],
    [[''], []],
    [['abc', '|'], ['abc']],
    [['äbc', ''], ['ä', 'b', 'c']],
]);

check_calls('tol_join', [
    [[['a', 'b', 'c']], 'a,b,c'],
    [[['a', 'b'], ' - '], 'a - b'],
    [[[1, 2.5, null, true]], '1,2.5,,1'],
    [[['x', ['nested']]], 'x,'],
    [[[]], ''],
    [['single'], 'single'],
]);

// Join puts back together what Split took apart.
foreach (['a,b,c', 'one', ',lead,,trail,'] as $text) {
    expect("Join(Split('$text'))", tol_join(tol_split($text)), $text);
}

check_calls('tol_repeattext', [
    [['ab', 3], 'ababab'],
    [['ab', 0], ''],
    [['ab', -1], ''],
    [['-', '2'], '--'],
]);

check_calls('tol_padleft', [
    [['7', 3, '0'], '007'],
    [['Köln', 6], '  Köln'],
    [['long', 2], 'long'],
    [['x', 4, 'ab'], 'abax'],
    [['x', 3, ''], 'x'],
]);

check_calls('tol_padright', [
    [['7', 3, '0'], '700'],
    [['Köln', 6, '·'], 'Köln··'],
    [['long', 4], 'long'],
]);

finish();
