#pragma once
#include <QString>

#include "core/image.h"
#include "files/clone_file.h"
#include "files/result.h"

namespace wrk7 {

// The load of a clone file as both programs do it: a file that is a channel
// list instead says so with the list's title ("it is a channel list (gqrx
// bookmarks), not a clone file: ...").
FileResult LoadCloneFile(CloneImage& image, const QString& path);

}  // namespace wrk7
