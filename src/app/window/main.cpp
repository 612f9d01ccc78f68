// wrk7-clone: the desktop clone utility.
#include <QApplication>
#include <QLocale>
#include <QSettings>

#include "app/dialogs/about_box.h"
#include "app/support/theme.h"
#include "app/support/system_font.h"
#include "app/window/appearance_menu.h"
#include "app/window/command_line.h"
#include "app/window/main_window.h"
#include "app/window/qt_translations.h"
#include "files/preferences.h"
#include "files/program_log.h"

int main(int argc, char** argv) {
    // --help and a wrong argument are answered before QApplication opens the
    // window system: they need no display. Only the verdict is taken from
    // these bytes; the values come from Qt's arguments below (Unicode on
    // Windows).
    QStringList raw;
    for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
    if (const auto status = wrk7::AnswerWithoutWindow(wrk7::ParseCommandLine(wrk7::WithoutQtOptions(raw))))
        return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(wrk7::kSettingsOrganisation.data()));
    QApplication::setApplicationName(QString::fromUtf8(wrk7::kSettingsApplication.data()));
    QApplication::setApplicationVersion(QString::fromLatin1(wrk7::kProgramVersion));
#ifdef Q_OS_WIN
    QApplication::setFont(wrk7::UsableUiFont(QApplication::font()));
    // The Windows theme gives menus, item views (the grids), headers, the
    // status bar and tips fonts of their own, asked by name as the default
    // is: under Wine those names fell back to a serif too.
    for (const char* kind : {"QMenu", "QMenuBar", "QMenuItem", "QMessageBox", "QTipLabel", "QStatusBar",
                             "QAbstractItemView", "QListView", "QHeaderView", "QMdiSubWindowTitleBar",
                             "QDockWidgetTitle", "QComboMenuItem", "QComboLineEdit", "QSmallFont", "QMiniFont"})
        QApplication::setFont(wrk7::UsableUiFont(QApplication::font(kind)), kind);
#endif

    const wrk7::CommandLine line = wrk7::ParseCommandLine(QApplication::arguments());
    if (const auto status = wrk7::AnswerWithoutWindow(line)) return *status;
    wrk7::StartProgramLog(QStringLiteral("wrk7-clone"), line.verbose);
    qCInfo(logProgram).noquote() << "wrk7-clone" << wrk7::kProgramVersion << "on" << QSysInfo::prettyProductName() << "with Qt"
                                << qVersion() << "platform" << QGuiApplication::platformName();
    // --lang for this run, else the one chosen in View > Language, else the
    // system's; Qt's own buttons and dialogs speak it too.
    QSettings store;
    const wrk7::UiLanguage language =
        line.language.value_or(wrk7::StoredLanguage(store).value_or(wrk7::SystemUiLanguage()));
    const wrk7::Translations translations(language);
    if (language == wrk7::UiLanguage::kJapanese) {
        QApplication::setFont(wrk7::JapaneseWindowFont(QApplication::font()));
        // Chosen over another system language: dates and times in the
        // Japanese form too, like every other word of the window.
        if (QLocale().language() != QLocale::Japanese) QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    }
    wrk7::ApplyTheme(wrk7::StoredTheme(store));

    wrk7::AppOptions options;
    options.language = language;
    options.startupFile = line.startupFile;
    options.portOverride = line.port;
    wrk7::MainWindow window(options);
    window.show();
    const int status = QApplication::exec();
    qCInfo(logProgram) << "wrk7-clone ended with status" << status;
    return status;
}
