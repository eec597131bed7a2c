// The message boxes behind the dialog seam, inspected without being run: a warning shows
// its text literally with a single OK button, and the question about unsaved changes maps
// each of its buttons, and closing it, to the right answer.
#include "gtk_user_dialogs.h"

#include <gtest/gtest.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

namespace {

void CollectAll(GtkWidget* widget, std::vector<GtkWidget*>& found) {
    found.push_back(widget);
    if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer list) {
                CollectAll(child, *static_cast<std::vector<GtkWidget*>*>(list));
            },
            &found);
    }
}

template <typename Widget>
std::vector<Widget*> WidgetsIn(Gtk::Widget& root) {
    std::vector<GtkWidget*> all;
    CollectAll(root.gobj(), all);
    std::vector<Widget*> wanted;
    for (GtkWidget* widget : all) {
        if (auto* typed = dynamic_cast<Widget*>(Glib::wrap(widget))) wanted.push_back(typed);
    }
    return wanted;
}

TEST(GtkUserDialogsTest, AWarningShowsItsMessageAsPlainTextWithOneButton) {
    Gtk::Window parent;
    const std::string message = "100% done: %s %d <b>bold</b> & \"quoted\"";
    const auto box = MakeWarningBox(parent, message);
    EXPECT_EQ(box->property_text().get_value(), message);
    EXPECT_FALSE(box->property_use_markup().get_value());
    EXPECT_EQ(box->property_message_type().get_value(), Gtk::MESSAGE_WARNING);
    EXPECT_TRUE(box->get_modal());
    EXPECT_EQ(box->get_transient_for(), &parent);

    std::vector<std::string> labels;
    for (Gtk::Label* label : WidgetsIn<Gtk::Label>(*box)) labels.push_back(label->get_text());
    EXPECT_NE(std::find(labels.begin(), labels.end(), message), labels.end());
    EXPECT_EQ(WidgetsIn<Gtk::Button>(*box).size(), 1u);
    EXPECT_TRUE(box->get_widget_for_response(Gtk::RESPONSE_OK));
}

TEST(GtkUserDialogsTest, TheUnsavedChangesQuestionOffersSaveDiscardAndCancel) {
    Gtk::Window parent;
    const auto box = MakeUnsavedChangesQuestion(parent);
    EXPECT_TRUE(box->get_modal());
    EXPECT_EQ(box->get_transient_for(), &parent);
    std::map<std::string, UnsavedChangesAnswer> answers;
    for (Gtk::Button* button : WidgetsIn<Gtk::Button>(*box)) {
        answers[button->get_label()] =
            UnsavedChangesAnswerFor(box->get_response_for_widget(*button));
    }
    EXPECT_EQ(answers, (std::map<std::string, UnsavedChangesAnswer>{
                           {"_Save", UnsavedChangesAnswer::Save},
                           {"_Discard changes", UnsavedChangesAnswer::Discard},
                           {"_Cancel", UnsavedChangesAnswer::Cancel}}));
    EXPECT_EQ(UnsavedChangesAnswerFor(Gtk::RESPONSE_DELETE_EVENT), UnsavedChangesAnswer::Cancel);
    EXPECT_EQ(UnsavedChangesAnswerFor(Gtk::RESPONSE_NONE), UnsavedChangesAnswer::Cancel);
}

}  // namespace
