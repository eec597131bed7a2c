// Editor-wide state that every command of the main window reads and writes: where the
// installation is, which project is open, and the documents shown in the notebook.
// There is one main window per process, so one set of these.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Gtk {
class Notebook;
class TextView;
}  // namespace Gtk
class CProject;
class EditView;

// The running executable, in UTF-8; unknown when its path could not be read or converted.
inline std::optional<std::string> appPath;
// The executable's folder, without a trailing "/": the installation root that holds config/
// and bin/. Unknown together with appPath, and then nothing below it is looked up.
inline std::optional<std::string> appDir;

// The open project; empty while no project is open.
inline std::shared_ptr<CProject> currentProject;
// Folder of the open project, without a trailing "/", and the full path of its ".tpr" file.
inline std::string projectPath;
inline std::string projectFilePath;

// The open documents; entry i is shown on notebook page i.
inline std::vector<std::shared_ptr<EditView>> documents;

// Widgets of the main window, owned by it; null while no main window exists.
inline Gtk::Notebook* notebook = nullptr;
inline Gtk::TextView* outputPane = nullptr;
