<?php
// Tests of the html module: the markup each function writes, that text is always escaped,
// and that addresses which could run script never reach an href or src.
require __DIR__ . '/check.php';
load_module('html');

check_calls('tol_htmlescape', [
    [['<b>"Tom" & \'Jerry\'</b>'], '&lt;b&gt;&quot;Tom&quot; &amp; &#039;Jerry&#039;&lt;/b&gt;'],
    [['Grüße'], 'Grüße'],
    [["bad \xFF byte"], "bad \u{FFFD} byte"],
    [['&amp;'], '&amp;amp;'],
    [[42], '42'],
    [[null], ''],
    [[['array']], ''],
]);

check_calls('tol_htmllines', [
    [["one\ntwo"], "one<br />\ntwo"],
    [["<i>\r\nx"], "&lt;i&gt;<br />\r\nx"],
    [['single'], 'single'],
]);

check_calls('tol_htmlparagraph', [
    [['Hello & welcome'], '<p>Hello &amp; welcome</p>'],
    [['Note', 'warning'], '<p class="warning">Note</p>'],
    [['x', '"><script>'], '<p class="&quot;&gt;&lt;script&gt;">x</p>'],
]);

check_calls('tol_htmlheading', [
    [['Title'], '<h1>Title</h1>'],
    [['Part <2>', 2], '<h2>Part &lt;2&gt;</h2>'],
    [['x', 9], '<h6>x</h6>'],
    [['x', 0], '<h1>x</h1>'],
    [['x', '3'], '<h3>x</h3>'],
    [['x', 'big'], '<h1>x</h1>'],
]);

check_calls('tol_htmllink', [
    [['page.php?a=1&b=2', 'Next'], '<a href="page.php?a=1&amp;b=2">Next</a>'],
    [['https://example.org/'], '<a href="https://example.org/">https://example.org/</a>'],
    [['mailto:me@example.org', 'Mail'], '<a href="mailto:me@example.org">Mail</a>'],
    [['/about', '<About>'], '<a href="/about">&lt;About&gt;</a>'],
    [['"onmouseover="x', 'q'], '<a href="&quot;onmouseover=&quot;x">q</a>'],
    [['javascript:alert(1)', 'x'], '<a href="#">x</a>'],
    [['JavaScript:alert(1)', 'x'], '<a href="#">x</a>'],
    [[" java\tscript:alert(1)", 'x'], '<a href="#">x</a>'],
    [['data:text/html,<script>', 'x'], '<a href="#">x</a>'],
    [['vbscript:x', 'x'], '<a href="#">x</a>'],
    [['notes.php?time=12:30', 'x'], '<a href="notes.php?time=12:30">x</a>'],
]);

check_calls('tol_htmlimage', [
    [['logo.png', 'Our "logo"'], '<img src="logo.png" alt="Our &quot;logo&quot;" />'],
    [['pic.jpg'], '<img src="pic.jpg" alt="" />'],
    [['javascript:x'], '<img src="#" alt="" />'],
]);

check_calls('tol_htmllist', [
    [[['a', 'b<c']], '<ul><li>a</li><li>b&lt;c</li></ul>'],
    [[['first', 'second'], true], '<ol><li>first</li><li>second</li></ol>'],
    [[[]], '<ul></ul>'],
    [['only'], '<ul><li>only</li></ul>'],
]);

check_calls('tol_htmlinput', [
    [['q'], '<input type="text" name="q" value="" />'],
    [['q', 'a"b'], '<input type="text" name="q" value="a&quot;b" />'],
    [['pw', '', 'password'], '<input type="password" name="pw" value="" />'],
    [['when', '', 'DATETIME-LOCAL'], '<input type="datetime-local" name="when" value="" />'],
    [['x', '', 'text" onfocus="y'], '<input type="text" name="x" value="" />'],
    [['a"b', '1', 'hidden'], '<input type="hidden" name="a&quot;b" value="1" />'],
]);

check_calls('tol_htmltag', [
    [['div', '<b>bold</b>'], '<div><b>bold</b></div>'],
    [['SPAN', 'x', 'note'], '<span class="note">x</span>'],
    [['br'], '<br />'],
    [['hr', 'ignored', 'line'], '<hr class="line" />'],
    [['em'], '<em></em>'],
    [['script onload=x', 'y'], '<span>y</span>'],
    [['h2', 'T'], '<h2>T</h2>'],
    [['1a', 'y'], '<span>y</span>'],
]);

check_calls('tol_urlencode', [
    [['a b&c=d'], 'a%20b%26c%3Dd'],
    [['Köln'], 'K%C3%B6ln'],
    [['safe-_.~'], 'safe-_.~'],
    [[null], ''],
]);

finish();
