// SourceView: the one place that uses the source-view widget library, through its C
// interface. It owns a highlighting buffer and the view on it, with line numbers, and the
// language manager that found the buffer's language; the rest of the editor sees them as
// an ordinary text view and text buffer.
#pragma once

#include <gtkmm/textbuffer.h>
#include <gtkmm/textview.h>

#include <optional>
#include <string>
#include <vector>

typedef struct _GtkSourceBuffer GtkSourceBuffer;
typedef struct _GtkSourceLanguage GtkSourceLanguage;
typedef struct _GtkSourceLanguageManager GtkSourceLanguageManager;
typedef struct _GtkSourceView GtkSourceView;

class SourceView {
  public:
    // Looks up `languageId` in `languageFolder` alone (the system folders are not searched);
    // without the folder, or without a definition of that id in it, nothing is highlighted.
    SourceView(const std::optional<std::string>& languageFolder, const std::string& languageId);
    ~SourceView();
    SourceView(const SourceView&) = delete;
    SourceView& operator=(const SourceView&) = delete;

    Gtk::TextView& Widget() const;
    Glib::RefPtr<Gtk::TextBuffer> Buffer() const;

    // Replaces the whole text as the document's starting point: undo never goes back
    // across it to the empty buffer.
    void SetInitialText(const std::string& text);

    bool HasLanguage() const;
    std::vector<std::string> LanguageSearchPath() const;
    bool ShowsLineNumbers() const;

    // Whether the character at `offset` was highlighted as part of a context of the
    // given class ("string", "comment", ...), highlighting the whole buffer first if needed.
    bool IsInContextClass(int offset, const std::string& contextClass) const;

  private:
    GtkSourceLanguageManager* languageManager;
    GtkSourceLanguage* language;  // owned by languageManager; null when none was found
    GtkSourceBuffer* buffer;
    GtkSourceView* view;
};
