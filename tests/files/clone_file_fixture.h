#pragma once
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/clone_file.h"
#include "files/rich_image.h"
#include "files/text_file.h"

namespace wrk7::testing {

// One fixture for the clone-file tests of every system and of POSIX alone.
class CloneFileTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // The lines a save of image writes, with one line replaced.
    QByteArray FileWith(int line, const std::string& text) {
        auto lines = CloneFileLines(RichImage());
        lines[static_cast<std::size_t>(line)] = text;
        return JoinLinesCrLf(lines);
    }
    QTemporaryDir dir;
};

}  // namespace wrk7::testing
