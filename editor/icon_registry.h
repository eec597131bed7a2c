// IconRegistry: the toolbar's images, loaded once from the installation and kept under
// their icon names for the life of the main window.
#pragma once

#include <gdkmm/pixbuf.h>

#include <map>
#include <optional>
#include <string>

class IconRegistry {
  public:
    // Loads the image at `file` under `name`. An image that cannot be loaded (or an unknown
    // file) leaves the name unregistered, with a warning on standard error for the former.
    void Register(const std::string& name, const std::optional<std::string>& file);

    // The image registered under `name`, or an empty reference.
    Glib::RefPtr<Gdk::Pixbuf> Find(const std::string& name) const;

    std::size_t Count() const;

  private:
    std::map<std::string, Glib::RefPtr<Gdk::Pixbuf>> images;
};
