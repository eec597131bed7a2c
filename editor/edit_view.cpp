// Re-casing works on character offsets of the buffer. A key release notes the run of
// letters and digits just left of the cursor as the word being typed; once the character
// before the cursor is something else, the word is finished and looked up. Strings and
// comments are left alone, as is text that is no longer the remembered word.
#include "edit_view.h"

#include <algorithm>

#include "app_location.h"
#include "file_io.h"
#include "word_files.h"

namespace {

bool IsAsciiLetterOrDigit(gunichar c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Text a buffer can hold: NUL bytes and invalid sequences become U+FFFD.
std::string DisplayableText(const std::string& bytes) {
    std::string withoutNul;
    withoutNul.reserve(bytes.size());
    for (const char c : bytes) {
        if (c == '\0') {
            withoutNul += "\xEF\xBF\xBD";
        } else {
            withoutNul += c;
        }
    }
    gchar* valid = g_utf8_make_valid(withoutNul.data(), static_cast<gssize>(withoutNul.size()));
    std::string text(valid);
    g_free(valid);
    return text;
}

bool IsUtf8Text(const std::string& bytes) {
    return g_utf8_validate(bytes.data(), static_cast<gssize>(bytes.size()), nullptr);
}

const char* const kKeptReadOnly = "\nIt is opened read-only, so that saving cannot overwrite it.";

}  // namespace

EditView::EditView()
    : source(ConfigFolder(), "lua"),
      view(source.Widget()),
      buffer(source.Buffer()),
      words(ReadKnownWords(ConfigFolder())),
      wordIndex(words) {
    keyReleaseConnection =
        view.signal_key_release_event().connect(sigc::mem_fun(*this, &EditView::onKeyPress), false);
}

EditView::~EditView() { keyReleaseConnection.disconnect(); }

bool EditView::onKeyPress(GdkEventKey*) {
    const int cursor = buffer->get_insert()->get_iter().get_offset();
    if (!CheckForString(cursor) || cursor == lastCursor) return false;
    lastCursor = cursor;
    std::string typed = TokenLeftOfCursor(cursor - 1);
    if (typed.empty()) {
        FinishWord(cursor);
    } else {
        std::reverse(typed.begin(), typed.end());
        currentWord = typed;
    }
    return false;
}

bool EditView::CheckForString(int offset) const {
    const Gtk::TextIter cursor = buffer->get_iter_at_offset(offset);
    Gtk::TextIter lineStart = cursor;
    lineStart.set_line_offset(0);
    // Quote and apostrophe are ASCII, so the UTF-8 bytes can be scanned directly.
    const Glib::ustring before = buffer->get_slice(lineStart, cursor);
    bool inString = false;
    for (const char c : before.raw()) {
        if (c == '"') {
            inString = !inString;
        } else if (c == '\'' && !inString) {
            return false;
        }
    }
    return !inString;
}

std::string EditView::TokenLeftOfCursor(int offset) const {
    std::string token;
    if (offset < 0) return token;
    Gtk::TextIter at = buffer->get_iter_at_offset(offset);
    while (IsAsciiLetterOrDigit(at.get_char())) {
        token += static_cast<char>(at.get_char());
        if (!at.backward_char()) break;
    }
    return token;
}

// The typed word was finished by the character before `cursor`. The earliest known word
// that matches it ignoring case decides; an exact match needs no change.
void EditView::FinishWord(int cursor) {
    if (!currentWord) return;
    const std::string* known = wordIndex.FirstMatch(*currentWord);
    if (known == nullptr) return;
    if (*known != *currentWord) ReplaceWordEndingAt(cursor - 1, *known);
    currentWord = "";
}

// Only the remembered word is replaced: when the cursor was moved since it was typed, the
// text before it is something else and stays as it is. The spelling matches an ASCII word,
// so its length in bytes is its length in characters.
void EditView::ReplaceWordEndingAt(int end, const std::string& spelling) {
    const int start = end - static_cast<int>(spelling.size());
    if (start < 0) return;
    const Gtk::TextIter from = buffer->get_iter_at_offset(start);
    const Gtk::TextIter to = buffer->get_iter_at_offset(end);
    const std::string found = buffer->get_slice(from, to).raw();
    if (found == spelling || !EqualsIgnoringAsciiCase(found, spelling)) return;
    buffer->begin_user_action();
    const auto [at, erased] = buffer->erase_interactive(from, to, view.get_editable());
    if (erased) buffer->insert_interactive(at, spelling, view.get_editable());
    buffer->end_user_action();
}

std::optional<std::string> EditView::Load() {
    const FileRead file = ReadWholeFile(filePath);
    std::optional<std::string> problem;
    if (!file.error.empty() && file.missing) {
        problem = file.error;
    } else if (!file.error.empty()) {
        ShowReadOnly("");
        problem = file.error + kKeptReadOnly;
    } else if (!IsUtf8Text(file.contents)) {
        ShowReadOnly(DisplayableText(file.contents));
        problem = "'" + filePath + "' is not valid UTF-8 text." + kKeptReadOnly;
    } else {
        source.SetInitialText(file.contents);
    }
    buffer->set_modified(false);
    return problem;
}

std::optional<std::string> EditView::Save() {
    if (readOnly) return std::nullopt;
    std::optional<std::string> error = ReplaceFileContents(filePath, buffer->get_text().raw());
    if (!error) buffer->set_modified(false);
    return error;
}

bool EditView::IsReadOnly() const { return readOnly; }

bool EditView::HasUnsavedChanges() const { return buffer->get_modified(); }

void EditView::ShowReadOnly(const std::string& text) {
    readOnly = true;
    view.set_editable(false);
    source.SetInitialText(text);
}
