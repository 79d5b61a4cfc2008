#pragma once

#include <QIcon>
#include <QPixmap>

namespace lomos {

// The program's own pictures, drawn in code: the six toolbar images and the
// decoration of the main window.
namespace artwork {

enum class ToolIcon { Generate, Preview, Review, Print, Configure, Clear, Quit };

QIcon toolIcon(ToolIcon which);

// Books on a shelf, their spines labelled: 130 by 46 pixels.
QPixmap shelfPicture();

}  // namespace artwork

}  // namespace lomos
