// EditView: one open source file, shown in a highlighted view with line numbers, that
// re-cases a finished word to its known spelling when it matches a word of the installation
// apart from letter case. A file that is not valid UTF-8 text is shown read-only and never
// written back.
#pragma once

#include <gdk/gdk.h>
#include <sigc++/connection.h>

#include <optional>
#include <string>
#include <vector>

#include "source_view.h"
#include "word_index.h"

class EditView {
  public:
    // Builds the view with the highlighting definition and word lists below appDir.
    EditView();
    ~EditView();
    EditView(const EditView&) = delete;
    EditView& operator=(const EditView&) = delete;

    int page = 0;          // position in `documents` and in the notebook
    std::string filePath;  // full path of the document's file
    SourceView source;
    Gtk::TextView& view;
    Glib::RefPtr<Gtk::TextBuffer> buffer;
    int lastCursor = -1;                     // cursor offset at the last handled key release
    std::optional<std::string> currentWord;  // the word being typed; "" once it was finished
    std::vector<std::string> words;          // the known words, in file order

    // Key release in the view: remembers the word being typed and re-cases it once it is
    // finished. Always lets the event go on to the view.
    bool onKeyPress(GdkEventKey* event);

    // True when `offset` lies neither inside a double-quoted string nor after a "'" comment
    // mark on its line.
    bool CheckForString(int offset) const;

    // The ASCII letters and digits that end at character `offset`, last character first.
    std::string TokenLeftOfCursor(int offset) const;

    // Reads filePath into the buffer. Returns a message for the user when the file could
    // not be read or is not UTF-8 text; the latter is shown read-only with its invalid bytes
    // replaced, as is a file that exists but cannot be read.
    std::optional<std::string> Load();

    // Replaces the file's contents with the buffer's text; a read-only document is never
    // written. Returns the reason when writing failed.
    std::optional<std::string> Save();

    bool IsReadOnly() const;
    bool HasUnsavedChanges() const;

  private:
    void FinishWord(int cursor);
    void ReplaceWordEndingAt(int end, const std::string& spelling);
    void ShowReadOnly(const std::string& text);

    WordIndex wordIndex;
    bool readOnly = false;
    sigc::connection keyReleaseConnection;
};
