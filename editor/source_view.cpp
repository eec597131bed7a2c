// Creates the language manager, buffer and view through the C interface and hands the
// buffer and view to the rest of the editor as the toolkit's C++ text classes, which they
// derive from. Each object is held by one reference of ours, dropped in the destructor.
#include "source_view.h"

#include <gtksourceview/gtksource.h>

namespace {

GtkSourceLanguageManager* CreateLanguageManager(const std::optional<std::string>& languageFolder) {
    GtkSourceLanguageManager* manager = gtk_source_language_manager_new();
    const gchar* folders[] = {languageFolder ? languageFolder->c_str() : nullptr, nullptr};
    gtk_source_language_manager_set_search_path(manager, const_cast<gchar**>(folders));
    return manager;
}

}  // namespace

SourceView::SourceView(const std::optional<std::string>& languageFolder,
                       const std::string& languageId)
    : languageManager(CreateLanguageManager(languageFolder)),
      language(gtk_source_language_manager_get_language(languageManager, languageId.c_str())),
      buffer(gtk_source_buffer_new(nullptr)),
      view(GTK_SOURCE_VIEW(gtk_source_view_new_with_buffer(buffer))) {
    g_object_ref_sink(view);
    gtk_source_buffer_set_language(buffer, language);
    gtk_source_buffer_set_highlight_syntax(buffer, TRUE);
    gtk_source_view_set_show_line_numbers(view, TRUE);
}

SourceView::~SourceView() {
    g_object_unref(view);
    g_object_unref(buffer);
    g_object_unref(languageManager);
}

Gtk::TextView& SourceView::Widget() const { return *Glib::wrap(GTK_TEXT_VIEW(view)); }

Glib::RefPtr<Gtk::TextBuffer> SourceView::Buffer() const {
    return Glib::wrap(GTK_TEXT_BUFFER(buffer), true);
}

void SourceView::SetInitialText(const std::string& text) {
    gtk_source_buffer_begin_not_undoable_action(buffer);
    gtk_text_buffer_set_text(GTK_TEXT_BUFFER(buffer), text.data(), static_cast<gint>(text.size()));
    gtk_source_buffer_end_not_undoable_action(buffer);
}

bool SourceView::HasLanguage() const { return language != nullptr; }

std::vector<std::string> SourceView::LanguageSearchPath() const {
    std::vector<std::string> folders;
    for (const gchar* const* folder = gtk_source_language_manager_get_search_path(languageManager);
         *folder != nullptr; ++folder) {
        folders.emplace_back(*folder);
    }
    return folders;
}

bool SourceView::ShowsLineNumbers() const { return gtk_source_view_get_show_line_numbers(view); }

bool SourceView::IsInContextClass(int offset, const std::string& contextClass) const {
    GtkTextIter start, end, at;
    gtk_text_buffer_get_bounds(GTK_TEXT_BUFFER(buffer), &start, &end);
    gtk_source_buffer_ensure_highlight(buffer, &start, &end);
    gtk_text_buffer_get_iter_at_offset(GTK_TEXT_BUFFER(buffer), &at, offset);
    return gtk_source_buffer_iter_has_context_class(buffer, &at, contextClass.c_str());
}
