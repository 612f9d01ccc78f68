#pragma once
#include <QDialog>

#include "program_version.h"

namespace wrk7 {

// Help > About: the program's title, its version, where the read backups are
// kept and a short notice.

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const QString& backupFolder, QWidget* parent = nullptr);
};

}  // namespace wrk7
