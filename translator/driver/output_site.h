// The output folder as a small web site: the entry page index.php made from the installed
// template, its style sheet, and the project's optional HTTP header program.
#pragma once

// Lays out index.php and css/mystyle.css unless index.php exists already; what the user has
// changed in either is never overwritten.
void ProcessDefaultFiles();

// Removes a stale httpheader.php and, under "-httphead", translates tol_httpheader.tol from the
// source folder before the main file, so that its declarations are known there.
void ProcessTolHeader();
