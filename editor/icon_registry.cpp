// Icon files are opaque bitmaps drawn on a magenta background; that one colour is turned
// transparent on loading, so the icons sit on the toolbar of any theme.
#include "icon_registry.h"

#include <iostream>

void IconRegistry::Register(const std::string& name, const std::optional<std::string>& file) {
    if (!file) return;
    try {
        images[name] = Gdk::Pixbuf::create_from_file(*file)->add_alpha(true, 255, 0, 255);
    } catch (const Glib::Error& error) {
        std::cerr << "Tolva Warning: Cannot load icon " << *file << ": " << error.what() << "\n";
    }
}

Glib::RefPtr<Gdk::Pixbuf> IconRegistry::Find(const std::string& name) const {
    const auto found = images.find(name);
    return found == images.end() ? Glib::RefPtr<Gdk::Pixbuf>() : found->second;
}

std::size_t IconRegistry::Count() const { return images.size(); }
