<?php
// html: page markup for the std library. Every function returns markup as text; Print writes
// it. Parameters called text (and alt, value, cssclass) are plain text and are escaped;
// parameters called html are markup and are written unchanged. Addresses with a scheme other
// than http, https, mailto, tel or ftp are replaced by "#", so that a link made from visitor
// input cannot run script. Helpers named tol__html_* are private to this module.

// Elements that have no content and no closing tag.
const TOL__HTML_VOID = ['area', 'base', 'br', 'col', 'embed', 'hr', 'img', 'input', 'link',
    'meta', 'source', 'track', 'wbr'];

// The input types HtmlInput accepts.
const TOL__HTML_INPUT_KINDS = ['text', 'password', 'email', 'number', 'hidden', 'submit',
    'reset', 'button', 'checkbox', 'radio', 'date', 'time', 'datetime-local', 'month', 'week',
    'search', 'tel', 'url', 'color', 'range', 'file'];

// Any value as text: arrays and objects without a text form give "".
function tol__html_text($value): string
{
    if (is_array($value) || (is_object($value) && !method_exists($value, '__toString'))) {
        return '';
    }
    return (string) $value;
}

// One attribute, with a space in front: ' name="value"'.
function tol__html_attr(string $name, $value): string
{
    return ' ' . $name . '="' . tol_htmlescape($value) . '"';
}

// The class attribute, or "" for no class.
function tol__html_class($cssclass): string
{
    return tol__html_text($cssclass) === '' ? '' : tol__html_attr('class', $cssclass);
}

// An address that is safe in href or src: relative, or of an allowed scheme; else "#".
function tol__html_url($url): string
{
    $url = trim(tol__html_text($url));
    // Browsers skip control characters and blanks while reading a scheme.
    $probe = preg_replace('/[\x00-\x20\x7F]+/', '', $url);
    if (preg_match('/^([a-z][a-z0-9+.\-]*):/i', $probe, $match) !== 1) {
        return $url;
    }
    $allowed = ['http', 'https', 'mailto', 'tel', 'ftp'];
    return in_array(strtolower($match[1]), $allowed, true) ? $url : '#';
}

// HtmlEscape(text): the text with & < > " ' written as entities; invalid UTF-8 becomes U+FFFD.
function tol_htmlescape($text)
{
    return htmlspecialchars(tol__html_text($text), ENT_QUOTES | ENT_SUBSTITUTE, 'UTF-8');
}

// HtmlLines(text): the text escaped, with a line break element before each line end.
function tol_htmllines($text)
{
    return nl2br(tol_htmlescape($text));
}

// HtmlParagraph(text [, cssclass]): <p>text</p>.
function tol_htmlparagraph($text, $cssclass = '')
{
    return '<p' . tol__html_class($cssclass) . '>' . tol_htmlescape($text) . '</p>';
}

// HtmlHeading(text [, level]): <h1>text</h1> to <h6>; levels outside 1 to 6 are moved into it.
function tol_htmlheading($text, $level = 1)
{
    $tag = 'h' . min(6, max(1, is_numeric($level) ? (int) $level : 1));
    return '<' . $tag . '>' . tol_htmlescape($text) . '</' . $tag . '>';
}

// HtmlLink(url [, text]): <a href="url">text</a>; without text the address is shown.
function tol_htmllink($url, $text = '')
{
    $shown = tol__html_text($text) === '' ? $url : $text;
    return '<a' . tol__html_attr('href', tol__html_url($url)) . '>' . tol_htmlescape($shown)
        . '</a>';
}

// HtmlImage(src [, alt]): <img src="src" alt="alt" />.
function tol_htmlimage($src, $alt = '')
{
    return '<img' . tol__html_attr('src', tol__html_url($src)) . tol__html_attr('alt', $alt)
        . ' />';
}

// HtmlList(items [, ordered]): <ul> (or <ol>) with one <li> per item; a value that is no
// array is a list of one item.
function tol_htmllist($items, $ordered = false)
{
    $tag = $ordered ? 'ol' : 'ul';
    $lines = '';
    foreach (is_array($items) ? $items : [$items] as $item) {
        $lines .= '<li>' . tol_htmlescape($item) . '</li>';
    }
    return '<' . $tag . '>' . $lines . '</' . $tag . '>';
}

// HtmlInput(name [, value [, kind]]): <input type="kind" name="name" value="value" />; an
// unknown kind becomes "text".
function tol_htmlinput($name, $value = '', $kind = 'text')
{
    $kind = strtolower(tol__html_text($kind));
    $kind = in_array($kind, TOL__HTML_INPUT_KINDS, true) ? $kind : 'text';
    return '<input' . tol__html_attr('type', $kind) . tol__html_attr('name', $name)
        . tol__html_attr('value', $value) . ' />';
}

// HtmlTag(tagname [, html [, cssclass]]): <tagname>html</tagname>, the content unescaped; an
// element without content such as br is written <br />. A tag name that is not letters and
// digits becomes span.
function tol_htmltag($tagname, $html = '', $cssclass = '')
{
    $tag = strtolower(tol__html_text($tagname));
    $tag = preg_match('/^[a-z][a-z0-9]*$/', $tag) === 1 ? $tag : 'span';
    $open = '<' . $tag . tol__html_class($cssclass);
    if (in_array($tag, TOL__HTML_VOID, true)) {
        return $open . ' />';
    }
    return $open . '>' . tol__html_text($html) . '</' . $tag . '>';
}

// UrlEncode(text): the text made safe for a part of an address, such as a parameter value.
function tol_urlencode($text)
{
    return rawurlencode(tol__html_text($text));
}
