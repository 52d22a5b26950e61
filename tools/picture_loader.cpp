// Finding the picture module: it is installed in the program's own library folder, at the
// same place relative to the tool in the build tree and in every installed prefix.

#include <QLibrary>
#include <filesystem>

#include "picture_module.h"

namespace trace {

std::variant<std::unique_ptr<PictureRun>, std::string> StartPictures(const TraceRun& run,
                                                                     const sim::Model& m) {
    std::error_code error;
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    QLibrary module(QString::fromStdString((tool.parent_path() / CORVANE_PICTURE_MODULE).string()));
    // The module stays loaded until the process ends: Qt's GUI must not be unloaded under it.
    const auto start = reinterpret_cast<StartPicturesFunction>(module.resolve(kStartPicturesName));
    if (!start)
        return "corvane-trace: the pictures cannot be painted: " +
               module.errorString().toStdString();
    return std::unique_ptr<PictureRun>(start(run, m));
}

}  // namespace trace
