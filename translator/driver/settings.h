// Process-wide settings of one translation run: what the command line asked for and where the
// run currently stands. Set before translation starts (except the position, which follows the
// line being translated) and read by every part of the translator.
#pragma once

#include <string>

inline std::string mainFile;            // main source path as written after "-s"
inline std::string inputPath;           // folder of mainFile; includes are looked up there
inline std::string outputPath;          // folder receiving the PHP file being written
inline std::string rootOutputPath;      // output folder as written after "-o"; never moves
inline std::string localServerAddress;  // address handed to the browser ("-b")
inline bool openbrowser = false;        // open a browser after a successful run
inline bool processHeader = false;      // translate tol_httpheader.tol first ("-httphead")
inline int doTrace = 0;                 // 1: append the source statement to PHP lines ("-t")
inline int outputComments = 0;          // 1: keep source comments as PHP comments ("-c")
inline const std::string version = "1.3";

// Position named by error reports: the file and line being translated.
inline std::string currentParseFile;
inline int currentLine = 0;
