#pragma once
#include <QDialog>

namespace wrk7 {

// Help > About: the program's title, its version, where the read backups are
// kept and a short notice.
inline constexpr char kProgramVersion[] = "1.0.0";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const QString& backupFolder, QWidget* parent = nullptr);
};

}  // namespace wrk7
